// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's control side (UI thread): the tables of samples, voices and
// streams, the ordered command channel to the mixer, the output's life cycle,
// and the offline render. The mixer itself is in mixer.cpp, file decoding in
// decoding.cpp.
#include "audio/engine_impl.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <deque>
#include <thread>
#include <utility>

namespace vs::audio {

using namespace detail;

namespace {

float clampGain(float g) {
    if (!(g >= 0.0f)) return 0.0f; // NaN as well
    return std::min(g, 1.0f);
}

// Generations fit the 20 bits bass.cpp packs them into, and are never 0.
std::uint32_t nextGeneration(std::uint32_t g) {
    g = (g + 1) & 0xFFFFF;
    return g == 0 ? 1 : g;
}

void renderCallback(void* context, float* out, int frames) {
    static_cast<Mixer*>(context)->render(out, frames);
}

// The offline render asks the mixer for at most this much at once, so what it
// waits for always fits in a stream's ring.
constexpr int kOfflinePiece = 4096;
static_assert(2 * kOfflinePiece <= 2 * kMixRate, "a piece must fit in a stream's ring");
// How long the offline render waits for a stream's decoder per piece before it
// gives up and plays the gap (a decoder stuck on a broken file).
constexpr auto kOfflineWaitLimit = std::chrono::seconds(5);

} // namespace

struct Engine::Impl {
    struct SampleSlot {
        std::uint32_t generation = 0;
        std::shared_ptr<SampleData> data;
    };
    struct VoiceSlot {
        enum State { Free, Playing, Paused, Stopped } state = Free;
        std::uint32_t generation = 0;
        int sample = -1;
        int rate = 0, volume = 100, pan = 0;
        bool loop = false;
        bool bothEars = false;
        PulseSettings pulse;
        std::uint64_t order = 0; // when it started, for taking over the oldest
    };
    struct StreamSlot {
        enum State { Free, Created, Playing, Paused, Stopped } state = Free;
        std::uint32_t generation = 0;
        std::shared_ptr<Stream> stream;
        int volume = 100, pan = 0;
    };

    bool open = false;
    bool offline = false;
    bool paused = false;
    Mixer mixer;
    std::unique_ptr<AudioOutput> output;
    std::string deviceName; // the output's, "" the default
    Decoder decoder;
    std::array<SampleSlot, kMaxSamples> samples;
    std::array<VoiceSlot, kMaxVoices> voices;
    std::array<StreamSlot, kMaxStreams> streams;
    std::array<std::shared_ptr<LineSource>, 3> sources;
    std::uint64_t playOrder = 0;
    std::uint64_t sent = 0;
    std::deque<Command> spill;
    std::deque<std::pair<std::uint64_t, std::shared_ptr<const void>>> retired;

    // Queues a command in order; never drops one (a full queue spills into a
    // list that is fed in first on later calls).
    void send(const Command& c) {
        ++sent;
        if (spill.empty() && mixer.commands.push(c)) return;
        spill.push_back(c);
    }
    // Keeps `what` alive until the audio thread has applied every command sent so far.
    void retire(std::shared_ptr<const void> what) {
        if (what) retired.emplace_back(sent, std::move(what));
    }
    // Feeds spilled commands and frees what the audio thread has let go of.
    // Every UI-thread entry point starts with it.
    void collect() {
        if (!open) return;
        while (!spill.empty() && mixer.commands.push(spill.front()))
            spill.pop_front();
        const std::uint64_t done = mixer.processed.load(std::memory_order_acquire);
        while (!retired.empty() && retired.front().first <= done)
            retired.pop_front();
    }
    // Drops every object and everything retired; only while no audio thread
    // runs. Generations stay, so ids from before stay dead.
    void clear() {
        mixer.reset();
        spill.clear();
        retired.clear();
        sent = 0;
        for (auto& s : samples)
            s.data.reset();
        for (auto& v : voices)
            v.state = VoiceSlot::Free;
        for (auto& s : streams) {
            s.stream.reset();
            s.state = StreamSlot::Free;
        }
        for (auto& s : sources)
            s.reset();
    }

