// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the session export, printed for a person to read: the new
// session's curves stretched to the length asked (one hour by default) with
// the program's first-start controls, rendered to WAV and to FLAC, with and
// without the verification beside it; CPU seconds and the peak resident
// memory of each run, every run in a child process of its own so the peaks
// do not mix. A ten-minute run beside the hour shows whether memory grows.
//
//   export_bench [minutes]
#include "playback/audio_file_writer.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_model.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct Figures {
    double cpu = 0, system = 0;
    long peakKb = 0;
    bool ok = false;
};

// The length bars stop at 59:59.
int lengthOf(int minutes) {
    return std::min(minutes * 60, 3599);
}

// One export in a child: its CPU time (every thread) and peak memory.
Figures measure(int minutes, const char* extension, bool verify) {
    const std::string path = "/tmp/vs-export-bench-" + std::to_string(::getpid()) + "." + extension;
    const pid_t child = ::fork();
    if (child == 0) {
        vs::session::SessionModel model;
        model.SesionNueva();
        const int seconds = lengthOf(minutes);
        model.setMinutos(seconds / 60);
        model.setSegundos(seconds % 60);
        vs::playback::ExportOptions options;
        vs::playback::SessionRenderer renderer(model, options);
        vs::playback::RenderAnalyser analyser(model, options);
        struct Nowhere : vs::playback::FrameSink {
            bool write(const float*, int) override { return true; }
        } nowhere;
        vs::playback::RenderStatus status;
        if (*extension) // a file
            status = vs::playback::exportToFile(renderer, path, verify ? &analyser : nullptr,
                                                nullptr, {})
                         .status;
        else // the render alone, into nothing or into the verification
            status = verify ? renderer.run(analyser).status : renderer.run(nowhere).status;
        if (verify) analyser.finish();
        std::filesystem::remove(path);
        std::_Exit(status == vs::playback::RenderStatus::Complete ? 0 : 1);
    }
    int status = 0;
    rusage u{};
    ::wait4(child, &status, 0, &u);
    Figures f;
    f.cpu = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
            double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
    f.system = double(u.ru_stime.tv_sec) + double(u.ru_stime.tv_usec) * 1e-6;
    f.peakKb = u.ru_maxrss;
    f.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return f;
}

} // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 60;
    std::printf(
        "export of the new session, first-start controls (binaural 50, no mask, fade 30 s);\n"
        "format -: the render alone, into nothing or into the verification\n");
    std::printf("%8s %6s %9s %8s %10s %12s %10s\n", "length", "format", "verified", "CPU s",
                "of it sys", "CPU s/hour", "peak MB");
    for (int m : {10, minutes}) {
        for (const char* ext : {"", "wav", "flac"}) {
            for (bool verify : {false, true}) {
                const Figures f = measure(m, ext, verify);
                const double seconds = lengthOf(m);
                std::printf("%6d m %6s %9s %8.2f %10.2f %12.2f %10.1f%s\n", m, *ext ? ext : "-",
                            verify ? "yes" : "no", f.cpu, f.system, f.cpu * 3600 / seconds,
                            double(f.peakKb) / 1024.0, f.ok ? "" : "  FAILED");
            }
        }
    }
    return 0;
}
