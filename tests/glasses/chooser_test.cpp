// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses/frm_secuencia.h"
#include "glasses/sequences.h"
#include "glasses/step_clock.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include "manual_step_clock.h"
#include "recording_indicators.h"
#include "recording_led_port.h"
#include "sequencer_on_doubles.h"

using namespace vs::glasses;

namespace {

const QColor kBlue(0, 0, 255);

// Presses (and releases) the mouse on row `row` (0-based) of the grid.
void pressRow(QTableWidget* grid, int row, bool release = true) {
    const QPoint at = grid->visualRect(grid->model()->index(row, 2)).center();
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    if (release) QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
}

bool bold(QTableWidget* grid, int row) {
    return grid->item(row, 2)->font().bold();
}

class Chooser : public ::testing::Test {
protected:
    void SetUp() override {
        estado.SecuenciaActual = 3;
        estado.FrecuenciaLed = 7.0f;
    }
    SequencerOnDoubles glasses;
    SequencerState& estado = glasses.state;
};

TEST_F(Chooser, OpensWithTheGridAndTheCurrentRowMarked) {
    frmSecuencia dlg(glasses.sequencer);
    auto* grid = dlg.flexSecuencia();
    ASSERT_EQ(grid->rowCount(), 7);
    ASSERT_EQ(grid->columnCount(), 3);
    const char* headers[] = {"Nº", "Color", "Denominación"};
    const int widths[] = {40, 47, 167};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), QString::fromUtf8(headers[c]));
        EXPECT_TRUE(grid->horizontalHeaderItem(c)->font().bold());
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(grid->horizontalHeaderItem(0)->textAlignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    for (int k = 1; k <= 7; ++k) {
        const auto c = Secuencias()[k - 1].Color;
        EXPECT_EQ(grid->item(k - 1, 0)->text(), QString::number(k));
        EXPECT_EQ(grid->item(k - 1, 1)->background().color(),
                  QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16));
        EXPECT_EQ(grid->item(k - 1, 1)->text(), "");
        EXPECT_EQ(grid->item(k - 1, 2)->text().trimmed().toStdString(), nombre(k));
        const bool current = k == 3;
        EXPECT_EQ(grid->item(k - 1, 0)->foreground().color() == kBlue, current) << k;
        EXPECT_EQ(grid->item(k - 1, 2)->foreground().color() == kBlue, current) << k;
        EXPECT_EQ(bold(grid, k - 1), current) << k;
    }
    EXPECT_EQ(dlg.scrollHz()->minimum(), 0);
    EXPECT_EQ(dlg.scrollHz()->maximum(), 300);
    EXPECT_EQ(dlg.scrollHz()->value(), 70);
    EXPECT_EQ(dlg.lblHz()->text(), "7.0");
    EXPECT_EQ(dlg.cmdAceptar()->text(), "Seleccionar Secuencia");
    EXPECT_EQ(dlg.cmdCancelar()->text(), "Cancelar");
    bool hz = false;
    for (auto* l : dlg.findChildren<QLabel*>())
        hz = hz || l->text() == "Hz";
    EXPECT_TRUE(hz);
    EXPECT_EQ(estado.FrecuenciaLed, 7.0f);
}

TEST_F(Chooser, PressingARowSwitchesThePreviewAndBoldFollowsTheClick) {
    frmSecuencia dlg(glasses.sequencer);
    dlg.show();
    auto* grid = dlg.flexSecuencia();
    pressRow(grid, 4, false);
    EXPECT_EQ(estado.SecuenciaActual, 5); // already on the press
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {},
                        grid->visualRect(grid->model()->index(4, 2)).center());
    EXPECT_TRUE(bold(grid, 4));
    EXPECT_FALSE(bold(grid, 2));
    // The blue mark stays on the row the dialog opened with.
    EXPECT_EQ(grid->item(2, 2)->foreground().color(), kBlue);
    EXPECT_NE(grid->item(4, 2)->foreground().color(), kBlue);
}

TEST_F(Chooser, SpinnerSetsTheRateInTenths) {
    frmSecuencia dlg(glasses.sequencer);
    dlg.scrollHz()->setValue(0);
    EXPECT_EQ(estado.FrecuenciaLed, 0.0f);
    EXPECT_EQ(dlg.lblHz()->text(), "0.0");
    dlg.scrollHz()->setValue(123);
    EXPECT_FLOAT_EQ(estado.FrecuenciaLed, 12.3f);
    EXPECT_EQ(dlg.lblHz()->text(), "12.3");
    dlg.scrollHz()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dlg.lblHz()->text(), "12.4");

    estado.FrecuenciaLed = 99.0f; // beyond the spinner: shown at its top
    frmSecuencia high(glasses.sequencer);
    EXPECT_EQ(high.scrollHz()->value(), 300);
    EXPECT_EQ(high.lblHz()->text(), "30.0");
}

TEST_F(Chooser, SelectKeepsThePressedRow) {
    frmSecuencia dlg(glasses.sequencer);
    dlg.show();
    pressRow(dlg.flexSecuencia(), 5);
    QTest::mouseClick(dlg.cmdAceptar(), Qt::LeftButton);
    EXPECT_EQ(dlg.choice(), SequenceChooser::Result::Chosen);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(estado.SecuenciaActual, 6);
}

TEST_F(Chooser, CancelPutsTheOpeningSequenceBackButNotTheRate) {
    frmSecuencia dlg(glasses.sequencer);
    dlg.show();
    pressRow(dlg.flexSecuencia(), 4);
    dlg.scrollHz()->setValue(20);
    QTest::mouseClick(dlg.cmdCancelar(), Qt::LeftButton);
    EXPECT_EQ(dlg.choice(), SequenceChooser::Result::Cancelled);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(estado.SecuenciaActual, 3);
    EXPECT_EQ(estado.FrecuenciaLed, 2.0f);
}

TEST_F(Chooser, CloseBoxKeepsThePressedRowWithoutSelecting) {
    frmSecuencia dlg(glasses.sequencer);
    dlg.show();
    pressRow(dlg.flexSecuencia(), 5);
    dlg.close();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.choice(), SequenceChooser::Result::Closed);
    EXPECT_EQ(estado.SecuenciaActual, 6);
}

TEST_F(Chooser, DoubleClickFlowStoresTheChoiceWhileTheLightsRun) {
    ManualStepClock& clock = glasses.clock;
    RecordingLedPort& port = glasses.port;
    RecordingIndicators& view = glasses.view;
    LedSequencer& seq = glasses.sequencer;
    DialogSequenceChooser chooser(nullptr);
    seq.setChooser(&chooser);
    bool modified = false;
    seq.onSesionModificada = [&] { modified = true; };

    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<frmSecuencia*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        ran = true;
        EXPECT_EQ(dlg->scrollHz()->value(), 70);
        pressRow(dlg->flexSecuencia(), 0);
        clock.fire();
        clock.fire();
        dlg->cmdAceptar()->click();
    });
    EXPECT_EQ(seq.choose(3, 2), 1);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(modified);
    EXPECT_FALSE(clock.enabled());
    EXPECT_EQ(port.writes.size(), 3u);
    EXPECT_EQ(port.writes.back().value, 0);
    EXPECT_EQ(view.byte(), 0);
}

} // namespace
