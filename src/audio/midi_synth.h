// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MIDI songs played through FluidSynth into the engine's Synth line.
//
// FluidSynth locks and allocates, so it never runs in the audio callback: a
// worker thread renders the song ahead into a fixed lock-free ring of float
// stereo at the mix rate, and a LineSource on Line::Synth drains the ring in
// the callback. FluidSynth's own audio drivers are not used. The same worker
// feeds an offline engine: the line source tells renderOffline when the ring
// is behind, and the render waits for it as it does for a decoded stream.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vs::audio {

class Engine;

// The General MIDI SoundFont the program plays with (Debian's timgm6mb-soundfont).
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// One song on the Synth line of one engine (the program's, or an export's
// own). Made and driven on the thread that controls that engine (the
// UI thread for the process's; "UI thread" below means that thread); nothing
// of FluidSynth exists until play(), so a song only held for its length costs
// nothing. The Synth line has one source: one song plays at a time (the
// command interpreter stops the others before it plays one).
class MidiSynth {
public:
    // UI thread. `song` is the whole MIDI file; `engine` outlives the song.
    MidiSynth(std::vector<std::uint8_t> song, Engine& engine,
              std::string soundFont = kDefaultSoundFont);
    // UI thread. Stops first.
    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // UI thread. Plays the song from its start on the Synth line, replacing
    // whatever fed that line. False when the engine is not open, the song is
    // not a MIDI file or the SoundFont is not one. It returns at once: the
    // worker reads the SoundFont, and a song FluidSynth then refuses simply
    // plays out silent at once. Playing again restarts.
    bool play();
    // UI thread. Silences the line at once and ends the worker; it never waits
    // on the audio thread, only for the worker to finish one short render (or,
    // right after play(), reading the SoundFont).
    void stop();
    // UI thread. From play() until stop(), or until the song has played out
    // and the line has sounded everything rendered.
    bool playing() const;

private:
    struct Run;
    Engine& engine_;
    std::vector<std::uint8_t> song_;
    std::string soundFont_;
    std::unique_ptr<Run> run_;
};

} // namespace vs::audio
