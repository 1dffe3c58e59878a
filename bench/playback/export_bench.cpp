// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the session export, printed for a person to read: the new
// session's curves stretched to the length asked (one hour by default) with
// the program's first-start controls. Every run in a child process of its
// own, so the peaks of memory do not mix; CPU seconds of all its threads,
// wall seconds and the peak resident memory of each.
//
// First the render alone (into nothing, or into the verification) and the
// export to each format with and without the verification, at ten minutes
// and at the length asked (memory must not grow with it). Then the floor:
// for each format, the same length of silence handed straight to the same
// writer (the cost of the bytes alone: conversion, encoder, disk), beside
// the whole export, and how many times the floor the export takes.
//
//   export_bench [minutes] [format...]      formats: wav flac ogg mp3 (default wav flac)
#include "playback/audio_file_writer.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_model.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace vs::playback;

struct Figures {
    double cpu = 0, system = 0, wall = 0;
    long peakKb = 0;
    bool ok = false;
};

// The length bars stop at 59:59.
int lengthOf(int minutes) {
    return std::min(minutes * 60, 3599);
}

vs::session::SessionModel sessionOf(int minutes) {
    vs::session::SessionModel model;
    model.SesionNueva();
    const int seconds = lengthOf(minutes);
    model.setMinutos(seconds / 60);
    model.setSegundos(seconds % 60);
    return model;
}

std::string scratchPath(const char* extension) {
    return "/tmp/vs-export-bench-" + std::to_string(::getpid()) + "." + extension;
}

// `job` in a child: its CPU time (every thread), wall time and peak memory.
Figures measure(const std::function<bool()>& job) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) std::_Exit(job() ? 0 : 1);
    int status = 0;
    rusage u{};
    ::wait4(child, &status, 0, &u);
    Figures f;
    f.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    f.cpu = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
            double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
    f.system = double(u.ru_stime.tv_sec) + double(u.ru_stime.tv_usec) * 1e-6;
    f.peakKb = u.ru_maxrss;
    f.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return f;
}

// The export as the renderer makes it; with no extension the render alone,
// into nothing or into the verification.
bool exportJob(int minutes, const char* extension, bool verify) {
    const vs::session::SessionModel model = sessionOf(minutes);
    ExportOptions options;
    SessionRenderer renderer(model, options);
    RenderAnalyser analyser(model, options);
    struct Nowhere : FrameSink {
        bool write(const float*, int) override { return true; }
    } nowhere;
    RenderStatus status;
    const std::string path = scratchPath(extension);
    if (*extension)
        status = exportToFile(renderer, path, verify ? &analyser : nullptr, nullptr, {}).status;
    else
        status = verify ? renderer.run(analyser).status : renderer.run(nowhere).status;
    if (verify) analyser.finish();
    std::filesystem::remove(path);
    return status == RenderStatus::Complete;
}

// Silence of the same length handed to the same writer, block by block, and
// the file finished (its sync included) as an export finishes it.
bool floorJob(int minutes, const char* extension) {
    const std::string path = scratchPath(extension);
    std::string error;
    auto file = diskFiles()(path, error);
    if (!file) return false;
    AudioFileWriter writer(std::move(file), *formatForPath(path));
    static const std::array<float, 2 * SessionRenderer::kBlockFrames> silence{};
    std::int64_t left = std::int64_t(lengthOf(minutes)) * 44100;
    bool ok = writer.ok();
    while (ok && left > 0) {
        const int n = int(std::min<std::int64_t>(left, SessionRenderer::kBlockFrames));
        ok = writer.write(silence.data(), n);
        left -= n;
    }
    ok = writer.finish() && ok;
    std::filesystem::remove(path);
    return ok;
}

void printRow(int minutes, const char* what, const char* verified, const Figures& f) {
    const double seconds = lengthOf(minutes);
    std::printf("%6d m %8s %9s %8.2f %10.2f %8.2f %12.2f %10.1f%s\n", minutes, what, verified,
                f.cpu, f.system, f.wall, f.cpu * 3600 / seconds, double(f.peakKb) / 1024.0,
                f.ok ? "" : "  FAILED");
}

} // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 60;
    std::vector<std::string> formats;
    for (int i = 2; i < argc; ++i)
        formats.push_back(argv[i]);
    if (formats.empty()) formats = {"wav", "flac"};
    for (const std::string& f : formats)
        if (!formatForPath("x." + f)) {
            std::fprintf(stderr, "export_bench: unknown format %s\n", f.c_str());
            return 2;
        }

    std::printf(
        "export of the new session, first-start controls (binaural 50, no mask, fade 30 s);\n"
        "format -: the render alone, into nothing or into the verification\n");
    std::printf("%8s %8s %9s %8s %10s %8s %12s %10s\n", "length", "format", "verified", "CPU s",
                "of it sys", "wall s", "CPU s/hour", "peak MB");
    for (int m : {10, minutes}) {
        std::vector<std::string> all{""};
        all.insert(all.end(), formats.begin(), formats.end());
        for (const std::string& ext : all)
            for (bool verify : {false, true})
                printRow(m, ext.empty() ? "-" : ext.c_str(), verify ? "yes" : "no",
                         measure([&] { return exportJob(m, ext.c_str(), verify); }));
    }

    std::printf("\nthe floor: %d min of silence straight to the writer, beside the export "
                "with its verification\n",
                lengthOf(minutes) / 60);
    std::printf("%8s %8s %9s %8s %10s %8s %12s %10s\n", "length", "format", "what", "CPU s",
                "of it sys", "wall s", "CPU s/hour", "peak MB");
    for (const std::string& ext : formats) {
        const Figures floor = measure([&] { return floorJob(minutes, ext.c_str()); });
        const Figures full = measure([&] { return exportJob(minutes, ext.c_str(), true); });
        printRow(minutes, ext.c_str(), "floor", floor);
        printRow(minutes, ext.c_str(), "export", full);
        std::printf("%8s %8s %9s %8.2fx %19.2fx\n", "", ext.c_str(), "ratio", full.cpu / floor.cpu,
                    full.wall / floor.wall);
    }
    return 0;
}
