#include "audio/bass.h"
#include "audio/engine_impl.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

using namespace vs::audio;
using namespace vs::audio::detail;

namespace {

Engine& engine() {
    Engine& e = Engine::instance();
    if (e.initialised) e.collect();
    return e;
}

void renderCallback(void* context, float* out, int frames) {
    static_cast<Mixer*>(context)->render(out, frames);
}

std::shared_ptr<SampleData> loadSample(const char* path, std::uint32_t flags) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path, SFM_READ, &info);
    if (!f) return {};
    const int ch = info.channels;
    std::vector<float> raw;
    if (ch >= 1 && info.samplerate >= 1) {
        std::vector<float> buf(4096 * std::size_t(ch));
        sf_count_t got;
        while ((got = sf_readf_float(f, buf.data(), 4096)) > 0)
            raw.insert(raw.end(), buf.begin(), buf.begin() + got * ch);
    }
    const int format = info.format;
    sf_close(f);
    if (raw.empty()) return {};

    auto s = std::make_shared<SampleData>();
    s->rate = info.samplerate;
    s->frames = std::int64_t(raw.size()) / ch;
    const bool mono = ch == 1 || (flags & kSampleMono);
    s->channels = mono ? 1 : 2;
    const int sub = format & SF_FORMAT_SUBMASK;
    s->eightBit = (flags & kSample8Bit) || sub == SF_FORMAT_PCM_S8 || sub == SF_FORMAT_PCM_U8;
    for (int c = 0; c < s->channels; ++c)
        s->plane[c].resize(std::size_t(s->frames));
    for (std::int64_t i = 0; i < s->frames; ++i) {
        const float* fr = raw.data() + i * ch;
        if (mono) {
            float sum = 0;
            for (int c = 0; c < ch; ++c)
                sum += fr[c];
            s->plane[0][std::size_t(i)] = sum / float(ch);
        } else {
            s->plane[0][std::size_t(i)] = fr[0];
            s->plane[1][std::size_t(i)] = fr[1];
        }
    }
    for (int c = 0; c < s->channels; ++c) {
        for (float& v : s->plane[c]) {
            if (s->eightBit) v = std::clamp(std::round(v * 128.0f), -128.0f, 127.0f) / 128.0f;
            if (v != 0.0f) s->audible[c] = true;
        }
    }
    return s;
}

int clampRate(int rate) {
    return std::clamp(rate, 100, 100000);
}

std::uint32_t bytesPerFrame(const SampleData& s) {
    return std::uint32_t(s.channels) * (s.eightBit ? 1u : 2u);
}

Command voiceCommand(Cmd type, int slot, const Engine::ChannelSlot& c) {
    Command cmd{};
    cmd.type = type;
    cmd.slot = std::uint16_t(slot);
    cmd.generation = c.generation;
    return cmd;
}

Command streamCommand(Cmd type, int slot) {
    Command cmd{};
    cmd.type = type;
    cmd.slot = std::uint16_t(slot);
    return cmd;
}

// Silences a stream that is sounding or paused; the slot's state is the caller's.
void stopStreamSound(Engine& e, int slot) {
    const auto state = e.streams[std::size_t(slot)].state;
    if (state == Engine::StreamSlot::Playing || state == Engine::StreamSlot::Paused)
        e.send(streamCommand(Cmd::StopStream, slot));
}

void stopChannel(Engine& e, int slot) {
    Engine::ChannelSlot& c = e.channels[std::size_t(slot)];
    if (c.state == Engine::ChannelSlot::Playing || c.state == Engine::ChannelSlot::Paused)
        e.send(voiceCommand(Cmd::StopVoice, slot, c));
    c.state = Engine::ChannelSlot::Stopped;
}

void stopSampleChannels(Engine& e, int sample) {
    for (int i = 0; i < kMaxVoices; ++i)
        if (e.channels[std::size_t(i)].state != Engine::ChannelSlot::Free &&
            e.channels[std::size_t(i)].sample == sample)
            stopChannel(e, i);
}

Command gainCommand(Cmd type, int slot, int volume, int pan) {
    const StereoGain g = stereoGain(volume, pan);
    Command cmd{};
    cmd.type = type;
    cmd.slot = std::uint16_t(slot);
    cmd.gainL = g.l;
    cmd.gainR = g.r;
    return cmd;
}

} // namespace

std::uint32_t BASS_Init(int device, std::uint32_t freq, std::uint32_t flags, void* window) {
    Engine& e = Engine::instance();
    if (e.initialised || device < -1) return 0;
    e.clear();
    if (device == 0) {
        e.offline = true;
        e.mixer.offline = true;
    } else {
        e.offline = false;
        e.mixer.offline = false;
        e.output = makeOutput();
        if (!e.output || !e.output->open(device, &renderCallback, &e.mixer)) {
            e.output.reset();
            return 0;
        }
    }
    e.decoder.start();
    e.initialised = true;
    if (e.output) e.output->setPaused(false);
    return 1;
}

