// SPDX-License-Identifier: GPL-3.0-or-later
// The time to add a one-hour MP3 to the playlist: the stream is opened, its
// length measured from the stream and the stream let go, as "Añadir
// Canción" does, on the real engine (offline, no device). Target: < 100 ms.
//   build/bench/library/playlist_add_bench [/path/to/cache.mp3]
// The MP3 is written once (libsndfile's MPEG encoder) and kept for later runs.
#include "audio/bass.h"
#include "audio/volume.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "library/music_library.h"
#include "library/engine_music_devices.h"

#include "recording_messages.h"
#include "scripted_dialogs.h"

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

struct Slider : vs::library::MusicView {
    int value = 100;
    bool chkMusica() const override { return true; }
    int scrollVolumenMusica() const override { return value; }
    void setScrollVolumenMusica(int v) override { value = v; }
};

bool writeHourMp3(const std::string& path) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    std::vector<float> block(44100 * 2);
    bool ok = true;
    for (int s = 0; s < 3600 && ok; ++s) {
        for (int i = 0; i < 44100; ++i) {
            const double t = (s * 44100.0 + i) / 44100.0;
            block[std::size_t(2 * i)] = float(0.3 * std::sin(2 * M_PI * 220 * t));
            block[std::size_t(2 * i + 1)] = float(0.3 * std::sin(2 * M_PI * 330 * t));
        }
        ok = sf_writef_float(f, block.data(), 44100) == 44100;
    }
    sf_close(f);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const std::string song =
        argc > 1 ? argv[1] : (fs::temp_directory_path() / "vs-bench-una-hora.mp3").string();
    if (!fs::exists(song)) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!writeHourMp3(song)) {
            std::fprintf(stderr, "cannot write %s\n", song.c_str());
            return 1;
        }
        std::printf("wrote %s in %.1f s\n", song.c_str(),
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    const fs::path tmp = fs::temp_directory_path() / "vs-bench-playlist";
    fs::create_directories(tmp);
    vs::overrideFolders(tmp.string(), tmp.string(), tmp.string());
    vs::Preferences::setInstanceFile((tmp / "prefs.ini").string());
    if (BASS_Init(0, 44100, 0x20, nullptr) == 0) return 1;

    vs::RecordingMessageService shown;
    vs::ScriptedFileDialogs dialogs;
    vs::library::EngineMusicDevices devices(vs::audio::processEngine());
    vs::audio::clsVolume volume(nullptr, vs::audio::makeEngineMixer(vs::audio::processEngine()));
    Slider slider;
    vs::library::MusicLibrary lib(devices, volume, slider, shown, dialogs,
                                  vs::Preferences::instance());
    std::vector<double> ms;
    for (int run = 0; run < 7; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = lib.anadirFichero(song);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
        if (!ok) {
            std::fprintf(stderr, "could not add the song\n");
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("add a one-hour MP3 (%s, shown as %s): median %.2f ms, min %.2f, max %.2f "
                "(target < 100 ms)\n",
                fs::path(song).filename().c_str(), lib.row(lib.songCount()).duration.c_str(),
                ms[ms.size() / 2], ms.front(), ms.back());
    BASS_Free();
    fs::remove_all(tmp);
    return 0;
}
