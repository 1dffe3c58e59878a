#pragma once
// The sound engine's own face towards the rest of the program: line gains for
// the mixer-volume fallback, a slot for the MIDI renderer, the device count of
// the start-up check, and offline rendering for tests and analysis.
//
// Thread rules. The engine is driven from one thread, the UI thread (every
// BASS_* call, setLineSource). The audio callback runs on the device's thread
// and only reads atomics and a command queue. Gains may be set from any thread.
#include <cstdint>
#include <memory>

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
};

// Gains are linear amplitude factors, 1 = unchanged, clamped to 0..1. They
// survive BASS_Init/BASS_Free. Any thread.
void setLineGain(Line line, float gain);
float lineGain(Line line);
void setMasterGain(float gain);
float masterGain();

// Installs (or with nullptr removes) the source of the Synth or CD line (the
// Wave line is the sample and stream mixer and has no slot). The engine keeps
// the source alive until the audio thread has let go of it, so the caller may
// drop its own reference at once. UI thread; needs BASS_Init to have succeeded
// (returns false otherwise, or for Line::Wave).
bool setLineSource(Line line, std::shared_ptr<LineSource> source);

// Number of sound output devices; 0 when the audio system cannot start.
// UI thread, at start-up, before BASS_Init.
int outputDeviceCount();

// Pulls `frames` frames of float stereo from the mixer that a device callback
// would use. Only after BASS_Init(0, ...) ("no sound"): then the calling thread
// plays the part of the audio thread (one thread at a time). Unlike a device,
// it waits for a decoded stream that has not caught up rather than play a gap.
// Returns the frames written (0 and silence when there is no offline engine).
int renderOffline(float* interleavedStereo, int frames);

} // namespace vs::audio
