// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside the engine: shared between the mixer (audio thread), the engine's
// tables (UI thread, engine.cpp) and the file decoding (decoding.cpp, partly on
// the decoder thread). Not for other subsystems; they use engine.h and bass.h.
#include "audio/audio_output.h"
#include "audio/engine.h"
#include "audio/light_signal.h"
#include "audio/pulse_envelope.h"
#include "audio/spsc_queue.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct sf_private_tag SNDFILE;
typedef struct SRC_STATE_tag SRC_STATE;

namespace vs::audio::detail {

inline constexpr int kMaxSamples = Engine::kMaxSamples;
inline constexpr int kMaxVoices = Engine::kMaxVoices;
inline constexpr int kMaxStreams = Engine::kMaxStreams;
inline constexpr int kBlock = 256;                            // frames mixed per inner pass
inline constexpr std::uint64_t kOne = std::uint64_t(1) << 32; // 1.0 in 32.32 positions

// A sample held in memory, one plane per channel so that a silent channel
// costs nothing to play.
struct SampleData {
    std::vector<float> plane[2];
    int channels = 0; // 1 or 2
    std::int64_t frames = 0;
    int rate = kMixRate;
    bool audible[2] = {false, false};
    bool eightBit = false;
    std::uint32_t maxPlaybacks = 1;
    bool replaceOldest = false;
};

// A decoded file stream. The decoder thread fills `ring` with stereo at the
// mix rate; the audio thread drains it.
struct Stream {
    ~Stream();
    // Fixed when created (UI thread), read-only afterwards.
    int sourceRate = 0;
    int sourceChannels = 0;
    std::int64_t frames = 0;
    bool sourceEightBit = false;

    SpscRing<float> ring{std::size_t(kMixRate) * 2};
    std::atomic<bool> decodeDone{false}; // decoder: everything is in the ring
    std::atomic<bool> ended{false};      // audio thread: played out
    std::atomic<int> playRate{0};        // Hz of source material per second

    // Decoder thread only.
    SNDFILE* file = nullptr;
    SRC_STATE* resampler = nullptr;
    bool resampling = false;
    bool eof = false;
    bool flushed = false;
    std::vector<float> input;   // stereo frames read, not yet resampled
    std::size_t inputUsed = 0;  // frames of `input` already resampled
    std::vector<float> pending; // output waiting for room in the ring
    std::size_t pendingAt = 0;
    std::vector<float> scratch;
};

// Every atomic the audio callback touches must be lock-free: a lock there could
// make the callback wait on another thread.
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<float>::is_always_lock_free);
static_assert(std::atomic<std::uint32_t>::is_always_lock_free);
static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
static_assert(std::atomic<std::size_t>::is_always_lock_free);

// Decoding files with libsndfile (decoding.cpp). UI thread.
// A whole file in memory, or empty when it cannot be read.
std::shared_ptr<SampleData> decodeSample(const std::string& path, const SampleOptions& options);
// Opens a file for streaming. Empty on failure.
std::shared_ptr<Stream> openStream(const std::string& path);

// Feeds every registered stream ahead of the audio thread. Its methods are
// called from the UI thread (and wake() from the offline render's thread);
// they take the decoder's mutex, which its thread holds only briefly, never
// while decoding. The audio callback never calls them.
class Decoder {
public:
    void start();
    void stop(); // joins the thread; registered streams are dropped
    void add(std::shared_ptr<Stream> s);
    void remove(const Stream* s);
    void wake(); // decode now rather than at the next periodic top-up

private:
    void run();
    std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<std::shared_ptr<Stream>> streams_;
    bool quit_ = false;
    bool dirty_ = false;
    std::thread thread_;
};

// Decodes as much of `s` as fits in its ring. Decoder thread (or a test).
void fillStream(Stream& s);

enum class Cmd : std::uint8_t {
    StartVoice,
    SetVoice,
    PauseVoice,
    ResumeVoice,
    StopVoice,
    StartStream,
    SetStream,
    PauseStream,
    ResumeStream,
    StopStream,
    SetSource,
};

