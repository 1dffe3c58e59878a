// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A playlist and its music player on the music-device double and a recorded
// mixer, in a temporary program folder.
#include "audio/volume.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "library/music_library.h"
#include "library/music_player.h"

#include "recording_messages.h"
#include "recording_mixer.h"
#include "scripted_dialogs.h"
#include "scripted_music_devices.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace vs::test {

// The slider as the window has it: 1..100, and a new value raises its change.
struct FakeMusicView : library::MusicView {
    bool musica = true;
    int value = 100;
    std::function<void(int)> changed;
    bool chkMusica() const override { return musica; }
    int scrollVolumenMusica() const override { return value; }
    void setScrollVolumenMusica(int v) override {
        v = std::clamp(v, 1, 100);
        if (v == value) return;
        value = v;
        if (changed) changed(v);
    }
};

struct MusicFixture : ::testing::Test {
    TempDir dir;
    RecordingMessageService shown;
    ScriptedFileDialogs dialogs;
    library::ScriptedMusicDevices devices;
    audio::RecordingMixerBackend* mixer = nullptr;
    std::unique_ptr<audio::clsVolume> volume;
    FakeMusicView view;
    std::unique_ptr<library::MusicLibrary> lib;
    std::unique_ptr<library::MusicPlayer> player;

    void SetUp() override {
        dir.becomeProgramFolders();
        auto rec = std::make_unique<audio::RecordingMixerBackend>();
        mixer = rec.get();
        volume = std::make_unique<audio::clsVolume>(std::move(rec), nullptr);
        lib = std::make_unique<library::MusicLibrary>(devices, *volume, view, shown, dialogs,
                                                      Preferences::instance());
        player = std::make_unique<library::MusicPlayer>(*lib, devices, view, shown,
                                                        Preferences::instance());
        view.changed = [this](int v) { lib->scrollVolumenMusicaCambiado(v); };
    }
    void TearDown() override { clearFolderOverrides(); }

    std::int32_t level(audio::MixerLine line) const { return mixer->levels[std::size_t(line)]; }
    void setLevel(audio::MixerLine line, std::int32_t v) { mixer->levels[std::size_t(line)] = v; }

    // A stream file on disk that the double opens, `seconds` long at 44100 Hz stereo.
    std::string streamSong(const std::string& name, int seconds = 60) {
        const std::string path = dir.file(name);
        writeFile(path, "x");
        devices.streamFiles[path] = {std::uint64_t(seconds) * 44100 * 4, 44100, 0, true};
        return path;
    }
    std::string midiSong(const std::string& name, std::int64_t ms) {
        const std::string path = dir.file(name);
        writeFile(path, "MThd");
        devices.midiFiles[path] = ms;
        return path;
    }
    void add(const std::string& path) {
        dialogs.answers.push_back(path);
        lib->anadir();
    }
};

} // namespace vs::test
