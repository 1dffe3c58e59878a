// SPDX-License-Identifier: GPL-3.0-or-later
// The typed engine (vs::audio::Engine) on its own, the mixer on its own, and
// how the audio-library adapter maps handles and sentinels onto them.
#include "audio/engine.h"
#include "audio/engine_impl.h"
#include "audio_fixture.h"
#include "tone_analysis.h"

#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <type_traits>

using namespace vs::test;
using vs::audio::AttributeChange;
using vs::audio::Engine;
using vs::audio::PlayParams;
using vs::audio::PlayState;
using vs::audio::Rate;
using vs::audio::SampleId;
using vs::audio::StreamId;
using vs::audio::VoiceId;
using vs::playback::rutasOndas;

// Ids of one kind never pass for another: not by conversion, not in a call.
static_assert(!std::is_convertible_v<SampleId, VoiceId>);
static_assert(!std::is_convertible_v<VoiceId, StreamId>);
static_assert(!std::is_convertible_v<StreamId, SampleId>);
static_assert(!std::is_convertible_v<SampleId, bool>); // explicit only
template <typename Id> concept Playable = requires(Engine& e, Id id) { e.play(id, PlayParams{}); };
template <typename Id> concept VoiceStoppable = requires(Engine& e, Id id) { e.stopVoice(id); };
template <typename Id> concept StreamFreeable = requires(Engine& e, Id id) { e.freeStream(id); };
template <typename Id> concept SampleFreeable = requires(Engine& e, Id id) { e.freeSample(id); };
static_assert(Playable<SampleId> && !Playable<VoiceId> && !Playable<StreamId>);
static_assert(VoiceStoppable<VoiceId> && !VoiceStoppable<StreamId> && !VoiceStoppable<SampleId>);
static_assert(StreamFreeable<StreamId> && !StreamFreeable<VoiceId> && !StreamFreeable<SampleId>);
static_assert(SampleFreeable<SampleId> && !SampleFreeable<StreamId> && !SampleFreeable<VoiceId>);

namespace {

// Stereo 16-bit WAV at the mix rate whose every frame differs from its
// neighbours (a tone under a slow swell), so a lost or repeated piece shows.
std::vector<float> writeSwell(const std::string& path, int frames) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::vector<float> buf(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double swell = 0.2 + 0.6 * i / frames;
        buf[std::size_t(2 * i)] = float(swell * std::sin(2 * M_PI * 440 * i / 44100));
        buf[std::size_t(2 * i + 1)] = float(swell * std::cos(2 * M_PI * 330 * i / 44100));
    }
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return {};
    sf_writef_float(f, buf.data(), frames);
    sf_close(f);
    // What the file holds: 16-bit values read back as libsndfile gives them.
    f = sf_open(path.c_str(), SFM_READ, &info);
    sf_readf_float(f, buf.data(), frames);
    sf_close(f);
    return buf;
}

class TypedEngine : public ::testing::Test {
protected:
    void SetUp() override {
        dir.becomeProgramFolders();
        ASSERT_TRUE(vs::playback::PrepararOndas(dir.path()));
        ASSERT_TRUE(engine.openOffline());
    }
    std::vector<float> render(int frames) {
        std::vector<float> out(std::size_t(frames) * 2);
        EXPECT_EQ(engine.renderOffline(out.data(), frames), frames);
        return out;
    }
    TempDir dir;
    Engine engine;
};

} // namespace

