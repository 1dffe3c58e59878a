// SPDX-License-Identifier: GPL-3.0-or-later
// The audio thread's side of the engine. Nothing in this file may lock,
// allocate, sleep, wait, do I/O or log.
#include "audio/engine_impl.h"
#include "audio/tone_interpolation.h"

#include <algorithm>
#include <cstring>

namespace vs::audio::detail {
namespace {

// Sample `i` of a channel, wrapping for a loop, silence outside a one-shot.
inline float tap(const float* d, std::int64_t n, std::int64_t i, bool loop) noexcept {
    if (i >= 0 && i < n) return d[i];
    if (!loop) return 0.0f;
    i %= n;
    if (i < 0) i += n;
    return d[i];
}

inline void ramp(float* bus, const float* src, int n, float from, float to) noexcept {
    if (from == to) {
        if (from == 0.0f) return;
        for (int k = 0; k < n; ++k)
            bus[k] += src[k] * to;
        return;
    }
    const float step = (to - from) / float(n);
    float g = from;
    for (int k = 0; k < n; ++k) {
        g += step;
        bus[k] += src[k] * g;
    }
}

// renderChannel with the kernel `Run` for the runs whose taps all lie inside.
template <auto Run>
int renderWith(const float* d, std::int64_t n, std::uint64_t& pos, std::uint64_t inc, bool loop,
               float* out, int count) noexcept {
    const std::uint64_t span = std::uint64_t(n) << 32;
    int k = 0;
    // Material at the mix rate on a whole frame: a copy, exact and cheap.
    if (inc == kOne && std::uint32_t(pos) == 0) {
        while (k < count) {
            std::int64_t i = std::int64_t(pos >> 32);
            if (i >= n) {
                if (!loop) break;
                pos -= span;
                i -= n;
            }
            const int m = int(std::min<std::int64_t>(count - k, n - i));
            std::memcpy(out + k, d + i, sizeof(float) * std::size_t(m));
            k += m;
            pos += std::uint64_t(m) << 32;
        }
        if (loop && pos >= span) pos -= span;
        return k;
    }
    // Positions whose six taps all lie inside the data: pos < (n - 3) << 32.
    const std::uint64_t fastEnd = n > 6 ? std::uint64_t(n - 3) << 32 : 0;
    while (k < count) {
        if (pos >= kOne * 2 && pos < fastEnd) {
            std::uint64_t m64 = (fastEnd - 1 - pos) / inc + 1;
            const int m = int(std::min<std::uint64_t>(m64, std::uint64_t(count - k)));
            pos = Run(d, n, pos, inc, out + k, m);
            k += m;
        } else {
            const std::int64_t i = std::int64_t(pos >> 32);
            if (i >= n) {
                if (!loop) break;
                pos %= span;
                continue;
            }
            const float taps[6] = {tap(d, n, i - 2, loop), tap(d, n, i - 1, loop),
                                   tap(d, n, i, loop),     tap(d, n, i + 1, loop),
                                   tap(d, n, i + 2, loop), tap(d, n, i + 3, loop)};
            out[k++] = hermite6(taps + 2, fraction(pos));
            pos += inc;
        }
        if (loop && pos >= span) pos %= span;
    }
    return k;
}

} // namespace

int renderChannel(const float* d, std::int64_t n, std::uint64_t& pos, std::uint64_t inc, bool loop,
                  float* out, int count) noexcept {
    return renderWith<interpolateVector>(d, n, pos, inc, loop, out, count);
}

int renderChannelScalar(const float* d, std::int64_t n, std::uint64_t& pos, std::uint64_t inc,
                        bool loop, float* out, int count) noexcept {
    return renderWith<interpolateScalar>(d, n, pos, inc, loop, out, count);
}

Mixer::Mixer() {
    for (auto& e : voiceEnded)
        e.store(0, std::memory_order_relaxed);
}

void Mixer::reset() noexcept {
    Command c;
    while (commands.pop(c)) {
    }
    voices_ = {};
    streams_ = {};
    sources_ = {};
    activeCount_ = 0;
    for (int l = 0; l < 3; ++l)
        lastLine_[l] = lineGain[l].load(std::memory_order_relaxed);
    lastMaster_ = masterGain.load(std::memory_order_relaxed);
    swapped_ = swapChannels.load(std::memory_order_relaxed) ? 1.0f : 0.0f;
    for (auto& e : voiceEnded)
        e.store(0, std::memory_order_relaxed);
    processed.store(0, std::memory_order_release);
}

void Mixer::unlist(int slot) noexcept {
    Voice& v = voices_[std::size_t(slot)];
    v.sample = nullptr;
    if (!v.listed) return;
    v.listed = false;
    for (int i = 0; i < activeCount_; ++i) {
        if (active_[std::size_t(i)] == slot) {
            active_[std::size_t(i)] = active_[std::size_t(--activeCount_)];
            break;
        }
    }
}

void Mixer::apply(const Command& c) noexcept {
    switch (c.type) {
    case Cmd::StartVoice: {
        Voice& v = voices_[c.slot];
        v.sample = static_cast<const SampleData*>(c.ptr);
        v.generation = c.generation;
        v.pos = c.pos;
        v.inc = c.inc;
        // Starts at its level at once: a ramp from silence would blur the attack.
        v.gainL = v.targetL = c.gainL;
        v.gainR = v.targetR = c.gainR;
        v.loop = c.loop;
        v.paused = false;
        v.bothEars = c.bothEars;
        v.pulse.start({c.pulseHz, c.pulseOn});
        if (!v.listed) {
            v.listed = true;
            active_[std::size_t(activeCount_++)] = c.slot;
        }
        break;
    }
    case Cmd::SetVoice: {
        Voice& v = voices_[c.slot];
        if (v.sample && v.generation == c.generation) {
            // The position carries over: a new rate continues the waveform.
            v.inc = c.inc;
            v.targetL = c.gainL;
            v.targetR = c.gainR;
            v.pulse.set({c.pulseHz, c.pulseOn});
        }
        break;
    }
    case Cmd::PauseVoice:
    case Cmd::ResumeVoice: {
        Voice& v = voices_[c.slot];
        if (v.sample && v.generation == c.generation) v.paused = c.type == Cmd::PauseVoice;
        break;
    }
    case Cmd::StopVoice:
        if (voices_[c.slot].generation == c.generation) unlist(c.slot);
        break;
    case Cmd::StartStream: {
        StreamVoice& s = streams_[c.slot];
        s.stream = static_cast<Stream*>(const_cast<void*>(c.ptr));
        s.gainL = s.targetL = c.gainL;
        s.gainR = s.targetR = c.gainR;
        s.paused = false;
        break;
    }
    case Cmd::SetStream: {
        StreamVoice& s = streams_[c.slot];
        s.targetL = c.gainL;
        s.targetR = c.gainR;
        break;
    }
    case Cmd::PauseStream:
    case Cmd::ResumeStream:
        streams_[c.slot].paused = c.type == Cmd::PauseStream;
        break;
    case Cmd::StopStream:
        streams_[c.slot] = {};
        break;
    case Cmd::SetSource:
        sources_[c.slot] = static_cast<LineSource*>(const_cast<void*>(c.ptr));
        break;
    }
}

bool Mixer::mixVoice(Voice& v, int n) noexcept {
    const SampleData& s = *v.sample;
    // The pulse's gains for the block, shared by the voice's channels. A
    // steady voice costs nothing more than this test.
    const bool pulsed = !v.pulse.steady();
    if (pulsed) v.pulse.gains(pulse_, n);
    const auto shape = [this, pulsed](float* x, int m) {
        if (!pulsed) return;
        for (int k = 0; k < m; ++k)
            x[k] *= pulse_[k];
    };
    int produced = n;
    if (s.channels == 1) {
        produced = renderChannel(s.plane[0].data(), s.frames, v.pos, v.inc, v.loop, chan_[0], n);
        shape(chan_[0], produced);
        ramp(busL_, chan_[0], produced, v.gainL, v.targetL);
        ramp(busR_, chan_[0], produced, v.gainR, v.targetR);
    } else {
        const std::uint64_t start = v.pos;
        bool advanced = false;
        for (int c = 0; c < 2; ++c) {
            if (!s.audible[c]) continue;
            std::uint64_t p = start;
            produced = renderChannel(s.plane[c].data(), s.frames, p, v.inc, v.loop, chan_[c], n);
            shape(chan_[c], produced);
            if (v.bothEars || c == 0) ramp(busL_, chan_[c], produced, v.gainL, v.targetL);
            if (v.bothEars || c == 1) ramp(busR_, chan_[c], produced, v.gainR, v.targetR);
            v.pos = p;
            advanced = true;
        }
        if (!advanced) {
            // Silent material still has to run out on time.
            const std::uint64_t span = std::uint64_t(s.frames) << 32;
            const std::uint64_t end = v.pos + std::uint64_t(n) * v.inc;
            if (v.loop) {
                v.pos = end % span;
            } else if (end >= span) {
                produced = int((span - v.pos + v.inc - 1) / v.inc);
                v.pos = span;
            } else {
                v.pos = end;
            }
        }
    }
    v.gainL = v.targetL;
    v.gainR = v.targetR;
    return produced == n;
}

void Mixer::swapBlock(int n) noexcept {
    const float to = swapChannels.load(std::memory_order_relaxed) ? 1.0f : 0.0f;
    if (to == swapped_) {
        if (to == 1.0f) std::swap_ranges(busL_, busL_ + n, busR_);
        return;
    }
    // A crossfade between the two sides, so the exchange does not click.
    const float step = (to - swapped_) / float(n);
    float a = swapped_;
    for (int k = 0; k < n; ++k) {
        a += step;
        const float l = busL_[k], r = busR_[k];
        busL_[k] = l + a * (r - l);
        busR_[k] = r + a * (l - r);
    }
    swapped_ = to;
}

bool Mixer::mixStream(StreamVoice& sv, int n) noexcept {
    Stream& s = *sv.stream;
    const bool done = s.decodeDone.load(std::memory_order_acquire);
    const std::size_t got = s.ring.read(scratch_, std::size_t(n) * 2);
    const int frames = int(got / 2);
    if (frames > 0) {
        for (int k = 0; k < frames; ++k) {
            chan_[0][k] = scratch_[2 * k];
            chan_[1][k] = scratch_[2 * k + 1];
        }
        ramp(busL_, chan_[0], frames, sv.gainL, sv.targetL);
        ramp(busR_, chan_[1], frames, sv.gainR, sv.targetR);
    }
    sv.gainL = sv.targetL;
    sv.gainR = sv.targetR;
    if (frames < n && done && s.ring.readAvailable() == 0) {
        s.ended.store(true, std::memory_order_release);
        return false;
    }
    return true; // a decoder that fell behind stalls the stream; it has not ended
}

void Mixer::mixBlock(float* out, int n) noexcept {
    std::fill(busL_, busL_ + n, 0.0f);
    std::fill(busR_, busR_ + n, 0.0f);
    for (int i = 0; i < activeCount_;) {
        const int slot = active_[std::size_t(i)];
        Voice& v = voices_[std::size_t(slot)];
        if (v.paused) {
            ++i;
            continue;
        }
        if (!mixVoice(v, n)) {
            voiceEnded[std::size_t(slot)].store(v.generation, std::memory_order_release);
            unlist(slot); // swaps another voice into position i
            continue;
        }
        ++i;
    }
    for (auto& s : streams_) {
        if (!s.stream || s.paused) continue;
        if (!mixStream(s, n)) s = {};
    }

    float line[3];
    for (int l = 0; l < 3; ++l)
        line[l] = lineGain[l].load(std::memory_order_relaxed);
    const float master = masterGain.load(std::memory_order_relaxed);
    // Gains move across the block rather than jump, so a fade has no zipper.
    const float w0 = lastLine_[0] * lastMaster_, w1 = line[0] * master;
    const float dw = (w1 - w0) / float(n);
    for (int k = 0; k < n; ++k) {
        const float g = w0 + dw * float(k + 1);
        busL_[k] *= g;
        busR_[k] *= g;
    }
    for (int l = 1; l < 3; ++l) {
        LineSource* src = sources_[std::size_t(l)];
        if (!src) continue;
        std::fill(scratch_, scratch_ + 2 * n, 0.0f);
        src->render(scratch_, n);
        const float g0 = lastLine_[l] * lastMaster_, g1 = line[l] * master;
        const float dg = (g1 - g0) / float(n);
        for (int k = 0; k < n; ++k) {
            const float g = g0 + dg * float(k + 1);
            busL_[k] += scratch_[2 * k] * g;
            busR_[k] += scratch_[2 * k + 1] * g;
        }
    }
    for (int l = 0; l < 3; ++l)
        lastLine_[l] = line[l];
    lastMaster_ = master;
    swapBlock(n);
    // After the gains: the lights are not the music's to fade. They keep the
    // level the step clock gives them until the session stops and darkens
    // them, as the glasses on a port do.
    const std::uint8_t lit = lightOn.load(std::memory_order_relaxed)
                                 ? std::uint8_t(lightByte.load(std::memory_order_relaxed))
                                 : std::uint8_t(0);
    light_.setByte(lit);
    if (lit != 0 || !light_.settled()) light_.add(busL_, busR_, n);
    for (int k = 0; k < n; ++k) {
        out[2 * k] = std::clamp(busL_[k], -1.0f, 1.0f);
        out[2 * k + 1] = std::clamp(busR_[k], -1.0f, 1.0f);
    }
}

void Mixer::applyCommands() noexcept {
    Command c;
    std::uint64_t applied = 0;
    while (commands.pop(c)) {
        apply(c);
        ++applied;
    }
    if (applied) processed.fetch_add(applied, std::memory_order_acq_rel);
}

void Mixer::mix(float* out, int frames) noexcept {
    for (int done = 0; done < frames;) {
        const int n = std::min(kBlock, frames - done);
        mixBlock(out + 2 * done, n);
        done += n;
    }
}

void Mixer::render(float* out, int frames) noexcept {
    applyCommands();
    mix(out, frames);
}

bool Mixer::streamsBuffered(int frames) const noexcept {
    const std::size_t need = std::size_t(frames) * 2;
    for (const auto& sv : streams_) {
        if (!sv.stream || sv.paused) continue;
        const Stream& s = *sv.stream;
        // decodeDone first: once it is seen, the ring holds everything there will be.
        if (s.decodeDone.load(std::memory_order_acquire)) continue;
        if (s.ring.readAvailable() < need) return false;
    }
    for (const LineSource* src : sources_)
        if (src && !src->buffered(frames)) return false;
    return true;
}

} // namespace vs::audio::detail
