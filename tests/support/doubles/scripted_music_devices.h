// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Music-device double: streams, MIDI files and CD discs from a script, every
// call written to a log, so playlist and player tests need no sound at all.
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

    std::vector<std::string> log;
    std::map<std::uint32_t, Stream> streams;    // handle -> stream (handles from 1)
    std::map<std::string, std::string> aliases; // open MIDI aliases -> path
    std::string cdDrive;                        // "" while the CD is not initialised

    // The stream handle last created for `path` (0 if none).
    std::uint32_t streamOf(const std::string& path) const {
        std::uint32_t h = 0;
        for (const auto& [handle, s] : streams)
            if (s.path == path) h = handle;
        return h;
    }
    int count(const std::string& entry) const {
        return int(std::count(log.begin(), log.end(), entry));
    }

    std::uint32_t streamCreate(const std::string& path) override {
        log.push_back("streamCreate " + path);
        if (!streamFiles.count(path)) return 0;
        streams[next_] = {path, false, false};
        return next_++;
    }
    std::uint32_t streamPlay(std::uint32_t h) override {
        log.push_back("streamPlay " + std::to_string(h));
        auto* s = live(h);
        if (!s || !streamFiles[s->path].plays) return 0;
        s->active = true;
        return 1;
    }
    void streamStop(std::uint32_t h) override {
        log.push_back("streamStop " + std::to_string(h));
        if (auto* s = live(h)) s->active = false;
    }
    void streamFree(std::uint32_t h) override {
        if (h == 0) return;
        log.push_back("streamFree " + std::to_string(h));
        if (auto* s = live(h)) *s = {s->path, false, true};
    }
    bool streamActive(std::uint32_t h) override {
        const auto* s = live(h);
        return s && s->active;
    }
    std::uint64_t streamLengthBytes(std::uint32_t h) override {
        const auto* s = live(h);
        return s ? streamFiles[s->path].bytes : audio::kNotAStream;
    }
    std::uint64_t musicLengthBytes(std::uint32_t) override { return 0; }
    std::uint32_t channelRate(std::uint32_t h) override {
        const auto* s = live(h);
        return s ? streamFiles[s->path].rate : 0;
    }
    std::uint32_t channelFlags(std::uint32_t h) override {
        const auto* s = live(h);
        return s ? streamFiles[s->path].flags : 0;
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

    std::uint32_t cdInit(const std::string& drive) override {
        log.push_back("cdInit " + drive);
        if (std::find(drives.begin(), drives.end(), drive) == drives.end()) return 0;
        cdDrive = drive;
        return 1;
    }
    void cdFree() override {
        log.push_back("cdFree");
        cdDrive.clear();
        cdActiveNow = false;
    }
    std::uint32_t cdTrackLengthMs(std::uint32_t track) override {
        for (const auto& t : tracksHere())
            if (t.number == int(track)) return std::uint32_t(t.lengthMs);
        return kNoCdTrack;
    }
    std::uint32_t cdPlay(std::uint32_t track) override {
        log.push_back("cdPlay " + std::to_string(track));
        if (cdTrackLengthMs(track) == kNoCdTrack) return 0;
        cdActiveNow = true;
        return 1;
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
    Stream* live(std::uint32_t h) {
        const auto it = streams.find(h);
        return it == streams.end() || it->second.freed ? nullptr : &it->second;
    }
    std::vector<audio::CdTrackInfo> tracksHere() {
        return cdDrive.empty() ? std::vector<audio::CdTrackInfo>{} : cdTracks(cdDrive);
    }
    std::uint32_t next_ = 1;
};

} // namespace vs::library
