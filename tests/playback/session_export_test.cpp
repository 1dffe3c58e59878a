// SPDX-License-Identifier: GPL-3.0-or-later
// A session exported to a sound file and read back with libsndfile: its
// length, its tones and mask, its fade, its bytes, and what a cancelled or
// failed export leaves on disk.
#include "../audio/sine_file.h"
#include "../audio/tone_analysis.h"
#include "audio/engine.h"
#include "digest_file.h"
#include "filling_disk.h"
#include "playback/audio_file_writer.h"
#include "playback/session_player.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <atomic>
#include <cmath>
#include <filesystem>
#include <sstream>

using namespace vs;
using namespace vs::playback;
using vs::test::TempDir;

namespace {

constexpr int kRate = 44100;

struct Sound {
    int frames = 0, rate = 0, channels = 0;
    std::vector<float> samples; // interleaved
};

Sound readBack(const std::string& path) {
    Sound s;
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return s;
    s.frames = int(info.frames);
    s.rate = info.samplerate;
    s.channels = info.channels;
    s.samples.resize(std::size_t(info.frames) * std::size_t(info.channels));
    s.frames = int(sf_readf_float(f, s.samples.data(), info.frames));
    sf_close(f);
    return s;
}

std::vector<float> secondOf(const std::vector<float>& channel, double from, double to) {
    return {channel.begin() + std::ptrdiff_t(from * kRate),
            channel.begin() + std::ptrdiff_t(to * kRate)};
}

std::vector<std::string> filesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    return names;
}

struct SessionExport : ::testing::Test {
    TempDir dir;
    session::SessionModel model;
    ExportOptions options;

    void SetUp() override {
        model.SesionNueva();
        model.setMinutos(0);
        model.setSegundos(20);
        options.binaural = true;
        options.mascara = false;
        options.volumenBinaural = 100; // the bar at its top: engine volume 10
        options.ultimosSegundos = 5;
    }
    ExportResult exportTo(const std::string& name, const std::atomic<bool>* cancel = nullptr,
                          const std::function<void(std::int64_t)>& progress = {},
                          const ByteFileOpener& open = diskFiles()) {
        SessionRenderer renderer(model, options);
        return exportToFile(renderer, dir.file(name), nullptr, cancel, progress, open);
    }
};

} // namespace

TEST_F(SessionExport, WavHasTheSessionLengthTheTonesThePlayerSetsAndTheFade) {
    ASSERT_EQ(exportTo("s.wav").status, RenderStatus::Complete);
    const Sound s = readBack(dir.file("s.wav"));
    ASSERT_EQ(s.channels, 2);
    EXPECT_EQ(s.rate, kRate);
    EXPECT_EQ(s.frames, 20 * kRate); // to the sample
    const auto left = test::channelOf(s.samples, 0), right = test::channelOf(s.samples, 1);

    // Play starts the 500 ms timer; nothing sounds before its first tick.
    EXPECT_LT(test::peak(secondOf(left, 0, 0.5)), 1e-6);
    // Each second sounds the rates the tick at its start sets, within the
    // resolution of whole-number rates of the drawn values.
    for (int sec : {1, 4, 9, 13}) {
        const double base = model.baseAt(sec * 1000.0), beat = model.binauralAt(sec * 1000.0);
        const double fL = test::toneFrequency(secondOf(left, sec + 0.02, sec + 0.98), kRate);
        const double fR = test::toneFrequency(secondOf(right, sec + 0.02, sec + 0.98), kRate);
        EXPECT_NEAR(fL, rateFor(base) / 44.1, 2e-3) << sec;
        EXPECT_NEAR(fR, rateFor(base + beat) / 44.1, 2e-3) << sec;
        EXPECT_NEAR(fR - fL, beat, 1 / 44.1) << sec;
    }
    // Full level before the fade, then a fifth less at each fade tick from
    // the tick six seconds before the end; the last second is silent.
    const double full = 0.1 * 32760.0 / 32768.0;
    const double f14 = rateFor(model.baseAt(14000)) / 44.1;
    EXPECT_NEAR(test::fitSine(secondOf(left, 14.1, 14.9), f14, kRate).amplitude, full, 0.0005);
    for (int sec = 15; sec <= 18; ++sec) {
        const double f = rateFor(model.baseAt(sec * 1000.0)) / 44.1;
        const double want = full * (1.0 - (sec - 14) / 5.0);
        EXPECT_NEAR(test::fitSine(secondOf(left, sec + 0.1, sec + 0.9), f, kRate).amplitude, want,
                    0.01)
            << sec;
    }
    EXPECT_LT(test::peak(secondOf(left, 19.1, 20)), 1e-4);
}

