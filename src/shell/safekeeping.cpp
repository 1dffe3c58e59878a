// SPDX-License-Identifier: GPL-3.0-or-later
#include "safekeeping.h"

#include "base/interface_language.h"
#include "base/paths.h"
#include "base/process_files.h"
#include "base/services.h"
#include "exit_signals.h"
#include "library/recovered_session.h"
#include "library/session_library.h"
#include "main_window.h"
#include "session/edit_history.h"
#include "session/session_document.h"
#include "session/session_model.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace vs::shell {
namespace {

constexpr int kLookMs = 250;

// The folders the program writes into: its configuration and program
// folders, the recovery copies' and those of the listed sessions.
std::vector<std::string> foldersWritten(library::SessionLibrary& sessions) {
    std::vector<std::string> folders = {configFolder(), programFolder(), recoveryFolder()};
    for (int r = 2; r <= sessions.rowCount(); ++r) {
        const std::string folder = std::filesystem::path(sessions.row(r).path).parent_path();
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    return folders;
}

} // namespace

Safekeeping::Safekeeping(FrmSomnara& window) : window_(window), keeper_(window.document()) {
    keeper_.onWriteFailed = [](const std::string& file, int error) {
        messages().critical(
            withArgs(QCoreApplication::translate(
                         "Safekeeping", "No se puede escribir la copia de recuperación %1: %2")
                         .toStdString(),
                     {file, std::strerror(error)}));
    };
    if (exitSignalFd() >= 0) {
        signals_ = std::make_unique<QSocketNotifier>(exitSignalFd(), QSocketNotifier::Read);
        connect(signals_.get(), &QSocketNotifier::activated, this, [this] { endOnSignal(); });
    }
    look_.setInterval(kLookMs);
    connect(&look_, &QTimer::timeout, this,
            [this] { keeper_.poll(session::RecoveryKeeper::Clock::now()); });
    QTimer::singleShot(0, this, [this] { start(); });
}

Safekeeping::~Safekeeping() {
    keeper_.finish();
}

void Safekeeping::start() {
    for (const std::string& folder : foldersWritten(window_.sessions()))
        removeStaleTemporaries(folder);
    offerCopies();
    // Only now: a copy of the session opened at start must be offered before
    // its unmodified state would count as saved.
    look_.start();
}

void Safekeeping::offerCopies() {
    for (const session::RecoveryCopy& copy : session::recoveryCopiesToOffer()) {
        if (!messages().askYesNo(session::recoveryQuestion(copy.name))) {
            std::remove(copy.file.c_str());
            continue;
        }
        library::SessionLibrary& sessions = window_.sessions();
        library::abrirSesionDe(sessions, copy.session);
        {
            // One step: undo goes back to the session as its file holds it.
            const session::EditStep step(&window_.edits(),
                                         QT_TRANSLATE_NOOP("EditStep", "recuperar la copia"));
            session::applySession(copy.data, window_.model());
            window_.document().setModified(true);
            window_.model().notify();
        }
        if (sessions.onSessionReplaced) sessions.onSessionReplaced();
        window_.document().setModified(true);
        keeper_.adopt(copy.file);
        return; // one session is open at a time: any other copy waits for the next start
    }
}

void Safekeeping::endOnSignal() {
    char drained[16];
    while (::read(exitSignalFd(), drained, sizeof drained) > 0) {
    }
    // The edits go to their copy before anything else can fail.
    keeper_.keepNow();
    window_.salirSinPreguntas();
    // At once, as the exit command ends the program: a dialog that was open
    // must not go on with a window already taken down.
    std::fflush(nullptr);
    ::_exit(0);
}

} // namespace vs::shell
