// SPDX-License-Identifier: GPL-3.0-or-later
// The "Edición" menu on the real window: which edits make a step, what the
// entries say, the modified mark, and the history of the session that is open.
#include "audio/volume.h"
#include "base/paths.h"
#include "controls/boton_gradiente.h"
#include "glasses/led_port.h"
#include "glasses/led_sequencer.h"
#include "glasses/state.h"
#include "library/session_library.h"
#include "options/frm_opciones.h"
#include "options/range_bounds.h"
#include "playback/session_player.h"
#include "session/edit_history.h"
#include "session/graph_frame.h"
#include "session/graph_grid.h"
#include "session/graph_view.h"
#include "session/session_document.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "shell/main_window.h"
#include "temp_dir.h"

#include "recording_desktop.h"
#include "recording_led_port.h"
#include "recording_messages.h"
#include "recording_mixer.h"
#include "scripted_dialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using vs::shell::FrmSomnara;

namespace {

struct PickSequence : vs::glasses::SequenceChooser {
    Result run(vs::glasses::LedSequencer& sequencer) override {
        sequencer.setSecuenciaActual(2);
        return Result::Chosen;
    }
};

struct EditMenuTest : ::testing::Test {
    vs::test::TempDir dir;
    vs::RecordingMessageService recorder;
    vs::ScriptedFileDialogs dialogs;
    vs::glasses::RecordingLedPort port;
    vs::RecordingDesktopService desktop;
    std::function<void(const vs::options::OptionsContext&)> options;
    std::unique_ptr<FrmSomnara> w;

    void SetUp() override {
        dir.becomeProgramFolders();
        vs::glasses::setLedPort(&port);
        vs::shell::Dependencies deps;
        deps.runOptions = [this](const vs::options::OptionsContext& c, QWidget*) {
            if (options) options(c);
        };
        deps.messages = &recorder;
        deps.dialogs = &dialogs;
        deps.makeVolume = [] {
            auto mixer = std::make_unique<vs::audio::RecordingMixerBackend>();
            mixer->levels.fill(50000);
            return std::make_unique<vs::audio::clsVolume>(std::move(mixer), nullptr);
        };
        deps.makeChooser = [](QWidget*) { return std::make_unique<PickSequence>(); };
        deps.desktop = &desktop;
        deps.runModal = [](QDialog&) {};
        w = std::make_unique<FrmSomnara>(nullptr, deps);
        w->show();
    }
    void TearDown() override {
        w.reset();
        vs::setMessageService(nullptr);
        vs::setFileDialogService(nullptr);
        vs::glasses::setLedPort(nullptr);
        vs::clearFolderOverrides();
    }

    QAction* undo() const { return w->ui().mnuEdicionDeshacer; }
    QAction* redo() const { return w->ui().mnuEdicionRehacer; }
    vs::session::GraphView* graph() const { return w->ui().graph->graphView(); }
    QScrollBar* minutes() const { return w->ui().graph->scrollMinutos(); }
    std::string file() const { return vs::session::sessionText(w->model(), '.'); }
    // A left click on the graph at a place in graph units.
    void clickAt(float left, float top, Qt::KeyboardModifiers mods = {}) {
        auto* frame = w->ui().graph;
        const QPoint at(static_cast<int>(left * frame->scaleX() / 15),
                        static_cast<int>(top * frame->scaleY() / 15));
        QTest::mouseClick(graph(), Qt::LeftButton, mods, at);
    }
    QPoint markerPixel(const vs::session::Marker& mk) const {
        auto* frame = w->ui().graph;
        const float k = w->model().MedioPunto;
        return QPoint(static_cast<int>((mk.Left + k) * frame->scaleX() / 15),
                      static_cast<int>((mk.Top + k) * frame->scaleY() / 15));
    }
};

} // namespace

