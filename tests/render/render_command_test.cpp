// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line renderer: each bad input gets its one-line reason and
// status 2, a failure or an interruption status 1 and no file, a complete
// render status 0, its file, its JSON and an untouched session file.
#include "../audio/sine_file.h"
#include "../audio/tone_analysis.h"
#include "audio/light_signal.h"
#include "base/preferences.h"
#include "base/process_files.h"
#include "library/list_file.h"
#include "playback/playback_keys.h"
#include "render/render_command.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <algorithm>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace vs;
using vs::test::TempDir;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

struct RenderCommand : ::testing::Test {
    TempDir dir;
    std::string session;

    void SetUp() override {
        // The playlist and the music box are read from the user's folders.
        dir.becomeProgramFolders();
        // A shipped session cut to 8 seconds: its minutes and seconds lines
        // follow the header.
        session = dir.file("corta.vso");
        std::string text = test::readFile(std::string(VS_SHIPPED_DATA_DIR) + "/Sueño.vso");
        const auto first = text.find("\r\n") + 2;         // header
        const auto second = text.find("\r\n", first) + 2; // minutes
        const auto third = text.find("\r\n", second) + 2; // seconds
        text = text.substr(0, first) + " 0 \r\n 8 \r\n" + text.substr(third);
        test::writeFile(session, text);
    }
    Outcome run(const std::vector<std::string>& args, const std::atomic<bool>* cancel = nullptr) {
        std::ostringstream out, err;
        Outcome r;
        r.status = render::runRenderCommand(args, out, err, false, cancel);
        r.out = out.str();
        r.err = err.str();
        return r;
    }
    bool exists(const std::string& name) { return std::filesystem::exists(dir.file(name)); }
    int entries() {
        return int(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
    }
};

int linesOf(const std::string& s) {
    return int(std::count(s.begin(), s.end(), '\n'));
}

} // namespace

TEST_F(RenderCommand, EachBadInputHasItsReasonAndStatusTwo) {
    test::writeFile(dir.file("roto.vso"), "esto no es una sesión\r\n");
    std::filesystem::create_directory(dir.file("solo_lectura"));
    ::chmod(dir.file("solo_lectura").c_str(), 0555);
    const bool root = ::access(dir.file("solo_lectura").c_str(), W_OK) == 0;
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    std::vector<Case> cases = {
        {{}, "se esperan una sesión"},
        {{session}, "se esperan una sesión"},
        {{session, dir.file("a.wav"), "--informe"}, "falta el nombre del informe"},
        {{session, dir.file("a.wav"), "--rapido"}, "opción desconocida: --rapido"},
        {{dir.file("no_existe.vso"), dir.file("a.wav")}, "no se puede leer la sesión"},
        {{dir.file("roto.vso"), dir.file("a.wav")}, "no se puede leer la sesión"},
        {{session, dir.file("a.aiff")}, "formato desconocido"},
        {{session, dir.file("a")}, "formato desconocido"},
        {{session, dir.file("no/hay/carpeta.wav")}, "no se puede escribir"},
        {{session, dir.file("a.wav"), "--informe", dir.file("no/hay/i.json")},
         "no se puede escribir"},
    };
    if (!root) cases.push_back({{session, dir.file("solo_lectura/a.wav")}, "no se puede escribir"});
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, render::kExitBadInput) << r.err;
        EXPECT_EQ(r.err.rfind("velorin-somnara-render: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_LE(linesOf(r.err), 2) << r.err; // the reason, and the usage for wrong arguments
        EXPECT_TRUE(r.out.empty());
    }
    ::chmod(dir.file("solo_lectura").c_str(), 0755);
    EXPECT_EQ(entries(), 5); // the two sessions, the folder and the program's two: nothing written
}

TEST_F(RenderCommand, AnInterruptedRenderLeavesNoFileAndStatusOne) {
    std::atomic<bool> cancel{true};
    const Outcome r = run({session, dir.file("a.wav"), "--informe", dir.file("a.json")}, &cancel);
    EXPECT_EQ(r.status, render::kExitFailed);
    EXPECT_NE(r.err.find("cancelada"), std::string::npos) << r.err;
    EXPECT_FALSE(exists("a.wav"));
    EXPECT_FALSE(exists("a.json"));
}

