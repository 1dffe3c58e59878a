// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/bass.h"
#include "audio/engine.h"
#include "audio/volume.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "base/services.h"
#include "glasses/led_display.h"
#include "lumidot/lumidot.h"
#include "glasses/led_panel.h"
#include "glasses/led_port.h"
#include "glasses/led_sequencer.h"
#include "glasses/state.h"
#include "library/music_grid.h"
#include "library/session_grid.h"
#include "library/session_library.h"
#include "shell/main_window.h"
#include "shell/help_desk.h"
#include "playback/audio_session.h"
#include "playback/session_player.h"
#include "session/session_document.h"
#include "session/session_file.h"
#include "session/session_import.h"
#include "shell/peer_session_commands.h"
#include "session/session_model.h"
#include "session/strip_view.h"
#include "options/frm_opciones.h"
#include "temp_dir.h"

#include <QPushButton>
#include <QTableWidget>
#include "session/graph_frame.h"
#include "session/graph_view.h"
#include <QTest>
#include <QTimer>

#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QUrl>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBrowser>
#include <QDialog>
#include <gtest/gtest.h>
#include <cerrno>
#include <cstring>
#include "controls/boton_gradiente.h"
#include "recording_desktop.h"
#include "recording_led_port.h"
#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "recording_mixer.h"

using vs::RecordingMessageService;
using vs::shell::FrmSomnara;

namespace {

struct ScriptedChooser : vs::glasses::SequenceChooser {
    int pick = 3;
    Result run(vs::glasses::LedSequencer& sequencer) override {
        sequencer.setSecuenciaActual(pick);
        return Result::Chosen;
    }
};

struct MainWindowTest : ::testing::Test {
    vs::test::TempDir dir;
    RecordingMessageService recorder;
    vs::ScriptedFileDialogs dialogs;
    vs::glasses::RecordingLedPort port;
    vs::audio::RecordingMixerBackend* mixer = nullptr; // owned by the window's clsVolume
    vs::RecordingDesktopService desktop;
    std::vector<QDialog*> modals; // what would have been shown modally, with its owner
    std::vector<QWidget*> modalOwners;
    std::vector<QString> modalNames; // for dialogs gone once run

    void SetUp() override {
        dir.becomeProgramFolders();
        vs::glasses::setLedPort(&port);
    }
    void TearDown() override {
        vs::setMessageService(nullptr);
        vs::setFileDialogService(nullptr);
        vs::glasses::setLedPort(nullptr);
        vs::clearFolderOverrides();
    }
    // What the options command is given to run, and a stand-in for the user.
    std::function<void(const vs::options::OptionsContext&)> options;
    std::unique_ptr<FrmSomnara> open() {
        vs::shell::Dependencies deps;
        deps.runOptions = [this](const vs::options::OptionsContext& c, QWidget*) {
            if (options) options(c);
        };
        deps.messages = &recorder;
        deps.dialogs = &dialogs;
        deps.makeVolume = [this] {
            auto rec = std::make_unique<vs::audio::RecordingMixerBackend>();
            rec->levels.fill(50000);
            mixer = rec.get();
            return std::make_unique<vs::audio::clsVolume>(std::move(rec), nullptr);
        };
        deps.makeChooser = [](QWidget*) { return std::make_unique<ScriptedChooser>(); };
        deps.desktop = &desktop;
        deps.runModal = [this](QDialog& d) {
            modals.push_back(&d);
            modalOwners.push_back(d.parentWidget());
            modalNames.push_back(d.objectName());
        };
        return std::make_unique<FrmSomnara>(nullptr, deps);
    }
};

} // namespace

TEST_F(MainWindowTest, StartsWithTheDefaultsOnAnEmptyStore) {
    auto w = open();
    // The program's name alone, whatever session is open.
    EXPECT_EQ(w->windowTitle(), "Velorin Somnara");
    EXPECT_FALSE(w->document().modified());
    // With no song to set it from the mixer, the music slider keeps its design value.
    EXPECT_EQ(w->ui().scrollVolumenMusica->value(), 1);
    EXPECT_EQ(w->ui().lblVolumenMusica->text(), "0.1");
    EXPECT_TRUE(w->startup().failedSteps().empty());
    EXPECT_TRUE(recorder.entries.empty());
    EXPECT_TRUE(w->audio().started());
    EXPECT_TRUE(vs::fileExists(dir.file("OndaL.wav")));
    EXPECT_EQ(w->ui().scrollVolumenMascara->value(), 20);
    EXPECT_EQ(w->ui().lblVolumenMascara->text(), "2.0");
    EXPECT_EQ(w->ui().scrollVolumenBinaural->value(), 50);
    EXPECT_EQ(w->ui().lblVolumenBinaural->text(), "5.0");
    EXPECT_TRUE(w->ui().chkBinaural->isChecked());
    EXPECT_FALSE(w->ui().chkMascara->isChecked());
    EXPECT_TRUE(w->ui().chkMusica->isChecked());
    auto& m = w->model();
    EXPECT_EQ(m.minutos(), 1);
    EXPECT_EQ(m.segundos(), 0);
    EXPECT_EQ(m.NumPuntos, 2);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 6000);
    EXPECT_FLOAT_EQ(m.Punto[1].Top, 1087.5f);
    EXPECT_FLOAT_EQ(m.PuntoFR[1].Top, 1450);
    EXPECT_EQ(m.pG[1].Tag, "6");
    EXPECT_FALSE(m.SesionModificada);
}