std::uint32_t BASS_Start() {
    Engine& e = engine();
    if (!e.initialised) return 0;
    if (e.output) e.output->setPaused(false);
    return 1;
}

std::uint32_t BASS_Stop() {
    Engine& e = engine();
    if (!e.initialised) return 0;
    if (e.output) e.output->setPaused(true);
    return 1;
}

std::uint32_t BASS_Free() {
    Engine& e = Engine::instance();
    if (!e.initialised) return 0;
    if (e.output) e.output->close(); // from here on no audio thread touches the mixer
    e.output.reset();
    e.decoder.stop();
    e.clear();
    e.initialised = false;
    e.offline = false;
    e.mixer.offline = false;
    return 1;
}

std::uint32_t BASS_RecordInit(int) {
    return Engine::instance().initialised ? 1 : 0;
}
std::uint32_t BASS_RecordFree() {
    return 1;
}

std::uint32_t BASS_SampleLoad(std::uint32_t fromMemory, const char* file, std::uint32_t offset,
                              std::uint32_t length, std::uint32_t maxPlaybacks,
                              std::uint32_t flags) {
    Engine& e = engine();
    if (!e.initialised || fromMemory || !file || offset || length || maxPlaybacks == 0) return 0;
    int slot = -1;
    for (int i = 0; i < kMaxSamples && slot < 0; ++i)
        if (!e.samples[std::size_t(i)].data) slot = i;
    if (slot < 0) return 0;
    auto data = loadSample(file, flags);
    if (!data) return 0;
    data->maxPlaybacks = std::min<std::uint32_t>(maxPlaybacks, kMaxVoices);
    data->replaceOldest = (flags & kSampleTakeOldest) != 0;
    Engine::SampleSlot& s = e.samples[std::size_t(slot)];
    s.generation = nextGeneration(s.generation);
    s.data = std::move(data);
    return makeHandle(Kind::Sample, slot, s.generation);
}

std::uint32_t BASS_SamplePlayEx(std::uint32_t sample, std::uint32_t start, std::int32_t rate,
                                std::int32_t volume, std::int32_t pan, std::uint32_t loop) {
    Engine& e = engine();
    const int si = sampleIndex(sample);
    if (si < 0) return 0;
    const SampleData& data = *e.samples[std::size_t(si)].data;
    const std::int64_t startFrame = std::int64_t(start / bytesPerFrame(data));
    if (startFrame >= data.frames) return 0;

    // Room for one more playback of this sample, or the oldest one to take over.
    int live = 0, oldest = -1, slot = -1;
    for (int i = 0; i < kMaxVoices; ++i) {
        const Engine::ChannelSlot& c = e.channels[std::size_t(i)];
        if (c.state != Engine::ChannelSlot::Free && c.sample == si && e.channelLive(i)) {
            ++live;
            if (oldest < 0 || c.order < e.channels[std::size_t(oldest)].order) oldest = i;
        }
    }
    if (live >= int(data.maxPlaybacks)) {
        if (!data.replaceOldest) return 0;
        stopChannel(e, oldest);
        slot = oldest;
    } else {
        for (int i = 0; i < kMaxVoices && slot < 0; ++i) {
            if (!e.channelLive(i)) slot = i;
        }
        if (slot < 0) return 0;
    }

    Engine::ChannelSlot& c = e.channels[std::size_t(slot)];
    c.generation = nextGeneration(c.generation);
    c.state = Engine::ChannelSlot::Playing;
    c.sample = si;
    c.rate = rate <= 0 ? data.rate : clampRate(rate);
    c.volume = volume == -1 ? 100 : std::clamp<int>(volume, 0, 100);
    c.pan = pan == -101 ? 0 : std::clamp<int>(pan, -100, 100);
    c.loop = loop != 0;
    c.order = ++e.playOrder;

    Command cmd = gainCommand(Cmd::StartVoice, slot, c.volume, c.pan);
    cmd.generation = c.generation;
    cmd.ptr = &data;
    cmd.pos = std::uint64_t(startFrame) << 32;
    cmd.inc = stepFor(c.rate);
    cmd.loop = c.loop;
    e.send(cmd);
    return makeHandle(Kind::Channel, slot, c.generation);
}

std::uint32_t BASS_SampleStop(std::uint32_t sample) {
    Engine& e = engine();
    const int si = sampleIndex(sample);
    if (si < 0) return 0;
    stopSampleChannels(e, si);
    return 1;
}

