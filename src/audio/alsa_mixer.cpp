// SPDX-License-Identifier: GPL-3.0-or-later
// The system mixer through ALSA's simple mixer interface.
#include "audio/volume.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>

namespace vs::audio {
namespace {

// ALSA prints its complaints to stderr by default; a machine without a card
// must not fill the terminal on every start.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

class AlsaMixer : public MixerBackend {
public:
    explicit AlsaMixer(const std::string& card) {
        snd_lib_error_set_handler(&quietAlsa);
        if (snd_mixer_open(&mixer_, 0) < 0) {
            mixer_ = nullptr;
            return;
        }
        if (snd_mixer_attach(mixer_, card.c_str()) < 0 ||
            snd_mixer_selem_register(mixer_, nullptr, nullptr) < 0 || snd_mixer_load(mixer_) < 0) {
            snd_mixer_close(mixer_);
            mixer_ = nullptr;
            return;
        }
        static const char* const names[4] = {"Master", "PCM", "Synth", "CD"};
        for (int i = 0; i < 4; ++i) {
            snd_mixer_selem_id_t* sid = nullptr;
            snd_mixer_selem_id_malloc(&sid);
            snd_mixer_selem_id_set_index(sid, 0);
            snd_mixer_selem_id_set_name(sid, names[i]);
            snd_mixer_elem_t* e = snd_mixer_find_selem(mixer_, sid);
            snd_mixer_selem_id_free(sid);
            long lo = 0, hi = 0;
            if (e && snd_mixer_selem_has_playback_volume(e) &&
                snd_mixer_selem_get_playback_volume_range(e, &lo, &hi) == 0 && hi > lo) {
                elems_[i] = e;
                min_[i] = lo;
                max_[i] = hi;
            }
        }
    }

    ~AlsaMixer() override {
        if (mixer_) snd_mixer_close(mixer_);
    }

    bool hasLine(MixerLine line) const override { return elems_[int(line)] != nullptr; }

    bool read(MixerLine line, std::int32_t& level) override {
        snd_mixer_elem_t* e = elems_[int(line)];
        if (!e) return false;
        snd_mixer_handle_events(mixer_); // pick up changes made by other programs
        long v = 0;
        if (snd_mixer_selem_get_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, &v) < 0) return false;
        const double span = double(max_[int(line)] - min_[int(line)]);
        level = std::int32_t(std::lround(double(v - min_[int(line)]) * kMixerMax / span));
        return true;
    }

    bool write(MixerLine line, std::int32_t level) override {
        snd_mixer_elem_t* e = elems_[int(line)];
        if (!e) return false;
        const double span = double(max_[int(line)] - min_[int(line)]);
        const long v = min_[int(line)] + std::lround(double(level) * span / kMixerMax);
        return snd_mixer_selem_set_playback_volume_all(e, v) == 0;
    }

private:
    snd_mixer_t* mixer_ = nullptr;
    snd_mixer_elem_t* elems_[4] = {};
    long min_[4] = {};
    long max_[4] = {};
};

} // namespace

std::unique_ptr<MixerBackend> makeAlsaMixer(const std::string& card) {
    return std::make_unique<AlsaMixer>(card);
}

} // namespace vs::audio
