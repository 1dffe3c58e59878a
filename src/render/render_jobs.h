// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The renders of one command, side by side: each session on a worker of its
// own (up to the number of cores), each with its private engine, its writer
// and its verification; the calling thread hears of each as it ends and
// draws the progress of them all.
//
// Thread rule: runJobs is called from one thread, which gets every callback;
// the jobs' renders run on workers it starts and joins.
#include "links/player_links.h"
#include "playback/audio_file_writer.h"
#include "playback/verification_report.h"
#include "session/session_model.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vs::render {

inline constexpr int kExitComplete = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitDefects = 3;

// The status that says more of two: no file (bad input before a failure)
// over a file with defects over a complete one.
int worseStatus(int a, int b);

struct RenderJob {
    std::string session; // as given, for the messages
    std::string name;    // the session's name in its report
    session::SessionModel model;
    playback::ExportOptions sound;
    links::MusicLinkFactory music;
    links::GlassesLinkFactory lights;
    std::string output; // a file, or "-" for standard output
    playback::AudioFormat format = playback::AudioFormat::Wav;
    playback::WriterSettings writer;
    std::string report; // the JSON's file; empty for none
};

struct JobOutcome {
    int status = kExitFailed;
    std::string message; // Spanish: why no file was written (or the report was not)
    links::RenderNotes notes;
    playback::VerificationReport report;
};

// `standardOutput` takes the job whose output is "-". `ended` is called as
// each job ends, in that order; `progress` about every tenth of a second with
// the frames done and to do over all the jobs. `cancel` (may be null) stops
// every render.
void runJobs(std::vector<RenderJob>& jobs, unsigned workers, std::ostream& standardOutput,
             const std::atomic<bool>* cancel,
             const std::function<void(const RenderJob&, const JobOutcome&)>& ended,
             const std::function<void(std::int64_t done, std::int64_t total)>& progress);

} // namespace vs::render
