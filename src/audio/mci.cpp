// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/mci.h"

#include "audio/engine.h"
#include "audio/midi_file.h"
#include "audio/midi_synth.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

namespace vs::audio {

struct MciSequencer::Device {
    std::int64_t lengthMs = 0;
    std::unique_ptr<MidiSynth> synth; // only once it has been played
    std::vector<std::uint8_t> song;   // the file as read at "open", until the synth takes it
};

namespace {

// Aliases are case-blind, as the command words are.
std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(lower(w));
    return out;
}

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

MciSequencer::MciSequencer(Engine& engine) : engine_(engine) {}

MciSequencer::~MciSequencer() = default;

// "open <path> type sequencer alias <a>": the path is everything between the
// command word and the last four words, so it may hold blanks of its own.
std::uint32_t MciSequencer::open(const std::string& command) {
    std::size_t end = command.size();
    std::string tail[4]; // alias, "alias", device type, "type" (read from the end)
    for (auto& w : tail) {
        while (end > 0 && isBlank(command[end - 1]))
            --end;
        std::size_t start = end;
        while (start > 0 && !isBlank(command[start - 1]))
            --start;
        w = command.substr(start, end - start);
        end = start;
    }
    const char* const blanks = " \t\r\n";
    const std::size_t from =
        command.find_first_not_of(blanks, command.find_first_not_of(blanks) + 4);
    if (lower(tail[1]) != "alias" || lower(tail[3]) != "type" || tail[0].empty() ||
        from == std::string::npos || from >= end)
        return kMciUnknownCommand;
    if (lower(tail[2]) != "sequencer") return kMciUnsupported;
    std::string path = command.substr(from, end - from);
    while (!path.empty() && isBlank(path.back()))
        path.pop_back();
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    const std::string alias = lower(tail[0]);
    if (path.empty()) return kMciUnknownCommand;
    if (alias == "all") return kMciUnknownCommand; // "close all" must stay unambiguous
    if (devices_.count(alias)) return kMciAliasInUse;

    auto bytes = readMidiFileBytes(path);
    if (!bytes) return kMciCannotRead;
    const auto length = midiLengthMs(bytes->data(), bytes->size());
    if (!length) return kMciNotMidi;
    Device& d = devices_[alias];
    d.lengthMs = *length;
    d.song = std::move(*bytes);
    return kMciOk;
}

std::uint32_t MciSequencer::play(const std::string& alias, Device& d) {
    // The Synth line carries one song: whatever else plays stops first.
    for (auto& [name, other] : devices_)
        if (name != alias && other.synth) other.synth->stop();
    if (!d.synth) d.synth = std::make_unique<MidiSynth>(std::move(d.song), engine_);
    return d.synth->play() ? kMciOk : kMciPlayFailed;
}

std::uint32_t MciSequencer::send(const std::string& command, std::string* reply) {
    if (reply) reply->clear();
    const std::vector<std::string> w = words(command);
    if (w.empty()) return kMciUnknownCommand;
    if (w[0] == "open") return open(command);
    if (w.size() == 2 && w[0] == "close" && w[1] == "all") {
        devices_.clear(); // each synth stops as it goes
        return kMciOk;
    }
    if (w.size() < 2) return kMciUnknownCommand;
    const auto known = {"close", "stop", "play", "status", "set"};
    if (std::find(known.begin(), known.end(), w[0]) == known.end()) return kMciUnknownCommand;
    const auto it = devices_.find(w[1]);
    if (it == devices_.end()) return kMciUnknownAlias;
    Device& d = it->second;

    if (w[0] == "close" && w.size() == 2) {
        devices_.erase(it);
        return kMciOk;
    }
    if (w[0] == "stop" && w.size() == 2) {
        if (d.synth) d.synth->stop();
        return kMciOk;
    }
    if (w[0] == "play" && (w.size() == 2 || (w.size() == 4 && w[2] == "from"))) {
        if (w.size() == 4 && w[3] != "0") return kMciUnsupported;
        return play(w[1], d);
    }
    if (w[0] == "set" && w.size() == 5 && w[2] == "time" && w[3] == "format")
        return w[4] == "ms" || w[4] == "milliseconds" ? kMciOk : kMciUnsupported;
    if (w[0] == "status" && w.size() == 3) {
        std::string answer;
        if (w[2] == "length")
            answer = std::to_string(d.lengthMs);
        else if (w[2] == "mode")
            answer = d.synth && d.synth->playing() ? "playing" : "stopped";
        else
            return kMciUnsupported;
        if (reply) *reply = answer;
        return kMciOk;
    }
    return kMciUnknownCommand;
}

} // namespace vs::audio
