// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo on the model: every kind of edit comes back exactly, the
// modified flag follows the saved state, and the history belongs to the
// session that is open.
#include "editor_test_support.h"

#include "base/paths.h"
#include "session/edit_history.h"
#include "session/session_document.h"
#include "session/session_file.h"
#include "session/session_model.h"

#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace vs::session {
namespace {

using test::ScriptedRandom;
using test::valueFor;

// The whole session as its file holds it.
std::string fileOf(const SessionModel& m) {
    return sessionText(m, '.');
}

struct EditHistoryTest : ::testing::Test {
    vs::test::TempDir dir;
    RecordingMessageService shown;
    ScopedMessageService installed{shown};
    ScriptedFileDialogs dialogs;
    SessionModel m;
    SessionDocument doc{m, shown, dialogs};
    EditHistory history{doc};
    ScriptedRandom random{{valueFor(2), valueFor(4), valueFor(5)}};

    void SetUp() override { dir.becomeProgramFolders(); }
    void TearDown() override { clearFolderOverrides(); }

    void edit(const std::string& name, const std::function<void()>& change) {
        const EditStep step(&history, name);
        change();
    }
    // A session with three beat points and three base points, opened from its file.
    void openDrawn() {
        SessionModel drawn;
        ASSERT_NE(agregarPunto(drawn, 3000, 600, random), 0);
        ASSERT_NE(agregarPuntoFR(drawn, 2500, 1500), 0);
        drawn.setMinutos(12);
        drawn.setSegundos(30);
        ASSERT_TRUE(GuardarSesion(drawn, dir.file("dibujada.vso")));
        ASSERT_TRUE(doc.abrir(dir.file("dibujada.vso")));
        ASSERT_FALSE(m.SesionModificada);
    }
    // Undone, the file and every hidden marker are as before; redone, as after.
    void expectUndoRedo(const std::string& name, const std::function<void()>& change) {
        SCOPED_TRACE(name);
        const SessionModel before = m;
        const std::string beforeFile = fileOf(m);
        edit(name, change);
        const SessionModel after = m;
        const std::string afterFile = fileOf(m);
        ASSERT_NE(afterFile, beforeFile);
        EXPECT_EQ(history.undoName(), name);
        history.undo();
        EXPECT_EQ(fileOf(m), beforeFile);
        EXPECT_TRUE(sameSession(m, before));
        EXPECT_EQ(history.redoName(), name);
        history.redo();
        EXPECT_EQ(fileOf(m), afterFile);
        EXPECT_TRUE(sameSession(m, after));
        test::expectCellsFollowPoints(m);
    }
};

TEST_F(EditHistoryTest, EveryKindOfEditIsUndoneAndRedoneExactly) {
    openDrawn();
    expectUndoRedo("añadir punto", [&] { ASSERT_NE(agregarPunto(m, 1500, 300, random), 0); });
    expectUndoRedo("añadir punto", [&] { ASSERT_NE(agregarPuntoFR(m, 4500, 200), 0); });
    expectUndoRedo("borrar punto", [&] { ASSERT_TRUE(EliminarPunto(m, 2)); });
    expectUndoRedo("borrar punto", [&] { ASSERT_TRUE(EliminarPuntoFR(m, 2)); });
    expectUndoRedo("mover punto", [&] {
        for (int i = 0; i < 5; ++i)
            moverPunto(m, 2, 40, 30);
        soltarPunto(m, 2);
    });
    expectUndoRedo("mover punto", [&] { moverPuntoFR(m, 3, 0, -200); });
    expectUndoRedo("cambiar secuencia", [&] { m.setCellSequence(1, 7); });
    expectUndoRedo("cambiar duración", [&] { m.setSegundos(60); }); // carries into the minutes
    expectUndoRedo("cambiar rangos", [&] {
        m.FrecBinauralMax = 25;
        m.FrecBaseMax = 800;
    });
    EXPECT_EQ(history.steps(), 9);
}

TEST_F(EditHistoryTest, AnEditThatChangesNothingMakesNoStepAndNestedEditsMakeOne) {
    edit("añadir punto", [&] { EXPECT_EQ(agregarPunto(m, 10, 300, random), 0); }); // refused
    EXPECT_EQ(history.steps(), 0);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.undoName(), "");

    history.begin("cambiar rangos");
    edit("cambiar duración", [&] { m.setMinutos(5); });
    EXPECT_TRUE(history.editing());
    EXPECT_EQ(history.steps(), 0);
    m.FrecBaseMax = 700;
    history.commit();
    EXPECT_EQ(history.steps(), 1);
    EXPECT_EQ(history.undoName(), "cambiar rangos");
    history.undo();
    EXPECT_EQ(m.minutos(), 1);
    EXPECT_EQ(m.FrecBaseMax, 500);
    history.commit(); // one too many: ignored
    EXPECT_TRUE(history.canRedo());
}

TEST_F(EditHistoryTest, NothingIsUndoneMidEditNorALengthStepWhileTheLengthIsLocked) {
    edit("cambiar duración", [&] { m.setMinutos(4); });
    edit("añadir punto", [&] { agregarPunto(m, 3000, 600, random); });
    history.begin("mover punto");
    EXPECT_FALSE(history.canUndo());
    history.undo();
    EXPECT_EQ(int{m.NumPuntos}, 3);
    history.commit(); // a press and release without a move
    EXPECT_EQ(history.steps(), 2);

    history.setLengthLocked(true);
    ASSERT_TRUE(history.canUndo());
    history.undo();
    EXPECT_EQ(int{m.NumPuntos}, 2);
    EXPECT_FALSE(history.canUndo()); // the length step waits
    EXPECT_EQ(history.undoName(), "");
    history.undo();
    EXPECT_EQ(m.minutos(), 4);
    history.setLengthLocked(false);
    history.undo();
    EXPECT_EQ(m.minutos(), 1);
}