TEST_F(MainWindowTest, MenusCarryTheirCaptions) {
    auto w = open();
    EXPECT_EQ(w->findChild<QAction*>("mnuArchivoSalir")->text(), "&Salir");
    EXPECT_EQ(w->findChild<QAction*>("mnuSesionGuardarSesionComo")->text(),
              "G&uardar Sesión como...");
    EXPECT_EQ(w->findChild<QAction*>("mnuMusicaAñadir")->text(), "&Añadir Canción...");
    EXPECT_EQ(w->findChild<QAction*>("mnuAyudaAcrecaDe")->text(), "A&cerca de...");
    EXPECT_EQ(w->findChild<QAction*>("mnuArchivoImportarSesion")->text(), "&Importar sesión...");
    EXPECT_EQ(w->findChild<QAction*>("mnuSesionExportarSbg")->text(),
              "Exportar como &programa .sbg...");
    QStringList menus;
    for (QAction* a : w->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Archivo", "&Edición", "&Sesión", "&Música", "A&yuda"}));
}

TEST_F(MainWindowTest, ExitWithAnUnchangedSessionAsksNothingAndStoresTheExitKeys) {
    auto w = open();
    w->ui().scrollVolumenBinaural->setValue(64);
    w->ui().chkMascara->setChecked(true);
    w->mnuArchivoSalir_Click();
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Question), 0);
    auto& p = vs::Preferences::instance();
    EXPECT_EQ(p.get("Volumen", "Binaural", ""), "64");
    EXPECT_EQ(p.get("Volumen", "Mascara Activo", ""), "1");
    EXPECT_EQ(p.get("Opciones", "Frecuencia Binaural Maxima", ""), "15");
    EXPECT_EQ(p.get("Opciones", "Frecuencia Base Maxima", ""), "500");
    EXPECT_EQ(p.get("Opciones", "Setup", ""), "1");
    EXPECT_EQ(p.get("Grid", "Ancho Sesion", ""), "2580");
    EXPECT_NE(p.get("Ventana", "Posicion Left", "none"), "none");
}

TEST_F(MainWindowTest, ExitWithAModifiedSessionAsksOnceEvenWhenClosedAfterwards) {
    auto w = open();
    w->model().SesionModificada = true;
    w->mnuArchivoSalir_Click();
    w->close(); // closing after the exit command must not run the sequence again
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Question), 1);
    EXPECT_TRUE(recorder.saw("Guardar modificaciones de: Nueva Sesión?"));
    EXPECT_TRUE(w->ended());
    EXPECT_FALSE(w->model().SesionModificada); // "No" clears it
}

TEST_F(MainWindowTest, ClosingTheWindowRunsTheExitCommand) {
    auto w = open();
    w->model().SesionModificada = true;
    w->show();
    w->close();
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Question), 1);
    EXPECT_EQ(vs::Preferences::instance().get("Opciones", "Setup", ""), "1");
}

TEST_F(MainWindowTest, StoredVolumesAndSourcesComeBackAtTheNextStart) {
    {
        auto w = open();
        w->ui().scrollVolumenMascara->setValue(45);
        w->ui().chkBinaural->setChecked(false);
        w->mnuArchivoSalir_Click();
    }
    auto w = open();
    EXPECT_EQ(w->ui().scrollVolumenMascara->value(), 45);
    EXPECT_EQ(w->ui().lblVolumenMascara->text(), "4.5");
    EXPECT_FALSE(w->ui().chkBinaural->isChecked());
}

TEST_F(MainWindowTest, ExitAnsweredYesSavesTheNewSessionWhereTheUserSays) {
    auto w = open();
    w->model().SesionModificada = true;
    w->model().setMinutos(7);
    recorder.answers = {true};
    dialogs.answer = dir.file("mia");
    w->mnuArchivoSalir_Click();
    EXPECT_EQ(dialogs.asked, 1);
    ASSERT_TRUE(vs::fileExists(dir.file("mia.vso")));
    vs::session::SessionModel back;
    ASSERT_TRUE(vs::session::LeerSesion(back, dir.file("mia.vso")));
    EXPECT_EQ(back.minutos(), 7);
    EXPECT_FALSE(w->model().SesionModificada);
}

