// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio library's operations, served by our own engine, and the
// multimedia command strings of the MIDI sequencer: the names the design
// gives the platform's sound services, kept as a thin adapter over the
// process's engine (engine.h), its CD player (cd.h) and its sequencer
// (mci.h). Handles are 32-bit unsigned and 0 means failure; they exist only
// here, packing the engine's typed ids, and the sentinel values below map onto
// its calls. Channel handle 0 stands for the CD and is never given to a
// sample playback or a stream. Paths are UTF-8.
//
// This is the one place that reaches the process's engine: the program's top
// layer takes it from processEngine() and hands it on to whatever sounds.
//
// Thread rule: every function here is called from the UI thread only (the
// engine has one controlling thread). None of them waits for the audio thread,
// except: BASS_Start and BASS_Stop pause or resume the device under SDL's
// device lock (SDL_PauseAudioDevice), so they may wait for one callback in
// progress to finish; BASS_Free waits for a running callback to end
// (SDL_CloseAudioDevice) and joins the decoder thread; BASS_Free, BASS_CDFree,
// BASS_CDPlay and BASS_ChannelStop(0) join the CD reader thread (cd.h), which
// may be in the middle of reading one sector; BASS_CDPlay with its wait flag
// waits for the first quarter second of audio.
#include <cstdint>
#include <string>

namespace vs::audio {

class Engine;

// The process's engine: the one every operation below drives. Made on first
// use; it goes at process exit, after the CD player and the sequencer that
// play into it.
Engine& processEngine();

// Sample load flags.
inline constexpr std::uint32_t kSample8Bit = 1; // keep 8-bit resolution
inline constexpr std::uint32_t kSampleMono = 2; // mix down to one channel
inline constexpr std::uint32_t kSampleLoop = 4; // recorded in the flags; looping is per playback
// When every allowed playback of a sample is busy, a new one takes over the
// playback that started first instead of failing.
inline constexpr std::uint32_t kSampleTakeOldest = 0x20000;

// Channel flags reported by BASS_ChannelGetFlags.
inline constexpr std::uint32_t kChannel8Bit = 1;
inline constexpr std::uint32_t kChannelMono = 2;
inline constexpr std::uint32_t kChannelLoop = 4;

// BASS_ChannelIsActive results.
inline constexpr std::uint32_t kInactive = 0; // never started, stopped, played out, or unknown
inline constexpr std::uint32_t kPlaying = 1;  // also while a stream waits for its decoder
inline constexpr std::uint32_t kPaused = 3;

// BASS_StreamGetLength for a handle that is not a stream.
inline constexpr std::uint64_t kNotAStream = ~std::uint64_t(0);

} // namespace vs::audio

// device -1: the default output; n >= 1: the n-th output; 0: no sound (the
// mixer runs only through processEngine().renderOffline). The mixer always runs at
// 44100 Hz whatever `freq` says; `flags` and `window` are accepted and unused.
// Nonzero: ready. Fails when already initialised or when the device will not open.
std::uint32_t BASS_Init(int device, std::uint32_t freq, std::uint32_t flags, void* window);
// Resumes output after BASS_Stop (output runs from BASS_Init on). Nonzero: running.
// May wait for one callback to finish (SDL's device lock).
std::uint32_t BASS_Start();
// Pauses output; commands queue up until BASS_Start. Nonzero on success.
// May wait for one callback to finish (SDL's device lock).
std::uint32_t BASS_Stop();
// Stops the CD track (cd.h), closes the device and frees every sample,
// playback and stream. Waits for a running callback to finish.
std::uint32_t BASS_Free();
// Nothing is ever recorded: reports ready (nonzero) when the engine is up.
std::uint32_t BASS_RecordInit(int device);
std::uint32_t BASS_RecordFree();

// Loads a whole sound file into memory. `fromMemory` must be 0 and `offset`
// and `length` 0 (whole file). `maxPlaybacks` >= 1. Sample handle or 0.
std::uint32_t BASS_SampleLoad(std::uint32_t fromMemory, const char* file, std::uint32_t offset,
                              std::uint32_t length, std::uint32_t maxPlaybacks,
                              std::uint32_t flags);
// Starts a playback. `start` is a byte position in the sample as 16-bit (8-bit
// when loaded so) frames. rate in Hz 100..100000 (-1 or 0: the sample's own),
// volume 0..100 (-1: 100), pan -100..100 (-101: centre); out-of-range values are
// clamped. Channel handle or 0.
std::uint32_t BASS_SamplePlayEx(std::uint32_t sample, std::uint32_t start, std::int32_t rate,
                                std::int32_t volume, std::int32_t pan, std::uint32_t loop);
