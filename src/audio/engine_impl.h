#pragma once
// Inside the engine: shared between the mixer (audio thread), the handle
// tables (UI thread) and the stream decoder (its own thread). Not for other
// subsystems; they use bass.h and engine.h.
#include "audio/audio_output.h"
#include "audio/engine.h"
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

inline constexpr int kMaxSamples = 256;
inline constexpr int kMaxVoices = 256;
inline constexpr int kMaxStreams = 64;
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

// Opens a file for streaming. Empty on failure.
std::shared_ptr<Stream> openStream(const std::string& path);

// Feeds every registered stream ahead of the audio thread.
class Decoder {
public:
    void start();
    void stop(); // joins the thread; registered streams are dropped
    void add(std::shared_ptr<Stream> s);
    void remove(const Stream* s);
    void wake();

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
    std::uint16_t slot;
    std::uint32_t generation;
    const void* ptr;
    std::uint64_t pos;
    std::uint64_t inc;
    float gainL;
    float gainR;
};

// Amplitude factors for the two sides from volume 0..100 and pan -100..100:
// volume is linear; pan attenuates only the side it moves away from, so the
// centre plays both sides at full volume.
struct StereoGain {
    float l;
    float r;
};
StereoGain stereoGain(int volume, int pan);
// 32.32 step for playing material recorded at `rate` Hz at the mix rate.
std::uint64_t stepFor(int rate);

// The part that runs on the audio thread.
class Mixer {
public:
    Mixer();
    // Audio thread: applies queued commands, then mixes `frames` frames.
    void render(float* out, int frames) noexcept;
    // Only while no audio thread runs: forget every voice, stream and source.
    void reset() noexcept;

    SpscQueue<Command, 1024> commands;
    std::atomic<std::uint64_t> processed{0}; // commands applied so far
    // Generation of a voice that ran out, per voice slot.
    std::array<std::atomic<std::uint32_t>, kMaxVoices> voiceEnded{};
    bool offline = false; // set only while no audio thread runs

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
    };
    struct StreamVoice {
        Stream* stream = nullptr;
        float gainL = 0, gainR = 0, targetL = 0, targetR = 0;
        bool paused = false;
    };

    void apply(const Command& c) noexcept;
    void mixBlock(float* out, int n) noexcept;
    bool mixVoice(Voice& v, int n) noexcept;
    bool mixStream(StreamVoice& s, int n) noexcept;
    void unlist(int slot) noexcept;

    std::array<Voice, kMaxVoices> voices_{};
    std::array<std::uint16_t, kMaxVoices> active_{};
    int activeCount_ = 0;
    std::array<StreamVoice, kMaxStreams> streams_{};
    std::array<LineSource*, 3> sources_{};
    float lastLine_[3] = {1, 1, 1};
    float lastMaster_ = 1;
    alignas(64) float busL_[kBlock];
    alignas(64) float busR_[kBlock];
    alignas(64) float chan_[2][kBlock];
    alignas(64) float scratch_[2 * kBlock];
};

// Renders one channel of a sample with 6-point cubic Hermite interpolation,
// from 32.32 position `pos` stepping `inc`, into `out`. Returns the frames
// produced (fewer than `count` when a one-shot runs out) and the new position.
int renderChannel(const float* data, std::int64_t frames, std::uint64_t& pos, std::uint64_t inc,
                  bool loop, float* out, int count) noexcept;

// The UI thread's view: handle tables and the ordered command channel.
class Engine {
public:
    static Engine& instance();
    // A program that ends without BASS_Free still stops the device and the
    // decoder thread before their memory goes.
    ~Engine();

    bool initialised = false;
    bool offline = false;
    Mixer mixer;
    std::unique_ptr<AudioOutput> output;
    Decoder decoder;

    struct SampleSlot {
        std::uint32_t generation = 0;
        std::shared_ptr<SampleData> data;
    };
    struct ChannelSlot {
        enum State { Free, Playing, Paused, Stopped } state = Free;
        std::uint32_t generation = 0;
        int sample = -1;
        int rate = 0, volume = 100, pan = 0;
        bool loop = false;
        std::uint64_t order = 0; // when it started, for taking over the oldest
    };
    struct StreamSlot {
        enum State { Free, Created, Playing, Paused, Stopped } state = Free;
        std::uint32_t generation = 0;
        std::shared_ptr<Stream> stream;
        int volume = 100, pan = 0;
    };
    std::array<SampleSlot, kMaxSamples> samples;
    std::array<ChannelSlot, kMaxVoices> channels;
    std::array<StreamSlot, kMaxStreams> streams;
    std::array<std::shared_ptr<LineSource>, 3> sources;
    std::uint64_t playOrder = 0;

    // Queues a command in order; never drops one (a full queue spills into a
    // list that is fed in first on later calls).
    void send(const Command& c);
    // Keeps `what` alive until the audio thread has applied every command sent so far.
    void retire(std::shared_ptr<const void> what);
    // Feeds spilled commands and frees what the audio thread has let go of.
    void collect();
    // Drops every handle and everything retired; only while no audio thread runs.
    void clear();

    // A channel slot is still sounding or paused (not ended, stopped or free).
    bool channelLive(int slot) const;

private:
    std::uint64_t sent_ = 0;
    std::deque<Command> spill_;
    std::deque<std::pair<std::uint64_t, std::shared_ptr<const void>>> retired_;
};

// Handles: index in bits 0-9, kind in bits 10-11, generation in bits 12-31.
enum class Kind : std::uint32_t { Sample = 1, Channel = 2, Stream = 3 };
std::uint32_t makeHandle(Kind kind, int index, std::uint32_t generation);
// Index of a live handle of `kind`, or -1.
int sampleIndex(std::uint32_t handle);
int channelIndex(std::uint32_t handle);
int streamIndex(std::uint32_t handle);
std::uint32_t nextGeneration(std::uint32_t g);

} // namespace vs::audio::detail