TEST_F(TypedEngine, StaleIdsAreRefusedAfterFreeAndWhenTheSlotIsReused) {
    const std::string tone = rutasOndas().left;
    EXPECT_FALSE(engine.sampleInfo(SampleId{}));
    const SampleId first = engine.loadSample(tone, {}, 1);
    ASSERT_TRUE(first);
    ASSERT_TRUE(engine.freeSample(first));
    EXPECT_FALSE(engine.freeSample(first));
    const SampleId second = engine.loadSample(tone, {}, 1);
    ASSERT_EQ(second.slot, first.slot); // the same slot, a new generation
    EXPECT_NE(second, first);
    EXPECT_FALSE(engine.sampleInfo(first));
    EXPECT_FALSE(engine.stopSample(first));
    EXPECT_FALSE(engine.play(first, {}));

    PlayParams loop;
    loop.loop = true;
    const VoiceId v1 = engine.play(second, loop);
    ASSERT_TRUE(v1);
    ASSERT_TRUE(engine.stopVoice(v1));
    const VoiceId v2 = engine.play(second, loop);
    ASSERT_EQ(v2.slot, v1.slot);
    EXPECT_NE(v2, v1);
    // Nothing done through the old id reaches the new voice.
    EXPECT_FALSE(engine.stopVoice(v1));
    EXPECT_FALSE(engine.pauseVoice(v1));
    EXPECT_FALSE(engine.setVoice(v1, AttributeChange{Rate::hz(8820), 0, 0, std::nullopt}));
    EXPECT_FALSE(engine.voiceInfo(v1));
    EXPECT_EQ(engine.voiceState(v1), PlayState::Inactive);
    EXPECT_EQ(engine.voiceState(v2), PlayState::Playing);
    const auto out = channelOf(render(4410), 0);
    EXPECT_NEAR(toneFrequency(out, 44100), 1000.0, 0.05);
    EXPECT_GT(peak(out), 0.9);

    const std::string path = dir.file("swell.wav");
    ASSERT_FALSE(writeSwell(path, 4410).empty());
    const StreamId s1 = engine.createStream(path);
    ASSERT_TRUE(engine.freeStream(s1));
    const StreamId s2 = engine.createStream(path);
    ASSERT_EQ(s2.slot, s1.slot);
    EXPECT_FALSE(engine.playStream(s1));
    EXPECT_FALSE(engine.streamInfo(s1));
    EXPECT_FALSE(engine.freeStream(s1));
    EXPECT_TRUE(engine.playStream(s2));
    EXPECT_EQ(engine.streamState(s2), PlayState::Playing);

    // Closing frees everything; ids from before stay dead after reopening.
    ASSERT_TRUE(engine.close());
    EXPECT_FALSE(engine.sampleInfo(second));
    ASSERT_TRUE(engine.openOffline());
    const SampleId third = engine.loadSample(tone, {}, 1);
    const VoiceId v3 = engine.play(third, loop);
    ASSERT_EQ(v3.slot, v2.slot);
    EXPECT_FALSE(engine.sampleInfo(second));
    EXPECT_FALSE(engine.stopVoice(v2));
    EXPECT_EQ(engine.voiceState(v3), PlayState::Playing);
}

TEST_F(TypedEngine, OfflineRenderOfAStreamIsTheWholeFileWithoutAGap) {
    const std::string path = dir.file("swell.wav");
    constexpr int kFrames = 44100 * 3; // twice what a stream's ring holds
    const auto file = writeSwell(path, kFrames);
    ASSERT_EQ(file.size(), std::size_t(kFrames) * 2);
    const StreamId s = engine.createStream(path);
    ASSERT_TRUE(engine.playStream(s)); // at once: the decoder has had no head start
    // One call for all of it and more: the render waits for the decoder
    // piece by piece instead of playing a gap.
    const auto out = render(kFrames + 4410);
    std::size_t differing = 0, firstDiff = out.size();
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (out[i] != file[i]) {
            ++differing;
            firstDiff = std::min(firstDiff, i);
        }
    }
    EXPECT_EQ(differing, 0u) << "first at frame " << firstDiff / 2;
    EXPECT_EQ(peak(std::vector<float>(out.begin() + std::ptrdiff_t(file.size()), out.end())), 0.0);
    EXPECT_EQ(engine.streamState(s), PlayState::Inactive);
    EXPECT_FALSE(engine.playStream(s)); // played out: it cannot start again
}

TEST(EngineMixer, NeverWaitsForAStreamWhoseDecoderHasFallenBehind) {
    TempDir dir;
    const std::string path = dir.file("swell.wav");
    ASSERT_FALSE(writeSwell(path, 44100).empty());
    auto stream = vs::audio::detail::openStream(path);
    ASSERT_TRUE(stream);
    auto mixer = std::make_unique<vs::audio::detail::Mixer>();
    vs::audio::detail::Command c{};
    c.type = vs::audio::detail::Cmd::StartStream;
    c.ptr = stream.get();
    c.gainL = c.gainR = 1.0f;
    ASSERT_TRUE(mixer->commands.push(c));

    // Nothing decoded yet (no decoder thread runs): the mixer plays silence at
    // once and keeps the stream, however many frames it is asked for.
    std::vector<float> out(2 * 8192, 1.0f);
    mixer->applyCommands();
    EXPECT_FALSE(mixer->streamsBuffered(8192));
    const auto t0 = std::chrono::steady_clock::now();
    mixer->render(out.data(), 8192);
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_LT(took, std::chrono::milliseconds(100));
    EXPECT_EQ(peak(out), 0.0);
    EXPECT_FALSE(stream->ended.load());

    vs::audio::detail::fillStream(*stream); // the decoder catches up
    EXPECT_TRUE(mixer->streamsBuffered(8192));
    mixer->render(out.data(), 8192);
    EXPECT_GT(peak(out), 0.1);
}

