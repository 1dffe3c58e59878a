// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "E&xportar a audio..." and "&Informe de verificación" in the session menu:
// the save dialog, the render on a worker thread behind a progress dialog
// with the time left and "Cancelar", then the verification window, or the
// reason in Spanish when the export failed or was cancelled. The window only
// makes one of these and hands it its menu and parts.
#include "playback/session_render.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QMenu;
class QProgressDialog;
class QTimer;
class QWidget;

namespace vs {
class FileDialogService;
class MessageService;
} // namespace vs

namespace vs::playback {
class BackgroundRender;
class PlayerView;
} // namespace vs::playback

namespace vs::session {
class SessionModel;
}

namespace vs::shell {

class VerificationWindow;

struct ExportContext {
    QWidget* window = nullptr;
    QMenu* menu = nullptr; // the session menu; the two commands are added to its end
    const session::SessionModel* model = nullptr;
    std::function<std::string()> sessionName; // as the title shows it
    const playback::PlayerView* view = nullptr;
    FileDialogService* dialogs = nullptr;
    MessageService* messages = nullptr;
    // Called on the UI thread as each job starts: background music over the
    // render's own engine, from a copy of the playlist as it stands then
    // (empty, or an empty factory: the render has none).
    std::function<links::MusicLinkFactory()> music;
    // Called on the UI thread as an export starts: the LED steps for its
    // light signal, empty while the lights are not carried in the sound (then
    // the export does not offer them).
    std::function<links::GlassesLinkFactory()> lights;
};

class ExportCommands : public QObject {
    Q_OBJECT
public:
    explicit ExportCommands(ExportContext context);
    ~ExportCommands() override;

    QAction* exportAction() const { return exportAction_; }
    QAction* reportAction() const { return reportAction_; }
    void exportToAudio();
    void verify();

    // While a job runs (tests and screenshots look at them).
    bool running() const { return job_ != nullptr; }
    QProgressDialog* progressDialog() const { return progress_; }
    // The last report shown; null before any.
    VerificationWindow* reportWindow() const { return report_; }

    // The file name proposed for a session name: the name without ".vso",
    // characters no file name should hold replaced, ".wav" added.
    static std::string proposedFileName(const std::string& sessionName);
    // The question after the save dialog while the lights are carried in the sound.
    static constexpr const char* kLightQuestion =
        QT_TRANSLATE_NOOP("vs::shell::ExportCommands",
                          "¿Incluir en el audio la señal de luz de las gafas (19.200 Hz)?");

private:
    void start(const std::string& path, links::GlassesLinkFactory lights = {});
    void poll();
    void ended();

    ExportContext c_;
    QAction* exportAction_ = nullptr;
    QAction* reportAction_ = nullptr;
    std::unique_ptr<playback::BackgroundRender> job_;
    std::string jobName_;
    QProgressDialog* progress_ = nullptr;
    QTimer* poll_ = nullptr;
    VerificationWindow* report_ = nullptr;
};

} // namespace vs::shell
