// SPDX-License-Identifier: GPL-3.0-or-later
// The audio library's operations as a thin adapter over the process's
// engine: typed ids are packed into 32-bit handles and the library's sentinel
// values are mapped onto the typed calls. The process's engine, its CD player
// and its MIDI sequencer live here and nowhere else.
#include "audio/bass.h"
#include "audio/cd.h"
#include "audio/engine.h"
#include "audio/mci.h"

#include <algorithm>
#include <limits>
#include <optional>

using namespace vs::audio;

namespace {

// Members go in reverse order at exit: the sequencer's songs and the CD track
// let go of their lines while the engine is still there.
struct ProcessAudio {
    Engine engine;
    CdPlayer cd{engine};
    MciSequencer sequencer{engine};
};

ProcessAudio& process() {
    static ProcessAudio p;
    return p;
}

Engine& engine() {
    return process().engine;
}

CdPlayer& cd() {
    return process().cd;
}

// --- Handles ---------------------------------------------------------------
// Index in bits 0-9, kind in bits 10-11, generation (never 0) in bits 12-31.
// The kind is never 0, so no handle is 0 and channel handle 0 (the CD) is
// never given out.
enum class Kind : std::uint32_t { Sample = 1, Voice = 2, Stream = 3 };

std::uint32_t pack(Kind kind, std::uint16_t slot, std::uint32_t generation) {
    if (generation == 0) return 0; // the engine's failure
    return (generation << 12) | (std::uint32_t(kind) << 10) | std::uint32_t(slot);
}
std::uint32_t handleOf(SampleId id) {
    return pack(Kind::Sample, id.slot, id.generation);
}
std::uint32_t handleOf(VoiceId id) {
    return pack(Kind::Voice, id.slot, id.generation);
}
std::uint32_t handleOf(StreamId id) {
    return pack(Kind::Stream, id.slot, id.generation);
}

// The id a handle of `kind` names (the engine judges whether it is still
// live), or nothing for a handle of another kind.
template <typename Id> std::optional<Id> unpack(std::uint32_t handle, Kind kind) {
    if (((handle >> 10) & 3) != std::uint32_t(kind)) return std::nullopt;
    return Id{std::uint16_t(handle & 0x3FF), handle >> 12};
}
std::optional<SampleId> asSample(std::uint32_t h) {
    return unpack<SampleId>(h, Kind::Sample);
}
std::optional<VoiceId> asVoice(std::uint32_t h) {
    return unpack<VoiceId>(h, Kind::Voice);
}
std::optional<StreamId> asStream(std::uint32_t h) {
    return unpack<StreamId>(h, Kind::Stream);
}

// --- Sentinels ---------------------------------------------------------------
constexpr std::uint32_t kCdChannel = 0;      // the CD track of BASS_CDPlay (cd.h)
constexpr std::int32_t kUnchanged = -1;      // rate or volume: leave it
constexpr std::int32_t kOwnRate = 0;         // rate: the material's own
constexpr std::int32_t kPanUnchanged = -101; // pan: leave it (centre when starting)

// BASS_SamplePlayEx: any rate <= 0 is the sample's own; volume -1 is full;
// pan -101 is the centre.
PlayParams playParams(std::int32_t rate, std::int32_t volume, std::int32_t pan, bool loop) {
    PlayParams p;
    p.rate = rate <= 0 ? Rate::own() : Rate::hz(rate);
    p.volume = volume == kUnchanged ? 100 : volume;
    p.pan = pan == kPanUnchanged ? 0 : pan;
    p.loop = loop;
    return p;
}

// BASS_ChannelSetAttributes: -1 / -101 leave a value; rate 0 is the own rate.
AttributeChange attributeChange(std::int32_t rate, std::int32_t volume, std::int32_t pan) {
    AttributeChange c;
    if (rate == kOwnRate)
        c.rate = Rate::own();
    else if (rate != kUnchanged)
        c.rate = Rate::hz(rate);
    if (volume != kUnchanged) c.volume = volume;
    if (pan != kPanUnchanged) c.pan = pan;
    return c;
}

std::uint32_t result(PlayState s) {
    switch (s) {
    case PlayState::Playing:
        return kPlaying;
    case PlayState::Paused:
        return kPaused;
    case PlayState::Inactive:
        break;
    }
    return kInactive;
}

constexpr std::uint32_t kNoCdLength = 0xFFFFFFFF;

// A track number the CD player can be asked about, or 0 (no track).
int cdTrack(std::uint32_t track) {
    return track <= std::uint32_t(std::numeric_limits<int>::max()) ? int(track) : 0;
}

} // namespace