TEST_F(MainWindowTest, ExitLeavesNoWaveFilesAndRestoresTheMasterLevelFoundAtStartUp) {
    auto w = open();
    ASSERT_TRUE(vs::fileExists(dir.file("OndaM.wav")));
    mixer->levels[0] = 1234; // someone else lowered the master meanwhile
    w->mnuArchivoSalir_Click();
    EXPECT_FALSE(vs::fileExists(dir.file("OndaL.wav")));
    EXPECT_FALSE(vs::fileExists(dir.file("OndaR.wav")));
    EXPECT_FALSE(vs::fileExists(dir.file("OndaM.wav")));
    EXPECT_EQ(mixer->levels[0], 50000);
    EXPECT_FALSE(w->audio().started());
}

TEST_F(MainWindowTest, PlayLocksTheWindowAndTicksStopRestoresIt) {
    auto w = open();
    w->show();
    QTest::mouseClick(w->ui().cmdPlay, Qt::LeftButton);
    EXPECT_TRUE(w->ui().timerSesion->isActive());
    EXPECT_FALSE(w->ui().chkBinaural->isEnabled());
    EXPECT_FALSE(w->ui().FlexSesion->isEnabled());
    w->player()->Tick();
    EXPECT_EQ(w->ui().lblInfoHz->text(), "7.2");
    EXPECT_EQ(w->ui().lblInfoFR->text(), "189");
    EXPECT_EQ(w->ui().lblInfoTime->text(), "00:00");
    QTest::mouseClick(w->ui().cmdStop, Qt::LeftButton);
    EXPECT_FALSE(w->ui().timerSesion->isActive());
    EXPECT_TRUE(w->ui().chkBinaural->isEnabled());
    EXPECT_EQ(w->ui().lblInfoHz->text(), "");
    EXPECT_TRUE(recorder.entries.empty());
}

TEST_F(MainWindowTest, GlassesOnSpeakOnceWhenThePortCannotBeUsedAndDarkenAtStop) {
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    port.problem = "No se puede usar el puerto paralelo";
    auto w = open();
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Critical), 1);
    EXPECT_TRUE(recorder.saw("No se puede usar el puerto paralelo"));
    EXPECT_EQ(w->glassesSettings().PuertoLed, 0x378);
    port.writes.clear();
    w->player()->Play();
    EXPECT_TRUE(w->sequencer()->clock().enabled());
    w->player()->Stop();
    EXPECT_FALSE(w->sequencer()->clock().enabled());
    ASSERT_FALSE(port.writes.empty());
    EXPECT_EQ(port.writes.back().port, 0x378);
    EXPECT_EQ(port.writes.back().value, 0);
}

TEST_F(MainWindowTest, DoubleClickOnAStripCellStoresTheChosenSequence) {
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    auto w = open();
    emit w->ui().graph->cellDoubleClicked(1);
    EXPECT_EQ(w->model().pG[1].Tag, "3");
    EXPECT_TRUE(w->model().SesionModificada);
    EXPECT_FALSE(w->sequencer()->clock().enabled());
    EXPECT_EQ(port.writes.back().value, 0); // lights off after the chooser
}

TEST_F(MainWindowTest, LedColoursUseStartUpDefaultsThenTheAfterDialogOnes) {
    vs::Preferences::instance().save("Opciones", "ColorLedLit5", "16711680");
    auto w = open();
    auto* panel = w->ui().led;
    EXPECT_EQ(panel->led(1)->LitColour(), 65535u);
    EXPECT_EQ(panel->led(2)->LitColour(), 65280u);
    EXPECT_EQ(panel->led(1)->UnLitColour(), 32896u);
    EXPECT_EQ(panel->led(5)->LitColour(), 16711680u);
    for (int i = 1; i <= 8; ++i)
        EXPECT_FALSE(panel->led(i)->Lit()) << i;
    vs::Preferences::instance().save("Opciones", "ColorLedUnlit3", "4210752");
    w->trasOpciones();
    EXPECT_EQ(panel->led(1)->LitColour(), 255u);
    EXPECT_EQ(panel->led(2)->UnLitColour(), 128u);
    EXPECT_EQ(panel->led(3)->UnLitColour(), 4210752u); // written "Unlit", read "UnLit"
    EXPECT_EQ(panel->led(5)->LitColour(), 16711680u);
}

