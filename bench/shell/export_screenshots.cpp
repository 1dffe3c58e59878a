// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshots of the export: the progress dialog part-way
// through an export of a shipped session, and the report window of its
// verification. The controls are the program's first-start ones with the mask on.
//   xvfb-run -a build/bench/shell/export_screenshots docs/
#include "playback/session_player.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "shell/export_commands.h"
#include "shell/verification_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include "recording_messages.h"
#include "scripted_dialogs.h"

namespace {

// The window's controls as a first start leaves them, the mask ticked.
struct Controls : vs::playback::PlayerView {
    bool chkBinaural() const override { return true; }
    bool chkMascara() const override { return true; }
    bool chkMusica() const override { return false; }
    int scrollVolumenBinaural() const override { return 50; }
    int scrollVolumenMascara() const override { return 20; }
    int ultimosSegundos() const override { return 30; }
    vs::playback::SoundChoice sound() const override { return {}; }
    void setCursor(double, bool) override {}
    void setInfoTime(const std::string&) override {}
    void setInfoHz(const std::string&) override {}
    void setInfoFR(const std::string&) override {}
    void setLocked(bool) override {}
    void setSessionTimer(bool) override {}
    void setFadeTimer(bool) override {}
};

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QTemporaryDir tmp;
    const QString copy = tmp.filePath(QStringLiteral("Relajación.vso"));
    QFile::copy(QStringLiteral(VS_SHIPPED_DATA_DIR "/Relajación.vso"), copy);
    vs::session::SessionModel model;
    vs::RecordingMessageService messages;
    if (!vs::session::LeerSesion(model, copy.toStdString())) return 1;

    QWidget window;
    window.resize(900, 500);
    window.show();
    QMenu menu;
    Controls controls;
    vs::ScriptedFileDialogs dialogs;
    vs::shell::ExportCommands commands(
        vs::shell::ExportContext{&window,
                                 &menu,
                                 &model,
                                 [] { return std::string("Relajación.vso"); },
                                 &controls,
                                 &dialogs,
                                 &messages,
                                 {},
                                 {}});
    auto waitForEnd = [&] {
        QElapsedTimer t;
        t.start();
        while (commands.running() && t.elapsed() < 120000)
            pump(50);
    };
    // An export to FLAC for the progress dialog, cancelled once pictured...
    dialogs.answer = tmp.filePath(QStringLiteral("Relajación.flac")).toStdString();
    commands.exportToAudio();
    pump(1500);
    if (QProgressDialog* p = commands.progressDialog()) {
        p->grab().save(out + QStringLiteral("/export-progress.png"));
        std::printf("progress: %s\n", p->labelText().toUtf8().constData());
        if (auto* cancel = p->findChild<QPushButton*>()) cancel->click();
    }
    waitForEnd();
    // ...and the verification alone for the report.
    commands.verify();
    waitForEnd();
    vs::shell::VerificationWindow* report = commands.reportWindow();
    if (!report) return 1;
    // At the size it opens with, the one a small laptop screen holds.
    pump(300);
    report->grab().save(out + QStringLiteral("/verification-report.png"));
    std::printf("%s\n%s\n", report->verdictText().toUtf8().constData(),
                report->figuresText().toUtf8().constData());
    return 0;
}