    // Slot of a live id, or -1.
    int sampleSlot(SampleId id) const {
        if (!open || id.generation == 0 || id.slot >= kMaxSamples) return -1;
        const SampleSlot& s = samples[id.slot];
        return s.generation == id.generation && s.data ? id.slot : -1;
    }
    int voiceSlot(VoiceId id) const {
        if (!open || id.generation == 0 || id.slot >= kMaxVoices) return -1;
        const VoiceSlot& v = voices[id.slot];
        return v.generation == id.generation && v.state != VoiceSlot::Free ? id.slot : -1;
    }
    int streamSlot(StreamId id) const {
        if (!open || id.generation == 0 || id.slot >= kMaxStreams) return -1;
        const StreamSlot& s = streams[id.slot];
        return s.generation == id.generation && s.state != StreamSlot::Free ? id.slot : -1;
    }

    // A voice slot is still sounding or paused (not ended, stopped or free).
    bool voiceLive(int slot) const {
        const VoiceSlot& v = voices[std::size_t(slot)];
        if (v.state == VoiceSlot::Paused) return true;
        if (v.state != VoiceSlot::Playing) return false;
        return mixer.voiceEnded[std::size_t(slot)].load(std::memory_order_acquire) != v.generation;
    }

    static Command command(Cmd type, int slot) {
        Command c{};
        c.type = type;
        c.slot = std::uint16_t(slot);
        return c;
    }
    Command voiceCommand(Cmd type, int slot) const {
        Command c = command(type, slot);
        c.generation = voices[std::size_t(slot)].generation;
        return c;
    }
    static Command gainCommand(Cmd type, int slot, int volume, int pan) {
        const StereoGain g = stereoGain(volume, pan);
        Command c = command(type, slot);
        c.gainL = g.l;
        c.gainR = g.r;
        return c;
    }

    void stopVoice(int slot) {
        VoiceSlot& v = voices[std::size_t(slot)];
        if (v.state == VoiceSlot::Playing || v.state == VoiceSlot::Paused)
            send(voiceCommand(Cmd::StopVoice, slot));
        v.state = VoiceSlot::Stopped;
    }
    void stopVoicesOf(int sample) {
        for (int i = 0; i < kMaxVoices; ++i)
            if (voices[std::size_t(i)].state != VoiceSlot::Free &&
                voices[std::size_t(i)].sample == sample)
                stopVoice(i);
    }
    // A new output on `name` for the mixer, in the engine's pause state; the
    // old one must be closed already. False (and no output) when it will not open.
    bool openOutput(const std::string& name) {
        output = makeOutput();
        if (!output || !output->open(name, &renderCallback, &mixer)) {
            output.reset();
            return false;
        }
        deviceName = name;
        output->setPaused(paused);
        return true;
    }
    void closeOutput() {
        if (output) output->close(); // from here on no audio thread touches the mixer
        output.reset();
    }

