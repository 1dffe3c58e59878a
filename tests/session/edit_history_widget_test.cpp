// Undo and redo of gestures made on the real graph group: what one step is,
// and that undoing shows the model again in the bars and labels.
#include "editor_test_support.h"

#include "base/paths.h"
#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "session/edit_history.h"
#include "session/graph_frame.h"
#include "session/graph_view.h"
#include "session/session_document.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vs::session {
namespace {

using test::ScriptedRandom;
using test::valueFor;

class EditHistoryWidget : public ::testing::Test {
protected:
    void SetUp() override {
        dir.becomeProgramFolders();
        frame = std::make_unique<GraphFrame>(m);
        frame->resize(GraphFrame::designSize());
        frame->show();
        frame->setRandomSource(&random);
        frame->setEditHistory(&history);
        history.onRestored = [this] { frame->refresh(); };
        g = frame->graphView();
    }
    void TearDown() override {
        frame.reset();
        clearFolderOverrides();
    }
    QPoint markerPixel(const Marker& mk) const {
        const float k = m.MedioPunto;
        return QPoint(static_cast<int>((mk.Left + k) / 15), static_cast<int>((mk.Top + k) / 15));
    }
    std::string file() const { return sessionText(m, '.'); }

    vs::test::TempDir dir;
    RecordingMessageService shown;
    ScriptedFileDialogs dialogs;
    SessionModel m;
    SessionDocument doc{m, shown, dialogs};
    EditHistory history{doc};
    ScriptedRandom random{{valueFor(2), valueFor(4)}};
    std::unique_ptr<GraphFrame> frame;
    GraphView* g = nullptr;
};

TEST_F(EditHistoryWidget, ClicksAndADragEachMakeOneStepUndoneToTheFilesBefore) {
    const std::string start = file();
    QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(150, 40));
    const std::string added = file();
    QTest::mouseClick(g, Qt::LeftButton, Qt::ShiftModifier, QPoint(250, 60));
    const std::string addedBase = file();
    ASSERT_EQ(int{m.NumPuntos}, 3);
    ASSERT_EQ(int{m.NumPuntosFR}, 3);
    EXPECT_EQ(history.steps(), 2);

    // Press, many moves, release: one step, named by the gesture.
    const QPoint held = markerPixel(m.Punto[2]);
    QTest::mousePress(g, Qt::LeftButton, {}, held);
    EXPECT_FALSE(history.canUndo()); // not in the middle of a drag
    for (int dx = 5; dx <= 60; dx += 5)
        QTest::mouseMove(g, held + QPoint(dx, dx / 3));
    QTest::mouseRelease(g, Qt::LeftButton, {}, held + QPoint(60, 20));
    EXPECT_EQ(history.steps(), 3);
    EXPECT_EQ(history.undoName(), "mover punto");
    const std::string dragged = file();
    ASSERT_NE(dragged, addedBase);

    QTest::mouseClick(g, Qt::RightButton, {}, markerPixel(m.PuntoFR[2]));
    ASSERT_EQ(int{m.NumPuntosFR}, 2);
    EXPECT_EQ(history.undoName(), "borrar punto");

    history.undo();
    EXPECT_EQ(file(), dragged);
    history.undo();
    EXPECT_EQ(file(), addedBase);
    history.undo();
    EXPECT_EQ(file(), added);
    history.undo();
    EXPECT_EQ(file(), start);
    EXPECT_FALSE(history.canUndo());
    test::expectCellsFollowPoints(m);
    history.redo();
    history.redo();
    history.redo();
    EXPECT_EQ(file(), dragged);
}

TEST_F(EditHistoryWidget, EachLengthLabelChangeIsAStepAndUndoMovesTheBarsBack) {
    QScrollBar* min = frame->scrollMinutos();
    QScrollBar* sec = frame->scrollSegundos();
    sec->setValue(59);
    sec->setValue(60); // 1:59 becomes 2:00: one change of the label
    min->setValue(4);
    EXPECT_EQ(history.steps(), 3);
    EXPECT_EQ(history.undoName(), "cambiar duración");
    EXPECT_EQ(frame->lblTiempoText(), "04:00");

    history.undo();
    EXPECT_EQ(frame->lblTiempoText(), "02:00");
    EXPECT_EQ(min->value(), 2);
    EXPECT_EQ(sec->value(), 0);
    history.undo();
    EXPECT_EQ(frame->lblTiempoText(), "01:59");
    EXPECT_EQ(sec->value(), 59);
    // The bars moved by undo are not new steps.
    EXPECT_EQ(history.steps(), 3);
    EXPECT_TRUE(history.canRedo());

    // While the bars are locked (a session plays) the length stays put.
    frame->setLengthEnabled(false);
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.canUndo());
    frame->setLengthEnabled(true);
    EXPECT_TRUE(history.canRedo());
}

} // namespace
} // namespace vs::session