TEST_F(MainWindowTest, WithoutASoundCardTheWindowStillOpensAndPlaysSilently) {
    const std::string before = getenv("SDL_AUDIODRIVER") ? getenv("SDL_AUDIODRIVER") : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto w = open();
    setenv("SDL_AUDIODRIVER", before.c_str(), 1);
    ASSERT_EQ(recorder.count(RecordingMessageService::Entry::Critical), 4);
    EXPECT_EQ(recorder.entries[0].text, "No se encuentra la tarjeta de sonido");
    EXPECT_EQ(recorder.entries[1].text, "Can't initialize digital sound system");
    EXPECT_FALSE(w->audio().started());
    w->player()->Play();
    w->player()->Tick();
    EXPECT_TRUE(w->player()->playing());
    EXPECT_EQ(w->ui().lblInfoHz->text(), "7.2");
    w->mnuArchivoSalir_Click();
    EXPECT_TRUE(w->ended());
}

TEST_F(MainWindowTest, StopLeavesTheStripEnabledEvenWithTheGlassesOff) {
    auto w = open(); // glasses off: the strip starts disabled
    ASSERT_FALSE(w->glassesSettings().GafasMentales);
    w->player()->Play();
    w->player()->Stop();
    EXPECT_TRUE(w->ui().graph->findChild<QWidget*>("picG")->isEnabled());
    w->trasOpciones(); // only the options dialog's re-read follows the flag
    EXPECT_FALSE(w->ui().graph->findChild<QWidget*>("picG")->isEnabled());
}

TEST_F(MainWindowTest, ColumnWidthsKeepTheirTwipsAcrossAnOrderlyExit) {
    vs::Preferences::instance().save("Grid", "Ancho Duracion Musica", "1000");
    {
        auto w = open();
        // The header fits in the program's font, whatever the stored twips.
        auto* header = w->ui().FlexSesion->horizontalHeader();
        EXPECT_GT(w->ui().FlexSesion->columnWidth(2),
                  header->fontMetrics().horizontalAdvance(QStringLiteral("Duración")));
        EXPECT_GE(w->ui().FlexSesion->columnWidth(2), 53); // never below 800 twips
        w->ui().FlexMusica->setColumnWidth(1, 400);        // the user widened one column
        w->mnuArchivoSalir_Click();
    }
    auto& p = vs::Preferences::instance();
    EXPECT_EQ(p.get("Grid", "Ancho Sesion", ""), "2580");
    EXPECT_EQ(p.get("Grid", "Ancho Duracion Sesion", ""), "800");
    const int musica = std::stoi(p.get("Grid", "Ancho Musica", "0"));
    EXPECT_GT(musica, 2580);
    EXPECT_LE(musica, 400 * 15);
    EXPECT_EQ(p.get("Grid", "Ancho Duracion Musica", ""), "1000");
}

TEST_F(MainWindowTest, WaveFilesThatCannotBeWrittenAreToldOnceWithTheFolderAndWhy) {
    // The program's folder is gone: nothing can be written into it.
    const std::string gone = dir.file("ido");
    vs::overrideFolders(gone, dir.file("data"), dir.file("config"));
    auto w = open();
    ASSERT_EQ(recorder.count(RecordingMessageService::Entry::Critical), 1);
    EXPECT_EQ(recorder.entries[0].text, "No se pueden escribir los ficheros de sonido en " + gone +
                                            ": " + std::strerror(ENOENT));
    // Play then names the file it could not load.
    w->player()->Play();
    EXPECT_TRUE(recorder.saw("No se puede cargar el fichero " + gone + "/OndaL.wav"));
}