std::uint32_t BASS_SampleFree(std::uint32_t sample) {
    Engine& e = engine();
    const int si = sampleIndex(sample);
    if (si < 0) return 0;
    stopSampleChannels(e, si);
    for (auto& c : e.channels)
        if (c.sample == si) c.state = Engine::ChannelSlot::Free;
    Engine::SampleSlot& s = e.samples[std::size_t(si)];
    e.retire(std::move(s.data));
    s.data.reset();
    return 1;
}

std::uint32_t BASS_ChannelSetAttributes(std::uint32_t channel, std::int32_t rate,
                                        std::int32_t volume, std::int32_t pan) {
    Engine& e = engine();
    if (const int ci = channelIndex(channel); ci >= 0) {
        if (!e.channelLive(ci)) return 0;
        Engine::ChannelSlot& c = e.channels[std::size_t(ci)];
        const SampleData& data = *e.samples[std::size_t(c.sample)].data;
        if (rate == 0)
            c.rate = data.rate;
        else if (rate != -1)
            c.rate = clampRate(rate);
        if (volume != -1) c.volume = std::clamp<int>(volume, 0, 100);
        if (pan != -101) c.pan = std::clamp<int>(pan, -100, 100);
        Command cmd = gainCommand(Cmd::SetVoice, ci, c.volume, c.pan);
        cmd.generation = c.generation;
        cmd.inc = stepFor(c.rate);
        e.send(cmd);
        return 1;
    }
    if (const int si = streamIndex(channel); si >= 0) {
        Engine::StreamSlot& s = e.streams[std::size_t(si)];
        if (rate == 0)
            s.stream->playRate.store(s.stream->sourceRate);
        else if (rate != -1)
            s.stream->playRate.store(clampRate(rate));
        if (volume != -1) s.volume = std::clamp<int>(volume, 0, 100);
        if (pan != -101) s.pan = std::clamp<int>(pan, -100, 100);
        if (s.state == Engine::StreamSlot::Playing || s.state == Engine::StreamSlot::Paused)
            e.send(gainCommand(Cmd::SetStream, si, s.volume, s.pan));
        return 1;
    }
    return 0;
}

std::uint32_t BASS_ChannelGetAttributes(std::uint32_t channel, std::int32_t* rate,
                                        std::int32_t* volume, std::int32_t* pan) {
    Engine& e = engine();
    int r, v, p;
    if (const int ci = channelIndex(channel); ci >= 0) {
        const Engine::ChannelSlot& c = e.channels[std::size_t(ci)];
        r = c.rate;
        v = c.volume;
        p = c.pan;
    } else if (const int si = streamIndex(channel); si >= 0) {
        const Engine::StreamSlot& s = e.streams[std::size_t(si)];
        r = s.stream->playRate.load();
        v = s.volume;
        p = s.pan;
    } else {
        return 0;
    }
    if (rate) *rate = r;
    if (volume) *volume = v;
    if (pan) *pan = p;
    return std::uint32_t(r);
}

std::uint32_t BASS_ChannelGetFlags(std::uint32_t channel) {
    Engine& e = engine();
    if (const int ci = channelIndex(channel); ci >= 0) {
        const Engine::ChannelSlot& c = e.channels[std::size_t(ci)];
        const SampleData* d = e.samples[std::size_t(c.sample)].data.get();
        std::uint32_t f = c.loop ? kChannelLoop : 0;
        if (d && d->eightBit) f |= kChannel8Bit;
        if (d && d->channels == 1) f |= kChannelMono;
        return f;
    }
    if (const int si = streamIndex(channel); si >= 0) {
        const Stream& s = *e.streams[std::size_t(si)].stream;
        return (s.sourceChannels == 1 ? kChannelMono : 0) | (s.sourceEightBit ? kChannel8Bit : 0);
    }
    return 0;
}

std::uint32_t BASS_ChannelIsActive(std::uint32_t channel) {
    Engine& e = engine();
    if (const int ci = channelIndex(channel); ci >= 0) {
        if (!e.channelLive(ci)) return kInactive;
        return e.channels[std::size_t(ci)].state == Engine::ChannelSlot::Paused ? kPaused
                                                                                : kPlaying;
    }
    if (const int si = streamIndex(channel); si >= 0) {
        const Engine::StreamSlot& s = e.streams[std::size_t(si)];
        if (s.state == Engine::StreamSlot::Paused) return kPaused;
        if (s.state == Engine::StreamSlot::Playing &&
            !s.stream->ended.load(std::memory_order_acquire))
            return kPlaying;
    }
    return kInactive;
}