TEST_F(EditHistoryTest, TheModifiedFlagFollowsTheStateLastSaved) {
    openDrawn();
    int restored = 0, changes = 0;
    history.onRestored = [&] { ++restored; };
    history.onChanged = [&] { ++changes; };
    edit("cambiar secuencia", [&] { m.setCellSequence(1, 1); });
    m.SesionModificada = true; // as the editor sets it
    history.undo();
    EXPECT_FALSE(m.SesionModificada);
    history.redo();
    EXPECT_TRUE(m.SesionModificada);
    EXPECT_EQ(restored, 2);
    EXPECT_GE(changes, 3);

    ASSERT_EQ(doc.guardar(), SaveResult::Saved);
    const std::string saved = vs::test::readFile(dir.file("dibujada.vso"));
    history.undo();
    EXPECT_TRUE(m.SesionModificada); // back before the save
    history.redo();
    EXPECT_FALSE(m.SesionModificada);
    EXPECT_EQ(fileOf(m), saved);

    // Declared unmodified (the library after a save of its own) is saved too.
    edit("cambiar duración", [&] { m.setMinutos(3); });
    doc.setModified(false);
    history.undo();
    EXPECT_TRUE(m.SesionModificada);
    history.redo();
    EXPECT_FALSE(m.SesionModificada);
    // The preference copies of the ranges are not the session's: undo keeps them.
    m.FrecBaseMaxPref = 900;
    history.undo();
    EXPECT_EQ(m.FrecBaseMaxPref, 900);
}

TEST_F(EditHistoryTest, OpeningOrCreatingASessionEmptiesTheHistory) {
    edit("cambiar duración", [&] { m.setMinutos(8); });
    history.undo();
    ASSERT_TRUE(history.canRedo());
    openDrawn();
    EXPECT_EQ(history.steps(), 0);
    EXPECT_FALSE(history.canRedo());

    edit("cambiar duración", [&] { m.setMinutos(8); });
    doc.nueva();
    EXPECT_EQ(history.steps(), 0);
    EXPECT_FALSE(history.canUndo());

    // A file that cannot be read leaves the default session, modified: no
    // state of it is the saved one, so undoing never clears the flag.
    vs::test::writeFile(dir.file("rota.vso"), "no es una sesión");
    EXPECT_FALSE(doc.abrir(dir.file("rota.vso")));
    EXPECT_EQ(history.steps(), 0);
    edit("cambiar duración", [&] { m.setMinutos(9); });
    history.undo();
    EXPECT_TRUE(m.SesionModificada);
}

TEST_F(EditHistoryTest, ALongRandomRunUndoneToTheStartGivesTheOpenedFileBack) {
    openDrawn();
    const std::string opened = vs::test::readFile(dir.file("dibujada.vso"));
    std::mt19937 gen(20261208);
    auto uniform = [&](float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(gen);
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    const float top = m.H - 2 * m.MedioPunto;
    for (int n = 0; n < 400; ++n) {
        switch (pick(0, 7)) {
        case 0:
            edit("añadir punto",
                 [&] { agregarPunto(m, uniform(0, m.W), uniform(0, top), random); });
            break;
        case 1:
            edit("añadir punto", [&] { agregarPuntoFR(m, uniform(0, m.W), uniform(0, top)); });
            break;
        case 2:
            edit("borrar punto", [&] { EliminarPunto(m, pick(1, m.NumPuntos)); });
            break;
        case 3:
            edit("borrar punto", [&] { EliminarPuntoFR(m, pick(1, m.NumPuntosFR)); });
            break;
        case 4:
            edit("mover punto", [&] {
                const int i = pick(1, m.NumPuntos);
                for (int j = 0; j < 4; ++j)
                    moverPunto(m, i, uniform(-30, 30), uniform(-100, 100));
                soltarPunto(m, i);
            });
            break;
        case 5:
            edit("cambiar secuencia",
                 [&] { m.setCellSequence(pick(1, m.NumPuntos - 1), pick(1, 7)); });
            break;
        case 6:
            edit("cambiar duración", [&] {
                if (pick(0, 1))
                    m.setMinutos(pick(0, 60));
                else
                    m.setSegundos(pick(0, 60));
            });
            break;
        default:
            edit("cambiar rangos", [&] {
                m.FrecBinauralMax = static_cast<float>(pick(14, 30));
                m.FrecBaseMax = 10 * pick(45, 100);
            });
        }
        m.SesionModificada = true;
    }
    ASSERT_GT(history.steps(), 200);
    const std::string last = fileOf(m);
    while (history.canUndo())
        history.undo();
    EXPECT_FALSE(m.SesionModificada);
    ASSERT_TRUE(GuardarSesion(m, dir.file("deshecha.vso")));
    EXPECT_EQ(vs::test::readFile(dir.file("deshecha.vso")), opened);
    while (history.canRedo())
        history.redo();
    EXPECT_EQ(fileOf(m), last);
    EXPECT_TRUE(m.SesionModificada);
}

} // namespace
} // namespace vs::session