TEST_F(MainWindowTest, DroppedSessionFilesJoinTheLibrary) {
    vs::test::writeFile(dir.file("soltada.vso"),
                        "Velorin Somnara\r\n 4 \r\n 0 \r\n 15 \r\n 500 \r\n 2 \r\n 0 \r\n 600 \r\n"
                        " 6000 \r\n 600 \r\n 2 \r\n 0 \r\n 1450 \r\n 6000 \r\n 1450 \r\n3\r\n");
    vs::test::writeFile(dir.file("nota.txt"), "no es una sesión");
    auto w = open();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.file("nota.txt"))),
                  QUrl::fromLocalFile(QString::fromStdString(dir.file("soltada.vso")))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(w.get(), &drop);

    auto& lib = w->sessions();
    ASSERT_EQ(lib.rowCount(), 2); // the text file is not a session
    EXPECT_EQ(lib.row(2).name, "soltada.vso");
    EXPECT_EQ(lib.row(2).duration, "04:00");
    EXPECT_EQ(w->model().minutos(), 4);
    EXPECT_EQ(w->windowTitle(), "Velorin Somnara");
    EXPECT_FALSE(w->document().modified());

    w->ui().graph->findChild<QScrollBar*>("ScrollMinutos")->setValue(6);
    EXPECT_TRUE(w->document().modified());
    EXPECT_EQ(lib.row(2).duration, "06:00");
    w->ui().mnuSesionGuardarSesion->trigger();
    EXPECT_FALSE(w->document().modified());
    EXPECT_EQ(w->windowTitle(), "Velorin Somnara");
    EXPECT_TRUE(recorder.entries.empty());

    EXPECT_EQ(w->ui().mnuSesionNueva->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(w->ui().mnuSesionGuardarSesion->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w->ui().mnuSesionGuardarSesionComo->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(w->ui().mnuSesionAnadirSesion->shortcut(), QKeySequence("Ctrl+O"));
}

TEST_F(MainWindowTest, AnImportedScheduleOpensAsANewModifiedSessionWithItsNoiseAsTheMask) {
    vs::test::writeFile(dir.file("viaje.sbg"), "a: pink/30 300+10/40 150+3/20\n"
                                               "b: pink/30 250+4/40\nNOW a ->\n+00:14:00 b\n");
    vs::test::writeFile(dir.file("roto.sbg"), "a: 300+10/40\nNOW b\n");
    auto w = open();
    const int rows = w->sessions().rowCount();
    dialogs.answers = {dir.file("roto.sbg")};
    w->findChild<QAction*>("mnuArchivoImportarSesion")->trigger();
    ASSERT_EQ(dialogs.filters.size(), 1u);
    const vs::FileFilter& f = dialogs.filters[0];
    EXPECT_EQ(f.description + " (" + f.patterns[0] + " " + f.patterns[1] + ")",
              vs::session::kImportFilter);
    ASSERT_EQ(recorder.entries.size(), 1u);
    EXPECT_EQ(recorder.entries[0].kind, RecordingMessageService::Entry::Critical);
    EXPECT_EQ(recorder.entries[0].text,
              "No se puede importar «roto.sbg».\n\nLínea 2: «b» no está definido");
    EXPECT_EQ(w->model().minutos(), 1);
    EXPECT_FALSE(w->document().modified());

    recorder.entries.clear();
    dialogs.answers = {dir.file("viaje.sbg")};
    w->findChild<QAction*>("mnuArchivoImportarSesion")->trigger();
    EXPECT_EQ(w->model().minutos(), 14);
    EXPECT_TRUE(w->document().modified());
    EXPECT_TRUE(w->document().file().empty());
    EXPECT_EQ(w->sessions().rowCount(), rows);
    EXPECT_EQ(w->sessions().currentRow(), 1);
    EXPECT_EQ(w->sessions().row(1).duration, "14:00");
    EXPECT_TRUE(w->ui().chkMascara->isChecked());
    EXPECT_EQ(w->ui().scrollVolumenMascara->value(), 30);
    // What could not be carried and what the mask took up, in one message.
    ASSERT_EQ(recorder.entries.size(), 1u);
    EXPECT_EQ(recorder.entries[0].kind, RecordingMessageService::Entry::Information);
    EXPECT_NE(recorder.entries[0].text.find("voz"), std::string::npos) << recorder.entries[0].text;
    EXPECT_NE(recorder.entries[0].text.find(vs::shell::PeerSessionCommands::maskNote(30)),
              std::string::npos);
}

TEST_F(MainWindowTest, ADroppedScheduleIsImportedOnceTheEditsAreOffered) {
    vs::test::writeFile(dir.file("suelta.gnaural"),
                        "<?xml version=\"1.0\"?>\n<schedule>\n<voice>\n<type>0</type>\n"
                        "<entries>\n<entry duration=\"300\" beatfreq=\"8\" basefreq=\"200\""
                        " volume_left=\"0.5\" volume_right=\"0.5\"/>\n</entries>\n</voice>\n"
                        "</schedule>\n");
    auto w = open();
    w->ui().graph->findChild<QScrollBar*>("ScrollMinutos")->setValue(3);
    ASSERT_TRUE(w->document().modified());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.file("suelta.gnaural")))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    recorder.answers = {false};
    QApplication::sendEvent(w.get(), &drop);
    ASSERT_EQ(recorder.count(RecordingMessageService::Entry::Question), 1);
    EXPECT_EQ(recorder.entries[0].text, "Guardar modificaciones de: Nueva Sesión?");
    EXPECT_EQ(w->model().minutos(), 5);
    EXPECT_TRUE(w->document().modified());
    EXPECT_FALSE(w->ui().chkMascara->isChecked()); // the schedule plays no noise
}

