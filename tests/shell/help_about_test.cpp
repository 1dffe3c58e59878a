// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/paths.h"
#include "controls/boton_gradiente.h"
#include "glasses/frm_secuencia.h"
#include "glasses/state.h"
#include "sequencer_on_doubles.h"
#include "shell/frm_about.h"
#include "shell/help.h"
#include "shell/help_window.h"
#include "temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QImage>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
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

TEST(Help, TheManualInTheInterfaceLanguageOrElseTheSpanishOne) {
    using L = vs::InterfaceLanguage;
    struct Case {
        bool spanish, english; // which files the folder holds
        L language;
        const char* expected; // "" for none
    } cases[] = {
        {true, true, L::Spanish, "Ayuda_VSO.html"},
        {true, true, L::English, "Ayuda_VSO.en.html"},
        {true, false, L::English, "Ayuda_VSO.html"},
        {false, true, L::Spanish, ""},
        {false, false, L::English, ""},
    };
    for (const Case& c : cases) {
        vs::test::TempDir dir;
        // A folder that merely carries the name is not a manual.
        QDir folder(QString::fromStdString(dir.path()));
        if (c.spanish)
            touch(dir.file("Ayuda_VSO.html"));
        else
            folder.mkdir("Ayuda_VSO.html");
        if (c.english) touch(dir.file("Ayuda_VSO.en.html"));
        const std::string expected = *c.expected ? dir.file(c.expected) : "";
        EXPECT_EQ(vs::shell::manualFile(dir.path(), c.language), expected)
            << c.spanish << c.english << int(c.language);
    }
}

TEST(Help, AnInternalLinkStaysInTheWindowAndOnlyAClickedWebLinkIsHandedOut) {
    vs::test::TempDir dir;
    vs::test::writeFile(dir.file("m.html"),
                        "<html><body><p><a href=\"https://example.org/\">Web</a> "
                        "<a href=\"#b\">Chapter</a> <a href=\"mailto:a@example.org\">Mail</a></p>"
                        "<p style=\"margin-top:900px\"><a name=\"b\"></a>B</p></body></html>");
    RecordingDesktopService desktop;
    vs::shell::HelpWindow help(desktop);
    help.showChapter(QString::fromStdString(dir.file("m.html")), "");
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_TRUE(desktop.urls.empty());
    QTextBrowser* browser = help.browser();
    auto click = [browser](const QString& text) {
        const QTextCursor found = browser->document()->find(text);
        ASSERT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor at(browser->document());
        at.setPosition(found.selectionStart() + 1);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(at).center());
    };
    click("Chapter");
    EXPECT_EQ(help.chapter(), "b");
    EXPECT_TRUE(desktop.urls.empty());
    click("Web");
    click("Mail");
    EXPECT_EQ(desktop.urls,
              (std::vector<std::string>{"https://example.org/", "mailto:a@example.org"}));
    EXPECT_EQ(help.chapter(), "b");
    EXPECT_TRUE(desktop.files.empty());
}

TEST(Help, BothShippedManualsShowTheirPicturesAndHaveEveryWindowsChapter) {
    const std::string folder = VS_RUNTIME_DIR;
    for (auto language : {vs::InterfaceLanguage::Spanish, vs::InterfaceLanguage::English}) {
        const std::string path = vs::shell::manualFile(folder, language);
        ASSERT_FALSE(path.empty());
        QFile manual(QString::fromStdString(path));
        ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(manual.readAll());
        // Every picture is shipped with it, in a format the help window draws.
        static const QRegularExpression src(QStringLiteral("src=\"([^\"]+)\""));
        int pictures = 0;
        for (auto it = src.globalMatch(html); it.hasNext(); ++pictures) {
            const QString name = it.next().captured(1);
            EXPECT_FALSE(QImage(QString::fromStdString(folder) + "/" + name).isNull())
                << path << ": " << name.toStdString();
        }
        EXPECT_GE(pictures, 2) << path;
        for (const char* window :
             {"frmSomnara", "frmOpciones", "frmInformeVerificacion", "frmAuriculares", "frmAbout",
              "frmSecuencia", "frmProgresoExportar"}) {
            const std::string chapter = vs::shell::helpChapter(window, "");
            ASSERT_FALSE(chapter.empty()) << window;
            EXPECT_TRUE(html.contains(QString::fromStdString("name=\"" + chapter + "\"")))
                << path << ": " << chapter;
        }
        // The links inside the manual lead somewhere in it.
        static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString anchor = it.next().captured(1);
            EXPECT_TRUE(html.contains("name=\"" + anchor + "\""))
                << path << ": " << anchor.toStdString();
        }
    }
    EXPECT_EQ(vs::shell::helpChapter("", "vs::glasses::frmSecuencia"), "secuencias");
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
