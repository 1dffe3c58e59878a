// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_command.h"

#include "base/file_replace.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "base/process_files.h"
#include "base/services.h"
#include "glasses/export_lights.h"
#include "library/list_file.h"
#include "library/export_music.h"
#include "playback/audio_file_writer.h"
#include "playback/playback_keys.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/random_source.h"
#include "session/session_file.h"
#include "session/session_model.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace vs::render {
namespace {

constexpr const char* kUsage = "uso: velorin-somnara-render SESION.vso SALIDA.{wav,flac,ogg,mp3} "
                               "[--informe INFORME.json] [--sin-musica] [--luz]";

struct Arguments {
    std::string session, output, report;
    bool noMusic = false;
    bool light = false;
};

bool parse(const std::vector<std::string>& args, Arguments& a, std::string& error) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sin-musica") {
            a.noMusic = true;
        } else if (args[i] == "--luz") {
            a.light = true;
        } else if (args[i] == "--informe") {
            if (i + 1 >= args.size()) {
                error = "falta el nombre del informe tras --informe";
                return false;
            }
            a.report = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            error = "opción desconocida: " + args[i];
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) {
        error = "se esperan una sesión y un fichero de salida";
        return false;
    }
    a.session = positional[0];
    a.output = positional[1];
    return true;
}

// Without writing anything back: the renderer leaves the session file alone.
bool readSession(const std::string& path, session::SessionModel& model) {
    session::SessionData data;
    std::filebuf file;
    if (!file.open(path, std::ios::in | std::ios::binary)) return false;
    if (!session::parseSession(file, data, session::clockRandom())) return false;
    model.SesionNueva();
    session::applySession(data, model);
    return true;
}

// What reading the playlist had to say goes to the terminal, one line each.
class TerminalMessages : public MessageService {
public:
    explicit TerminalMessages(std::ostream& err) : err_(err) {}
    void critical(const std::string& text) override { say(text); }
    void information(const std::string& text) override { say(text); }
    bool askYesNo(const std::string& text) override {
        say(text);
        return false;
    }

private:
    void say(const std::string& text) { err_ << "velorin-somnara-render: nota: " << text << "\n"; }
    std::ostream& err_;
};

// The user's playlist as the program left it: its file, the stored music box,
// the first song current and the slider where the window starts it.
library::PlaylistSnapshot userPlaylist(std::ostream& err) {
    library::PlaylistSnapshot p;
    p.musica = Preferences::instance().getBool(playback::pref::MusicaActivo);
    if (!p.musica) return p;
    TerminalMessages messages(err);
    const std::string file = joinPath(programFolder(), library::kPlaylistName);
    for (const library::ListRow& cells : library::loadListRows(file, 0, messages, library::UnreadableList::Leave))
        p.rows.push_back({cells[0], cells[1], cells[2]});
    p.currentRow = 1;
    return p;
}

std::string clockText(double seconds) {
    return session::FormatoTiempo(std::int64_t(seconds + 0.5) * 1000);
}

class ProgressBar {
public:
    ProgressBar(std::ostream& err, std::int64_t total) : err_(err), total_(total) {}
    void show(std::int64_t done) {
        const int percent = int(done * 100 / std::max<std::int64_t>(total_, 1));
        if (percent == shown_) return;
        shown_ = percent;
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        const double left = done > 0 ? elapsed * double(total_ - done) / double(done) : 0;
        const int width = 40, filled = percent * width / 100;
        err_ << "\r[" << std::string(std::size_t(filled), '#')
             << std::string(std::size_t(width - filled), ' ') << "] " << percent << " %";
        if (done > 0) err_ << "  quedan " << clockText(left) << "   ";
        err_.flush();
    }
    void end() { err_ << "\n"; }

private:
    std::ostream& err_;
    std::int64_t total_;
    int shown_ = -1;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace

int runRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     bool progressBar, const std::atomic<bool>* cancel) {
    Arguments a;
    std::string error;
    if (!parse(args, a, error)) {
        err << "velorin-somnara-render: " << error << "\n" << kUsage << "\n";
        return kExitBadInput;
    }
    if (!playback::formatForPath(a.output)) {
        err << "velorin-somnara-render: formato desconocido: " << a.output
            << " (use .wav, .flac, .ogg o .mp3)\n";
        return kExitBadInput;
    }
    session::SessionModel model;
    if (!readSession(a.session, model)) {
        err << "velorin-somnara-render: no se puede leer la sesión " << a.session << "\n";
        return kExitBadInput;
    }
    for (const std::string* path : {&a.output, &a.report}) {
        if (!path->empty() && !canReplaceFile(*path)) {
            err << "velorin-somnara-render: no se puede escribir " << *path << "\n";
            return kExitBadInput;
        }
    }

    // What an export killed earlier left beside its file.
    removeStaleTemporariesBeside(a.output);

    // The program's defaults for the tone and mask boxes and bars.
    playback::ExportOptions options;
    links::MusicLinkFactory music;
    if (!a.noMusic) {
        library::PlaylistSnapshot playlist = userPlaylist(err);
        if (playlist.musica && !playlist.rows.empty())
            music = library::exportMusic(std::move(playlist), Preferences::instance().file());
    }
    options.musica = bool(music);
    // The lights in the sound only when asked for: the glasses' settings
    // belong to the window's machine, a file may be meant for another.
    options.luz = a.light;
    playback::SessionRenderer renderer(model, options, std::move(music),
                                       a.light ? glasses::exportLights()
                                               : links::GlassesLinkFactory{});
    playback::RenderAnalyser analyser(model, options);
    ProgressBar bar(err, renderer.totalFrames());
    std::function<void(std::int64_t)> progress;
    if (progressBar) progress = [&](std::int64_t done) { bar.show(done); };
    const playback::ExportResult r =
        playback::exportToFile(renderer, a.output, &analyser, cancel, progress);
    if (progressBar) bar.end();
    if (r.status != playback::RenderStatus::Complete) {
        err << "velorin-somnara-render: " << r.message << "\n";
        return kExitFailed;
    }
    const playback::VerificationReport& report = analyser.finish();
    const std::string name = std::filesystem::path(a.session).stem().string();
    for (const std::string& note : r.notes)
        err << "velorin-somnara-render: nota: " << note << "\n";
    if (!a.report.empty() &&
        !replaceFileContents(a.report, playback::reportJson(report, name, r.notes))) {
        err << "velorin-somnara-render: no se puede escribir " << a.report << "\n";
        return kExitFailed;
    }
    out << a.output << ": " << clockText(double(report.frames) / 44100.0) << "; "
        << playback::reportSummary(report) << "\n";
    return kExitComplete;
}

} // namespace vs::render