Engine& vs::audio::processEngine() {
    return engine();
}

std::uint32_t BASS_Init(int device, std::uint32_t, std::uint32_t, void*) {
    if (device < -1) return 0;
    return (device == 0 ? engine().openOffline() : engine().openDevice(device)) ? 1 : 0;
}

// Both may wait for one callback in progress: SDL_PauseAudioDevice takes the
// device lock.
std::uint32_t BASS_Start() {
    return engine().resumeOutput() ? 1 : 0;
}

std::uint32_t BASS_Stop() {
    return engine().pauseOutput() ? 1 : 0;
}

// The CD track sounds through the engine's CD line: it goes with the engine.
std::uint32_t BASS_Free() {
    cd().stop();
    return engine().close() ? 1 : 0;
}

std::uint32_t BASS_RecordInit(int) {
    return engine().isOpen() ? 1 : 0;
}
std::uint32_t BASS_RecordFree() {
    return 1;
}

std::uint32_t BASS_SampleLoad(std::uint32_t fromMemory, const char* file, std::uint32_t offset,
                              std::uint32_t length, std::uint32_t maxPlaybacks,
                              std::uint32_t flags) {
    if (fromMemory || !file || offset || length || maxPlaybacks == 0) return 0;
    SampleOptions o;
    o.keepEightBit = (flags & kSample8Bit) != 0;
    o.mixToMono = (flags & kSampleMono) != 0;
    o.takeOverOldest = (flags & kSampleTakeOldest) != 0;
    const int most = int(std::min<std::uint32_t>(maxPlaybacks, Engine::kMaxVoices));
    return handleOf(engine().loadSample(file, o, most));
}

std::uint32_t BASS_SamplePlayEx(std::uint32_t sample, std::uint32_t start, std::int32_t rate,
                                std::int32_t volume, std::int32_t pan, std::uint32_t loop) {
    const auto id = asSample(sample);
    if (!id) return 0;
    const auto info = engine().sampleInfo(*id);
    if (!info) return 0;
    PlayParams p = playParams(rate, volume, pan, loop != 0);
    p.startFrame = std::int64_t(start / std::uint32_t(info->bytesPerFrame()));
    return handleOf(engine().play(*id, p));
}

std::uint32_t BASS_SampleStop(std::uint32_t sample) {
    const auto id = asSample(sample);
    return id && engine().stopSample(*id) ? 1 : 0;
}

std::uint32_t BASS_SampleFree(std::uint32_t sample) {
    const auto id = asSample(sample);
    return id && engine().freeSample(*id) ? 1 : 0;
}

std::uint32_t BASS_ChannelSetAttributes(std::uint32_t channel, std::int32_t rate,
                                        std::int32_t volume, std::int32_t pan) {
    const AttributeChange c = attributeChange(rate, volume, pan);
    if (const auto v = asVoice(channel)) return engine().setVoice(*v, c) ? 1 : 0;
    if (const auto s = asStream(channel)) return engine().setStream(*s, c) ? 1 : 0;
    return 0;
}

std::uint32_t BASS_ChannelGetAttributes(std::uint32_t channel, std::int32_t* rate,
                                        std::int32_t* volume, std::int32_t* pan) {
    int r, v, p;
    const auto voice = asVoice(channel);
    const auto stream = asStream(channel);
    if (const auto vi = voice ? engine().voiceInfo(*voice) : std::nullopt) {
        r = vi->rate;
        v = vi->volume;
        p = vi->pan;
    } else if (const auto si = stream ? engine().streamInfo(*stream) : std::nullopt) {
        r = si->rate;
        v = si->volume;
        p = si->pan;
    } else {
        return 0;
    }
    if (rate) *rate = r;
    if (volume) *volume = v;
    if (pan) *pan = p;
    return std::uint32_t(r);
}