    // Silences a stream that is sounding or paused; the slot's state is the caller's.
    void silenceStream(int slot) {
        const auto state = streams[std::size_t(slot)].state;
        if (state == StreamSlot::Playing || state == StreamSlot::Paused)
            send(command(Cmd::StopStream, slot));
    }
};

int Engine::outputDeviceCount() {
    return sdlOutputDeviceCount();
}

std::vector<std::string> Engine::outputDeviceNames() {
    const auto output = makeOutput();
    return output ? output->devices() : std::vector<std::string>{};
}

Engine::Engine() : impl_(std::make_unique<Impl>()) {}

Engine::~Engine() {
    if (impl_->output) impl_->output->close();
    impl_->decoder.stop();
}

// --- Output ------------------------------------------------------------------

bool Engine::openDevice(int device) {
    if (device == 0 || device < -1) return false;
    if (device == -1) return openDevice(std::string());
    const auto output = makeOutput();
    const auto names = output ? output->devices() : std::vector<std::string>{};
    if (std::size_t(device) > names.size()) return false;
    return openDevice(names[std::size_t(device) - 1]);
}

bool Engine::openDevice(const std::string& name) {
    Impl& m = *impl_;
    if (m.open) return false;
    m.clear();
    m.offline = false;
    m.paused = true;
    if (!m.openOutput(name)) return false;
    m.decoder.start();
    m.open = true;
    m.paused = false;
    m.output->setPaused(false);
    return true;
}

bool Engine::openOffline() {
    Impl& m = *impl_;
    if (m.open) return false;
    m.clear();
    m.offline = true;
    m.paused = false;
    m.decoder.start();
    m.open = true;
    return true;
}

bool Engine::close() {
    Impl& m = *impl_;
    if (!m.open) return false;
    m.closeOutput();
    m.deviceName.clear();
    m.decoder.stop();
    m.clear();
    m.open = false;
    m.offline = false;
    return true;
}

bool Engine::pauseOutput() {
    Impl& m = *impl_;
    m.collect();
    if (!m.open) return false;
    m.paused = true;
    if (m.output) m.output->setPaused(true);
    return true;
}

bool Engine::resumeOutput() {
    Impl& m = *impl_;
    m.collect();
    if (!m.open) return false;
    m.paused = false;
    if (m.output) m.output->setPaused(false);
    return true;
}

bool Engine::isOpen() const {
    return impl_->open;
}

bool Engine::isOffline() const {
    return impl_->open && impl_->offline;
}

std::string Engine::deviceName() const {
    return impl_->deviceName;
}

int Engine::deviceChannels() const {
    const Impl& m = *impl_;
    return m.output ? m.output->channels() : 0;
}

bool Engine::moveToDevice(const std::string& name) {
    Impl& m = *impl_;
    m.collect();
    if (!m.open || m.offline) return false;
    const std::string before = m.deviceName;
    m.closeOutput();
    if (m.openOutput(name)) return true;
    if (!m.openOutput(before)) m.openOutput(std::string());
    return false;
}

Engine::DeviceMove Engine::keepDevice() {
    Impl& m = *impl_;
    m.collect();
    if (!m.open || m.offline || (m.output && !m.output->lost())) return DeviceMove::None;
    m.closeOutput();
    return m.openOutput(std::string()) ? DeviceMove::ToDefault : DeviceMove::NoDevice;
}

void Engine::setSwapChannels(bool swap) {
    impl_->mixer.swapChannels.store(swap, std::memory_order_relaxed);
}

bool Engine::swapChannels() const {
    return impl_->mixer.swapChannels.load(std::memory_order_relaxed);
}

// --- Samples -----------------------------------------------------------------

SampleId Engine::loadSample(const std::string& path, const SampleOptions& options,
                            int maxPlaybacks) {
    Impl& m = *impl_;
    m.collect();
    if (!m.open || maxPlaybacks < 1) return {};
    int slot = -1;
    for (int i = 0; i < kMaxSamples && slot < 0; ++i)
        if (!m.samples[std::size_t(i)].data) slot = i;
    if (slot < 0) return {};
    auto data = decodeSample(path, options);
    if (!data) return {};
    data->maxPlaybacks = std::uint32_t(std::min(maxPlaybacks, kMaxVoices));
    data->replaceOldest = options.takeOverOldest;
    Impl::SampleSlot& s = m.samples[std::size_t(slot)];
    s.generation = nextGeneration(s.generation);
    s.data = std::move(data);
    return SampleId{std::uint16_t(slot), s.generation};
}

bool Engine::freeSample(SampleId sample) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.sampleSlot(sample);
    if (si < 0) return false;
    m.stopVoicesOf(si);
    for (auto& v : m.voices)
        if (v.sample == si) v.state = Impl::VoiceSlot::Free;
    Impl::SampleSlot& s = m.samples[std::size_t(si)];
    m.retire(std::move(s.data));
    s.data.reset();
    return true;
}

bool Engine::stopSample(SampleId sample) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.sampleSlot(sample);
    if (si < 0) return false;
    m.stopVoicesOf(si);
    return true;
}

std::optional<SampleInfo> Engine::sampleInfo(SampleId sample) const {
    Impl& m = *impl_;
    m.collect();
    const int si = m.sampleSlot(sample);
    if (si < 0) return std::nullopt;
    const SampleData& d = *m.samples[std::size_t(si)].data;
    return SampleInfo{d.rate, d.channels, d.frames, d.eightBit};
}

// --- Voices ------------------------------------------------------------------

