// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Music-device double: streams, MIDI files and CD discs from a script, every
// call written to a log (a stream by its slot), so playlist and player tests
// need no sound at all.
#include "audio/bass.h"
#include "library/music_devices.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vs::library {

class ScriptedMusicDevices : public MusicDevices {
public:
    struct StreamFile {
        std::uint64_t bytes = 0;
        std::uint32_t rate = 44100;
        std::uint32_t flags = 0; // audio::kChannel8Bit, audio::kChannelMono
        bool plays = true;       // false: BASS_StreamPlay refuses
    };
    struct Stream {
        std::string path;
        bool active = false;
        bool freed = false;
    };

    std::map<std::string, StreamFile> streamFiles; // what opens as a stream
    std::map<std::string, std::int64_t> midiFiles; // path -> length in ms
    bool midiPlays = true;
    std::string midiMode = "playing";
    // Drive -> its disc's tracks; a drive without an entry has no disc.
    std::map<std::string, std::vector<audio::CdTrackInfo>> discs;
    std::vector<std::string> drives;
    bool cdActiveNow = false;

    struct ById {
        bool operator()(audio::StreamId a, audio::StreamId b) const { return a.slot < b.slot; }
    };

    std::vector<std::string> log;
    std::map<audio::StreamId, Stream, ById> streams; // id -> stream (slots from 1)
    std::map<std::string, std::string> aliases;      // open MIDI aliases -> path
    std::string cdDrive;                             // "" while the CD is not initialised

    // The stream last created for `path` (empty if none).
    audio::StreamId streamOf(const std::string& path) const {
        audio::StreamId h;
        for (const auto& [id, s] : streams)
            if (s.path == path) h = id;
        return h;
    }
    int count(const std::string& entry) const {
        return int(std::count(log.begin(), log.end(), entry));
    }

    audio::StreamId streamCreate(const std::string& path) override {
        log.push_back("streamCreate " + path);
        if (!streamFiles.count(path)) return {};
        const audio::StreamId id{next_++, 1};
        streams[id] = {path, false, false};
        return id;
    }
    bool streamPlay(audio::StreamId h) override {
        log.push_back("streamPlay " + std::to_string(h.slot));
        auto* s = live(h);
        if (!s || !streamFiles[s->path].plays) return false;
        s->active = true;
        return true;
    }
    void streamStop(audio::StreamId h) override {
        log.push_back("streamStop " + std::to_string(h.slot));
        if (auto* s = live(h)) s->active = false;
    }
    void streamFree(audio::StreamId h) override {
        if (!h) return;
        log.push_back("streamFree " + std::to_string(h.slot));
        if (auto* s = live(h)) *s = {s->path, false, true};
    }
    bool streamActive(audio::StreamId h) override {
        const auto* s = live(h);
        return s && s->active;
    }
    std::optional<library::Seconds> streamLength(audio::StreamId h) override {
        const auto* s = live(h);
        if (!s) return std::nullopt;
        const StreamFile& f = streamFiles[s->path];
        if (f.rate == 0) return std::nullopt;
        const double channels = (f.flags & audio::kChannelMono) ? 1 : 2;
        const double bytesPerSample = (f.flags & audio::kChannel8Bit) ? 1 : 2;
        return library::Seconds(double(f.bytes) / (double(f.rate) * channels * bytesPerSample));
    }

    std::uint32_t mci(const std::string& command, std::string* reply) override {
        log.push_back("mci " + command);
        if (reply) reply->clear();
        const std::string open = "open ", tail = " type sequencer alias ";
        if (command.rfind(open, 0) == 0) {
            const auto at = command.rfind(tail);
            if (at == std::string::npos) return 1;
            const std::string path = command.substr(open.size(), at - open.size());
            const std::string alias = command.substr(at + tail.size());
            if (!midiFiles.count(path) || aliases.count(alias)) return 1;
            aliases[alias] = path;
            return 0;
        }
        if (command == "close all") {
            aliases.clear();
            return 0;
        }
        const auto sp = command.find(' ');
        const std::string verb = command.substr(0, sp);
        std::string rest = sp == std::string::npos ? "" : command.substr(sp + 1);
        const std::string alias = rest.substr(0, rest.find(' '));
        if (!aliases.count(alias)) return 1;
        if (verb == "close") {
            aliases.erase(alias);
            return 0;
        }
        if (verb == "status" && rest == alias + " length") {
            if (reply) *reply = std::to_string(midiFiles[aliases[alias]]);
            return 0;
        }
        if (verb == "status" && rest == alias + " mode") {
            if (reply) *reply = midiMode;
            return 0;
        }
        if (verb == "play") return midiPlays ? 0 : 1;
        if (verb == "set" || verb == "stop") return 0;
        return 1;
    }

    bool cdInit(const std::string& drive) override {
        log.push_back("cdInit " + drive);
        if (std::find(drives.begin(), drives.end(), drive) == drives.end()) return false;
        cdDrive = drive;
        return true;
    }
    void cdFree() override {
        log.push_back("cdFree");
        cdDrive.clear();
        cdActiveNow = false;
    }
    std::optional<std::chrono::milliseconds> cdTrackLength(int track) override {
        for (const auto& t : tracksHere())
            if (t.number == track) return std::chrono::milliseconds(t.lengthMs);
        return std::nullopt;
    }
    bool cdPlay(int track) override {
        log.push_back("cdPlay " + std::to_string(track));
        if (!cdTrackLength(track)) return false;
        cdActiveNow = true;
        return true;
    }
    bool cdActive() override { return cdActiveNow; }
    void cdStop() override {
        log.push_back("cdStop");
        cdActiveNow = false;
    }
    std::vector<std::string> cdDrives() override { return drives; }
    std::vector<audio::CdTrackInfo> cdTracks(const std::string& drive) override {
        const auto it = discs.find(drive);
        return it == discs.end() ? std::vector<audio::CdTrackInfo>{} : it->second;
    }

private:
    Stream* live(audio::StreamId h) {
        const auto it = streams.find(h);
        return it == streams.end() || it->second.freed ? nullptr : &it->second;
    }
    std::vector<audio::CdTrackInfo> tracksHere() {
        return cdDrive.empty() ? std::vector<audio::CdTrackInfo>{} : cdTracks(cdDrive);
    }
    std::uint16_t next_ = 1;
};

} // namespace vs::library