std::uint32_t BASS_ChannelGetFlags(std::uint32_t channel) {
    if (const auto v = asVoice(channel)) {
        const auto vi = engine().voiceInfo(*v);
        if (!vi) return 0;
        std::uint32_t f = vi->loop ? kChannelLoop : 0;
        if (const auto d = engine().sampleInfo(vi->sample)) {
            if (d->eightBit) f |= kChannel8Bit;
            if (d->channels == 1) f |= kChannelMono;
        }
        return f;
    }
    if (const auto s = asStream(channel)) {
        const auto si = engine().streamInfo(*s);
        if (!si) return 0;
        return (si->sourceChannels == 1 ? kChannelMono : 0) | (si->eightBit ? kChannel8Bit : 0);
    }
    return 0;
}

std::uint32_t BASS_ChannelIsActive(std::uint32_t channel) {
    if (channel == kCdChannel) return cd().playing() ? kPlaying : kInactive;
    if (const auto v = asVoice(channel)) return result(engine().voiceState(*v));
    if (const auto s = asStream(channel)) return result(engine().streamState(*s));
    return kInactive;
}

std::uint32_t BASS_ChannelPause(std::uint32_t channel) {
    if (const auto v = asVoice(channel)) return engine().pauseVoice(*v) ? 1 : 0;
    if (const auto s = asStream(channel)) return engine().pauseStream(*s) ? 1 : 0;
    return 0;
}

std::uint32_t BASS_ChannelResume(std::uint32_t channel) {
    if (const auto v = asVoice(channel)) return engine().resumeVoice(*v) ? 1 : 0;
    if (const auto s = asStream(channel)) return engine().resumeStream(*s) ? 1 : 0;
    return 0;
}

std::uint32_t BASS_ChannelStop(std::uint32_t channel) {
    if (channel == kCdChannel) return cd().stop() ? 1 : 0;
    if (const auto v = asVoice(channel)) return engine().stopVoice(*v) ? 1 : 0;
    if (const auto s = asStream(channel)) return engine().stopStream(*s) ? 1 : 0;
    return 0;
}

std::uint32_t BASS_StreamCreateFile(std::uint32_t fromMemory, const char* file,
                                    std::uint32_t offset, std::uint32_t length, std::uint32_t) {
    if (fromMemory || !file || offset || length) return 0;
    return handleOf(engine().createStream(file));
}

std::uint32_t BASS_StreamPlay(std::uint32_t stream, std::uint32_t, std::uint32_t) {
    const auto id = asStream(stream);
    return id && engine().playStream(*id) ? 1 : 0;
}

std::uint64_t BASS_StreamGetLength(std::uint32_t stream) {
    const auto id = asStream(stream);
    const auto info = id ? engine().streamInfo(*id) : std::nullopt;
    if (!info) return kNotAStream;
    return std::uint64_t(info->frames) * std::uint64_t(info->bytesPerFrame());
}

std::uint64_t BASS_MusicGetLength(std::uint32_t, std::uint32_t) {
    return 0;
}

std::uint32_t BASS_StreamFree(std::uint32_t stream) {
    const auto id = asStream(stream);
    return id && engine().freeStream(*id) ? 1 : 0;
}

std::uint32_t BASS_CDInit(const char* drive, std::uint32_t) {
    return cd().init(drive ? drive : "") ? 1 : 0;
}

std::uint32_t BASS_CDFree() {
    cd().free();
    return 1;
}

std::uint32_t BASS_CDGetTrackLength(std::uint32_t track) {
    const auto ms = cd().trackLengthMs(cdTrack(track));
    return ms ? std::uint32_t(*ms) : kNoCdLength;
}

std::uint32_t BASS_CDPlay(std::uint32_t track, std::uint32_t loop, std::uint32_t wait) {
    return cd().play(cdTrack(track), loop != 0, wait != 0) ? 1 : 0;
}

std::uint32_t vs::audio::mciSendString(const std::string& command, std::string* reply) {
    return process().sequencer.send(command, reply);
}