VoiceId Engine::play(SampleId sample, const PlayParams& params) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.sampleSlot(sample);
    if (si < 0) return {};
    const SampleData& data = *m.samples[std::size_t(si)].data;
    if (params.startFrame < 0 || params.startFrame >= data.frames) return {};

    // Room for one more playback of this sample, or the oldest one to take over.
    int live = 0, oldest = -1, slot = -1;
    for (int i = 0; i < kMaxVoices; ++i) {
        const Impl::VoiceSlot& v = m.voices[std::size_t(i)];
        if (v.state != Impl::VoiceSlot::Free && v.sample == si && m.voiceLive(i)) {
            ++live;
            if (oldest < 0 || v.order < m.voices[std::size_t(oldest)].order) oldest = i;
        }
    }
    if (live >= int(data.maxPlaybacks)) {
        if (!data.replaceOldest) return {};
        m.stopVoice(oldest);
        slot = oldest;
    } else {
        for (int i = 0; i < kMaxVoices && slot < 0; ++i)
            if (!m.voiceLive(i)) slot = i;
        if (slot < 0) return {};
    }

    Impl::VoiceSlot& v = m.voices[std::size_t(slot)];
    v.generation = nextGeneration(v.generation);
    v.state = Impl::VoiceSlot::Playing;
    v.sample = si;
    v.rate = params.rate.resolve(data.rate);
    v.volume = clampVolume(params.volume);
    v.pan = clampPan(params.pan);
    v.loop = params.loop;
    v.bothEars = params.bothEars;
    v.pulse = params.pulse;
    v.order = ++m.playOrder;

    Command cmd = Impl::gainCommand(Cmd::StartVoice, slot, v.volume, v.pan);
    cmd.generation = v.generation;
    cmd.ptr = &data;
    cmd.pos = std::uint64_t(params.startFrame) << 32;
    cmd.inc = stepFor(v.rate);
    cmd.loop = v.loop;
    cmd.bothEars = v.bothEars;
    cmd.pulseOn = v.pulse.on;
    cmd.pulseHz = v.pulse.rateHz;
    m.send(cmd);
    return VoiceId{std::uint16_t(slot), v.generation};
}

bool Engine::setVoice(VoiceId voice, const AttributeChange& change) {
    Impl& m = *impl_;
    m.collect();
    const int vi = m.voiceSlot(voice);
    if (vi < 0 || !m.voiceLive(vi)) return false;
    Impl::VoiceSlot& v = m.voices[std::size_t(vi)];
    const SampleData& data = *m.samples[std::size_t(v.sample)].data;
    if (change.rate) v.rate = change.rate->resolve(data.rate);
    if (change.volume) v.volume = clampVolume(*change.volume);
    if (change.pan) v.pan = clampPan(*change.pan);
    if (change.pulse) v.pulse = *change.pulse;
    Command cmd = Impl::gainCommand(Cmd::SetVoice, vi, v.volume, v.pan);
    cmd.generation = v.generation;
    cmd.inc = stepFor(v.rate);
    cmd.pulseOn = v.pulse.on;
    cmd.pulseHz = v.pulse.rateHz;
    m.send(cmd);
    return true;
}

bool Engine::pauseVoice(VoiceId voice) {
    Impl& m = *impl_;
    m.collect();
    const int vi = m.voiceSlot(voice);
    if (vi < 0) return false;
    Impl::VoiceSlot& v = m.voices[std::size_t(vi)];
    if (v.state != Impl::VoiceSlot::Playing || !m.voiceLive(vi)) return false;
    m.send(m.voiceCommand(Cmd::PauseVoice, vi));
    v.state = Impl::VoiceSlot::Paused;
    return true;
}

bool Engine::resumeVoice(VoiceId voice) {
    Impl& m = *impl_;
    m.collect();
    const int vi = m.voiceSlot(voice);
    if (vi < 0) return false;
    Impl::VoiceSlot& v = m.voices[std::size_t(vi)];
    if (v.state != Impl::VoiceSlot::Paused) return false;
    m.send(m.voiceCommand(Cmd::ResumeVoice, vi));
    v.state = Impl::VoiceSlot::Playing;
    return true;
}

bool Engine::stopVoice(VoiceId voice) {
    Impl& m = *impl_;
    m.collect();
    const int vi = m.voiceSlot(voice);
    if (vi < 0) return false;
    m.stopVoice(vi);
    return true;
}

