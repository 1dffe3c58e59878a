// SPDX-License-Identifier: GPL-3.0-or-later
// Everything that reads sound files, all with libsndfile (WAV, Ogg, MP3, ...):
//  - samples, decoded whole into memory on the UI thread, one plane per channel;
//  - streams, turned into stereo, resampled to the mix rate with libsamplerate
//    on the decoder thread, and handed to the audio thread through a lock-free ring.
#include "audio/engine_impl.h"

#include <samplerate.h>
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vs::audio::detail {
namespace {

constexpr sf_count_t kChunk = 2048; // frames decoded per step

// Files whose header gives no frame count are counted by decoding them once:
// the length must be exact, it measures songs.
sf_count_t countFrames(const std::string& path) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return 0;
    std::vector<float> buf(std::size_t(kChunk) * std::size_t(std::max(1, info.channels)));
    sf_count_t total = 0, got;
    while ((got = sf_readf_float(f, buf.data(), kChunk)) > 0)
        total += got;
    sf_close(f);
    return total;
}

bool isEightBit(int format) {
    const int sub = format & SF_FORMAT_SUBMASK;
    return sub == SF_FORMAT_PCM_S8 || sub == SF_FORMAT_PCM_U8;
}

} // namespace

std::shared_ptr<SampleData> decodeSample(const std::string& path, const SampleOptions& options) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return {};
    const int ch = info.channels;
    std::vector<float> raw;
    if (ch >= 1 && info.samplerate >= 1) {
        std::vector<float> buf(std::size_t(kChunk) * std::size_t(ch));
        sf_count_t got;
        while ((got = sf_readf_float(f, buf.data(), kChunk)) > 0)
            raw.insert(raw.end(), buf.begin(), buf.begin() + got * ch);
    }
    const int format = info.format;
    sf_close(f);
    if (raw.empty()) return {};

    auto s = std::make_shared<SampleData>();
    s->rate = info.samplerate;
    s->frames = std::int64_t(raw.size()) / ch;
    const bool mono = ch == 1 || options.mixToMono;
    s->channels = mono ? 1 : 2;
    s->eightBit = options.keepEightBit || isEightBit(format);
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

Stream::~Stream() {
    if (file) sf_close(file);
    if (resampler) src_delete(resampler);
}

std::shared_ptr<Stream> openStream(const std::string& path) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return {};
    auto s = std::make_shared<Stream>();
    s->file = f;
    if (info.channels < 1 || info.samplerate < 1) return {};
    s->sourceRate = info.samplerate;
    s->sourceChannels = info.channels;
    s->sourceEightBit = isEightBit(info.format);
    s->frames = info.frames > 0 && info.frames < SF_COUNT_MAX ? info.frames : countFrames(path);
    s->playRate.store(info.samplerate, std::memory_order_relaxed);
    int err = 0;
    s->resampler = src_new(SRC_SINC_MEDIUM_QUALITY, 2, &err);
    if (!s->resampler) return {};
    return s;
}

void fillStream(Stream& s) {
    while (true) {
        if (s.pendingAt < s.pending.size()) {
            s.pendingAt +=
                s.ring.write(s.pending.data() + s.pendingAt, s.pending.size() - s.pendingAt);
            if (s.pendingAt < s.pending.size()) return; // ring full: later
        }
        s.pending.clear();
        s.pendingAt = 0;
        if (s.flushed) {
            s.decodeDone.store(true, std::memory_order_release);
            return;
        }
        // Refill the stereo input when the resampler has used it all.
        if (s.inputUsed * 2 >= s.input.size() && !s.eof) {
            const int ch = s.sourceChannels;
            s.scratch.resize(std::size_t(kChunk) * std::size_t(ch));
            const sf_count_t got = sf_readf_float(s.file, s.scratch.data(), kChunk);
            if (got <= 0) s.eof = true;
            s.input.resize(std::size_t(std::max<sf_count_t>(got, 0)) * 2);
            for (sf_count_t i = 0; i < got; ++i) {
                const float* fr = s.scratch.data() + i * ch;
                s.input[std::size_t(2 * i)] = fr[0];
                s.input[std::size_t(2 * i + 1)] = ch > 1 ? fr[1] : fr[0];
            }
            s.inputUsed = 0;
        }
        const int rate = std::max(1, s.playRate.load(std::memory_order_relaxed));
        // Material already at the mix rate and played at its own speed goes
        // through untouched; once resampling has begun it stays on, so the
        // resampler's history is never cut.
        if (!s.resampling && rate == kMixRate) {
            s.pending.assign(s.input.begin() + std::ptrdiff_t(s.inputUsed * 2), s.input.end());
            s.inputUsed = s.input.size() / 2;
            if (s.eof) s.flushed = true;
            continue;
        }
        s.resampling = true;
        const double ratio = std::clamp(double(kMixRate) / rate, 1.0 / 256, 256.0);
        const std::size_t avail = s.input.size() / 2 - s.inputUsed;
        const std::size_t cap = std::size_t(double(std::max<std::size_t>(avail, 64)) * ratio) + 64;
        s.scratch.resize(cap * 2);
        SRC_DATA d{};
        d.data_in = s.input.data() + s.inputUsed * 2;
        d.input_frames = long(avail);
        d.data_out = s.scratch.data();
        d.output_frames = long(cap);
        d.end_of_input = s.eof ? 1 : 0;
        d.src_ratio = ratio;
        if (src_process(s.resampler, &d) != 0) {
            s.flushed = true; // a broken resampler ends the stream rather than loop
            continue;
        }
        s.inputUsed += std::size_t(d.input_frames_used);
        s.pending.assign(s.scratch.begin(), s.scratch.begin() + d.output_frames_gen * 2);
        if (s.eof && d.output_frames_gen == 0 && s.inputUsed * 2 >= s.input.size())
            s.flushed = true;
    }
}

void Decoder::start() {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = false;
    thread_ = std::thread([this] { run(); });
}

void Decoder::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    cv_.notify_all();
    if (thread_.joinable()) thread_.join();
    streams_.clear();
}

void Decoder::add(std::shared_ptr<Stream> s) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        streams_.push_back(std::move(s));
        dirty_ = true;
    }
    cv_.notify_all();
}

void Decoder::remove(const Stream* s) {
    std::lock_guard<std::mutex> lock(mutex_);
    streams_.erase(std::remove_if(streams_.begin(), streams_.end(),
                                  [s](const auto& p) { return p.get() == s; }),
                   streams_.end());
}

void Decoder::wake() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dirty_ = true;
    }
    cv_.notify_all();
}

void Decoder::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_) {
        std::vector<std::shared_ptr<Stream>> work;
        for (auto& s : streams_)
            if (!s->decodeDone.load(std::memory_order_relaxed)) work.push_back(s);
        lock.unlock();
        for (auto& s : work)
            fillStream(*s);
        lock.lock();
        if (quit_) break;
        dirty_ = false;
        if (work.empty()) {
            cv_.wait(lock, [this] { return quit_ || dirty_; });
        } else {
            // The rings hold more than a second; topping them up a few times a
            // second keeps them full without waking often.
            cv_.wait_for(lock, std::chrono::milliseconds(20), [this] { return quit_ || dirty_; });
        }
    }
}

} // namespace vs::audio::detail
