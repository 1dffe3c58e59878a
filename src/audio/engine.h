// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound engine's own face towards the rest of the program: the typed
// engine (samples, voices, streams, line sources, gains, the light signal,
// offline rendering). Everything that sounds is handed the engine it sounds
// on: the program's (bass.h keeps it, behind the audio library's operations)
// or one of its own (an export, a test).
//
// Thread rules. An engine is driven from one thread, called the UI thread here
// (every BASS_* call, setLineSource, every Engine method marked "UI thread").
// The audio callback runs on the device's thread and only reads atomics and a
// lock-free command queue. Gains may be set from any thread. The UI thread
// never waits on the callback except where a method says so: SDL takes its
// device lock, which the callback holds while it runs, in SDL_PauseAudioDevice
// (pauseOutput / resumeOutput / openDevice) and SDL_CloseAudioDevice (close).
#include "audio/pulse_envelope.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vs::audio {

// The mixer's fixed rate; every sample and stream is resampled to it.
inline constexpr int kMixRate = 44100;

// The three software lines that the mixer-volume fallback controls. Samples and
// decoded streams sound through Wave; the MIDI renderer feeds Synth; CD audio
// feeds CD.
enum class Line { Wave = 0, Synth = 1, CD = 2 };

// A producer of sound for the Synth or CD line. render() runs on the audio
// thread: it must not lock, allocate, do I/O or log. It adds nothing to the
// mix beyond what it writes: `interleavedStereo` arrives zeroed.
class LineSource {
public:
    virtual ~LineSource() = default;
    virtual void render(float* interleavedStereo, int frames) noexcept = 0;
    // Audio thread, offline render only: whether the next `frames` frames are
    // ready, so that renderOffline waits for a source fed by another thread
    // (as it waits for a decoded stream) instead of playing a gap. A source
    // that has nothing more to give answers true.
    virtual bool buffered(int frames) const noexcept {
        (void)frames;
        return true;
    }
};

// Ids of the engine's objects: a slot index and the generation the slot had
// when the object was made. A slot that is freed and used again gets a new
// generation (1 .. 2^20 - 1, never 0), so an id of what was there before is
// refused. The three kinds are distinct types: one never passes for another.
// A default-constructed id (generation 0) names nothing.
template <typename Kind> struct EngineId {
    std::uint16_t slot = 0;
    std::uint32_t generation = 0;
    explicit operator bool() const { return generation != 0; }
    friend bool operator==(const EngineId&, const EngineId&) = default;
};
using SampleId = EngineId<struct SampleKind>;
using VoiceId = EngineId<struct VoiceKind>;
using StreamId = EngineId<struct StreamKind>;

// The ranges the engine holds a volume (linear, 0..100) and a pan (-100 left
// .. 100 right) to. It clamps whatever it is given with these and nothing
// else clamps on the way; a caller that must know the value the engine will
// hold (the sample player writes it back) asks them.
constexpr int clampVolume(int volume) {
    return volume < 0 ? 0 : volume > 100 ? 100 : volume;
}
constexpr int clampPan(int pan) {
    return pan < -100 ? -100 : pan > 100 ? 100 : pan;
}

// A playback rate: the material's own, or a number of Hz of material per
// second of output, clamped to kMinRate..kMaxRate as it is made (so a rate of
// 0 Hz plays at the lowest rate, inaudibly low for the tones).
class Rate {
public:
    static constexpr int kMinRate = 100;
    static constexpr int kMaxRate = 100000;
    static constexpr Rate own() { return Rate(0); }
    static constexpr Rate hz(int hz) { return Rate(clamp(hz)); }
    static constexpr int clamp(int hz) {
        return hz < kMinRate ? kMinRate : hz > kMaxRate ? kMaxRate : hz;
    }
    constexpr bool isOwn() const { return hz_ == 0; }
    // Hz, or `ownRate` for Rate::own().
    constexpr int resolve(int ownRate) const { return hz_ == 0 ? ownRate : hz_; }
    friend constexpr bool operator==(Rate, Rate) = default;

private:
    constexpr explicit Rate(int hz) : hz_(hz) {}
    int hz_;
};

// How a sample is decoded and shared out.
struct SampleOptions {
    bool keepEightBit = false;   // round to 8-bit resolution (8-bit files always are)
    bool mixToMono = false;      // one channel, the mean of the file's channels
    bool takeOverOldest = false; // at the playback limit, a new playback replaces the oldest
};

struct SampleInfo {
    int rate = 0;     // the file's own, Hz
    int channels = 0; // as held: 1 or 2
    std::int64_t frames = 0;
    bool eightBit = false;
    // A frame's bytes as the audio library counts positions: 16-bit samples
    // (8-bit when held so) of every channel.
    int bytesPerFrame() const { return channels * (eightBit ? 1 : 2); }
};