namespace {

// Pauses a playing channel or resumes a paused one; 0 when it is in the other state.
std::uint32_t switchPause(std::uint32_t channel, bool pause) {
    Engine& e = engine();
    if (const int ci = channelIndex(channel); ci >= 0) {
        Engine::ChannelSlot& c = e.channels[std::size_t(ci)];
        if (pause && (c.state != Engine::ChannelSlot::Playing || !e.channelLive(ci))) return 0;
        if (!pause && c.state != Engine::ChannelSlot::Paused) return 0;
        e.send(voiceCommand(pause ? Cmd::PauseVoice : Cmd::ResumeVoice, ci, c));
        c.state = pause ? Engine::ChannelSlot::Paused : Engine::ChannelSlot::Playing;
        return 1;
    }
    if (const int si = streamIndex(channel); si >= 0) {
        Engine::StreamSlot& s = e.streams[std::size_t(si)];
        if (pause && (s.state != Engine::StreamSlot::Playing || s.stream->ended.load())) return 0;
        if (!pause && s.state != Engine::StreamSlot::Paused) return 0;
        e.send(streamCommand(pause ? Cmd::PauseStream : Cmd::ResumeStream, si));
        s.state = pause ? Engine::StreamSlot::Paused : Engine::StreamSlot::Playing;
        return 1;
    }
    return 0;
}

} // namespace

std::uint32_t BASS_ChannelPause(std::uint32_t channel) {
    return switchPause(channel, true);
}

std::uint32_t BASS_ChannelResume(std::uint32_t channel) {
    return switchPause(channel, false);
}

std::uint32_t BASS_ChannelStop(std::uint32_t channel) {
    Engine& e = engine();
    if (const int ci = channelIndex(channel); ci >= 0) {
        stopChannel(e, ci);
        return 1;
    }
    if (const int si = streamIndex(channel); si >= 0) {
        stopStreamSound(e, si);
        e.streams[std::size_t(si)].state = Engine::StreamSlot::Stopped;
        return 1;
    }
    return 0;
}

std::uint32_t BASS_StreamCreateFile(std::uint32_t fromMemory, const char* file,
                                    std::uint32_t offset, std::uint32_t length,
                                    std::uint32_t flags) {
    Engine& e = engine();
    if (!e.initialised || fromMemory || !file || offset || length) return 0;
    int slot = -1;
    for (int i = 0; i < kMaxStreams && slot < 0; ++i)
        if (e.streams[std::size_t(i)].state == Engine::StreamSlot::Free) slot = i;
    if (slot < 0) return 0;
    auto stream = openStream(file);
    if (!stream) return 0;
    Engine::StreamSlot& s = e.streams[std::size_t(slot)];
    s.generation = nextGeneration(s.generation);
    s.state = Engine::StreamSlot::Created;
    s.volume = 100;
    s.pan = 0;
    s.stream = stream;
    e.decoder.add(std::move(stream));
    return makeHandle(Kind::Stream, slot, s.generation);
}

std::uint32_t BASS_StreamPlay(std::uint32_t stream, std::uint32_t, std::uint32_t) {
    Engine& e = engine();
    const int si = streamIndex(stream);
    if (si < 0) return 0;
    Engine::StreamSlot& s = e.streams[std::size_t(si)];
    switch (s.state) {
    case Engine::StreamSlot::Created: {
        Command cmd = gainCommand(Cmd::StartStream, si, s.volume, s.pan);
        cmd.ptr = s.stream.get();
        e.send(cmd);
        s.state = Engine::StreamSlot::Playing;
        return 1;
    }
    case Engine::StreamSlot::Paused:
        return BASS_ChannelResume(stream);
    case Engine::StreamSlot::Playing:
        return s.stream->ended.load() ? 0 : 1;
    default:
        return 0;
    }
}

std::uint64_t BASS_StreamGetLength(std::uint32_t stream) {
    Engine& e = engine();
    const int si = streamIndex(stream);
    if (si < 0) return kNotAStream;
    const Stream& s = *e.streams[std::size_t(si)].stream;
    return std::uint64_t(s.frames) * std::uint64_t(s.sourceChannels) * (s.sourceEightBit ? 1 : 2);
}

std::uint64_t BASS_MusicGetLength(std::uint32_t, std::uint32_t) {
    return 0;
}

std::uint32_t BASS_StreamFree(std::uint32_t stream) {
    Engine& e = engine();
    const int si = streamIndex(stream);
    if (si < 0) return 0;
    stopStreamSound(e, si);
    Engine::StreamSlot& s = e.streams[std::size_t(si)];
    e.decoder.remove(s.stream.get());
    e.retire(std::move(s.stream));
    s.stream.reset();
    s.state = Engine::StreamSlot::Free;
    return 1;
}