TEST_F(RenderCommand, TheProgramRendersTheFileAndTheReportAndLeavesTheSessionAlone) {
    const std::string before = test::readFile(session);
    const std::string cmd = std::string("'") + VS_RENDER_PROGRAM + "' '" + session + "' '" +
                            dir.file("s.ogg") + "' --informe '" + dir.file("s.json") +
                            "' --sin-musica > '" + dir.file("out.txt") + "' 2> '" +
                            dir.file("err.txt") + "'";
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << test::readFile(dir.file("err.txt"));
    const std::string out = test::readFile(dir.file("out.txt"));
    EXPECT_EQ(linesOf(out), 1);
    EXPECT_NE(out.find("00:08; Correcto"), std::string::npos) << out;
    EXPECT_TRUE(test::readFile(dir.file("err.txt")).empty()); // no bar off a terminal

    SF_INFO info{};
    SNDFILE* f = sf_open(dir.file("s.ogg").c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    sf_close(f);
    EXPECT_EQ(info.channels, 2);
    EXPECT_NEAR(double(info.frames), 8 * 44100.0, 2000);

    const std::string json = test::readFile(dir.file("s.json"));
    for (const char* key : {"\"correcto\": true", "\"muestras\": 352800", "\"error_max_pulso_hz\"",
                            "\"segundos\": [", "\"t\": 7,"})
        EXPECT_NE(json.find(key), std::string::npos) << key;
    EXPECT_EQ(test::readFile(session), before);
}

namespace {

std::vector<float> leftOf(const std::string& path, double from, double to) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    std::vector<float> x(std::size_t(info.frames) * 2);
    if (f) sf_readf_float(f, x.data(), info.frames);
    if (f) sf_close(f);
    const auto left = test::channelOf(x, 0);
    return {left.begin() + std::ptrdiff_t(from * 44100), left.begin() + std::ptrdiff_t(to * 44100)};
}

} // namespace

TEST_F(RenderCommand, TheUsersPlaylistIsHeardUnlessToldOtherwise) {
    const std::string song = dir.file("cancion.wav");
    ASSERT_TRUE(test::writeSineWav(song, 3000, 10.0, 0.3));
    ASSERT_TRUE(
        library::writeListFile(dir.file(library::kPlaylistName), {{song, "cancion.wav", "00:10"}}));
    ASSERT_EQ(run({session, dir.file("con.wav")}).status, render::kExitComplete);
    ASSERT_EQ(run({session, dir.file("sin.wav"), "--sin-musica"}).status, render::kExitComplete);
    const auto with = leftOf(dir.file("con.wav"), 0.1, 0.5),
               without = leftOf(dir.file("sin.wav"), 0.1, 0.5);
    ASSERT_EQ(with.size(), without.size());
    std::vector<float> music(with.size());
    for (std::size_t i = 0; i < with.size(); ++i)
        music[i] = with[i] - without[i];
    // The slider stands where the window starts it, at its top (this early,
    // before the closing fade's first step).
    EXPECT_NEAR(test::fitSine(music, 3000, 44100).amplitude, 0.3, 0.005);
    EXPECT_LT(test::fitSine(without, 3000, 44100).amplitude, 0.001);

    // The music box left off in the window: no music either.
    Preferences::instance().save(playback::pref::MusicaActivo, "0");
    ASSERT_EQ(run({session, dir.file("apagada.wav")}).status, render::kExitComplete);
    EXPECT_EQ(test::readFile(dir.file("apagada.wav")), test::readFile(dir.file("sin.wav")));
}

TEST_F(RenderCommand, TheLightsAreInTheFileOnlyWithLuz) {
    ASSERT_EQ(run({session, dir.file("luz.wav"), "--luz", "--sin-musica"}).status,
              render::kExitComplete);
    ASSERT_EQ(run({session, dir.file("sin.wav"), "--sin-musica"}).status, render::kExitComplete);
    const double one = audio::LightSignal::amplitudeFor(1);
    for (int second = 2; second < 6; ++second) {
        const auto lit = leftOf(dir.file("luz.wav"), second, second + 1);
        const auto plain = leftOf(dir.file("sin.wav"), second, second + 1);
        EXPECT_GT(test::fitSine(lit, audio::LightSignal::kCarrierHz, 44100).amplitude, one * 0.3)
            << second;
        EXPECT_LT(test::fitSine(plain, audio::LightSignal::kCarrierHz, 44100).amplitude, one * 1e-3)
            << second;
    }
}

TEST_F(RenderCommand, WhatAKilledExportLeftBesideItsFileIsRemovedAndALiveOnesKept) {
    const std::string out = dir.file("salida/s.wav");
    std::filesystem::create_directories(dir.file("salida"));
    const pid_t killed = fork();
    if (killed == 0) {
        test::writeFile(partialTemporaryName(out, 0), "half a file");
        kill(getpid(), SIGKILL); // mid-export

    }
    waitpid(killed, nullptr, 0);
    const std::string dead = dir.file("salida/.s.wav.parcial-" + std::to_string(killed) + "-0");
    const std::string live = partialTemporaryName(dir.file("salida/otra.wav"), 0);
    test::writeFile(live, "an export that still runs");
    ASSERT_TRUE(std::filesystem::exists(dead));
    ASSERT_EQ(run({session, out, "--sin-musica"}).status, render::kExitComplete);
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(live));
}