TEST_F(MainWindowTest, ExportingForOtherProgramsWritesAScheduleAtTheWindowsLevels) {
    auto w = open();
    w->ui().chkMascara->setChecked(true);
    w->ui().scrollVolumenMascara->setValue(35);
    w->ui().scrollVolumenBinaural->setValue(60);
    dialogs.answers = {dir.file("para_otros")};
    w->ui().mnuSesionExportarSbg->trigger();
    EXPECT_EQ(dialogs.suggested, std::vector<std::string>{"Nueva Sesión.sbg"});
    const std::string text = vs::test::readFile(dir.file("para_otros.sbg"));
    EXPECT_NE(text.find("/60 pink/35\n"), std::string::npos) << text;
    const auto back = vs::session::importSession(dir.file("para_otros.sbg"));
    ASSERT_TRUE(std::holds_alternative<vs::session::ImportedSession>(back));
    EXPECT_EQ(std::get<vs::session::ImportedSession>(back).model.minutos(), 1);
    EXPECT_TRUE(recorder.entries.empty());

    dialogs.answers = {dir.file("no/hay/carpeta.sbg")};
    w->ui().mnuSesionExportarSbg->trigger();
    ASSERT_EQ(recorder.entries.size(), 1u);
    EXPECT_EQ(recorder.entries[0].text,
              "No se puede escribir el programa en " + dir.file("no/hay/carpeta.sbg"));
}

TEST_F(MainWindowTest, SessionFilesGivenAtStartJoinTheLibraryAndTheLastStaysOpen) {
    const std::string body =
        "Velorin Somnara\r\n 4 \r\n 0 \r\n 15 \r\n 500 \r\n 2 \r\n 0 \r\n 600 \r\n"
        " 6000 \r\n 600 \r\n 2 \r\n 0 \r\n 1450 \r\n 6000 \r\n 1450 \r\n3\r\n";
    vs::test::writeFile(dir.file("uno.vso"), body);
    vs::test::writeFile(dir.file("dos.vso"), body);
    auto w = open();
    const int before = w->sessions().rowCount();
    w->addSessionFiles({dir.file("uno.vso"), dir.file("dos.vso")});
    auto& lib = w->sessions();
    ASSERT_EQ(lib.rowCount(), before + 2);
    EXPECT_EQ(lib.row(before + 1).path, dir.file("uno.vso"));
    EXPECT_EQ(lib.row(before + 2).name, "dos.vso");
    EXPECT_EQ(lib.row(before + 2).duration, "04:00");
    EXPECT_EQ(lib.currentRow(), before + 2);
    EXPECT_EQ(w->document().file(), dir.file("dos.vso"));
    // Opened again (a second double-click in the file manager), it is not listed twice.
    w->addSessionFiles({dir.file("uno.vso")});
    EXPECT_EQ(lib.rowCount(), before + 2);
    EXPECT_EQ(lib.row(before + 2).name, "uno.vso");
    EXPECT_TRUE(recorder.entries.empty());
}

