// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line renderer: each bad input gets its one-line reason and
// status 2, a failure or an interruption status 1 and no file, a defect the
// verification finds status 3 and its file, a complete render status 0, its
// file, its JSON and an untouched session file; every option reaches the
// render, a pipe carries the bytes of the file, several sessions side by
// side give the bytes of one at a time.
#include "../audio/sine_file.h"
#include "../audio/tone_analysis.h"
#include "audio/light_signal.h"
#include "base/preferences.h"
#include "base/process_files.h"
#include "library/list_file.h"
#include "playback/playback_keys.h"
#include "render/render_command.h"
#include "render/render_options.h"
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
#include <optional>
#include <QString>
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
    Outcome run(const std::vector<std::string>& args, const std::atomic<bool>* cancel = nullptr,
                const std::string& input = {}) {
        std::istringstream in(input);
        std::ostringstream out, err;
        Outcome r;
        r.status = render::runRenderCommand(args, in, out, err, false, cancel);
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
    test::writeFile(dir.file("roto.sbg"), "a: 200+4/30\nNOW b\n");
    const std::string a = dir.file("a.wav"), out = dir.file("salida");
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
        {{session, a, "--informe"}, "falta el valor de --informe"},
        {{session, a, "--rapido"}, "opción desconocida: --rapido"},
        {{session, a, "-x"}, "opción desconocida: -x"},
        {{session, a, "--luz=1"}, "--luz no lleva valor"},
        {{dir.file("no_existe.vso"), a}, "no se puede leer la sesión"},
        {{dir.file("roto.vso"), a}, "no se puede leer la sesión"},
        {{dir.file("roto.sbg"), a}, "roto.sbg:2: «b» no está definido"},
        {{session, dir.file("a.aiff")}, "formato desconocido"},
        {{session, dir.file("a")}, "formato desconocido"},
        {{session, dir.file("no/hay/carpeta.wav")}, "no se puede escribir"},
        {{session, a, "--informe", dir.file("no/hay/i.json")}, "no se puede escribir"},
        {{session, a, "--binaural", "101"}, "--binaural va de 0 a 100, no «101»"},
        {{session, a, "--mascara", "-1"}, "--mascara va de 0 a 100"},
        {{session, a, "--musica", "mucha"}, "--musica va de 0 a 100"},
        {{session, a, "--fundido=121"}, "--fundido va de 0 a 120"},
        {{session, dir.file("a.ogg"), "--calidad", "11"}, "--calidad va de 0 a 10"},
        {{session, a, "--bits", "8"}, "--bits es 16, 24 o 32f"},
        {{session, a, "--pulso", "estereo"}, "--pulso es binaural, monoaural o isocronico"},
        {{session, a, "--ruido", "blanco"}, "--ruido es original, rosa o marron"},
        {{session, dir.file("a"), "-f", "aiff"}, "--formato es wav, flac, ogg o mp3"},
        {{session, dir.file("a.ogg"), "--bits", "24"}, "--bits es para WAV y FLAC"},
        {{session, a, "--calidad", "5"}, "--calidad es para Ogg y MP3"},
        {{session, dir.file("a.flac"), "--bits", "32f"}, "FLAC no guarda"},
        {{session, "-", "-f", "flac"}, "la salida estándar solo lleva WAV"},
        {{session, a, "-f", "ogg"}, "no es el formato que dice el nombre"},
        {{"-d", out, session, "--informe", dir.file("i.json")}, "--informe es para una sola"},
        {{"-d", out, "-"}, "la entrada estándar da una sola sesión"},
        {{"-", "-", a}, "se esperan una sesión y un fichero"},
        {{"-d", out}, "se espera al menos una sesión"},
        {{session, a, "--binaural", "0"}, "no queda ninguna fuente de sonido"},
    };
    if (!root) cases.push_back({{session, dir.file("solo_lectura/a.wav")}, "no se puede escribir"});
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, render::kExitBadInput) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_EQ(r.err.rfind("velorin-somnara-render: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_LE(linesOf(r.err), 2) << r.err; // the reason, and the usage for wrong arguments
        EXPECT_TRUE(r.out.empty());
    }
    ::chmod(dir.file("solo_lectura").c_str(), 0755);
    EXPECT_EQ(entries(),
              6); // the three sessions, the folder and the program's two: nothing written
}

