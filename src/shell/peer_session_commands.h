// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sessions of other programs in the window: "Archivo > Importar
// sesión..." and a schedule file dropped on the window open it as a new,
// modified session (the open one's edits are offered a save first), with
// what could not be carried told in one message and a rejection naming its
// line; "Sesión > Exportar como programa .sbg..." writes the open session as
// a schedule at the window's tone and mask levels. The window makes one of
// these and hands it its menu commands and controls.
//
// Thread rule: UI thread only (it shows dialogs and message boxes).
#include <QObject>

#include <functional>
#include <string>

namespace vs {
class FileDialogService;
class MessageService;
} // namespace vs

namespace vs::library {
class SessionLibrary;
}

namespace vs::session {
class SessionModel;
}

namespace vs::shell {

struct MainWindowUi;

struct PeerSessionContext {
    QObject* owner = nullptr;
    const MainWindowUi* ui = nullptr; // the two commands, the tone and mask controls
    library::SessionLibrary* library = nullptr;
    session::SessionModel* model = nullptr;   // the open session
    std::function<std::string()> sessionName; // as the questions show it
    FileDialogService* dialogs = nullptr;
    MessageService* messages = nullptr;
};

class PeerSessionCommands : public QObject {
    Q_OBJECT
public:
    explicit PeerSessionCommands(PeerSessionContext context);

    // Whether a dropped file is one importSession reads (.sbg, .gnaural).
    static bool takes(const std::string& path);
    // The import of one file, as the menu's dialog or a drop gives it.
    void importFile(const std::string& path);
    void importFromDialog();
    void exportSbg();

    // The sentence the notes get when an import sets the mask.
    static std::string maskNote(int level);

private:
    PeerSessionContext c_;
};

} // namespace vs::shell