// A new playback. Volume 0..100 (linear), pan -100 (left) .. 100 (right);
// out-of-range values are clamped.
struct PlayParams {
    std::int64_t startFrame = 0; // must lie inside the sample
    Rate rate = Rate::own();
    int volume = 100;
    int pan = 0;
    bool loop = false;
    // Every channel of the sample in both ears (the audible ones summed)
    // rather than each in its own: a tone recorded for one ear heard in both.
    bool bothEars = false;
    // The isochronic pulse the playback starts with (pulse_envelope.h): it
    // starts at the foot of a rise and swells. Off: a steady playback.
    PulseSettings pulse;
};

// What to change on a voice or stream; an empty field stays as it is. The
// pulse is a voice's only: a new rate bends the pulse train, switching it on
// or off glides (pulse_envelope.h).
struct AttributeChange {
    std::optional<Rate> rate;
    std::optional<int> volume;
    std::optional<int> pan;
    std::optional<PulseSettings> pulse;
};

enum class PlayState { Inactive, Playing, Paused };

struct VoiceInfo {
    SampleId sample;
    int rate = 0; // Hz
    int volume = 100;
    int pan = 0;
    bool loop = false;
    bool bothEars = false;
    PulseSettings pulse;
};

struct StreamInfo {
    int rate = 0; // Hz of source material played per second
    int volume = 100;
    int pan = 0;
    int sourceRate = 0;
    int sourceChannels = 0;
    std::int64_t frames = 0; // exact length in frames of the file's own rate
    bool eightBit = false;
    // As SampleInfo's, for the file's own channels.
    int bytesPerFrame() const { return sourceChannels * (eightBit ? 1 : 2); }
};

// The sound engine. Tables of samples, voices and streams live on the UI
// thread; the mixer runs on the device's callback thread (or, offline, on
// whichever thread calls renderOffline). Not copyable.
class Engine {
public:
    static constexpr int kMaxSamples = 256;
    static constexpr int kMaxVoices = 256;
    static constexpr int kMaxStreams = 64;

    // Number of sound output devices; 0 when the audio system cannot start.
    // UI thread, at start-up, before any engine opens a device.
    static int outputDeviceCount();
    // The output devices the system lists, by name, in its order (the n-th
    // is openDevice(n)'s). UI thread.
    static std::vector<std::string> outputDeviceNames();

    // Made and destroyed on the thread that will drive it (the UI thread).
    Engine();
    // Closes the output (waiting for a running callback) and stops the decoder
    // thread before their memory goes.
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // --- Output --------------------------------------------------------------
    // UI thread. Opens output device `device` (-1: the default; n >= 1: the
    // n-th) and starts it playing. False when already open or the device will
    // not open. Un-pausing the fresh device takes SDL's device lock, but no
    // callback can be running yet, so it does not wait.
    bool openDevice(int device);
    // UI thread. The same by name: one of outputDeviceNames(), "" the default.
    bool openDevice(const std::string& name);
    // UI thread. Opens with no device: the mixer runs only through
    // renderOffline. False when already open.
    bool openOffline();
    // UI thread. Stops the output and frees every sample, voice, stream and
    // line source. Waits for a running callback to finish (SDL_CloseAudioDevice)
    // and joins the decoder thread. False when not open.
    bool close();
    // UI thread. Offline: true, nothing happens. With a device these take
    // SDL's device lock (SDL_PauseAudioDevice), so they may wait for one
    // callback in progress to finish. False when not open.
    bool pauseOutput();
    bool resumeOutput();
    // UI thread.
    bool isOpen() const;
    bool isOffline() const;

    // UI thread. The device the output runs on: its name ("" the default),
    // and the channels the device itself has (the mixer's two are converted
    // to them; 0 when unknown, offline, or without a device).
    std::string deviceName() const;
    int deviceChannels() const;
    // UI thread. Moves the output to another device ("" the default): the
    // old one is closed (waiting for its callback) and the new one opened in
    // the same pause state. Every sample, voice, stream, line source and gain
    // stays as it is and plays on from where it was. False when the device
    // will not open; the output then goes back to the device it was on.
    bool moveToDevice(const std::string& name);
    // What keepDevice() did.
    enum class DeviceMove {
        None,      // the device is there (or offline, or not open): nothing to do
        ToDefault, // it was gone: the output moved to the default device
        NoDevice,  // it was gone and the default will not open: nothing sounds
    };
    // UI thread, polled. When the device has gone (unplugged, or its driver
    // gave up on it) the output moves to the default device as
    // moveToDevice("") does; while no device opens, every call tries again.
    DeviceMove keepDevice();
    // Any thread. Left and right exchanged at the output, for a listener
    // whose ears get each other's channel; a change glides over one mix
    // block (5.8 ms) rather than jump. The light signal is not exchanged: its
    // channels belong to the glasses' eyes, not the listener's ears.
    void setSwapChannels(bool swap);
    bool swapChannels() const;