TEST_F(OfflineEngine, BassSentinelsMapOntoTheTypedCalls) {
    const auto sample = loadTone(rutasOndas().left);
    std::int32_t rate = 0, vol = 0, pan = 0;
    auto attributes = [&](std::uint32_t ch) {
        rate = vol = pan = 12345;
        BASS_ChannelGetAttributes(ch, &rate, &vol, &pan);
    };
    // Starting: rate 0 and -1 are the sample's own, volume -1 is full, pan -101 the centre.
    for (std::int32_t own : {0, -1}) {
        const auto ch = BASS_SamplePlayEx(sample, 0, own, -1, -101, 1);
        ASSERT_NE(ch, 0u);
        attributes(ch);
        EXPECT_EQ(rate, 44100) << own;
        EXPECT_EQ(vol, 100);
        EXPECT_EQ(pan, 0);
    }
    const auto ch = BASS_SamplePlayEx(sample, 0, 9000, 40, 30, 1);
    attributes(ch);
    EXPECT_EQ(rate, 9000);
    EXPECT_EQ(vol, 40);
    EXPECT_EQ(pan, 30);
    // Changing: -1 and -101 leave each value as it is.
    ASSERT_NE(BASS_ChannelSetAttributes(ch, -1, -1, -101), 0u);
    attributes(ch);
    EXPECT_EQ(rate, 9000);
    EXPECT_EQ(vol, 40);
    EXPECT_EQ(pan, 30);
    // Rate 0 goes back to the sample's own; volume 0 and pan -100 are values.
    ASSERT_NE(BASS_ChannelSetAttributes(ch, 0, 0, -100), 0u);
    attributes(ch);
    EXPECT_EQ(rate, 44100);
    EXPECT_EQ(vol, 0);
    EXPECT_EQ(pan, -100);
    ASSERT_NE(BASS_ChannelSetAttributes(ch, -1, 100, -101), 0u);
    EXPECT_NEAR(toneFrequency(channelOf(render(4410), 0), 44100), 1000.0, 0.05);
    // Any other value is clamped.
    ASSERT_NE(BASS_ChannelSetAttributes(ch, -7, -2, -102), 0u);
    attributes(ch);
    EXPECT_EQ(rate, 100);
    EXPECT_EQ(vol, 0);
    EXPECT_EQ(pan, -100);

    // A stream: rate 0 is the file's own rate.
    const std::string path = dir.file("swell.wav");
    ASSERT_FALSE(writeSwell(path, 4410).empty());
    const auto s = BASS_StreamCreateFile(0, path.c_str(), 0, 0, 0);
    ASSERT_NE(BASS_ChannelSetAttributes(s, 30000, 70, -101), 0u);
    attributes(s);
    EXPECT_EQ(rate, 30000);
    EXPECT_EQ(vol, 70);
    EXPECT_EQ(pan, 0);
    ASSERT_NE(BASS_ChannelSetAttributes(s, 0, -1, 20), 0u);
    attributes(s);
    EXPECT_EQ(rate, 44100);
    EXPECT_EQ(vol, 70);
    EXPECT_EQ(pan, 20);
    BASS_StreamFree(s);
}

TEST_F(OfflineEngine, HandlesOfOneKindNeverPassForAnother) {
    // The first sample, playback and stream all sit in slot 0 of their tables
    // (generations may coincide too): the handle's kind has to tell them apart.
    const auto sample = loadTone(rutasOndas().left);
    const auto ch = BASS_SamplePlayEx(sample, 0, -1, -1, -101, 1);
    const std::string path = dir.file("swell.wav");
    ASSERT_FALSE(writeSwell(path, 44100).empty());
    const auto s = BASS_StreamCreateFile(0, path.c_str(), 0, 0, 0);
    ASSERT_NE(BASS_StreamPlay(s, 0, 0), 0u);
    ASSERT_NE(sample, 0u);
    ASSERT_NE(ch, 0u);
    ASSERT_NE(s, 0u);

    EXPECT_EQ(BASS_StreamFree(ch), 0u);
    EXPECT_EQ(BASS_StreamFree(sample), 0u);
    EXPECT_EQ(BASS_StreamPlay(sample, 0, 0), 0u);
    EXPECT_EQ(BASS_SampleFree(s), 0u);
    EXPECT_EQ(BASS_SampleFree(ch), 0u);
    EXPECT_EQ(BASS_SampleStop(s), 0u);
    EXPECT_EQ(BASS_SamplePlayEx(ch, 0, -1, -1, -101, 1), 0u);
    EXPECT_EQ(BASS_ChannelStop(sample), 0u);
    EXPECT_EQ(BASS_ChannelPause(sample), 0u);
    EXPECT_EQ(BASS_StreamGetLength(sample), vs::audio::kNotAStream);
    EXPECT_EQ(BASS_ChannelIsActive(ch), vs::audio::kPlaying);
    EXPECT_EQ(BASS_ChannelIsActive(s), vs::audio::kPlaying);
    EXPECT_GT(peak(render(4410)), 0.5);
    EXPECT_NE(BASS_StreamFree(s), 0u);
    EXPECT_NE(BASS_SampleFree(sample), 0u);
}
