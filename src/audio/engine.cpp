#include "audio/engine_impl.h"

#include <algorithm>
#include <cmath>

namespace vs::audio {
namespace {

// Outlive BASS_Init/BASS_Free so a volume set before the engine starts still holds.
std::atomic<float> g_line[3] = {1.0f, 1.0f, 1.0f};
std::atomic<float> g_master{1.0f};

float clampGain(float g) {
    if (!(g >= 0.0f)) return 0.0f; // NaN as well
    return std::min(g, 1.0f);
}

} // namespace

float lineGainRaw(int line) noexcept {
    return g_line[line].load(std::memory_order_relaxed);
}
float masterGainRaw() noexcept {
    return g_master.load(std::memory_order_relaxed);
}

void setLineGain(Line line, float gain) {
    g_line[int(line)].store(clampGain(gain), std::memory_order_relaxed);
}
float lineGain(Line line) {
    return g_line[int(line)].load(std::memory_order_relaxed);
}
void setMasterGain(float gain) {
    g_master.store(clampGain(gain), std::memory_order_relaxed);
}
float masterGain() {
    return g_master.load(std::memory_order_relaxed);
}

bool setLineSource(Line line, std::shared_ptr<LineSource> source) {
    auto& e = detail::Engine::instance();
    if (!e.initialised || line == Line::Wave) return false;
    e.collect();
    const int l = int(line);
    detail::Command c{};
    c.type = detail::Cmd::SetSource;
    c.slot = std::uint16_t(l);
    c.ptr = source.get();
    e.send(c);
    if (e.sources[std::size_t(l)]) e.retire(std::move(e.sources[std::size_t(l)]));
    e.sources[std::size_t(l)] = std::move(source);
    return true;
}

int outputDeviceCount() {
    return sdlOutputDeviceCount();
}

int renderOffline(float* out, int frames) {
    auto& e = detail::Engine::instance();
    if (frames <= 0) return 0;
    if (!e.initialised || !e.offline) {
        std::fill(out, out + 2 * frames, 0.0f);
        return 0;
    }
    e.mixer.render(out, frames);
    return frames;
}

namespace detail {

StereoGain stereoGain(int volume, int pan) {
    const float v = float(std::clamp(volume, 0, 100)) / 100.0f;
    const float p = float(std::clamp(pan, -100, 100)) / 100.0f;
    return {v * std::min(1.0f, 1.0f - p), v * std::min(1.0f, 1.0f + p)};
}

std::uint64_t stepFor(int rate) {
    return std::uint64_t(std::llround(double(rate) / kMixRate * double(kOne)));
}

Engine& Engine::instance() {
    static Engine e;
    return e;
}

Engine::~Engine() {
    if (output) output->close();
    decoder.stop();
}

void Engine::send(const Command& c) {
    ++sent_;
    if (spill_.empty() && mixer.commands.push(c)) return;
    spill_.push_back(c);
}

void Engine::retire(std::shared_ptr<const void> what) {
    if (what) retired_.emplace_back(sent_, std::move(what));
}

void Engine::collect() {
    while (!spill_.empty() && mixer.commands.push(spill_.front()))
        spill_.pop_front();
    const std::uint64_t done = mixer.processed.load(std::memory_order_acquire);
    while (!retired_.empty() && retired_.front().first <= done)
        retired_.pop_front();
}

void Engine::clear() {
    mixer.reset();
    spill_.clear();
    retired_.clear();
    sent_ = 0;
    for (auto& s : samples)
        s.data.reset();
    for (auto& c : channels)
        c.state = ChannelSlot::Free;
    for (auto& s : streams) {
        s.stream.reset();
        s.state = StreamSlot::Free;
    }
    for (auto& s : sources)
        s.reset();
}

bool Engine::channelLive(int slot) const {
    const ChannelSlot& c = channels[std::size_t(slot)];
    if (c.state == ChannelSlot::Paused) return true;
    if (c.state != ChannelSlot::Playing) return false;
    return mixer.voiceEnded[std::size_t(slot)].load(std::memory_order_acquire) != c.generation;
}

std::uint32_t makeHandle(Kind kind, int index, std::uint32_t generation) {
    return (generation << 12) | (std::uint32_t(kind) << 10) | std::uint32_t(index);
}

std::uint32_t nextGeneration(std::uint32_t g) {
    g = (g + 1) & 0xFFFFF;
    return g == 0 ? 1 : g;
}

namespace {
int indexOf(std::uint32_t handle, Kind kind, std::uint32_t generationAt(int), int limit) {
    if (((handle >> 10) & 3) != std::uint32_t(kind)) return -1;
    const int index = int(handle & 0x3FF);
    if (index >= limit) return -1;
    const std::uint32_t gen = handle >> 12;
    if (gen == 0 || gen != generationAt(index)) return -1;
    return index;
}
} // namespace

int sampleIndex(std::uint32_t handle) {
    auto& e = Engine::instance();
    if (!e.initialised) return -1;
    const int i = indexOf(
        handle, Kind::Sample,
        [](int k) { return Engine::instance().samples[std::size_t(k)].generation; }, kMaxSamples);
    return i >= 0 && e.samples[std::size_t(i)].data ? i : -1;
}

int channelIndex(std::uint32_t handle) {
    auto& e = Engine::instance();
    if (!e.initialised) return -1;
    const int i = indexOf(
        handle, Kind::Channel,
        [](int k) { return Engine::instance().channels[std::size_t(k)].generation; }, kMaxVoices);
    return i >= 0 && e.channels[std::size_t(i)].state != Engine::ChannelSlot::Free ? i : -1;
}

int streamIndex(std::uint32_t handle) {
    auto& e = Engine::instance();
    if (!e.initialised) return -1;
    const int i = indexOf(
        handle, Kind::Stream,
        [](int k) { return Engine::instance().streams[std::size_t(k)].generation; }, kMaxStreams);
    return i >= 0 && e.streams[std::size_t(i)].state != Engine::StreamSlot::Free ? i : -1;
}

} // namespace detail
} // namespace vs::audio