struct Command {
    Cmd type;
    bool loop;
    bool bothEars;
    bool pulseOn;
    std::uint16_t slot;
    std::uint32_t generation;
    const void* ptr;
    std::uint64_t pos;
    std::uint64_t inc;
    float gainL;
    float gainR;
    double pulseHz;
};

// Amplitude factors for the two sides from a volume and a pan already held
// to their ranges (clampVolume, clampPan): volume is linear; pan attenuates only the side it moves
// away from, so the centre plays both sides at full volume.
struct StereoGain {
    float l;
    float r;
};
StereoGain stereoGain(int volume, int pan);
// 32.32 step for playing material recorded at `rate` Hz at the mix rate.
std::uint64_t stepFor(int rate);

// The part that runs on the audio thread. It never locks, allocates, sleeps
// or waits: a stream whose decoder has fallen behind stalls (plays silence)
// rather than hold up the callback.
class Mixer {
public:
    Mixer();
    // Audio thread: applies queued commands, then mixes `frames` frames.
    void render(float* out, int frames) noexcept;
    // Audio thread: the two halves of render(), for the offline render, which
    // waits for the streams between them.
    void applyCommands() noexcept;
    void mix(float* out, int frames) noexcept;
    // Audio thread: every sounding stream has `frames` frames decoded, or its
    // decoder has finished; and every line source has them ready.
    bool streamsBuffered(int frames) const noexcept;
    // Only while no audio thread runs: forget every voice, stream and source
    // (the gains stay).
    void reset() noexcept;

    SpscQueue<Command, 1024> commands;       // UI thread -> audio thread
    std::atomic<std::uint64_t> processed{0}; // commands applied so far
    // Generation of a voice that ran out, per voice slot.
    std::array<std::atomic<std::uint32_t>, kMaxVoices> voiceEnded{};
    // Written from any thread, read once per block.
    std::atomic<float> lineGain[3] = {1.0f, 1.0f, 1.0f};
    std::atomic<float> masterGain{1.0f};
    // The light signal: whether it sounds, and the LED byte it follows.
    std::atomic<bool> lightOn{false};
    std::atomic<std::uint32_t> lightByte{0};
    // Left and right exchanged at the output (not the light signal).
    std::atomic<bool> swapChannels{false};

private:
    struct Voice {
        const SampleData* sample = nullptr;
        std::uint32_t generation = 0;
        std::uint64_t pos = 0;
        std::uint64_t inc = 0;
        float gainL = 0, gainR = 0, targetL = 0, targetR = 0;
        bool loop = false;
        bool paused = false;
        bool listed = false;
        bool bothEars = false;
        PulseEnvelope pulse{kMixRate};
    };
    struct StreamVoice {
        Stream* stream = nullptr;
        float gainL = 0, gainR = 0, targetL = 0, targetR = 0;
        bool paused = false;
    };

    void apply(const Command& c) noexcept;
    void mixBlock(float* out, int n) noexcept;
    bool mixVoice(Voice& v, int n) noexcept;
    void swapBlock(int n) noexcept;
    bool mixStream(StreamVoice& s, int n) noexcept;
    void unlist(int slot) noexcept;

    std::array<Voice, kMaxVoices> voices_{};
    std::array<std::uint16_t, kMaxVoices> active_{};
    int activeCount_ = 0;
    std::array<StreamVoice, kMaxStreams> streams_{};
    std::array<LineSource*, 3> sources_{};
    float lastLine_[3] = {1, 1, 1};
    float lastMaster_ = 1;
    float swapped_ = 0; // 0 as mixed .. 1 exchanged, gliding between
    LightSignal light_;
    alignas(64) float busL_[kBlock];
    alignas(64) float busR_[kBlock];
    alignas(64) float chan_[2][kBlock];
    alignas(64) float scratch_[2 * kBlock];
    alignas(64) float pulse_[kBlock];
};

// Renders one channel of a sample with 6-point cubic Hermite interpolation,
// from 32.32 position `pos` stepping `inc`, into `out`. Returns the frames
// produced (fewer than `count` when a one-shot runs out) and the new position.
int renderChannel(const float* data, std::int64_t frames, std::uint64_t& pos, std::uint64_t inc,
                  bool loop, float* out, int count) noexcept;

} // namespace vs::audio::detail