TEST_F(SessionExport, MaskSoundsAtItsLevelInBothEars) {
    options.binaural = false;
    options.mascara = true;
    options.volumenMascara = 60; // engine volume 6
    options.ultimosSegundos = 0;
    ASSERT_EQ(exportTo("m.wav").status, RenderStatus::Complete);
    const Sound s = readBack(dir.file("m.wav"));
    const auto left = secondOf(test::channelOf(s.samples, 0), 2, 10);
    const auto right = secondOf(test::channelOf(s.samples, 1), 2, 10);
    // The noise file: left uniform in [0, 15240), right its negative image.
    const double top = 0.06 * 15240.0 / 32768.0;
    double meanL = 0, meanR = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
        meanL += left[i];
        meanR += right[i];
    }
    meanL /= double(left.size());
    meanR /= double(right.size());
    EXPECT_NEAR(meanL, top / 2, top * 0.02);
    EXPECT_NEAR(meanR, -top / 2, top * 0.02);
    EXPECT_NEAR(test::peak(left), top, top * 0.01);
    EXPECT_NEAR(test::rms(left), top / std::sqrt(3.0), top * 0.02);
}

TEST_F(SessionExport, TheSameSessionTwiceGivesTheSameBytes) {
    options.mascara = true;
    ASSERT_EQ(exportTo("a.wav").status, RenderStatus::Complete);
    ASSERT_EQ(exportTo("b.wav").status, RenderStatus::Complete);
    const std::string a = test::readFile(dir.file("a.wav"));
    EXPECT_EQ(a.size(), 44u + 20u * kRate * 4u);
    EXPECT_TRUE(a == test::readFile(dir.file("b.wav")));
}

TEST_F(SessionExport, CancelledMidwayLeavesNoFileWhateverStagesItRuns) {
    for (const char* name : {"c.flac", "c.wav"}) {
        for (bool verified : {false, true}) {
            std::atomic<bool> cancel{false};
            std::int64_t seen = 0;
            SessionRenderer renderer(model, options);
            RenderAnalyser analyser(model, options);
            const auto r = exportToFile(renderer, dir.file(name), verified ? &analyser : nullptr,
                                        &cancel, [&](std::int64_t done) {
                                            seen = done;
                                            if (done >= 5 * kRate) cancel = true;
                                        });
            EXPECT_EQ(r.status, RenderStatus::Cancelled) << name;
            EXPECT_NE(r.message.find("cancelada"), std::string::npos);
            EXPECT_LT(seen, 6 * kRate);
            // The stages saw no more than the renderer made.
            EXPECT_LE(analyser.report().frames, seen);
            EXPECT_TRUE(filesIn(dir.path()).empty()) << name << verified;
        }
    }
}

TEST_F(SessionExport, AStageThatFailsStopsTheRenderAndLeavesNoFile) {
    // The verification's stage fails after two seconds, or the disk fills
    // after one second of WAV, with the verification beside it.
    struct FailsAfter : FrameSink {
        std::int64_t room, seen = 0;
        int callsAfter = 0;
        explicit FailsAfter(std::int64_t frames) : room(frames) {}
        bool write(const float*, int frames) override {
            if (seen >= room) ++callsAfter;
            seen += frames;
            return seen < room;
        }
    };
    for (bool diskFills : {false, true}) {
        FailsAfter stage(diskFills ? 1000 * kRate : 2 * kRate);
        test::FillingDisk disk(diskFills ? 4 * kRate : 1 << 30);
        std::int64_t rendered = 0;
        SessionRenderer renderer(model, options);
        const auto r = exportToFile(
            renderer, dir.file("f.wav"), &stage, nullptr,
            [&](std::int64_t done) { rendered = done; }, disk.opener());
        EXPECT_EQ(r.status, RenderStatus::Failed) << diskFills;
        EXPECT_EQ(stage.callsAfter, 0);
        // The renderer stops within the ring's reach of the failure.
        EXPECT_LT(rendered, 5 * kRate) << diskFills;
        if (diskFills) {
            EXPECT_NE(r.message.find("espacio"), std::string::npos) << r.message;
        }
        EXPECT_TRUE(filesIn(dir.path()).empty()) << diskFills;
    }
}