PlayState Engine::voiceState(VoiceId voice) const {
    Impl& m = *impl_;
    m.collect();
    const int vi = m.voiceSlot(voice);
    if (vi < 0 || !m.voiceLive(vi)) return PlayState::Inactive;
    return m.voices[std::size_t(vi)].state == Impl::VoiceSlot::Paused ? PlayState::Paused
                                                                      : PlayState::Playing;
}

std::optional<VoiceInfo> Engine::voiceInfo(VoiceId voice) const {
    Impl& m = *impl_;
    m.collect();
    const int vi = m.voiceSlot(voice);
    if (vi < 0) return std::nullopt;
    const Impl::VoiceSlot& v = m.voices[std::size_t(vi)];
    const SampleId sample{std::uint16_t(v.sample), m.samples[std::size_t(v.sample)].generation};
    return VoiceInfo{sample, v.rate, v.volume, v.pan, v.loop, v.bothEars, v.pulse};
}

// --- Streams -----------------------------------------------------------------

StreamId Engine::createStream(const std::string& path) {
    Impl& m = *impl_;
    m.collect();
    if (!m.open) return {};
    int slot = -1;
    for (int i = 0; i < kMaxStreams && slot < 0; ++i)
        if (m.streams[std::size_t(i)].state == Impl::StreamSlot::Free) slot = i;
    if (slot < 0) return {};
    auto stream = openStream(path);
    if (!stream) return {};
    Impl::StreamSlot& s = m.streams[std::size_t(slot)];
    s.generation = nextGeneration(s.generation);
    s.state = Impl::StreamSlot::Created;
    s.volume = 100;
    s.pan = 0;
    s.stream = stream;
    m.decoder.add(std::move(stream));
    return StreamId{std::uint16_t(slot), s.generation};
}

bool Engine::playStream(StreamId stream) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return false;
    Impl::StreamSlot& s = m.streams[std::size_t(si)];
    switch (s.state) {
    case Impl::StreamSlot::Created: {
        Command cmd = Impl::gainCommand(Cmd::StartStream, si, s.volume, s.pan);
        cmd.ptr = s.stream.get();
        m.send(cmd);
        s.state = Impl::StreamSlot::Playing;
        return true;
    }
    case Impl::StreamSlot::Paused:
        return resumeStream(stream);
    case Impl::StreamSlot::Playing:
        return !s.stream->ended.load(std::memory_order_acquire);
    default:
        return false;
    }
}

bool Engine::pauseStream(StreamId stream) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return false;
    Impl::StreamSlot& s = m.streams[std::size_t(si)];
    if (s.state != Impl::StreamSlot::Playing || s.stream->ended.load(std::memory_order_acquire))
        return false;
    m.send(Impl::command(Cmd::PauseStream, si));
    s.state = Impl::StreamSlot::Paused;
    return true;
}

bool Engine::resumeStream(StreamId stream) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return false;
    Impl::StreamSlot& s = m.streams[std::size_t(si)];
    if (s.state != Impl::StreamSlot::Paused) return false;
    m.send(Impl::command(Cmd::ResumeStream, si));
    s.state = Impl::StreamSlot::Playing;
    return true;
}

bool Engine::stopStream(StreamId stream) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return false;
    m.silenceStream(si);
    m.streams[std::size_t(si)].state = Impl::StreamSlot::Stopped;
    return true;
}

bool Engine::freeStream(StreamId stream) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return false;
    m.silenceStream(si);
    Impl::StreamSlot& s = m.streams[std::size_t(si)];
    m.decoder.remove(s.stream.get());
    m.retire(std::move(s.stream));
    s.stream.reset();
    s.state = Impl::StreamSlot::Free;
    return true;
}

PlayState Engine::streamState(StreamId stream) const {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return PlayState::Inactive;
    const Impl::StreamSlot& s = m.streams[std::size_t(si)];
    if (s.state == Impl::StreamSlot::Paused) return PlayState::Paused;
    if (s.state == Impl::StreamSlot::Playing && !s.stream->ended.load(std::memory_order_acquire))
        return PlayState::Playing;
    return PlayState::Inactive;
}