    // --- Samples -------------------------------------------------------------
    // UI thread. Decodes a whole file (anything libsndfile reads) into memory.
    // At most `maxPlaybacks` (1 .. kMaxVoices, larger is clamped) playbacks at
    // once. Empty id when not open, the file is unreadable, or every slot is taken.
    SampleId loadSample(const std::string& path, const SampleOptions& options, int maxPlaybacks);
    // UI thread. Stops every playback of the sample and frees it (its voices'
    // ids stop working). False for an id that names nothing.
    bool freeSample(SampleId sample);
    // UI thread. Stops every playback of the sample.
    bool stopSample(SampleId sample);
    // UI thread.
    std::optional<SampleInfo> sampleInfo(SampleId sample) const;

    // --- Voices (playbacks of samples) ---------------------------------------
    // UI thread. Starts a playback; at the sample's playback limit it takes
    // over the oldest one (SampleOptions::takeOverOldest) or fails. Empty id on
    // failure (stale sample, start outside the sample, no free voice).
    VoiceId play(SampleId sample, const PlayParams& params);
    // UI thread. A new rate continues from the current position (the phase is
    // kept); gains glide within one mix block; a new pulse rate bends the
    // pulse train without a jump. A voice that has ended or was stopped
    // accepts no changes: false.
    bool setVoice(VoiceId voice, const AttributeChange& change);
    // UI thread. Pause needs a sounding voice, resume a paused one.
    bool pauseVoice(VoiceId voice);
    bool resumeVoice(VoiceId voice);
    // UI thread. A stopped voice is finished: it cannot be resumed. True for
    // any voice the id still names (stopped or ended included).
    bool stopVoice(VoiceId voice);
    // UI thread. Inactive also for an ended, stopped or unknown voice.
    PlayState voiceState(VoiceId voice) const;
    // UI thread. Also for a voice that has ended or was stopped, until its
    // slot is used again or its sample freed.
    std::optional<VoiceInfo> voiceInfo(VoiceId voice) const;

    // --- Streams (files decoded while they play) ------------------------------
    // UI thread. Opens a file for streaming; decoding starts at once (on the
    // decoder thread) so playing starts cleanly. Empty id on failure.
    StreamId createStream(const std::string& path);
    // UI thread. Starts a stream that has not played yet, or resumes a paused
    // one; true for one already playing. A stream that played out or was
    // stopped cannot start again: false.
    bool playStream(StreamId stream);
    bool pauseStream(StreamId stream);
    bool resumeStream(StreamId stream);
    // UI thread. Finishes the stream; it keeps its id until freed.
    bool stopStream(StreamId stream);
    // UI thread. Stops and frees the stream.
    bool freeStream(StreamId stream);
    // UI thread. Playing also while a stream waits for its decoder.
    PlayState streamState(StreamId stream) const;
    // UI thread. The rate change takes effect on the decoder thread.
    bool setStream(StreamId stream, const AttributeChange& change);
    // UI thread.
    std::optional<StreamInfo> streamInfo(StreamId stream) const;

    // --- Lines and gains -------------------------------------------------------
    // UI thread. Installs (or with nullptr removes) the source of the Synth or
    // CD line (the Wave line is the sample and stream mixer and has no slot).
    // The engine keeps the source alive until the audio thread has let go of
    // it, so the caller may drop its own reference at once. False when the
    // engine is not open, or for Line::Wave.
    bool setLineSource(Line line, std::shared_ptr<LineSource> source);
    // Any thread. Linear amplitude factors, 1 = unchanged, clamped to 0..1
    // (NaN: 0); they survive close/open.
    void setLineGain(Line line, float gain);
    float lineGain(Line line) const;
    void setMasterGain(float gain);
    float masterGain() const;
    // Any thread. The lights carried in the sound (light_signal.h): on or off,
    // and the LED byte they follow from the next mix block on (256 frames,
    // 5.8 ms). Switching off glides the carrier out like an unlit byte. They
    // are added after the master and line gains, so no fade touches them.
    void setLightSignal(bool on);
    void setLightByte(std::uint8_t byte);
    bool lightSignal() const;
    std::uint8_t lightByte() const;

    // Offline only (after openOffline): the calling thread plays the part of
    // the audio thread (one thread at a time). Unlike a device, it waits for
    // a decoded stream or a line source (LineSource::buffered: the CD reader,
    // the MIDI worker) that has not caught up rather than play a gap.
    // Frames written (0 and silence when not open offline).
    int renderOffline(float* interleavedStereo, int frames);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vs::audio
