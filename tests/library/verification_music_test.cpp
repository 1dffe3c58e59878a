// SPDX-License-Identifier: GPL-3.0-or-later
// The verification of renders with background music: each shipped song,
// made by the real music player on a render's engine, laid under each
// shipped session's tones. A correct render passes (where the music fills a
// tone's band the second is not measurable, never a defect), and a render
// whose beat is half a hertz off its curve is found in every second measured.
//
// Each song is synthesised once and laid under the sessions' renders, its
// start again after its end as the player does: twelve whole renders with the
// synthesiser would take minutes.
#include "audio/midi_file.h"
#include "library/export_music.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

using namespace vs;
using namespace vs::playback;

namespace {

constexpr int kRate = 44100;

// The render's frames with the song added, handed on to the analysers.
class UnderMusic : public FrameSink {
public:
    UnderMusic(const std::vector<float>& song, std::vector<RenderAnalyser*> to)
        : song_(song), to_(std::move(to)) {}
    bool write(const float* x, int frames) override {
        mixed_.resize(std::size_t(2 * frames));
        for (int i = 0; i < 2 * frames; ++i) {
            mixed_[std::size_t(i)] = x[i] + song_[at_];
            if (++at_ == song_.size()) at_ = 0;
        }
        for (RenderAnalyser* a : to_)
            a->write(mixed_.data(), frames);
        return true;
    }

private:
    const std::vector<float>& song_;
    std::vector<RenderAnalyser*> to_;
    std::vector<float> mixed_;
    std::size_t at_ = 0;
};

class Frames : public FrameSink {
public:
    bool write(const float* x, int frames) override {
        samples.insert(samples.end(), x, x + 2 * frames);
        return true;
    }
    std::vector<float> samples;
};

std::string shipped(const std::string& name) {
    return std::string(VS_SHIPPED_DATA_DIR) + "/" + name;
}

// The song alone, as an export plays it at the slider's top: the player
// over a one-song playlist on a render with only the music ticked.
std::vector<float> songAlone(const std::string& name, const std::string& preferences) {
    const auto ms = audio::midiFileLengthMs(shipped(name));
    EXPECT_TRUE(ms.has_value()) << name;
    session::SessionModel length;
    length.setMinutos(0);
    length.setSegundos(0);
    const int seconds = int(std::min<std::int64_t>(ms.value_or(1000) / 1000 + 1, 59 * 60));
    length.setMinutos(seconds / 60);
    length.setSegundos(seconds % 60);
    ExportOptions music;
    music.binaural = false;
    music.musica = true;
    music.ultimosSegundos = 0;
    library::PlaylistSnapshot list;
    list.rows.push_back({shipped(name), name, ""});
    list.musica = true;
    Frames song;
    song.samples.reserve(std::size_t(2 * seconds) * kRate);
    SessionRenderer renderer(length, music, library::exportMusic(list, preferences));
    EXPECT_EQ(renderer.run(song).status, RenderStatus::Complete) << name;
    return song.samples;
}

session::SessionModel shippedSession(const test::TempDir& dir, const std::string& name) {
    const std::string copy = dir.file(name);
    std::filesystem::copy_file(shipped(name), copy,
                               std::filesystem::copy_options::overwrite_existing);
    session::SessionModel model;
    EXPECT_TRUE(session::LeerSesion(model, copy)) << name;
    return model;
}

// The same session with its beat drawn `hz` higher all along.
session::SessionModel beatRaised(session::SessionModel model, double hz) {
    for (int i = 1; i <= int(model.NumPuntos); ++i)
        model.Punto[i].Top = model.topForBinaural(model.binauralHz(model.Punto[i].Top) + hz);
    return model;
}

} // namespace

class VerificationWithMusic : public ::testing::TestWithParam<const char*> {};

TEST_P(VerificationWithMusic, UnderEachShippedSessionACorrectRenderPassesAndABeatOffIsFound) {
    test::TempDir dir;
    const std::vector<float> song = songAlone(GetParam(), dir.file("preferencias.ini"));
    ASSERT_GT(song.size(), std::size_t(2 * 60 * kRate));
    // The export's controls as the command-line renderer sets them.
    ExportOptions options;
    options.musica = true;
    for (const char* name : {"Relajación.vso", "Sueño.vso", "Meditación profunda.vso"}) {
        const session::SessionModel model = shippedSession(dir, name);
        RenderAnalyser correct(model, options), off(model, options);
        UnderMusic clean(song, {&correct});
        UnderMusic wrong(song, {&off});
        ASSERT_EQ(SessionRenderer(model, options).run(clean).status, RenderStatus::Complete);
        ASSERT_EQ(SessionRenderer(beatRaised(model, 0.5), options).run(wrong).status,
                  RenderStatus::Complete);

        const VerificationReport& c = correct.finish();
        EXPECT_TRUE(c.passed()) << name << ": " << c.verdict();
        // Most seconds stay measurable; the rest are said to be covered.
        const int seconds = int(c.seconds.size());
        EXPECT_GT(c.measuredSeconds, seconds / 2) << name;
        EXPECT_EQ(c.measuredSeconds + c.unmeasuredFor(SecondReading::Covered) +
                      c.unmeasuredFor(SecondReading::Silent),
                  seconds)
            << name;
        if (c.unmeasuredFor(SecondReading::Covered) > 0) {
            EXPECT_NE(c.verdict().find("la música"), std::string::npos) << name;
        }

        const VerificationReport& r = off.finish();
        EXPECT_FALSE(r.passed()) << name;
        EXPECT_NEAR(r.maxErrorBeat, 0.5, 0.1) << name;
        EXPECT_LT(r.maxErrorLeft, 0.1) << name;
        EXPECT_GT(r.measuredSeconds, seconds / 2) << name;
        int found = 0;
        for (const SecondCheck& second : r.seconds)
            if (second.measured && std::abs(second.beat - second.drawnBeat) > 0.4) ++found;
        EXPECT_EQ(found, r.measuredSeconds) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedSongs, VerificationWithMusic,
                         ::testing::Values("Amanecer.mid", "Bosque.mid", "Marea.mid", "Nubes.mid"));
