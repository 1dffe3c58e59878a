// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_command.h"

#include "audio/engine.h"
#include "base/file_replace.h"
#include "base/interface_language.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "base/process_files.h"
#include "base/services.h"
#include "glasses/export_lights.h"
#include "library/export_music.h"
#include "library/list_file.h"
#include "render/render_options.h"
#include "render/session_input.h"

#include <chrono>
#include <filesystem>
#include <ostream>
#include <set>
#include <thread>

namespace vs::render {
namespace {

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
    void say(const std::string& text) {
        err_ << kProgram << translate("RenderCommand", ": nota: ") << text << "\n";
    }
    std::ostream& err_;
};

// The user's playlist as the program left it: its file, the first song
// current and the slider where the sources put it.
library::PlaylistSnapshot userPlaylist(const RenderSources& sources, std::ostream& err) {
    library::PlaylistSnapshot p;
    p.musica = sources.sound.musica;
    p.volumenMusica = sources.musicSlider;
    if (!p.musica) return p;
    TerminalMessages messages(err);
    const std::string file = joinPath(programFolder(), library::kPlaylistName);
    for (const library::ListRow& cells :
         library::loadListRows(file, 0, messages, library::UnreadableList::Leave))
        p.rows.push_back({cells[0], cells[1], cells[2]});
    p.currentRow = 1;
    return p;
}

std::string clockText(double seconds) {
    return session::FormatoTiempo(std::int64_t(seconds + 0.5) * 1000);
}

class ProgressBar {
public:
    explicit ProgressBar(std::ostream& err) : err_(err) {}
    void show(std::int64_t done, std::int64_t total) {
        const int percent = int(done * 100 / std::max<std::int64_t>(total, 1));
        if (percent == shown_) return;
        shown_ = percent;
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        const double left = done > 0 ? elapsed * double(total - done) / double(done) : 0;
        const int width = 40, filled = percent * width / 100;
        err_ << "\r[" << std::string(std::size_t(filled), '#')
             << std::string(std::size_t(width - filled), ' ') << "] " << percent << " %";
        if (done > 0) err_ << translate("RenderCommand", "  quedan ") << clockText(left) << "   ";
        err_.flush();
    }
    // Before a line of text: the bar goes, to be drawn again below it.
    void clear() {
        if (shown_ < 0) return;
        err_ << "\r" << std::string(72, ' ') << "\r";
        shown_ = -1;
    }

private:
    std::ostream& err_;
    int shown_ = -1;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::string sourcesText(const RenderSources& s, std::size_t songs) {
    const playback::ExportOptions& e = s.sound;
    std::string text;
    auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (e.binaural) {
        using playback::PulseType;
        const PulseType pulse = e.sound.pulse;
        add(withArgs(pulse == PulseType::Monaural     ? translate("RenderCommand", "monoaural %1")
                     : pulse == PulseType::Isochronic ? translate("RenderCommand", "isocrónico %1")
                                                      : translate("RenderCommand", "binaural %1"),
                     {std::to_string(e.volumenBinaural)}));
    }
    if (e.mascara)
        add(withArgs(e.sound.noise == playback::NoiseColour::Pink
                         ? translate("RenderCommand", "máscara %1 (rosa)")
                     : e.sound.noise == playback::NoiseColour::Brown
                         ? translate("RenderCommand", "máscara %1 (marrón)")
                         : translate("RenderCommand", "máscara %1"),
                     {std::to_string(e.volumenMascara)}));
    if (e.sound.swapChannels) add(translate("RenderCommand", "canales intercambiados"));
    if (e.musica)
        add(withArgs(songs == 1 ? translate("RenderCommand", "música %1 (%2 canción)")
                                : translate("RenderCommand", "música %1 (%2 canciones)"),
                     {std::to_string(s.musicSlider), std::to_string(songs)}));
    if (e.luz) add(translate("RenderCommand", "luz"));
    add(e.ultimosSegundos > 0 ? withArgs(translate("RenderCommand", "fundido %1 s"),
                                         {std::to_string(e.ultimosSegundos)})
                              : translate("RenderCommand", "sin fundido"));
    return text;
}

std::string shown(const std::string& session) {
    return session == kStandardStream ? translate("RenderCommand", "(entrada estándar)") : session;
}

// The lines of one command: each says which session it speaks of when there
// are several.
class Lines {
public:
    Lines(std::ostream& out, std::ostream& err, const RenderOptions& o)
        : out_(out), err_(err), quiet_(o.quiet), several_(o.several()),
          resultsOnErr_(o.output == kStandardStream) {}
    void error(const std::string& session, const std::string& text) {
        err_ << kProgram << ": " << (several_ ? shown(session) + ": " : "") << text << "\n";
    }
    void note(const std::string& session, const std::string& text) {
        if (!quiet_)
            err_ << kProgram << ": " << (several_ ? shown(session) + ": " : "")
                 << translate("RenderCommand", "nota: ") << text << "\n";
    }
    void result(const std::string& text) {
        if (!quiet_) (resultsOnErr_ ? err_ : out_) << text << "\n";
    }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool quiet_, several_, resultsOnErr_;
};

std::string outputFor(const RenderOptions& o, const std::string& session) {
    if (!o.several()) return o.output;
    const std::string stem = std::filesystem::path(session).stem().string();
    return (std::filesystem::path(o.folder) / (stem + "." + playback::extensionOf(*o.format)))
        .string();
}

std::string reportName(const std::string& session) {
    return session == kStandardStream ? "entrada" : std::filesystem::path(session).stem().string();
}

} // namespace

int runRenderCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err, bool progressBar, const std::atomic<bool>* cancel) {
    const ParsedArguments parsed = parseArguments(args);
    if (!parsed.error.empty()) {
        err << kProgram << ": " << parsed.error << "\n" << usageLine() << "\n";
        return kExitBadInput;
    }
    const RenderOptions& o = parsed.options;
    if (o.action == RenderOptions::Action::Help) {
        out << helpText();
        return kExitComplete;
    }
    if (o.action == RenderOptions::Action::Version) {
        out << versionText();
        return kExitComplete;
    }
    const bool check = o.action == RenderOptions::Action::Check;
    Lines lines(out, err, o);
    std::error_code ec;
    if (o.several() && !check && !std::filesystem::is_directory(o.folder) &&
        !std::filesystem::create_directories(o.folder, ec)) {
        err << kProgram << translate("RenderCommand", ": no se puede crear la carpeta ") << o.folder
            << "\n";
        return kExitBadInput;
    }

    RenderSources sources = sourcesFor(o, Preferences::instance());
    const library::PlaylistSnapshot playlist = userPlaylist(sources, err);
    links::MusicLinkFactory music;
    if (playlist.musica && !playlist.rows.empty())
        music = library::exportMusic(playlist, Preferences::instance().file());
    // Without songs the file has none, and the report must not count on it.
    sources.sound.musica = bool(music);
    // The lights in the sound only when asked for: the glasses' settings
    // belong to the window's machine, a file may be meant for another.
    const links::GlassesLinkFactory lights =
        o.light ? glasses::exportLights() : links::GlassesLinkFactory{};

    int status = kExitComplete;
    std::vector<RenderJob> jobs;
    std::set<std::string> outputs;
    for (const std::string& session : o.sessions) {
        auto input = readSessionInput(session, in);
        if (session == kStandardStream && cancel && *cancel) { // Ctrl+C while it was read
            lines.error(session, translate("RenderCommand", "interrumpida antes de empezar"));
            return kExitFailed;
        }
        if (const auto* why = std::get_if<std::string>(&input)) {
            lines.error(session, *why);
            status = worseStatus(status, kExitBadInput);
            continue;
        }
        SessionInput& s = std::get<SessionInput>(input);
        if (!s.notes.empty()) lines.note(session, s.notes);
        RenderSources own = sources;
        // An imported schedule's noise plays as the mask unless told otherwise.
        if (s.maskLevel && !o.mascara) {
            own.sound.mascara = *s.maskLevel > 0;
            if (own.sound.mascara) {
                own.sound.volumenMascara = *s.maskLevel;
                lines.note(session, withArgs(translate("RenderCommand",
                                                       "el ruido de la sesión suena como máscara, "
                                                       "a %1 (--mascara lo cambia)"),
                                             {std::to_string(*s.maskLevel)}));
            }
        }
        const std::string output = outputFor(o, session);
        std::string problem;
        if (!own.sound.binaural && !own.sound.mascara && !own.sound.musica)
            problem = translate("RenderCommand", "no queda ninguna fuente de sonido");
        else if (!output.empty() && !outputs.insert(output).second)
            problem = translate("RenderCommand", "otra sesión ya se graba en ") + output;
        else if (!output.empty() && output != kStandardStream && !canReplaceFile(output) &&
                 !(check && o.several() && !std::filesystem::exists(o.folder)))
            problem = translate("RenderCommand", "no se puede escribir ") + output;
        else if (!o.report.empty() && !canReplaceFile(o.report))
            problem = translate("RenderCommand", "no se puede escribir ") + o.report;
        if (!problem.empty()) {
            lines.error(session, problem);
            status = worseStatus(status, kExitBadInput);
            continue;
        }
        if (check) {
            std::string line = shown(session) + ": " + clockText(s.model.lengthSeconds()) + "; " +
                               sourcesText(own, playlist.rows.size());
            if (!output.empty())
                line += " → " + output + " (" + formatText(*o.format, o.writer) + ")";
            lines.result(line);
            continue;
        }
        jobs.push_back({session, reportName(session), std::move(s.model), own.sound,
                        own.sound.musica ? music : links::MusicLinkFactory{}, lights, output,
                        *o.format, o.writer, o.report});
    }
    if (check || jobs.empty()) return status;

    // What an export killed earlier left beside its file.
    for (const RenderJob& job : jobs)
        if (job.output != kStandardStream) removeStaleTemporariesBeside(job.output);

    ProgressBar bar(err);
    const bool drawBar = progressBar && !o.quiet;
    runJobs(
        jobs, std::max(1u, std::thread::hardware_concurrency()), out, cancel,
        [&](const RenderJob& job, const JobOutcome& r) {
            if (drawBar) bar.clear();
            for (const std::string& note : r.notes)
                lines.note(job.session, note);
            status = worseStatus(status, r.status);
            if (!r.message.empty()) {
                lines.error(job.session, r.message);
                return;
            }
            const std::string name = job.output == kStandardStream
                                         ? translate("RenderCommand", "(salida estándar)")
                                         : job.output;
            lines.result(name + ": " + clockText(double(r.report.frames) / audio::kMixRate) + "; " +
                         playback::reportSummary(r.report));
        },
        [&](std::int64_t done, std::int64_t total) {
            if (drawBar) bar.show(done, total);
        });
    return status;
}

} // namespace vs::render