TEST_F(RenderCommand, AnInterruptedRenderLeavesNoFileAndStatusOne) {
    std::atomic<bool> cancel{true};
    const Outcome r = run({session, dir.file("a.wav"), "--informe", dir.file("a.json")}, &cancel);
    EXPECT_EQ(r.status, render::kExitFailed);
    EXPECT_NE(r.err.find("cancelada"), std::string::npos) << r.err;
    EXPECT_FALSE(exists("a.wav"));
    EXPECT_FALSE(exists("a.json"));
    // Ctrl+C while a session was awaited on standard input.
    const Outcome waiting = run({"-", dir.file("a.wav")}, &cancel, test::readFile(session));
    EXPECT_EQ(waiting.status, render::kExitFailed);
    EXPECT_NE(waiting.err.find("interrumpida"), std::string::npos) << waiting.err;
    EXPECT_FALSE(exists("a.wav"));
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

std::vector<float> leftOf(const std::string& path, double from, double to, int channel = 0) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    std::vector<float> x(std::size_t(info.frames) * 2);
    if (f) sf_readf_float(f, x.data(), info.frames);
    if (f) sf_close(f);
    const auto left = test::channelOf(x, channel);
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
    // --musica puts the slider where it says.
    ASSERT_EQ(run({session, dir.file("media.wav"), "--musica", "50"}).status,
              render::kExitComplete);
    const auto half = leftOf(dir.file("media.wav"), 0.1, 0.5);
    for (std::size_t i = 0; i < half.size(); ++i)
        music[i] = half[i] - without[i];
    EXPECT_NEAR(test::fitSine(music, 3000, 44100).amplitude, 0.15, 0.005);

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

TEST_F(RenderCommand, HelpAndVersionAnswerOnStandardOutputWithStatusZero) {
    for (const char* flag : {"-h", "--help"}) {
        const Outcome r = run({flag, "a.vso"}); // nothing else is looked at
        EXPECT_EQ(r.status, render::kExitComplete);
        EXPECT_TRUE(r.err.empty());
        EXPECT_EQ(r.out.rfind("Uso: velorin-somnara-render [OPCIONES] SESION SALIDA\n", 0), 0u);
        for (const char* says :
             {"-d, --carpeta CARPETA", "--bits BITS", "--calidad N", "--binaural N", "--mascara N",
              "--musica N", "--fundido S", "--pulso TIPO", "--ruido COLOR", "--desde-ventana",
              "--luz", "-q, --silencioso", "-c, --comprobar",
              "«-» escribe WAV en la salida estándar",
              "3  grabada, pero la comprobación encontró defectos"})
            EXPECT_NE(r.out.find(says), std::string::npos) << says;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(QString::fromStdString(line).size(), 79) << line;
    }
    for (const char* flag : {"-v", "--version"})
        EXPECT_EQ(run({flag}).out, "velorin-somnara-render 1.2.0\n");
}

TEST_F(RenderCommand, EachOptionReachesTheSourcesAndTheFile) {
    Preferences stored(dir.file("ventana.ini"));
    for (const auto& [key, value] : {std::pair{playback::pref::BinauralActivo, "0"},
                                     {playback::pref::VolumenBinaural, "64"},
                                     {playback::pref::MascaraActivo, "1"},
                                     {playback::pref::VolumenMascara, "45"},
                                     {playback::pref::MusicaActivo, "1"},
                                     {playback::pref::UltimosSegundos, "12"},
                                     {playback::pref::TipoPulso, "1"},
                                     {playback::pref::ColorRuido, "Rosa"},
                                     {playback::pref::IntercambiarCanales, "1"}})
        stored.save(key, value);
    struct Sources {
        bool binaural = true;
        int volumenBinaural = 50;
        bool mascara = false;
        int volumenMascara = 20;
        bool musica = true;
        int slider = 100;
        int fundido = 30;
        bool luz = false;
        playback::SoundChoice sound = {};
    };
    using playback::NoiseColour;
    using playback::PulseType;
    const playback::SoundChoice stored_sound{PulseType::Monaural, NoiseColour::Pink, true};
    struct Case {
        std::vector<std::string> args;
        Sources want;
    };
    const std::vector<Case> levels = {
        {{}, {}},
        {{"--binaural", "70"}, {.volumenBinaural = 70}},
        {{"--binaural=0"}, {.binaural = false}},
        {{"--mascara", "35"}, {.mascara = true, .volumenMascara = 35}},
        {{"--musica", "40"}, {.slider = 40}},
        {{"--musica", "0"}, {.musica = false}},
        {{"--sin-musica"}, {.musica = false}},
        {{"--fundido", "0"}, {.fundido = 0}},
        {{"--luz"}, {.luz = true}},
        {{"--pulso", "isocronico", "--ruido", "marron"},
         {.sound = {PulseType::Isochronic, NoiseColour::Brown}}},
        {{"--pulso=monoaural", "--ruido=rosa"},
         {.sound = {PulseType::Monaural, NoiseColour::Pink}}},
        {{"--desde-ventana"},
         {.binaural = false,
          .volumenBinaural = 64,
          .mascara = true,
          .volumenMascara = 45,
          .fundido = 12,
          .sound = stored_sound}},
        {{"--desde-ventana", "--binaural", "80", "--mascara", "0", "--fundido", "5", "--pulso",
          "binaural"},
         {.volumenBinaural = 80,
          .volumenMascara = 45,
          .fundido = 5,
          .sound = {PulseType::Binaural, NoiseColour::Pink, true}}},
    };
    for (const Case& c : levels) {
        std::vector<std::string> args = {session, "a.wav"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const render::ParsedArguments p = render::parseArguments(args);
        ASSERT_TRUE(p.error.empty()) << p.error;
        const render::RenderSources got = render::sourcesFor(p.options, stored);
        const std::string what = ::testing::PrintToString(c.args);
        EXPECT_EQ(got.sound.binaural, c.want.binaural) << what;
        EXPECT_EQ(got.sound.volumenBinaural, c.want.volumenBinaural) << what;
        EXPECT_EQ(got.sound.mascara, c.want.mascara) << what;
        EXPECT_EQ(got.sound.volumenMascara, c.want.volumenMascara) << what;
        EXPECT_EQ(got.sound.musica, c.want.musica) << what;
        EXPECT_EQ(got.musicSlider, c.want.slider) << what;
        EXPECT_EQ(got.sound.ultimosSegundos, c.want.fundido) << what;
        EXPECT_EQ(got.sound.luz, c.want.luz) << what;
        EXPECT_EQ(got.sound.sound, c.want.sound) << what;
    }

    using playback::AudioFormat;
    using playback::SampleBits;
    using Action = render::RenderOptions::Action;
    struct Files {
        std::vector<std::string> args;
        Action action = Action::Render;
        std::vector<std::string> sessions;
        std::string output, folder, report;
        std::optional<AudioFormat> format = AudioFormat::Wav;
        SampleBits bits = SampleBits::Pcm16;
        int quality = 8;
        bool quiet = false;
    };
    const std::vector<Files> files = {
        {{"s.vso", "out", "-f", "flac", "--bits", "24"},
         Action::Render,
         {"s.vso"},
         "out",
         "",
         "",
         AudioFormat::Flac,
         SampleBits::Pcm24},
        {{"s.vso", "a.ogg", "--calidad", "3"},
         Action::Render,
         {"s.vso"},
         "a.ogg",
         "",
         "",
         AudioFormat::Ogg,
         SampleBits::Pcm16,
         3},
        {{"s.vso", "A.MP3"}, Action::Render, {"s.vso"}, "A.MP3", "", "", AudioFormat::Mp3},
        {{"-", "-", "--bits", "32f"},
         Action::Render,
         {"-"},
         "-",
         "",
         "",
         AudioFormat::Wav,
         SampleBits::Float32},
        {{"-d", "out", "s.vso", "t.sbg", "-f", "ogg"},
         Action::Render,
         {"s.vso", "t.sbg"},
         "",
         "out",
         "",
         AudioFormat::Ogg},
        {{"-dout", "s.vso"}, Action::Render, {"s.vso"}, "", "out", ""},
        {{"--carpeta=out", "s.vso"}, Action::Render, {"s.vso"}, "", "out", ""},
        {{"-i", "r.json", "s.vso", "a.wav"}, Action::Render, {"s.vso"}, "a.wav", "", "r.json"},
        {{"--", "-raro.vso", "a.wav"}, Action::Render, {"-raro.vso"}, "a.wav", "", ""},
        {{"-qc", "s.vso"},
         Action::Check,
         {"s.vso"},
         "",
         "",
         "",
         std::nullopt,
         SampleBits::Pcm16,
         8,
         true},
        {{"-c", "s.vso", "t.sbg", "b.flac"},
         Action::Check,
         {"s.vso", "t.sbg"},
         "b.flac",
         "",
         "",
         AudioFormat::Flac},
        {{"--comprobar", "s.vso", "t.sbg"},
         Action::Check,
         {"s.vso", "t.sbg"},
         "",
         "",
         "",
         std::nullopt},
    };
    for (const Files& c : files) {
        const render::ParsedArguments p = render::parseArguments(c.args);
        const std::string what = ::testing::PrintToString(c.args);
        ASSERT_TRUE(p.error.empty()) << what << ": " << p.error;
        const render::RenderOptions& o = p.options;
        EXPECT_EQ(o.action, c.action) << what;
        EXPECT_EQ(o.sessions, c.sessions) << what;
        EXPECT_EQ(o.output, c.output) << what;
        EXPECT_EQ(o.folder, c.folder) << what;
        EXPECT_EQ(o.report, c.report) << what;
        EXPECT_EQ(o.format, c.format) << what;
        EXPECT_EQ(o.writer.bits, c.bits) << what;
        EXPECT_EQ(o.writer.quality, c.quality) << what;
        EXPECT_EQ(o.quiet, c.quiet) << what;
    }
}

namespace {

SF_INFO infoOf(const std::string& path) {
    SF_INFO info{};
    if (SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info)) sf_close(f);
    return info;
}

} // namespace

TEST_F(RenderCommand, TheLevelsTheFadeAndTheFileSettingsAreHeard) {
    auto render = [&](const std::string& name, std::vector<std::string> args,
                      int status = render::kExitComplete) {
        args.insert(args.begin(), {session, dir.file(name), "--sin-musica"});
        const Outcome r = run(args);
        EXPECT_EQ(r.status, status) << name << ": " << r.err;
    };
    render("normal.wav", {});
    render("fuerte.wav", {"--binaural", "100", "--fundido", "0"});
    render("mascara.wav", {"--binaural", "0", "--mascara", "60", "--fundido", "0"});
    // The pulses for speakers are read from their envelope, which wants a
    // curve no steeper than a drawn one: the session at two minutes.
    std::string text = test::readFile(session);
    test::writeFile(dir.file("larga.vso"), text.replace(text.find(" 0 \r\n 8 \r\n"), 10, " 2 \r\n 0 \r\n"));
    for (const char* pulse : {"monoaural", "isocronico"}) {
        const Outcome r = run({dir.file("larga.vso"), dir.file(pulse + std::string(".wav")),
                               "--sin-musica", "--fundido", "0", "--pulso", pulse});
        // Only the sound is asked here; how truly the envelope is read is
        // the verification's own tests' business.
        EXPECT_NE(r.status, render::kExitFailed) << pulse << ": " << r.out << r.err;
    }
    // Both pulses for speakers give the two ears the same sound; only the
    // isochronic one is silent half of the time.
    auto silentShare = [](const std::vector<float>& x) {
        return double(
                   std::count_if(x.begin(), x.end(), [](float v) { return std::abs(v) < 1e-4f; })) /
               double(x.size());
    };
    for (const char* name : {"monoaural.wav", "isocronico.wav"})
        EXPECT_EQ(leftOf(dir.file(name), 2, 6), leftOf(dir.file(name), 2, 6, 1)) << name;
    EXPECT_NE(leftOf(dir.file("normal.wav"), 2, 6), leftOf(dir.file("normal.wav"), 2, 6, 1));
    EXPECT_LT(silentShare(leftOf(dir.file("monoaural.wav"), 2, 6)), 0.05);
    EXPECT_GT(silentShare(leftOf(dir.file("isocronico.wav"), 2, 6)), 0.3);
    // The bar at 50 is engine volume 5, at 100 volume 10; the default fade of
    // 30 seconds takes an 8-second session down from its start.
    EXPECT_NEAR(test::peak(leftOf(dir.file("normal.wav"), 1, 2)), 0.05 * 0.8, 0.01);
    EXPECT_NEAR(test::peak(leftOf(dir.file("fuerte.wav"), 1, 2)), 0.1, 0.001);
    EXPECT_NEAR(test::peak(leftOf(dir.file("fuerte.wav"), 6, 7)), 0.1, 0.001);
    // The mask alone: the left ear's noise is uniform in [0, its peak).
    const double top = 0.06 * 15240.0 / 32768.0;
    const auto noise = leftOf(dir.file("mascara.wav"), 2, 6);
    double mean = 0;
    for (float x : noise)
        mean += x;
    EXPECT_NEAR(mean / double(noise.size()), top / 2, top * 0.02);

    // The window's last state is the same render as those levels given.
    for (const auto& [key, value] : {std::pair{playback::pref::BinauralActivo, "0"},
                                     {playback::pref::MascaraActivo, "1"},
                                     {playback::pref::VolumenMascara, "60"},
                                     {playback::pref::UltimosSegundos, "0"}})
        Preferences::instance().save(key, value);
    render("ventana.wav", {"--desde-ventana"});
    EXPECT_TRUE(test::readFile(dir.file("ventana.wav")) == test::readFile(dir.file("mascara.wav")));

    render("sin_nombre", {"-f", "flac", "--bits", "24"});
    EXPECT_EQ(infoOf(dir.file("sin_nombre")).format, SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    render("coma.wav", {"--bits", "32f"});
    EXPECT_EQ(infoOf(dir.file("coma.wav")).format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    render("baja.ogg", {"--calidad", "0"});
    render("alta.ogg", {"--calidad", "10"});
    EXPECT_LT(std::filesystem::file_size(dir.file("baja.ogg")),
              std::filesystem::file_size(dir.file("alta.ogg")));
}

TEST_F(RenderCommand, StandardInputAndOutputCarryTheSessionAndTheWavAlone) {
    ASSERT_EQ(run({session, dir.file("fichero.wav"), "--sin-musica"}).status,
              render::kExitComplete);
    const Outcome r = run({"-", "-", "--sin-musica"}, nullptr, test::readFile(session));
    ASSERT_EQ(r.status, render::kExitComplete) << r.err;
    EXPECT_TRUE(r.out == test::readFile(dir.file("fichero.wav")));
    EXPECT_EQ(linesOf(r.err), 1);
    EXPECT_NE(r.err.find("(salida estándar): 00:08; Correcto"), std::string::npos) << r.err;

    // A schedule of another program, told apart on standard input by its text.
    const std::string schedule = "a: 200+6/40\nb: 180+4/40\nNOW a ->\n+00:00:06 b\n";
    test::writeFile(dir.file("t.sbg"), schedule);
    ASSERT_EQ(run({dir.file("t.sbg"), dir.file("t.wav"), "--sin-musica"}).status,
              render::kExitComplete);
    const Outcome fromPipe = run({"-", "-", "--sin-musica"}, nullptr, schedule);
    ASSERT_EQ(fromPipe.status, render::kExitComplete) << fromPipe.err;
    EXPECT_TRUE(fromPipe.out == test::readFile(dir.file("t.wav")));
}

TEST_F(RenderCommand, ThroughAPipeTheProgramWritesTheBytesOfTheFile) {
    const std::string program = std::string("'") + VS_RENDER_PROGRAM + "' ";
    const std::string direct = program + "'" + session + "' '" + dir.file("directo.wav") +
                               "' --sin-musica --bits 24 > /dev/null";
    const std::string piped = program + "- - --sin-musica --bits 24 < '" + session + "' 2> '" +
                              dir.file("err.txt") + "' | cat > '" + dir.file("tubo.wav") + "'";
    ASSERT_EQ(std::system(direct.c_str()), 0);
    ASSERT_EQ(std::system(piped.c_str()), 0);
    EXPECT_TRUE(test::readFile(dir.file("tubo.wav")) == test::readFile(dir.file("directo.wav")));
    EXPECT_NE(test::readFile(dir.file("err.txt")).find("Correcto"), std::string::npos);
}

TEST_F(RenderCommand, ADefectTheVerificationFindsIsStatusThreeWithTheFileWritten) {
    // A song at full scale under the tones: the sum goes beyond it and clips.
    const std::string song = dir.file("fuerte.wav");
    ASSERT_TRUE(test::writeSineWav(song, 3000, 10.0, 0.99));
    ASSERT_TRUE(
        library::writeListFile(dir.file(library::kPlaylistName), {{song, "fuerte.wav", "00:10"}}));
    const Outcome r =
        run({session, dir.file("d.wav"), "--fundido", "0", "--informe", dir.file("d.json")});
    EXPECT_EQ(r.status, render::kExitDefects) << r.err;
    EXPECT_NE(r.out.find("Con defectos"), std::string::npos) << r.out;
    EXPECT_EQ(infoOf(dir.file("d.wav")).frames, 8 * 44100);
    EXPECT_NE(test::readFile(dir.file("d.json")).find("\"correcto\": false"), std::string::npos);
}

TEST_F(RenderCommand, TonesThatShouldSoundAndCannotBeMeasuredAreNoPass) {
    // The base axis's top at 0 Hz: the tones sound nothing the reader can follow.
    std::string text = test::readFile(session);
    text.replace(text.find(" 500 \r\n"), 7, " 0 \r\n");
    test::writeFile(dir.file("cero.vso"), text);
    const Outcome r = run({dir.file("cero.vso"), dir.file("cero.wav"), "--sin-musica"});
    EXPECT_EQ(r.status, render::kExitDefects) << r.err;
    EXPECT_NE(r.out.find("Sin verificar"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Correcto"), std::string::npos) << r.out;
}

TEST_F(RenderCommand, SeveralSessionsSideBySideGiveTheBytesOfOneAtATime) {
    std::string text = test::readFile(session);
    test::writeFile(dir.file("otra.vso"), text.replace(text.find(" 8 \r\n"), 5, " 5 \r\n"));
    test::writeFile(dir.file("t.sbg"), "a: 200+6/40 pink/30\nb: 180+4/40 pink/30\n"
                                       "NOW a ->\n+00:00:06 b\n");
    test::writeFile(dir.file("roto.vso"), "esto no es una sesión\r\n");
    std::filesystem::create_directory(dir.file("sub"));
    std::filesystem::copy_file(session, dir.file("sub/corta.vso"));
    const std::vector<std::string> names = {"corta", "otra", "t"};
    for (const std::string& name : names) {
        const std::string in = dir.file(name + (name == "t" ? ".sbg" : ".vso"));
        const Outcome one = run({in, dir.file(name + ".flac"), "--sin-musica"});
        ASSERT_EQ(one.status, render::kExitComplete) << one.err;
    }
    const Outcome r =
        run({"--sin-musica", "-f", "flac", "-d", dir.file("juntas"), session, dir.file("roto.vso"),
             dir.file("otra.vso"), dir.file("t.sbg"), dir.file("sub/corta.vso")});
    EXPECT_EQ(r.status, render::kExitBadInput); // the worst of them
    EXPECT_EQ(linesOf(r.out), 3) << r.out;      // one per file written
    EXPECT_EQ(linesOf(r.err), 3) << r.err;      // one per session refused, and a note
    EXPECT_NE(r.err.find("t.sbg: nota: el ruido de la sesión suena como máscara, a 30"),
              std::string::npos);
    EXPECT_NE(r.err.find("roto.vso: no se puede leer"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("sub/corta.vso: otra sesión ya se graba en"), std::string::npos);
    for (const std::string& name : names)
        EXPECT_TRUE(test::readFile(dir.file("juntas/" + name + ".flac")) ==
                    test::readFile(dir.file(name + ".flac")))
            << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("juntas")), {}), 3);

    // Quiet: the files alone, and the status.
    const Outcome quiet = run({"-q", "--sin-musica", "-d", dir.file("calladas"), session});
    EXPECT_EQ(quiet.status, render::kExitComplete);
    EXPECT_TRUE(quiet.out.empty() && quiet.err.empty()) << quiet.out << quiet.err;
    EXPECT_TRUE(std::filesystem::exists(dir.file("calladas/corta.wav")));
}

TEST_F(RenderCommand, ACheckReadsEachSessionAndSaysItsLengthAndSourcesWritingNothing) {
    test::writeFile(dir.file("t.sbg"), "a: 200+6/40 pink/30\nNOW a ->\n+00:00:06 a\n");
    test::writeFile(dir.file("roto.vso"), "esto no es una sesión\r\n");
    const int before = entries();
    const Outcome r = run({"--comprobar", "--sin-musica", "--binaural", "70", session,
                           dir.file("t.sbg"), dir.file("roto.vso")});
    EXPECT_EQ(r.status, render::kExitBadInput);
    EXPECT_EQ(r.out, session + ": 00:08; binaural 70, fundido 30 s\n" + dir.file("t.sbg") +
                         ": 00:06; binaural 70, máscara 30, fundido 30 s\n");
    EXPECT_NE(r.err.find("roto.vso"), std::string::npos) << r.err;
    // With a render's output: what it would be written as.
    const Outcome one = run({"-c", session, dir.file("x.flac"), "--sin-musica", "--luz"});
    EXPECT_EQ(one.status, render::kExitComplete);
    EXPECT_EQ(one.out, session + ": 00:08; binaural 50, luz, fundido 30 s → " + dir.file("x.flac") +
                           " (FLAC, 16 bits)\n");
    EXPECT_EQ(entries(), before);
}
