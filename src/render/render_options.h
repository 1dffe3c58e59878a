// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The renderer's command line: what the arguments ask for (read with
// QCommandLineParser; the help and every complaint in Spanish), and the
// sources, levels and file settings they give each render.
//
// Thread rule: plain functions of their arguments, any thread.
#include "playback/audio_file_writer.h"
#include "playback/session_render.h"
#include "playback/sound_choice.h"

#include <optional>
#include <string>
#include <vector>

namespace vs {
class Preferences;
}

namespace vs::render {

inline constexpr const char* kProgram = "velorin-somnara-render";
// The name standing for standard input (as a session) and output (as SALIDA).
inline constexpr const char* kStandardStream = "-";

struct RenderOptions {
    enum class Action { Render, Check, Help, Version };
    Action action = Action::Render;

    std::vector<std::string> sessions; // "-": standard input
    std::string output;                // one session's file; "-": WAV on standard output
    std::string folder;                // -d: each session goes to FOLDER/<its name>.<format>
    // The format of every output: --formato, else the output's extension.
    // Empty for --comprobar without an output.
    std::optional<playback::AudioFormat> format;
    playback::WriterSettings writer;
    std::string report; // --informe

    bool fromWindow = false; // --desde-ventana
    bool noMusic = false;
    bool light = false;
    bool quiet = false;
    // The levels asked for; the rest come from the defaults or the window.
    std::optional<int> binaural, mascara, musica, fundido;
    // --pulso and --ruido; otherwise the design's sound, or the window's.
    std::optional<playback::PulseType> pulse;
    std::optional<playback::NoiseColour> noise;

    bool several() const { return !folder.empty(); }
};

// The options, or `error` (Spanish, one line) for arguments that ask for
// nothing that could be done: exit status 2.
struct ParsedArguments {
    RenderOptions options;
    std::string error;
};
ParsedArguments parseArguments(const std::vector<std::string>& args);

std::string helpText();    // --help
std::string versionText(); // --version
std::string usageLine();   // after a complaint about the arguments

// What a render sounds, as the window's controls would say it.
struct RenderSources {
    playback::ExportOptions sound; // `musica`: the music box
    int musicSlider = 100;         // 1..100 while the box is ticked
};

// The program's first-start controls (binaural 50, no mask, the stored music
// box, the slider at its top, 30 seconds of fade), or with --desde-ventana
// the boxes, bars and fade the window left in `prefs`; the levels given on
// the command line over either. A level of 0 unticks its box.
RenderSources sourcesFor(const RenderOptions& options, const Preferences& prefs);

// "WAV, 16 bits", "Ogg Vorbis, calidad 8"...
std::string formatText(playback::AudioFormat format, const playback::WriterSettings& writer);

} // namespace vs::render