TEST_F(EditMenuTest, TheMenuFollowsArchivoAndEachEntryNamesItsStep) {
    QStringList menus;
    for (QAction* a : w->menuBar()->actions())
        menus << a->text();
    const auto edicion = menus.indexOf("&Edición");
    ASSERT_GE(edicion, 1);
    EXPECT_EQ(menus[edicion - 1], "&Archivo");
    EXPECT_EQ(menus[edicion + 1], "&Sesión");
    EXPECT_EQ(undo()->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
    EXPECT_EQ(redo()->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));

    EXPECT_EQ(undo()->text(), "&Deshacer");
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_FALSE(redo()->isEnabled());

    const std::string start = file();
    clickAt(3000, 600);
    ASSERT_EQ(int{w->model().NumPuntos}, 3);
    EXPECT_EQ(undo()->text(), "&Deshacer añadir punto");
    EXPECT_TRUE(undo()->isEnabled());
    EXPECT_TRUE(w->document().modified());

    undo()->trigger();
    EXPECT_EQ(file(), start);
    EXPECT_FALSE(w->document().modified()); // back to the session as opened
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(redo()->text(), "&Rehacer añadir punto");
    redo()->trigger();
    EXPECT_EQ(int{w->model().NumPuntos}, 3);
    EXPECT_TRUE(w->document().modified());
    EXPECT_EQ(redo()->text(), "&Rehacer");
    EXPECT_FALSE(redo()->isEnabled());

    // The keys reach the entries wherever the focus is in the window.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(file(), start);
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(int{w->model().NumPuntos}, 3);
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(int{w->model().NumPuntos}, 3);
}

TEST_F(EditMenuTest, ADragAVisitOfTheOptionsAndAChosenSequenceAreOneStepEach) {
    auto& m = w->model();
    const std::string start = file();

    const QPoint held = markerPixel(m.Punto[2]);
    QTest::mousePress(graph(), Qt::LeftButton, {}, held);
    for (int dy = 4; dy <= 40; dy += 4)
        QTest::mouseMove(graph(), held - QPoint(0, dy));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, held - QPoint(0, 40));
    EXPECT_EQ(undo()->text(), "&Deshacer mover punto");
    const std::string dragged = file();
    // A base point added and deleted again: two steps.
    clickAt(3000, 1700, Qt::ShiftModifier);
    ASSERT_EQ(int{m.NumPuntosFR}, 3);
    QTest::mouseClick(graph(), Qt::RightButton, {}, markerPixel(m.PuntoFR[2]));
    ASSERT_EQ(int{m.NumPuntosFR}, 2);
    EXPECT_EQ(undo()->text(), "&Deshacer borrar punto");
    undo()->trigger();
    EXPECT_EQ(int{m.NumPuntosFR}, 3);
    undo()->trigger();
    EXPECT_EQ(file(), dragged);

    // The dialog moves the beat range twice and the base range once.
    options = [](const vs::options::OptionsContext& c) {
        const auto f = vs::options::leerFrecuencias(c.model);
        vs::options::aplicarBinauralMax(c.model, f, 20);
        vs::options::aplicarBinauralMax(c.model, f, 25);
        vs::options::aplicarBaseMax(c.model, f, 700);
        c.model.SesionModificada = true;
    };
    w->ui().mnuArchivoOpciones->trigger();
    EXPECT_FLOAT_EQ(m.FrecBinauralMax, 25);
    EXPECT_EQ(undo()->text(), "&Deshacer cambiar rangos");
    const std::string ranged = file();
    // A visit that changes nothing of the session is no step.
    options = nullptr;
    w->ui().mnuArchivoOpciones->trigger();
    EXPECT_EQ(undo()->text(), "&Deshacer cambiar rangos");

    emit w->ui().graph->cellDoubleClicked(1);
    ASSERT_EQ(m.cellSequence(1), 2);
    EXPECT_EQ(undo()->text(), "&Deshacer cambiar secuencia");

    EXPECT_EQ(w->edits().steps(), 3);
    undo()->trigger();
    EXPECT_EQ(file(), ranged);
    undo()->trigger();
    EXPECT_EQ(file(), dragged);
    EXPECT_FLOAT_EQ(m.FrecBinauralMax, 15);
    EXPECT_EQ(w->ui().graph->findChild<QLabel*>("lblPic1Binaural0")->text(),
              QString::fromStdString(
                  vs::session::DibujarGrid(m, true, true).binaural[0])); // the axis follows
    undo()->trigger();
    EXPECT_EQ(file(), start);
    EXPECT_FALSE(w->document().modified());
}

