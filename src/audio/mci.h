// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multimedia command strings of the MIDI sequencer device ("open ... type
// sequencer alias midi", "status midi mode", "close all"), interpreted over
// midi_file (lengths) and midi_synth (playback). An alias only opened and
// measured never starts FluidSynth; that happens at "play".
#include <cstdint>
#include <map>
#include <string>

namespace vs::audio {

class Engine;

// Results of a command string. Zero is success; the rest are ours.
inline constexpr std::uint32_t kMciOk = 0;
inline constexpr std::uint32_t kMciUnknownCommand = 1; // not a command, or wrong words after it
inline constexpr std::uint32_t kMciUnknownAlias = 2;   // no device open under that alias
inline constexpr std::uint32_t kMciAliasInUse = 3;     // "open" of an alias already open
inline constexpr std::uint32_t kMciCannotRead = 4;     // the file does not open (or is too large)
inline constexpr std::uint32_t kMciNotMidi = 5;        // the file is not a Standard MIDI File
inline constexpr std::uint32_t kMciUnsupported =
    6; // a device type, time format or position we do not offer
inline constexpr std::uint32_t kMciPlayFailed = 7; // no open engine, or FluidSynth refused the song

// The MIDI sequencer device on one engine's Synth line (FluidSynth
// underneath): the process's, behind mciSendString (bass.h), or an export's
// own. Used on the thread that controls `engine`, which outlives it.
//
// Commands understood by send() (alias = any word; <path> may contain blanks
// and may be in double quotes; the command words in any letter case):
//  "open <path> type sequencer alias <a>"   -> 0, or error (unreadable / not MIDI / alias in use)
//  "set <a> time format ms" (or "milliseconds") -> 0
//  "status <a> length"                      -> reply = decimal milliseconds, e.g. "285000"
//  "status <a> mode"                        -> reply "playing" or "stopped" (also "stopped"
//                                              once the song has played out)
//  "play <a> from 0", "play <a>"            -> 0 when it started (from the start; one alias
//                                              plays at a time)
//  "stop <a>", "close <a>", "close all"     -> 0 (close of an unknown alias: nonzero)
// Unknown command / unknown alias: nonzero.
class MciSequencer {
public:
    explicit MciSequencer(Engine& engine);
    // Every device closed (each song stops as it goes).
    ~MciSequencer();
    MciSequencer(const MciSequencer&) = delete;
    MciSequencer& operator=(const MciSequencer&) = delete;

    // Sends one command string. `reply` (may be null) receives the textual
    // answer ("" when there is none). 0 on success, a nonzero code otherwise.
    std::uint32_t send(const std::string& command, std::string* reply);

private:
    struct Device;
    std::uint32_t open(const std::string& command);
    std::uint32_t play(const std::string& alias, Device& device);

    Engine& engine_;
    std::map<std::string, Device> devices_;
};

} // namespace vs::audio
