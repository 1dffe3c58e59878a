// SPDX-License-Identifier: GPL-3.0-or-later
// Engine life cycle, decoded streams and the lock-free queues.
#include "audio/bass.h"
#include "audio/audio_output.h"
#include "audio/spsc_queue.h"
#include "audio_fixture.h"
#include "cranked_output.h"
#include "tone_analysis.h"

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <thread>

using namespace vs::test;
using vs::playback::rutasOndas;

namespace {

// A file of `seconds` of a 440 Hz tone in every channel, written by libsndfile.
bool writeTone(const std::string& path, int format, int rate, int channels, double seconds) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    const int frames = int(seconds * rate);
    std::vector<float> buf(std::size_t(frames * channels));
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            buf[std::size_t(i * channels + c)] = float(0.5 * std::sin(2 * M_PI * 440 * i / rate));
    sf_writef_float(f, buf.data(), frames);
    sf_close(f);
    return true;
}

struct StreamCase {
    const char* file;
    int format;
    int rate;
    int channels;
};

} // namespace

TEST_F(OfflineEngine, StreamsPlayWavMp3AndOggThroughToTheirEnd) {
    const StreamCase cases[] = {
        {"tono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2},
        {"tono.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 2},
        {"tono.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 48000, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir.file(c.file);
        ASSERT_TRUE(writeTone(path, c.format, c.rate, c.channels, 1.5));
        const auto s = BASS_StreamCreateFile(0, path.c_str(), 0, 0, 0);
        ASSERT_NE(s, 0u);
        // Exact length: frames x channels x 2 bytes, and the seconds follow from it.
        const std::uint64_t bytes = BASS_StreamGetLength(s);
        EXPECT_EQ(bytes, std::uint64_t(c.rate * 3 / 2) * std::uint64_t(c.channels) * 2);
        std::int32_t rate = 0;
        EXPECT_EQ(BASS_ChannelGetAttributes(s, &rate, nullptr, nullptr), std::uint32_t(c.rate));
        const int chans = (BASS_ChannelGetFlags(s) & vs::audio::kChannelMono) ? 1 : 2;
        EXPECT_EQ(chans, c.channels);
        EXPECT_EQ(BASS_ChannelIsActive(s), vs::audio::kInactive); // not started yet

        ASSERT_NE(BASS_StreamPlay(s, 0, 0), 0u);
        EXPECT_EQ(BASS_ChannelIsActive(s), vs::audio::kPlaying);
        std::vector<float> out;
        int blocks = 0;
        while (BASS_ChannelIsActive(s) == vs::audio::kPlaying && blocks < 100) {
            const auto part = render(4410);
            out.insert(out.end(), part.begin(), part.end());
            ++blocks;
        }
        EXPECT_EQ(BASS_ChannelIsActive(s), vs::audio::kInactive);
        // 1.5 s of sound, resampled to the mix rate where needed.
        EXPECT_GE(blocks, 15);
        EXPECT_LE(blocks, 16);
        const auto left = channelOf(out, 0), right = channelOf(out, 1);
        const std::vector<float> body(left.begin() + 4410, left.begin() + 4410 * 14);
        EXPECT_NEAR(toneFrequency(body, 44100), 440.0, 0.05);
        EXPECT_NEAR(fitSine(body, 440, 44100).amplitude, 0.5, 0.02);
        EXPECT_NEAR(rms(right), rms(left), 0.01);
        EXPECT_NE(BASS_StreamFree(s), 0u);
        EXPECT_EQ(BASS_StreamGetLength(s), vs::audio::kNotAStream);
    }
}

TEST_F(OfflineEngine, StreamPauseVolumeAndStop) {
    const std::string path = dir.file("largo.wav");
    ASSERT_TRUE(writeTone(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 3));
    const auto s = BASS_StreamCreateFile(0, path.c_str(), 0, 0, 0);
    ASSERT_NE(BASS_StreamPlay(s, 0, 0), 0u);
    ASSERT_NE(BASS_ChannelSetAttributes(s, -1, 50, 100), 0u);
    render(2048);
    auto out = render(8820);
    EXPECT_NEAR(fitSine(channelOf(out, 1), 440, 44100).amplitude, 0.25, 0.01);
    EXPECT_NEAR(peak(channelOf(out, 0)), 0.0, 1e-6);

    ASSERT_NE(BASS_ChannelPause(s), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(s), vs::audio::kPaused);
    EXPECT_EQ(peak(render(44100 * 3)), 0.0); // longer than the rest of the file
    ASSERT_NE(BASS_StreamPlay(s, 0, 0), 0u); // resumes
    EXPECT_EQ(BASS_ChannelIsActive(s), vs::audio::kPlaying);
    EXPECT_GT(peak(render(4410)), 0.2);
    BASS_ChannelStop(s);
    EXPECT_EQ(BASS_ChannelIsActive(s), vs::audio::kInactive);
    EXPECT_EQ(BASS_StreamPlay(s, 0, 0), 0u);
    EXPECT_EQ(peak(render(4410)), 0.0);
    BASS_StreamFree(s);
}

TEST_F(OfflineEngine, UnreadableFilesGiveNoStream) {
    vs::test::writeFile(dir.file("ruido.mp3"), std::string(5000, 'x'));
    EXPECT_EQ(BASS_StreamCreateFile(0, dir.file("ruido.mp3").c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_StreamCreateFile(0, dir.file("nada.ogg").c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_StreamCreateFile(1, rutasOndas().left.c_str(), 0, 0, 0), 0u);
    const auto wave = BASS_StreamCreateFile(0, rutasOndas().left.c_str(), 0, 0, 0);
    EXPECT_EQ(BASS_StreamGetLength(wave), 176400u);
    BASS_StreamFree(wave);
}

TEST(AudioEngine, InitOnceAndFreeReleasesEverything) {
    TempDir dir;
    ASSERT_TRUE(vs::playback::PrepararOndas(dir.path()));
    EXPECT_EQ(BASS_RecordInit(-1), 0u); // nothing is up yet
    ASSERT_NE(BASS_Init(0, 44100, 0x20, nullptr), 0u);
    EXPECT_EQ(BASS_Init(0, 44100, 0x20, nullptr), 0u);
    EXPECT_NE(BASS_RecordInit(-1), 0u);
    EXPECT_NE(BASS_Start(), 0u);
    const auto s = BASS_SampleLoad(0, rutasOndas().left.c_str(), 0, 0, 1, 0);
    const auto ch = BASS_SamplePlayEx(s, 0, -1, -1, -101, 1);
    EXPECT_NE(BASS_Stop(), 0u);
    EXPECT_NE(BASS_Free(), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(ch), vs::audio::kInactive);
    EXPECT_EQ(BASS_SamplePlayEx(s, 0, -1, -1, -101, 1), 0u);
    std::vector<float> out(64, 1.0f);
    EXPECT_EQ(vs::audio::processEngine().renderOffline(out.data(), 32), 0);
    EXPECT_EQ(peak(out), 0.0);
    EXPECT_EQ(BASS_Start(), 0u);
}

TEST(AudioEngine, DeviceCallbackDrivesTheSameMixer) {
    TempDir dir;
    ASSERT_TRUE(vs::playback::PrepararOndas(dir.path()));
    vs::audio::setOutputFactory([] { return std::make_unique<CrankedOutput>(); });
    CrankedOutput::opens = false;
    EXPECT_EQ(BASS_Init(-1, 44100, 0x20, nullptr), 0u);
    CrankedOutput::opens = true;
    ASSERT_NE(BASS_Init(-1, 44100, 0x20, nullptr), 0u);
    EXPECT_FALSE(CrankedOutput::paused);
    EXPECT_NE(BASS_Stop(), 0u);
    EXPECT_TRUE(CrankedOutput::paused);
    EXPECT_NE(BASS_Start(), 0u);
    EXPECT_FALSE(CrankedOutput::paused);

    const auto s = BASS_SampleLoad(0, rutasOndas().right.c_str(), 0, 0, 1, 0);
    BASS_SamplePlayEx(s, 0, 22050, 100, 0, 1);
    std::vector<float> out(2 * 44100);
    for (int i = 0; i < 44100; i += 441)
        CrankedOutput::render(CrankedOutput::context, &out[2 * i], 441);
    EXPECT_NEAR(toneFrequency(channelOf(out, 1), 44100), 500, 0.01);
    // Not the offline engine: renderOffline refuses while a device plays.
    EXPECT_EQ(vs::audio::processEngine().renderOffline(out.data(), 16), 0);
    BASS_Free();
    EXPECT_EQ(CrankedOutput::render, nullptr);
    vs::audio::setOutputFactory(nullptr);
}

TEST(AudioEngine, DummySdlDeviceOpensAndAMissingDriverFails) {
    const char* was = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = was ? was : "";
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_GE(vs::audio::Engine::outputDeviceCount(), 1);
    ASSERT_NE(BASS_Init(-1, 44100, 0x20, nullptr), 0u);
    EXPECT_NE(BASS_Start(), 0u);
    BASS_Free();
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(vs::audio::Engine::outputDeviceCount(), 0);
    EXPECT_EQ(BASS_Init(-1, 44100, 0x20, nullptr), 0u);
    EXPECT_EQ(BASS_RecordInit(-1), 0u);
    if (was)
        ::setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        ::unsetenv("SDL_AUDIODRIVER");
}

TEST(SpscQueue, KeepsOrderAcrossThreadsAndRefusesWhenFull) {
    vs::audio::SpscQueue<std::uint32_t, 64> q;
    for (std::uint32_t i = 0; i < 64; ++i)
        ASSERT_TRUE(q.push(i));
    EXPECT_FALSE(q.push(99));
    std::uint32_t v = 0;
    for (std::uint32_t i = 0; i < 64; ++i) {
        ASSERT_TRUE(q.pop(v));
        ASSERT_EQ(v, i);
    }
    EXPECT_FALSE(q.pop(v));

    constexpr std::uint32_t kCount = 100000;
    std::thread producer([&] {
        for (std::uint32_t i = 0; i < kCount;) {
            if (q.push(i))
                ++i;
            else
                std::this_thread::yield();
        }
    });
    std::uint32_t expected = 0;
    bool ordered = true;
    while (expected < kCount) {
        if (q.pop(v))
            ordered &= v == expected++;
        else
            std::this_thread::yield();
    }
    producer.join();
    EXPECT_TRUE(ordered);
    EXPECT_TRUE(q.empty());
}

TEST(SpscRing, MovesBulkDataAcrossTheWrap) {
    vs::audio::SpscRing<int> ring(100); // rounds up to 128
    EXPECT_EQ(ring.capacity(), 128u);
    std::vector<int> in(300), out;
    for (int i = 0; i < 300; ++i)
        in[std::size_t(i)] = i;
    std::thread producer([&] {
        std::size_t at = 0;
        while (at < in.size())
            at += ring.write(in.data() + at, std::min<std::size_t>(37, in.size() - at));
    });
    int buf[50];
    while (out.size() < in.size()) {
        const std::size_t n = ring.read(buf, 50);
        out.insert(out.end(), buf, buf + n);
    }
    producer.join();
    EXPECT_EQ(out, in);
}