// Stops every playback of the sample. Nonzero on success.
std::uint32_t BASS_SampleStop(std::uint32_t sample);
// Stops every playback of the sample and frees it. Nonzero on success.
std::uint32_t BASS_SampleFree(std::uint32_t sample);

// rate -1: unchanged, 0: the material's own, else clamped to 100..100000;
// volume -1: unchanged, else clamped to 0..100; pan -101: unchanged, else
// clamped to -100..100. The new rate continues from the current position.
// A sample playback that has ended or was stopped no longer accepts changes.
// Nonzero: applied.
std::uint32_t BASS_ChannelSetAttributes(std::uint32_t channel, std::int32_t rate,
                                        std::int32_t volume, std::int32_t pan);
// Fills whichever outputs are given and returns the rate in Hz; 0 (outputs
// untouched) for an unknown handle.
std::uint32_t BASS_ChannelGetAttributes(std::uint32_t channel, std::int32_t* rate,
                                        std::int32_t* volume, std::int32_t* pan);
std::uint32_t BASS_ChannelGetFlags(std::uint32_t channel);
// Channel 0: kPlaying while the CD track of BASS_CDPlay plays, kInactive once
// it has played out or was stopped.
std::uint32_t BASS_ChannelIsActive(std::uint32_t channel);
std::uint32_t BASS_ChannelPause(std::uint32_t channel);
std::uint32_t BASS_ChannelResume(std::uint32_t channel);
// A stopped playback or stream is finished: it cannot be resumed. Channel 0
// stops the CD track (nonzero when one was there).
std::uint32_t BASS_ChannelStop(std::uint32_t channel);

// Opens a file (WAV, MP3, Ogg and whatever else libsndfile reads) for playing
// as a stream; decoding starts at once so playing starts cleanly. `fromMemory`,
// `offset` and `length` must be 0. Stream handle or 0.
std::uint32_t BASS_StreamCreateFile(std::uint32_t fromMemory, const char* file,
                                    std::uint32_t offset, std::uint32_t length,
                                    std::uint32_t flags);
// Starts a stream that has not played yet, or resumes a paused one. A stream
// that played out or was stopped cannot start again (create a new one): 0.
std::uint32_t BASS_StreamPlay(std::uint32_t stream, std::uint32_t flush, std::uint32_t flags);
// Exact length in bytes as 16-bit frames of the file's own channel count
// (8-bit files: one byte per sample), so bytes / (rate x channels x bytes per
// sample) from BASS_ChannelGetAttributes and BASS_ChannelGetFlags is the
// length in seconds. kNotAStream for any other handle.
std::uint64_t BASS_StreamGetLength(std::uint32_t stream);
// There are no tracker modules here: always 0.
std::uint64_t BASS_MusicGetLength(std::uint32_t handle, std::uint32_t playLength);
std::uint32_t BASS_StreamFree(std::uint32_t stream);

// --- Audio CD (the process's CdPlayer, cd.h) -----------------------------------
// BASS_ChannelIsActive(0) and BASS_ChannelStop(0) answer for the CD track that
// plays.
//
// `drive` "" (or null) means the first drive found and succeeds even when the
// machine has none: the CD system is ready and the calls below then fail. A
// named drive must open: a CD device, or a CUE sheet libcdio can read. A second
// call first frees the CD system as BASS_CDFree does. `flags` are accepted and
// unused. Nonzero: ready.
std::uint32_t BASS_CDInit(const char* drive, std::uint32_t flags);
// Stops a CD track that plays and forgets the drive. Harmless when the CD
// system is not ready (idempotent). Always nonzero.
std::uint32_t BASS_CDFree();
// Length of audio track `track` (1-based) in ms, rounded to the nearest
// millisecond; 0xFFFFFFFF when the CD system is not ready, there is no disc,
// or `track` is no audio track.
std::uint32_t BASS_CDGetTrackLength(std::uint32_t track);
// Plays audio track `track` from its start into the CD line (needs
// BASS_Init); a track already playing is stopped first. loop 1: the track
// starts again, without a gap, each time it ends. wait 1: returns once audio
// is buffered (at most 15 s); wait 0: returns at once. Nonzero: started.
std::uint32_t BASS_CDPlay(std::uint32_t track, std::uint32_t loop, std::uint32_t wait);

namespace vs::audio {

// Sends one multimedia command string to the process's MIDI sequencer
// (MciSequencer, mci.h, on processEngine()): the commands and results are
// MciSequencer::send's. UI thread.
std::uint32_t mciSendString(const std::string& command, std::string* reply);

} // namespace vs::audio
