// SPDX-License-Identifier: GPL-3.0-or-later
#include "export_lights.h"

#include "light_signal_port.h"
#include "sequencer_link.h"
#include "sequences.h"

namespace vs::glasses {
namespace {

// A file has no port of its own: the bytes go only to the light signal.
class NoPort : public LedPort {
public:
    void Out32(std::uint16_t, std::uint16_t) override {}
    std::uint16_t Inp32(std::uint16_t) override { return 0; }
    std::string problema() const override { return {}; }
};

// ...and shows no indicators.
class NoIndicators : public LedIndicators {
public:
    void setLit(int, bool) override {}
    void setColours(int, std::uint32_t, std::uint32_t) override {}
};

GlassesSettings exportSettings() {
    GlassesSettings s;
    s.GafasMentales = true;
    s.LuzEnAudio = true;
    return s;
}

class ExportLights : public links::RenderGlasses {
public:
    explicit ExportLights(audio::Engine& engine)
        : port_(noPort_, engine),
          // An export starts its sequence at the first step, whatever the
          // window showed last: the same session gives the same file.
          link_(clock_, port_, indicators_, settings_, SequencerState{0.0f, 0, 1}) {}

    links::GlassesLink& link() override { return link_; }
    std::int64_t nextStepMs() const override { return clock_.nextTickMs(); }
    void stepTo(std::int64_t ms) override { clock_.advanceTo(ms); }

private:
    const GlassesSettings settings_ = exportSettings();
    SimulatedStepClock clock_;
    NoPort noPort_;
    LightSignalPort port_;
    NoIndicators indicators_;
    SequencerLink link_;
};

} // namespace

links::GlassesLinkFactory exportLights() {
    CargarSecuencias();
    return [](audio::Engine& engine) -> std::unique_ptr<links::RenderGlasses> {
        return std::make_unique<ExportLights>(engine);
    };
}

} // namespace vs::glasses