TEST_F(EditMenuTest, SavingMarksTheCleanStateAndOpeningAnotherSessionEmptiesTheHistory) {
    auto& lib = w->sessions();
    w->ui().graph->scrollSegundos()->setValue(59);
    w->ui().graph->scrollSegundos()->setValue(60); // 1:59 to 2:00, one step
    minutes()->setValue(3);
    EXPECT_EQ(w->edits().steps(), 3);
    dialogs.answer = dir.file("tres.vso");
    w->ui().mnuSesionGuardarSesion->trigger();
    ASSERT_EQ(lib.rowCount(), 2);
    ASSERT_FALSE(w->document().modified());
    minutes()->setValue(5);
    EXPECT_EQ(lib.row(2).duration, "05:00");
    EXPECT_TRUE(w->document().modified());

    undo()->trigger();
    EXPECT_EQ(w->ui().graph->lblTiempoText(), "03:00");
    EXPECT_EQ(minutes()->value(), 3);
    EXPECT_EQ(lib.row(2).duration, "03:00"); // the list follows the label
    EXPECT_FALSE(w->document().modified());
    EXPECT_EQ(file(), vs::test::readFile(dir.file("tres.vso")));
    undo()->trigger(); // before the save: unsaved again
    EXPECT_EQ(minutes()->value(), 2);
    EXPECT_TRUE(w->document().modified());
    undo()->trigger();
    EXPECT_EQ(w->ui().graph->lblTiempoText(), "01:59");
    EXPECT_EQ(w->ui().graph->scrollSegundos()->value(), 59);
    redo()->trigger();
    redo()->trigger();
    EXPECT_FALSE(w->document().modified());
    EXPECT_EQ(w->edits().steps(), 4); // what undo moved made no steps

    // The new session (its question answered No) starts with no history.
    w->ui().mnuSesionNueva->trigger();
    EXPECT_EQ(w->edits().steps(), 0);
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_FALSE(redo()->isEnabled());
    EXPECT_EQ(redo()->text(), "&Rehacer");

    // Choosing the saved row reads it: again no history.
    clickAt(3000, 600);
    ASSERT_TRUE(undo()->isEnabled());
    lib.pulsar(2); // "Guardar modificaciones?" answered No
    EXPECT_EQ(w->model().minutos(), 3);
    EXPECT_EQ(w->edits().steps(), 0);
    EXPECT_FALSE(w->document().modified());
}

TEST_F(EditMenuTest, UndoWhilePlayingMovesTheTonesAtTheNextTickButLeavesTheLengthAlone) {
    auto& m = w->model();
    minutes()->setValue(2);
    const QPoint held = markerPixel(m.Punto[1]);
    QTest::mousePress(graph(), Qt::LeftButton, {}, held);
    QTest::mouseMove(graph(), held - QPoint(0, 60));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, held - QPoint(0, 60));
    ASSERT_EQ(undo()->text(), "&Deshacer mover punto");

    QTest::mouseClick(w->ui().cmdPlay, Qt::LeftButton);
    ASSERT_TRUE(w->player()->playing());
    w->player()->Tick();
    const QString raised = w->ui().lblInfoHz->text();
    EXPECT_NE(raised, "7.2");

    undo()->trigger();
    w->player()->Tick();
    EXPECT_EQ(w->ui().lblInfoHz->text(), "7.2");
    // The length step waits while the bars are locked.
    EXPECT_FALSE(undo()->isEnabled());
    undo()->trigger();
    EXPECT_EQ(m.minutos(), 2);
    redo()->trigger();
    w->player()->Tick();
    EXPECT_EQ(w->ui().lblInfoHz->text(), raised);

    QTest::mouseClick(w->ui().cmdStop, Qt::LeftButton);
    undo()->trigger();
    ASSERT_TRUE(undo()->isEnabled());
    EXPECT_EQ(undo()->text(), "&Deshacer cambiar duración");
    undo()->trigger();
    EXPECT_EQ(m.minutos(), 1);
}
