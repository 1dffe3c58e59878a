#pragma once
// The multimedia command interface of the MIDI sequencer device (FluidSynth
// underneath): one command string in, a result code and a textual reply out.
#include <cstdint>
#include <string>

namespace vs::audio {

// Sends one multimedia command string to the MIDI sequencer device (FluidSynth
// underneath). `reply` (may be null) receives the textual answer ("" when there
// is none). Returns 0 on success, a nonzero error code otherwise. UI thread.
std::uint32_t mciSendString(const std::string& command, std::string* reply);
// Commands understood (alias = any word; <path> may contain blanks):
//  "open <path> type sequencer alias <a>"   -> 0, or error (unreadable / not MIDI / alias in use)
//  "set <a> time format ms"                 -> 0
//  "status <a> length"                      -> reply = decimal milliseconds, e.g. "285000"
//  "status <a> mode"                        -> reply "playing" or "stopped" (also "stopped" once the song has played out)
//  "play <a> from 0"                        -> 0 when it started
//  "stop <a>", "close <a>", "close all"     -> 0 (close of an unknown alias: nonzero)
// Unknown command / unknown alias: nonzero.

} // namespace vs::audio
