// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/export_music.h"

#include "audio/engine.h"
#include "audio/volume.h"
#include "base/numeric.h"
#include "base/preferences.h"
#include "base/services.h"
#include "library/engine_music_devices.h"
#include "library/music_player.h"

#include <array>
#include <memory>

namespace vs::library {
namespace {

// The music controls as they stood when the export began.
class FixedMusicView : public MusicView {
public:
    FixedMusicView(bool on, int slider) : on_(on), slider_(slider) {}
    bool chkMusica() const override { return on_; }
    int scrollVolumenMusica() const override { return slider_; }
    void setScrollVolumenMusica(int value) override { slider_ = value; }

private:
    bool on_;
    int slider_;
};

// The music lines of the render at the slider's level: MIDI and CD have lines
// of their own on the private engine; the wave line also carries the tones,
// so a song's stream takes the level on itself (streamVolume()) instead.
class ExportLevels : public audio::MixerBackend {
public:
    ExportLevels(audio::Engine& engine, int slider) : engine_(engine) {
        const std::int32_t level = toInt32(double(audio::kMixerMax) / 100.0 * slider);
        for (auto line : {audio::MixerLine::Wave, audio::MixerLine::Synth, audio::MixerLine::CD})
            write(line, level);
    }
    bool hasLine(audio::MixerLine line) const override { return line != audio::MixerLine::Master; }
    bool read(audio::MixerLine line, std::int32_t& level) override {
        level = levels_[std::size_t(line)];
        return true;
    }
    bool write(audio::MixerLine line, std::int32_t level) override {
        levels_[std::size_t(line)] = level;
        const float gain = float(level) / float(audio::kMixerMax);
        if (line == audio::MixerLine::Synth) engine_.setLineGain(audio::Line::Synth, gain);
        if (line == audio::MixerLine::CD) engine_.setLineGain(audio::Line::CD, gain);
        return true;
    }
    int streamVolume() const {
        return toInt32(levels_[std::size_t(audio::MixerLine::Wave)] * 100.0 / audio::kMixerMax);
    }

private:
    audio::Engine& engine_;
    std::array<std::int32_t, 4> levels_{};
};

class ExportMusicLink : public links::MusicLink {
public:
    ExportMusicLink(audio::Engine& engine, links::RenderNotes& notes,
                    const PlaylistSnapshot& playlist, const std::string& preferencesFile)
        : messages_(notes), prefs_(preferencesFile), view_(playlist.musica, playlist.volumenMusica),
          levels_(new ExportLevels(engine, playlist.volumenMusica)),
          volume_(nullptr, std::unique_ptr<audio::MixerBackend>(levels_)),
          devices_(engine, levels_->streamVolume()),
          library_(devices_, volume_, view_, messages_, cancelledFileDialogs(), prefs_),
          player_(library_, devices_, view_, messages_, prefs_) {
        library_.adoptRows(playlist.rows, playlist.currentRow);
    }
    ~ExportMusicLink() override { player_.cerrar(); }

    void PlayMusica() override { player_.PlayMusica(); }
    void PararMusica() override { player_.PararMusica(); }
    void SiguienteCancion() override { player_.SiguienteCancion(); }
    bool songEnded() override { return player_.songEnded(); }

private:
    playback::NoteMessages messages_;
    Preferences prefs_;
    FixedMusicView view_;
    ExportLevels* levels_; // owned by volume_
    audio::clsVolume volume_;
    EngineMusicDevices devices_;
    MusicLibrary library_;
    MusicPlayer player_;
};

} // namespace

links::MusicLinkFactory exportMusic(PlaylistSnapshot playlist, std::string preferencesFile) {
    return
        [playlist = std::move(playlist), preferencesFile = std::move(preferencesFile)](
            audio::Engine& engine, links::RenderNotes& notes) -> std::unique_ptr<links::MusicLink> {
            if (!playlist.musica || playlist.rows.empty()) return nullptr;
            return std::make_unique<ExportMusicLink>(engine, notes, playlist, preferencesFile);
        };
}

} // namespace vs::library
