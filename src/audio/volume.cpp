// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/volume.h"

#include "audio/engine.h"

#include <algorithm>
#include <cmath>

namespace vs::audio {
namespace {

class EngineMixer : public MixerBackend {
public:
    explicit EngineMixer(Engine& engine) : engine_(engine) {}
    bool hasLine(MixerLine) const override { return true; }

    bool read(MixerLine line, std::int32_t& level) override {
        level = std::int32_t(std::lround(double(gain(line)) * kMixerMax));
        return true;
    }

    bool write(MixerLine line, std::int32_t level) override {
        const float g = float(std::clamp(level, 0, kMixerMax)) / float(kMixerMax);
        switch (line) {
        case MixerLine::Master:
            engine_.setMasterGain(g);
            break;
        case MixerLine::Wave:
            engine_.setLineGain(Line::Wave, g);
            break;
        case MixerLine::Synth:
            engine_.setLineGain(Line::Synth, g);
            break;
        case MixerLine::CD:
            engine_.setLineGain(Line::CD, g);
            break;
        }
        return true;
    }

private:
    float gain(MixerLine line) const {
        switch (line) {
        case MixerLine::Master:
            return engine_.masterGain();
        case MixerLine::Wave:
            return engine_.lineGain(Line::Wave);
        case MixerLine::Synth:
            return engine_.lineGain(Line::Synth);
        case MixerLine::CD:
            return engine_.lineGain(Line::CD);
        }
        return 0.0f;
    }

    Engine& engine_;
};

} // namespace

std::unique_ptr<MixerBackend> makeEngineMixer(Engine& engine) {
    return std::make_unique<EngineMixer>(engine);
}

clsVolume::clsVolume(Engine& engine) : clsVolume(makeAlsaMixer(), makeEngineMixer(engine)) {}

clsVolume::clsVolume(std::unique_ptr<MixerBackend> system, std::unique_ptr<MixerBackend> fallback)
    : system_(std::move(system)), fallback_(std::move(fallback)) {}

clsVolume::~clsVolume() = default;

MixerBackend* clsVolume::backendFor(MixerLine line) const {
    if (system_ && system_->hasLine(line)) return system_.get();
    if (fallback_ && fallback_->hasLine(line)) return fallback_.get();
    return nullptr;
}

std::int32_t clsVolume::level(MixerLine line) const {
    MixerBackend* b = backendFor(line);
    std::int32_t v = 0;
    if (!b || !b->read(line, v)) return 0;
    return std::clamp(v, 0, kMixerMax);
}

void clsVolume::setLevel(MixerLine line, std::int32_t v) {
    if (MixerBackend* b = backendFor(line)) b->write(line, std::clamp(v, 0, kMixerMax));
}

std::int32_t clsVolume::max(MixerLine line) const {
    return backendFor(line) ? kMixerMax : 0;
}

} // namespace vs::audio
