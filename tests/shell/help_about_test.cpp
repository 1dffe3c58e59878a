// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/paths.h"
#include "controls/boton_gradiente.h"
#include "glasses/frm_secuencia.h"
#include "glasses/state.h"
#include "sequencer_on_doubles.h"
#include "shell/frm_about.h"
#include "shell/help.h"
#include "temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include "recording_desktop.h"
#include "recording_messages.h"

using vs::RecordingDesktopService;
using vs::RecordingMessageService;

namespace {

void touch(const std::string& path) {
    vs::test::writeFile(path, "<html></html>");
}

} // namespace

TEST(Help, WithoutAHelpFileSaysSoAndStartsNothing) {
    vs::test::TempDir dir;
    RecordingMessageService messages;
    RecordingDesktopService desktop;
    // A folder that merely carries the name is not a help file.
    QDir(QString::fromStdString(dir.path())).mkdir("Ayuda_VSO.html");
    vs::shell::AyudaContenido(dir.path(), messages, desktop);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].kind, RecordingMessageService::Entry::Information);
    EXPECT_EQ(messages.entries[0].text, "No se encuentra el fichero de ayuda");
    EXPECT_TRUE(desktop.files.empty());
    EXPECT_TRUE(desktop.urls.empty());
}

TEST(Help, OpensTheManualAndPrefersACompiledHelpFile) {
    vs::test::TempDir dir;
    RecordingMessageService messages;
    RecordingDesktopService desktop;
    touch(dir.file("Ayuda_VSO.html"));
    vs::shell::AyudaContenido(dir.path(), messages, desktop);
    ASSERT_EQ(desktop.files.size(), 1u);
    EXPECT_EQ(desktop.files[0], dir.file("Ayuda_VSO.html"));
    touch(dir.file("Ayuda_VSO.chm"));
    vs::shell::AyudaContenido(dir.path(), messages, desktop);
    ASSERT_EQ(desktop.files.size(), 2u);
    EXPECT_EQ(desktop.files[1], dir.file("Ayuda_VSO.chm"));
    EXPECT_TRUE(messages.entries.empty());
}

TEST(Help, TheShippedManualAndItsPicturesSitBesideTheProgram) {
    const std::string folder = VS_RUNTIME_DIR;
    ASSERT_EQ(vs::shell::helpFile(folder), folder + "/Ayuda_VSO.html");
    QFile manual(QString::fromStdString(folder + "/Ayuda_VSO.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());
    // Every picture the manual shows is shipped with it.
    static const QRegularExpression src(QStringLiteral("src=\"([^\"]+)\""));
    int pictures = 0;
    for (auto it = src.globalMatch(html); it.hasNext(); ++pictures) {
        const QString name = it.next().captured(1);
        EXPECT_TRUE(QFile::exists(QString::fromStdString(folder) + "/" + name))
            << name.toStdString();
    }
    EXPECT_GE(pictures, 2);
}

TEST(About, BandsRoundHalvesToEvenAndStopAtWhite) {
    const auto lines = vs::shell::drawback(440, 250);
    ASSERT_EQ(lines.size(), 32u);
    const int top[16] = {50, 50, 52, 57, 64, 74, 86, 101, 118, 138, 160, 185, 212, 242, 255, 255};
    const int bottom[16] = {0, 0, 2, 7, 14, 24, 36, 51, 68, 88, 110, 135, 162, 192, 224, 255};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(lines[i].row, i);
        EXPECT_EQ(lines[i].grey, top[i]) << "top row " << i;
        EXPECT_EQ(lines[16 + i].row, 250 - i);
        EXPECT_EQ(lines[16 + i].grey, bottom[i]) << "row H-" << i;
    }
}

TEST(About, ShowsItsVersionAndBandsAndHandsTheLinksToTheDesktop) {
    RecordingDesktopService desktop;
    QWidget owner;
    vs::shell::frmAbout about(desktop, &owner);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.lblVersion()->text(), "v1.2");
    EXPECT_FALSE(about.Image1()->pixmap().isNull());
    // The licence is stated whole and fits inside the box.
    const auto* licence = about.findChild<QLabel*>("lblLicencia");
    ASSERT_NE(licence, nullptr);
    EXPECT_TRUE(licence->text().contains("GPL-3.0-or-later"));
    EXPECT_TRUE(
        about.rect().contains(QRect(licence->mapTo(&about, QPoint(0, 0)), licence->sizeHint())));

    const QImage shot = about.grab().toImage();
    const int H = shot.height();
    auto grey = [&shot](int y) { return shot.pixel(2, y); };
    EXPECT_EQ(grey(0), qRgb(50, 50, 50));
    EXPECT_EQ(grey(1), qRgb(50, 50, 50));
    EXPECT_EQ(grey(15), qRgb(255, 255, 255));
    const int bottom[16] = {0, 0, 2, 7, 14, 24, 36, 51, 68, 88, 110, 135, 162, 192, 224, 255};
    for (int k = 1; k <= 15; ++k) // row H itself lies just outside the form
        EXPECT_EQ(grey(H - k), qRgb(bottom[k], bottom[k], bottom[k])) << "row H-" << k;

    QTest::mouseClick(about.Label2(), Qt::LeftButton);
    QTest::mouseClick(about.lblEmail(), Qt::LeftButton);
    ASSERT_EQ(desktop.urls.size(), 2u);
    EXPECT_EQ(desktop.urls[0], "https://velorin-somnara.example.org/");
    EXPECT_EQ(desktop.urls[1],
              "mailto:soporte@velorin-somnara.example.org?SUBJECT=Velorin Somnara");
    QTest::mouseClick(about.lblEmail(), Qt::RightButton);
    EXPECT_EQ(desktop.urls.size(), 2u);
    EXPECT_TRUE(desktop.files.empty());
}

TEST(About, ItsButtonClosesItAndIsAHouseButton) {
    RecordingDesktopService desktop;
    vs::shell::frmAbout about(desktop);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    auto* b = about.BotonGradiente1();
    EXPECT_EQ(b->ButtonType(), 3);
    QSignalSpy finished(&about, &QDialog::finished);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(desktop.urls.empty());
}

TEST(HouseButtons, TheChooserMadeByTheShellUsesThemAndTheyStillAnswer) {
    vs::glasses::SequencerOnDoubles glasses;
    glasses.state.FrecuenciaLed = 7;
    vs::glasses::frmSecuencia dlg(glasses.sequencer, nullptr, &vs::controls::makeHouseButton);
    for (QAbstractButton* button : {dlg.cmdAceptar(), dlg.cmdCancelar()}) {
        auto* b = qobject_cast<vs::controls::BotonGradiente*>(button);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->ButtonType(), 3);
        EXPECT_EQ(b->ColorScheme(), 1);
        EXPECT_EQ(b->BackColor(), 0x00D8E9ECu);
        EXPECT_EQ(b->BackOver(), 0x00D8E9ECu);
        EXPECT_EQ(b->ForeColor(), 0u);
        EXPECT_EQ(b->ForeOver(), 0u);
        EXPECT_TRUE(b->ShowFocusRect());
        EXPECT_EQ(b->MousePointer(), 1);
    }
    EXPECT_EQ(dlg.cmdAceptar()->text(), "Seleccionar Secuencia");
    dlg.show();
    QTest::mouseClick(dlg.cmdAceptar(), Qt::LeftButton);
    EXPECT_EQ(dlg.choice(), vs::glasses::SequenceChooser::Result::Chosen);
}