TEST_F(MainWindowTest, ADrawnSessionSavedFromTheLibraryComesBackWhenItsRowIsChosen) {
    auto w = open();
    w->show();
    auto* frame = w->ui().graph;
    auto* view = frame->graphView();
    // Graph units per pixel, across and down: the axes scale on their own.
    const double uppX = 15.0 / frame->scaleX(), uppY = 15.0 / frame->scaleY();
    auto pixel = [&](float units) { return static_cast<int>(units / uppX); };
    auto pixelY = [&](float units) { return static_cast<int>(units / uppY); };
    auto& m = w->model();
    // Two beat points and a base point, drawn with the mouse.
    for (float left : {1500.0f, 3500.0f}) {
        const QPoint at(pixel(left), pixelY(600));
        QTest::mousePress(view, Qt::LeftButton, {}, at);
        QTest::mouseRelease(view, Qt::LeftButton, {}, at);
    }
    const QPoint base(pixel(2500), pixelY(1700));
    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, base);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, base);
    frame->findChild<QScrollBar*>("ScrollMinutos")->setValue(3);
    ASSERT_EQ(int{m.NumPuntos}, 4);
    ASSERT_EQ(int{m.NumPuntosFR}, 3);
    ASSERT_TRUE(m.SesionModificada);
    const vs::session::SessionModel drawnModel = m;

    dialogs.answer = dir.file("dibujada.vso");
    w->ui().mnuSesionGuardarSesion->trigger();
    ASSERT_TRUE(vs::fileExists(dir.file("dibujada.vso")));
    auto& lib = w->sessions();
    ASSERT_EQ(lib.rowCount(), 2);
    EXPECT_EQ(lib.row(2).duration, "03:00");

    w->ui().mnuSesionNueva->trigger();
    EXPECT_EQ(int{m.NumPuntos}, 2);
    EXPECT_EQ(m.minutos(), 1);
    // A new session shown after a 3-minute one counts as changed, so leaving
    // it asks (answered No here).
    EXPECT_TRUE(m.SesionModificada);

    auto* grid = w->ui().FlexSesion;
    const QRect row2 = grid->visualItemRect(grid->item(1, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row2.center());
    // Curves, sequences and length as saved: positions come back as whole
    // graph units, the file's own rounding.
    EXPECT_EQ(vs::session::sessionText(m, '.'), vs::test::readFile(dir.file("dibujada.vso")));
    ASSERT_EQ(int{m.NumPuntos}, 4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(m.Punto[i].Left, drawnModel.Punto[i].Left, 0.5) << i;
    EXPECT_NEAR(m.PuntoFR[2].Top, drawnModel.PuntoFR[2].Top, 0.5);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(m.cellSequence(i), drawnModel.cellSequence(i)) << i;
    EXPECT_EQ(m.minutos(), 3);
    EXPECT_FALSE(m.SesionModificada);
    EXPECT_EQ(lib.highlightedRow(), 2);
    ASSERT_EQ(recorder.entries.size(), 1u);
    EXPECT_EQ(recorder.entries[0].text, "Guardar modificaciones de: Nueva Sesión?");
}

TEST_F(MainWindowTest, TheOptionsCommandThenRereadsTheColoursAndTheStripFollowsTheGlasses) {
    auto w = open();
    int runs = 0;
    options = [&](const vs::options::OptionsContext& c) {
        ++runs;
        EXPECT_EQ(&c.model, &w->model());
        // The user switches the glasses on and changes the top LED's colour.
        c.settings.GafasMentales = true;
        vs::Preferences::instance().save("Opciones", "ColorLedLit4", "65535");
    };
    auto* strip = w->ui().graph->stripView();
    EXPECT_FALSE(strip->isEnabled());
    w->ui().mnuArchivoOpciones->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(strip->isEnabled());
    EXPECT_EQ(w->ui().led->led(4)->LitColour(), 65535u);
    EXPECT_EQ(w->ui().led->led(1)->LitColour(), 255u); // absent keys now read red
    EXPECT_EQ(w->ui().led->led(1)->UnLitColour(), 128u);
}

TEST_F(MainWindowTest, SwitchingTheGlassesOffInTheDialogDarkensAPlayingSession) {
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    auto w = open();
    w->player()->Play();
    ASSERT_TRUE(w->sequencer()->clock().enabled());
    options = [](const vs::options::OptionsContext& c) {
        c.settings.GafasMentales = false;
        c.onGafasApagadas();
    };
    port.writes.clear();
    w->ui().mnuArchivoOpciones->trigger();
    EXPECT_FALSE(w->sequencer()->clock().enabled());
    ASSERT_FALSE(port.writes.empty());
    EXPECT_EQ(port.writes.back().value, 0);
}

TEST_F(MainWindowTest, EscapeStopsAPlayingSessionAndTheLightsGoOut) {
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    auto w = open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->player()->Play();
    ASSERT_TRUE(w->player()->playing());
    port.writes.clear();
    QTest::keyClick(w->ui().FlexSesion, Qt::Key_Escape);
    EXPECT_FALSE(w->player()->playing());
    EXPECT_FALSE(w->sequencer()->clock().enabled());
    ASSERT_FALSE(port.writes.empty());
    EXPECT_EQ(port.writes.back().value, 0);
}

TEST_F(MainWindowTest, TheGlassesStartDarkAndTheStripMarksSegmentsFlashingAt15To20Hz) {
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    auto w = open();
    ASSERT_FALSE(port.writes.empty());
    EXPECT_EQ(port.writes.front().value, 0); // whatever an earlier run left lit
    auto& m = w->model();
    m.FrecBinauralMax = 20;
    m.NumPuntos = 3;
    m.Punto[1].Top = m.topForBinaural(10);
    m.Punto[2] = {3000, m.topForBinaural(14), true};
    m.Punto[3] = {6000, m.topForBinaural(4), true};
    m.relayCells();
    m.notify();
    auto* strip = w->ui().graph->stripView();
    EXPECT_TRUE(strip->markedCells().empty()); // the beat stays below 15 Hz
    m.Punto[2].Top = m.topForBinaural(16);
    m.notify();
    EXPECT_EQ(strip->markedCells(), (std::vector<int>{1, 2}));
    // With the glasses off nothing flashes, so nothing is marked.
    options = [](const vs::options::OptionsContext& c) { c.settings.GafasMentales = false; };
    w->ui().mnuArchivoOpciones->trigger();
    EXPECT_TRUE(strip->markedCells().empty());
}

TEST_F(MainWindowTest, HelpOpensTheManualInItsOwnWindowOrSaysThereIsNone) {
    auto w = open();
    w->ui().mnuAyudaContenido->trigger();
    EXPECT_TRUE(recorder.saw("No se encuentra el fichero de ayuda"));
    // The manual is shipped data: it sits in the data folder, not where lists are written.
    vs::test::writeFile(dir.file("Ayuda_VSO.html"), "<html></html>");
    w->ui().mnuAyudaContenido->trigger();
    EXPECT_EQ(w->help().window(), nullptr);
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Information), 2);
    vs::test::writeFile(dir.file("data/Ayuda_VSO.html"), "<html><body>Manual</body></html>");
    w->ui().mnuAyudaContenido->trigger();
    ASSERT_NE(w->help().window(), nullptr);
    EXPECT_TRUE(w->help().window()->isVisible());
    EXPECT_TRUE(w->help().window()->browser()->toPlainText().contains("Manual"));
    // No browser is needed, none is asked for.
    EXPECT_TRUE(desktop.files.empty());
    EXPECT_TRUE(desktop.urls.empty());
    EXPECT_EQ(w->ui().mnuAyudaContenido->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindowTest, F1OpensTheChapterOfTheFocusedWindowAModalDialogIncluded) {
    vs::test::writeFile(
        dir.file("data/Ayuda_VSO.html"),
        "<html><body><h1><a name=\"ventana\"></a>V</h1><h1><a name=\"opciones\"></a>O</h1>"
        "<h1><a name=\"informe\"></a>I</h1>"
        "</body></html>");
    auto w = open();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w->ui().FlexSesion, Qt::Key_F1);
    ASSERT_NE(w->help().window(), nullptr);
    EXPECT_EQ(w->help().window()->chapter(), "ventana");
    {
        QWidget report(w.get(), Qt::Window); // the verification report stands beside the window
        report.setObjectName("frmInformeVerificacion");
        report.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&report));
        report.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &report; }));
        QTest::keyClick(&report, Qt::Key_F1);
        EXPECT_EQ(w->help().window()->chapter(), "informe");
    }
    // A modal dialog blocks the main window's keys; its F1 still answers,
    // with a help window the dialog does not block.
    QDialog dialog(w.get());
    dialog.setObjectName("frmOpciones");
    dialog.setModal(true);
    auto* box = new QCheckBox(&dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(box, Qt::Key_F1);
    ASSERT_NE(w->help().window(), nullptr);
    EXPECT_EQ(w->help().window()->chapter(), "opciones");
    EXPECT_EQ(w->help().window()->parentWidget(), &dialog);
    EXPECT_TRUE(desktop.urls.empty());
}