TEST_F(SessionExport, AFullDiskLeavesNoFileAndSaysSo) {
    for (const char* name : {"full.wav", "full.flac", "full.ogg"}) {
        test::FillingDisk disk(50'000);
        const auto r = exportTo(name, nullptr, {}, disk.opener());
        EXPECT_EQ(r.status, RenderStatus::Failed) << name;
        EXPECT_NE(r.message.find("espacio"), std::string::npos) << r.message;
        EXPECT_GT(disk.failedWrites, 0);
        EXPECT_TRUE(filesIn(dir.path()).empty()) << name;
    }
}

TEST_F(SessionExport, EveryFormatOpensAgainWithItsLength) {
    model.setSegundos(3);
    for (const char* name : {"f.wav", "f.flac", "f.ogg", "f.mp3", "F.WAV"}) {
        ASSERT_EQ(exportTo(name).status, RenderStatus::Complete) << name;
        const Sound s = readBack(dir.file(name));
        EXPECT_EQ(s.channels, 2) << name;
        EXPECT_EQ(s.rate, kRate) << name;
        // Lossy coders may add a little padding.
        EXPECT_NEAR(s.frames, 3 * kRate, 0.05 * kRate) << name;
        EXPECT_GT(test::peak(test::channelOf(s.samples, 0)), 0.08) << name;
    }
    EXPECT_EQ(readBack(dir.file("f.flac")).frames, 3 * kRate);
}

TEST_F(SessionExport, TheSampleFormatAndTheQualityAreTheOnesAskedFor) {
    model.setSegundos(3);
    struct Case {
        const char* name;
        WriterSettings settings;
        int subtype;
    };
    for (const Case& c : {Case{"p16.wav", {}, SF_FORMAT_PCM_16},
                          Case{"p24.wav", {SampleBits::Pcm24}, SF_FORMAT_PCM_24},
                          Case{"f32.wav", {SampleBits::Float32}, SF_FORMAT_FLOAT},
                          Case{"p24.flac", {SampleBits::Pcm24}, SF_FORMAT_PCM_24}}) {
        SessionRenderer renderer(model, options);
        ASSERT_EQ(
            exportToFile(renderer, dir.file(c.name), nullptr, nullptr, {}, diskFiles(), c.settings)
                .status,
            RenderStatus::Complete)
            << c.name;
        SF_INFO info{};
        SNDFILE* f = sf_open(dir.file(c.name).c_str(), SFM_READ, &info);
        ASSERT_NE(f, nullptr) << c.name;
        std::vector<float> x(std::size_t(info.frames) * 2);
        sf_readf_float(f, x.data(), info.frames);
        sf_close(f);
        EXPECT_EQ(info.format & SF_FORMAT_SUBMASK, c.subtype) << c.name;
        EXPECT_EQ(info.frames, 3 * kRate) << c.name;
        EXPECT_NEAR(test::peak(test::channelOf(x, 0)), 0.1, 0.001) << c.name;
    }
    // The lower the quality, the smaller the file.
    for (const char* ext : {"ogg", "mp3"}) {
        std::uintmax_t sizes[2] = {};
        for (int q : {2, 10}) {
            const std::string name = "q" + std::to_string(q) + "." + ext;
            SessionRenderer renderer(model, options);
            ASSERT_EQ(exportToFile(renderer, dir.file(name), nullptr, nullptr, {}, diskFiles(),
                                   {SampleBits::Pcm16, q})
                          .status,
                      RenderStatus::Complete);
            sizes[q == 10] = std::filesystem::file_size(dir.file(name));
        }
        EXPECT_LT(sizes[0] * 10, sizes[1] * 8) << ext; // at least a fifth smaller
    }
    // What a format cannot hold is refused before anything is written.
    SessionRenderer renderer(model, options);
    const auto r = exportToFile(renderer, dir.file("f.flac"), nullptr, nullptr, {}, diskFiles(),
                                {SampleBits::Float32});
    EXPECT_EQ(r.status, RenderStatus::Failed);
    EXPECT_NE(r.message.find("FLAC no guarda"), std::string::npos) << r.message;
    EXPECT_FALSE(std::filesystem::exists(dir.file("f.flac")));
}

TEST_F(SessionExport, AStreamHasTheBytesOfTheFileAndAShortOneIsToldCancelled) {
    model.setSegundos(3);
    for (SampleBits bits : {SampleBits::Pcm16, SampleBits::Pcm24, SampleBits::Float32}) {
        SessionRenderer toFile(model, options), toStream(model, options);
        ASSERT_EQ(exportToFile(toFile, dir.file("f.wav"), nullptr, nullptr, {}, diskFiles(), {bits})
                      .status,
                  RenderStatus::Complete);
        std::ostringstream out;
        const ExportResult r =
            exportToStream(toStream, streamFile(out), nullptr, nullptr, {}, {bits});
        ASSERT_EQ(r.status, RenderStatus::Complete) << r.message;
        EXPECT_TRUE(out.str() == test::readFile(dir.file("f.wav"))) << int(bits);
    }
    std::atomic<bool> cancel{false};
    std::ostringstream out;
    SessionRenderer renderer(model, options);
    const auto r = exportToStream(renderer, streamFile(out), nullptr, &cancel,
                                  [&](std::int64_t done) { cancel = done >= kRate; });
    EXPECT_EQ(r.status, RenderStatus::Cancelled);
    EXPECT_NE(r.message.find("incompleta"), std::string::npos) << r.message;
    EXPECT_LT(out.str().size(), 44u + 3u * kRate * 4u);
    // A stream cannot go back to its header: only WAV, of a known length.
    std::ostringstream none;
    AudioFileWriter flac(streamFile(none), AudioFormat::Flac, {}, 100);
    EXPECT_FALSE(flac.ok());
    EXPECT_TRUE(none.str().empty());
}

TEST_F(SessionExport, RefusesWhatItCannotWrite) {
    auto r = exportTo("x.aiff");
    EXPECT_EQ(r.status, RenderStatus::Failed);
    EXPECT_NE(r.message.find("Formato desconocido"), std::string::npos);

    SessionRenderer renderer(model, options);
    r = exportToFile(renderer, dir.file("no/such/folder/x.wav"), nullptr, nullptr, {});
    EXPECT_EQ(r.status, RenderStatus::Failed);
    EXPECT_NE(r.message.find("carpeta no existe"), std::string::npos) << r.message;

    options.binaural = false;
    r = exportTo("silent.wav");
    EXPECT_EQ(r.status, RenderStatus::Failed);
    EXPECT_NE(r.message.find("ninguna fuente"), std::string::npos);
    EXPECT_TRUE(filesIn(dir.path()).empty());
}

TEST_F(SessionExport, AnExistingFileIsReplacedOnlyByACompleteOne) {
    test::writeFile(dir.file("keep.wav"), "old");
    test::FillingDisk disk(100'000);
    EXPECT_EQ(exportTo("keep.wav", nullptr, {}, disk.opener()).status, RenderStatus::Failed);
    EXPECT_EQ(test::readFile(dir.file("keep.wav")), "old");
    EXPECT_EQ(exportTo("keep.wav").status, RenderStatus::Complete);
    EXPECT_EQ(readBack(dir.file("keep.wav")).frames, 20 * kRate);
    EXPECT_EQ(filesIn(dir.path()).size(), 1u);
}

TEST_F(SessionExport, SamplesBeyondFullScaleAreHeldAtItNotWrapped) {
    for (const char* name : {"clip.wav", "clip.flac"}) {
        std::string error;
        auto file = diskFiles()(dir.file(name), error);
        ASSERT_NE(file, nullptr) << error;
        AudioFileWriter writer(std::move(file), *formatForPath(name));
        const float frames[] = {1.5f, -1.5f, 0.5f, -0.25f, std::nanf(""), 1.0f};
        ASSERT_TRUE(writer.write(frames, 3));
        ASSERT_TRUE(writer.finish());
        SF_INFO info{};
        SNDFILE* f = sf_open(dir.file(name).c_str(), SFM_READ, &info);
        ASSERT_NE(f, nullptr);
        short back[6] = {};
        EXPECT_EQ(sf_readf_short(f, back, 3), 3);
        sf_close(f);
        EXPECT_EQ(back[0], 32767) << name;
        EXPECT_EQ(back[1], -32767) << name;
        EXPECT_EQ(back[2], 16384) << name;
        EXPECT_EQ(back[3], -8192) << name;
        EXPECT_EQ(back[4], 0) << name; // not a number: silence
        EXPECT_EQ(back[5], 32767) << name;
    }
}

namespace {

// Background music as the music player will plug it in: a file streamed on
// the render's own engine, played again from the start when it ends, and a
// note for every "next song" (where a CD track would be skipped).
class StreamedSong : public links::MusicLink {
public:
    StreamedSong(audio::Engine& engine, std::string path, links::RenderNotes& notes)
        : engine_(engine), path_(std::move(path)), notes_(notes) {}
    void PlayMusica() override {
        stream_ = engine_.createStream(path_);
        engine_.playStream(stream_);
    }
    void PararMusica() override {
        if (stream_) engine_.freeStream(stream_);
        stream_ = {};
    }
    void SiguienteCancion() override { notes_.push_back("Pista de CD omitida"); }
    bool songEnded() override { return engine_.streamState(stream_) == audio::PlayState::Inactive; }

private:
    audio::Engine& engine_;
    std::string path_;
    links::RenderNotes& notes_;
    audio::StreamId stream_;
};

void writeTone(const std::string& path, double hz, double seconds) {
    ASSERT_TRUE(test::writeSineWav(path, hz, seconds, 0.3));
}

} // namespace

TEST_F(SessionExport, MusicPluggedIntoTheRenderIsHeardAndItsNotesComeBack) {
    const std::string song = dir.file("song.wav");
    writeTone(song, 440, 2.0);
    options.binaural = false;
    options.musica = true;
    options.ultimosSegundos = 0;
    model.setSegundos(6);
    SessionRenderer renderer(model, options, [&](audio::Engine& e, links::RenderNotes& notes) {
        return std::make_unique<StreamedSong>(e, song, notes);
    });
    const ExportResult r = exportToFile(renderer, dir.file("music.wav"), nullptr, nullptr, {});
    ASSERT_EQ(r.status, RenderStatus::Complete) << r.message;
    ASSERT_FALSE(r.notes.empty());
    EXPECT_EQ(r.notes[0], "Pista de CD omitida");
    std::filesystem::remove(song);
    const Sound s = readBack(dir.file("music.wav"));
    const auto left = test::channelOf(s.samples, 0);
    // Play starts the music at once, and a tick after its end starts it again.
    for (double from : {0.1, 1.0, 3.0}) {
        const auto part = secondOf(left, from, from + 0.4);
        EXPECT_NEAR(test::fitSine(part, 440, kRate).amplitude, 0.3, 0.01) << from;
    }
}

namespace {

// The reference for the file's bytes: each frame made by the renderer on its
// own thread, converted by the plain loop the writer's conversion must match,
// its little-endian bytes split as the digest splits them.
class PlainPcm16 : public FrameSink {
public:
    explicit PlainPcm16(std::int64_t headerBytes)
        : headBytes_(test::Digest::kHeadBytes - headerBytes) {}
    bool write(const float* x, int frames) override {
        for (int i = 0; i < 2 * frames; ++i) {
            float v = x[i] > 1.0f ? 1.0f : x[i];
            v = v < -1.0f ? -1.0f : v;
            v = (v == v ? v : 0.0f) * 32767.0f;
            const auto s = static_cast<std::int16_t>(v >= 0 ? v + 0.5f : v - 0.5f);
            const unsigned char b[2] = {static_cast<unsigned char>(s & 0xff),
                                        static_cast<unsigned char>((s >> 8) & 0xff)};
            if (std::int64_t(head.size()) < headBytes_)
                head.insert(head.end(), b, b + 2);
            else
                rest.add(b, 2);
        }
        return true;
    }
    std::vector<unsigned char> head;
    test::ByteHash rest;

private:
    std::int64_t headBytes_;
};

} // namespace

// The pipelined export writes the bytes of the plain one: each shipped
// session as the renderer exports it (verification beside it), against the
// renderer's frames on one thread through the plain conversion.
TEST(ShippedSessionsExport, ThePipelineWritesTheBytesOfThePlainRender) {
    TempDir dir;
    for (const char* name : {"Relajación.vso", "Sueño.vso", "Meditación profunda.vso"}) {
        const std::string copy = dir.file(name);
        std::filesystem::copy_file(std::string(VS_SHIPPED_DATA_DIR) + "/" + name, copy);
        session::SessionModel model;
        ASSERT_TRUE(session::LeerSesion(model, copy)) << name;
        const ExportOptions options; // the renderer's: the program's first-start controls
        constexpr std::int64_t kHeader = 44;
        PlainPcm16 plain(kHeader);
        ASSERT_EQ(SessionRenderer(model, options).run(plain).status, RenderStatus::Complete);

        test::Digest digest;
        SessionRenderer renderer(model, options);
        RenderAnalyser analyser(model, options);
        const auto r = exportToFile(renderer, dir.file("out.wav"), &analyser, nullptr, {},
                                    test::digestFiles(digest));
        ASSERT_EQ(r.status, RenderStatus::Complete) << r.message;
        EXPECT_TRUE(analyser.finish().passed()) << name;
        EXPECT_TRUE(digest.inOrder);
        const std::int64_t dataBytes = std::int64_t(model.lengthSeconds()) * kRate * 4;
        EXPECT_EQ(digest.length, kHeader + dataBytes) << name;
        ASSERT_GE(digest.head.size(), std::size_t(kHeader));
        EXPECT_EQ(std::string(digest.head.begin() + 36, digest.head.begin() + 40), "data");
        EXPECT_TRUE(std::equal(plain.head.begin(), plain.head.end(), digest.head.begin() + kHeader))
            << name;
        EXPECT_EQ(digest.rest.value(), plain.rest.value()) << name;
        std::filesystem::remove(dir.file("out.wav"));
    }
}
