// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop user expects of the window: Qt's own texts in the
// interface language, the program's icon, the play/stop and exit keys, a
// name and a tip on every control, a report window that fits a small screen.
#include "base/paths.h"
#include "controls/boton_gradiente.h"
#include "glasses/led_panel.h"
#include "glasses/state.h"
#include "library/session_grid.h"
#include "lumidot.h"
#include "options/frm_opciones.h"
#include "playback/session_player.h"
#include "playback/verification_report.h"
#include "recording_indicators.h"
#include "session/graph_view.h"
#include "session/session_document.h"
#include "session/session_model.h"
#include "session/strip_view.h"
#include "shell/main_window_ui.h"
#include "shell/qt_translations.h"
#include "shell/verification_window.h"
#include "stand_in_window.h"
#include "temp_dir.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using vs::InterfaceLanguage;
using vs::RecordingMessageService;

namespace {

struct DesktopManners : ::testing::Test {
    vs::test::TempDir dir;
    vs::test::StandIns standIns;
    void SetUp() override { dir.becomeProgramFolders(); }
    void TearDown() override { vs::clearFolderOverrides(); }

    std::unique_ptr<vs::shell::FrmSomnara> shown() {
        auto w = standIns.window();
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }
};

// A widget a person works or reads, as opposed to the inner parts of a
// composite control (a grid's scroll bars, a list's editor) that Qt names
// through their owner.
bool isControl(QWidget* w, QWidget& root) {
    for (QWidget* p = w->parentWidget(); p && p != &root; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(p) || qobject_cast<QComboBox*>(p) ||
            qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QTabBar*>(p) ||
            qobject_cast<QMenuBar*>(p))
            return false;
    // Their tabs speak their captions.
    if (qobject_cast<QTabBar*>(w) || qobject_cast<QTabWidget*>(w)) return false;
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QAbstractSlider*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<vs::glasses::LedPanel*>(w) ||
           qobject_cast<Lumidot*>(w) || qobject_cast<vs::session::GraphView*>(w) ||
           qobject_cast<vs::session::StripView*>(w);
}

// What a screen reader could not name, or where the pointer shows no tip
// (a control's own or the one of the panel it sits in).
QStringList undescribed(QWidget& root) {
    QStringList missing;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!isControl(w, root)) continue;
        const QString who =
            QString::fromLatin1(w->metaObject()->className()) + " " + w->objectName();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty()) missing << who + ": sin nombre";
        bool tip = false;
        for (QWidget* p = w; p && p != &root && !tip; p = p->parentWidget())
            tip = !p->toolTip().isEmpty();
        if (!tip) missing << who + ": sin tool tip";
    }
    return missing;
}

} // namespace

TEST(QtTranslations, StandardButtonsSpeakTheInterfaceLanguage) {
    struct Case {
        QMessageBox::StandardButton button;
        const char* spanish;
        const char* english;
    };
    const Case cases[] = {{QMessageBox::Yes, "&Sí", "&Yes"},
                          {QMessageBox::No, "&No", "&No"},
                          {QMessageBox::Cancel, "Cancelar", "Cancel"},
                          {QMessageBox::Ok, "Aceptar", "OK"},
                          {QMessageBox::Save, "Guardar", "Save"}};
    vs::shell::QtTranslations translations;
    for (InterfaceLanguage language : {InterfaceLanguage::Spanish, InterfaceLanguage::English}) {
        ASSERT_TRUE(translations.load(language));
        QMessageBox box;
        QDialogButtonBox row;
        for (const Case& c : cases) {
            box.addButton(c.button);
            row.addButton(QDialogButtonBox::StandardButton(int(c.button)));
        }
        for (const Case& c : cases) {
            const QString want =
                QString::fromUtf8(language == InterfaceLanguage::Spanish ? c.spanish : c.english);
            EXPECT_EQ(box.button(c.button)->text(), want);
            EXPECT_EQ(row.button(QDialogButtonBox::StandardButton(int(c.button)))->text(), want);
        }
    }
    // A folder without Qt's catalogue is told, and Qt stays English.
    EXPECT_FALSE(translations.load(InterfaceLanguage::Spanish, QStringLiteral("/nonexistent")));
    QMessageBox box;
    EXPECT_EQ(box.addButton(QMessageBox::Cancel)->text(), "Cancel");
}

TEST_F(DesktopManners, TheWindowCarriesTheProgramsIconWithoutAnIconTheme) {
    auto w = standIns.window();
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_FALSE(w->windowIcon().pixmap(48, 48).isNull());
}

TEST_F(DesktopManners, CtrlSpacePlaysThenStopsAndLeavesAFocusedButtonItsSpace) {
    auto w = shown();
    const QKeySequence ctrlSpace(Qt::CTRL | Qt::Key_Space);
    // Shown in the menu, with the media keys beside it.
    EXPECT_EQ(w->ui().mnuSesionPlayStop->shortcut(), ctrlSpace);
    EXPECT_TRUE(w->ui().mnuSesionPlayStop->shortcuts().contains(
        QKeySequence(Qt::Key_MediaTogglePlayPause)));
    EXPECT_TRUE(w->ui().mnuSesionPlayStop->shortcuts().contains(QKeySequence(Qt::Key_MediaPlay)));

    QCheckBox* mascara = w->ui().chkMascara;
    mascara->setFocus();
    const bool before = mascara->isChecked();
    QTest::keyClick(mascara, Qt::Key_Space);
    EXPECT_NE(mascara->isChecked(), before);
    EXPECT_FALSE(w->player()->playing());

    QTest::keyClick(mascara, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(w->player()->playing());
    EXPECT_EQ(mascara->isChecked(), !before);
    QTest::keyClick(w.get(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(w->player()->playing());
}

TEST_F(DesktopManners, CtrlQRunsTheExitCommandAndItsQuestion) {
    auto w = shown();
    EXPECT_EQ(w->ui().mnuArchivoSalir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    w->document().setModified(true);
    standIns.messages.answers = {false};
    QTest::keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(standIns.messages.count(RecordingMessageService::Entry::Question), 1);
    EXPECT_TRUE(w->ended());
    EXPECT_FALSE(w->isVisible());
}

TEST_F(DesktopManners, EveryControlOfTheWindowAndTheOptionsHasANameAndATip) {
    auto w = standIns.window();
    EXPECT_EQ(undescribed(*w).join('\n').toStdString(), "");

    vs::session::SessionModel model;
    vs::glasses::GlassesSettings settings;
    vs::glasses::RecordingIndicators indicators;
    vs::options::frmOpciones options(vs::options::OptionsContext{
        model, nullptr, settings, standIns.port, indicators, standIns.messages, [] {}});
    EXPECT_EQ(undescribed(options).join('\n').toStdString(), "");
}

TEST(VerificationWindowSize, AnHoursReportFitsA1366By768Screen) {
    vs::playback::VerificationReport report;
    report.seconds.resize(3600);
    const std::vector<std::string> notes(4, "La música de fondo no se mide en el informe.");
    vs::shell::VerificationWindow window;
    window.setReport(report, "Sueño", "/home/usuario/Música/Sueño.flac", notes);
    // A panel and the title bar take about a hundred rows of the screen.
    const QSize screen(1366, 768 - 100);
    const QSize least = window.minimumSizeHint();
    EXPECT_EQ(least.boundedTo(screen), least);
    EXPECT_EQ(window.size().boundedTo(screen), window.size());
}