TEST_F(MainWindowTest, AboutMenuShowsTheAboutBoxOwnedByTheWindow) {
    auto w = open();
    const QString title = w->windowTitle();
    w->ui().mnuAyudaAcrecaDe->trigger();
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modalOwners[0], w.get());
    EXPECT_EQ(w->windowTitle(), title);
    EXPECT_FALSE(w->model().SesionModificada);
    EXPECT_TRUE(desktop.urls.empty());
}

TEST_F(MainWindowTest, PlayAndStopAreHouseButtonsShownWholeAtTheOpeningSize) {
    auto w = open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    for (vs::controls::BotonGradiente* b : {w->ui().cmdPlay, w->ui().cmdStop}) {
        EXPECT_EQ(b->ButtonType(), 3);
        EXPECT_EQ(b->ColorScheme(), 1);
        EXPECT_EQ(b->BackColor(), 0x00D8E9ECu);
        EXPECT_EQ(b->ForeColor(), 0u);
        EXPECT_TRUE(b->ShowFocusRect());
        const QWidget* frame = b->parentWidget();
        EXPECT_TRUE(frame->rect().contains(b->geometry())) << b->objectName().toStdString();
        EXPECT_GE(b->width(), b->sizeHint().width());
        EXPECT_GE(b->height(), b->sizeHint().height());
        EXPECT_EQ(b->picture().size(), b->size());
    }
}

TEST_F(MainWindowTest, TheSoundTabAndTheHeadphoneCheckReachPlayAndTheEngine) {
    auto w = open();
    QAction* check = w->findChild<QAction*>("mnuSesionComprobarAuriculares");
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(w->ui().mnuSesion->actions().contains(check));
    check->trigger();
    ASSERT_EQ(modalNames, (std::vector<QString>{"frmAuriculares"}));
    EXPECT_EQ(modalOwners[0], w.get());

    // A visit to the options: the exchange is followed at once, the pulse at Play.
    options = [](const vs::options::OptionsContext& c) {
        vs::Preferences::instance().save("Opciones", "Tipo Pulso", "2");
        vs::Preferences::instance().save("Opciones", "Intercambiar Canales", "1");
        c.onSonidoCambiado();
    };
    w->ui().mnuArchivoOpciones->trigger();
    EXPECT_TRUE(vs::audio::processEngine().swapChannels());
    QTest::mouseClick(w->ui().cmdPlay, Qt::LeftButton);
    ASSERT_TRUE(w->player()->playing());
    EXPECT_EQ(w->player()->pulseType(), vs::playback::PulseType::Isochronic);
    w->player()->Stop();
    vs::audio::processEngine().setSwapChannels(false);
    EXPECT_TRUE(recorder.entries.empty());
}