bool Engine::setStream(StreamId stream, const AttributeChange& change) {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return false;
    Impl::StreamSlot& s = m.streams[std::size_t(si)];
    if (change.rate) s.stream->playRate.store(change.rate->resolve(s.stream->sourceRate));
    if (change.volume) s.volume = clampVolume(*change.volume);
    if (change.pan) s.pan = clampPan(*change.pan);
    if (s.state == Impl::StreamSlot::Playing || s.state == Impl::StreamSlot::Paused)
        m.send(Impl::gainCommand(Cmd::SetStream, si, s.volume, s.pan));
    return true;
}

std::optional<StreamInfo> Engine::streamInfo(StreamId stream) const {
    Impl& m = *impl_;
    m.collect();
    const int si = m.streamSlot(stream);
    if (si < 0) return std::nullopt;
    const Impl::StreamSlot& slot = m.streams[std::size_t(si)];
    const Stream& s = *slot.stream;
    return StreamInfo{s.playRate.load(), slot.volume, slot.pan,        s.sourceRate,
                      s.sourceChannels,  s.frames,    s.sourceEightBit};
}

// --- Lines and gains ---------------------------------------------------------

bool Engine::setLineSource(Line line, std::shared_ptr<LineSource> source) {
    Impl& m = *impl_;
    m.collect();
    if (!m.open || line == Line::Wave) return false;
    const auto l = std::size_t(line);
    Command c = Impl::command(Cmd::SetSource, int(l));
    c.ptr = source.get();
    m.send(c);
    if (m.sources[l]) m.retire(std::move(m.sources[l]));
    m.sources[l] = std::move(source);
    return true;
}

void Engine::setLineGain(Line line, float gain) {
    impl_->mixer.lineGain[int(line)].store(clampGain(gain), std::memory_order_relaxed);
}

float Engine::lineGain(Line line) const {
    return impl_->mixer.lineGain[int(line)].load(std::memory_order_relaxed);
}

void Engine::setMasterGain(float gain) {
    impl_->mixer.masterGain.store(clampGain(gain), std::memory_order_relaxed);
}

float Engine::masterGain() const {
    return impl_->mixer.masterGain.load(std::memory_order_relaxed);
}

void Engine::setLightSignal(bool on) {
    impl_->mixer.lightOn.store(on, std::memory_order_relaxed);
}

void Engine::setLightByte(std::uint8_t byte) {
    impl_->mixer.lightByte.store(byte, std::memory_order_relaxed);
}

bool Engine::lightSignal() const {
    return impl_->mixer.lightOn.load(std::memory_order_relaxed);
}

std::uint8_t Engine::lightByte() const {
    return std::uint8_t(impl_->mixer.lightByte.load(std::memory_order_relaxed));
}

// --- Offline render ----------------------------------------------------------

int Engine::renderOffline(float* out, int frames) {
    Impl& m = *impl_;
    if (frames <= 0) return 0;
    if (!m.open || !m.offline) {
        std::fill(out, out + 2 * frames, 0.0f);
        return 0;
    }
    m.mixer.applyCommands();
    for (int done = 0; done < frames;) {
        const int n = std::min(kOfflinePiece, frames - done);
        // No device is waiting on us: let the decoder (and a line source's
        // reader, which tops its ring up by itself) catch up instead of
        // playing a gap (bounded, in case it is stuck on a broken file). The
        // waiting is here, never in the mixer.
        if (!m.mixer.streamsBuffered(n)) {
            const auto giveUp = std::chrono::steady_clock::now() + kOfflineWaitLimit;
            do {
                m.decoder.wake();
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            } while (!m.mixer.streamsBuffered(n) && std::chrono::steady_clock::now() < giveUp);
        }
        m.mixer.mix(out + 2 * done, n);
        done += n;
    }
    return frames;
}

namespace detail {

StereoGain stereoGain(int volume, int pan) {
    const float v = float(volume) / 100.0f;
    const float p = float(pan) / 100.0f;
    return {v * std::min(1.0f, 1.0f - p), v * std::min(1.0f, 1.0f + p)};
}

std::uint64_t stepFor(int rate) {
    return std::uint64_t(std::llround(double(rate) / kMixRate * double(kOne)));
}

} // namespace detail

} // namespace vs::audio
