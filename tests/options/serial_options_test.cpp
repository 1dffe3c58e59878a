// SPDX-License-Identifier: GPL-3.0-or-later
// The glasses tab with serial boards: the LED test reaching a board (a
// pseudo-terminal) with both polarities, the port list, and what "Aceptar"
// stores and what closing without it leaves.
#include "options/frm_opciones.h"
#include "options/led_test.h"
#include "options/port_choice.h"

#include "base/preferences.h"
#include "glasses/parallel_or_serial_port.h"
#include "glasses/serial_led_port.h"
#include "glasses/state.h"
#include "session/session_model.h"

#include "pseudo_terminal.h"
#include "recording_indicators.h"
#include "recording_led_port.h"
#include "recording_messages.h"
#include "temp_dir.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace vs::options;
using vs::test::PseudoTerminal;

TEST(SerialLedTest, TheBoardGetsTheTestsBytesWithEitherPolarity) {
    const std::vector<int> flashes = {255, 0,  255, 0,  255, 0,  255, 0,  255,
                                      136, 68, 34,  17, 136, 68, 34,  17, 136};
    for (const char* salida : {"Direct", "Invers"}) {
        PseudoTerminal board;
        ASSERT_TRUE(board.ok());
        vs::glasses::SerialLedPort port(board.slavePath());
        vs::glasses::RecordingIndicators dialogo, principal;
        LedTestCounters contadores;
        LedTest test{port, dialogo, principal, [] { return true; }, contadores};
        test.SalidaTest = salida;
        test.cmdTest_Click();
        for (std::size_t i = 0; i < flashes.size(); ++i)
            test.Timer1_Timer();
        test.cmdTest_Click(); // stop: dark, in the glasses' own polarity
        std::vector<int> expected;
        for (int v : flashes)
            expected.push_back(bytePolaridad(std::uint8_t(v), salida));
        expected.push_back(bytePolaridad(0, salida));
        EXPECT_EQ(board.readBytes(expected.size()), expected) << salida;
    }
}

TEST(PortList, ABoardUnpluggedWhileTheDialogOpensIsStillListedAndChosen) {
    const PortList unplugged({"/dev/ttyACM0"}, "3BC", "/dev/serial/by-id/usb-Placa-if00");
    EXPECT_EQ(unplugged.size(), 5);
    EXPECT_EQ(unplugged.inicial(), 4);
    EXPECT_EQ(unplugged.dispositivo(4), "/dev/serial/by-id/usb-Placa-if00");
    EXPECT_EQ(unplugged.posicionParalelo(4), 2); // "Puerto Hex" keeps "3BC"
}

namespace {

struct SerialOptionsDialog : ::testing::Test {
    vs::test::TempDir dir;
    vs::session::SessionModel model;
    vs::glasses::GlassesSettings estado;
    vs::glasses::RecordingIndicators principal;
    vs::RecordingMessageService messages;
    PseudoTerminal board;
    vs::glasses::RecordingLedPort* parallel = nullptr;
    vs::glasses::ParallelOrSerialPort output{[this] {
        auto p = std::make_unique<vs::glasses::RecordingLedPort>();
        parallel = p.get();
        return p;
    }};

    void SetUp() override {
        ASSERT_TRUE(board.ok());
        dir.becomeProgramFolders();
        vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
        vs::Preferences::instance().save("Opciones", "Puerto Hex", "278");
        estado.GafasMentales = true;
        estado.PuertoLed = 0x278;
    }
    std::unique_ptr<frmOpciones> open() {
        OptionsContext c{model, nullptr, estado, output, principal, messages, [] {}};
        c.buscarSerie = [this] { return std::vector<std::string>{board.slavePath()}; };
        auto d = std::make_unique<frmOpciones>(c);
        d->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(4);
        return d;
    }
    static QComboBox* ports(frmOpciones& d) { return d.findChild<QComboBox*>("cmbPuertoParalelo"); }
    std::string stored(const char* key) {
        return vs::Preferences::instance().get("Opciones", key, "?");
    }
};

} // namespace

TEST_F(SerialOptionsDialog, TheTestDrivesTheBoardPickedAndClosingGoesBackToTheStoredPort) {
    auto d = open();
    ASSERT_EQ(ports(*d)->count(), 4);
    EXPECT_EQ(ports(*d)->currentIndex(), 1); // "278"
    ports(*d)->setCurrentIndex(3);
    d->findChild<QAbstractButton*>("cmdTest")->click();
    d->Timer1_Timer();
    d->Timer1_Timer();
    d->reject();
    EXPECT_EQ(board.readBytes(3), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(output.serialDevice(), "");
    EXPECT_EQ(stored("Puerto Serie"), "?");
    EXPECT_EQ(stored("Luz en Audio"), "?");
}

TEST_F(SerialOptionsDialog, AceptarStoresTheBoardAndTheLightInSoundAndKeepsPuertoHex) {
    {
        auto d = open();
        ports(*d)->setCurrentIndex(3);
        auto* luz = d->findChild<QCheckBox*>("chkLuzEnAudio");
        ASSERT_NE(luz, nullptr);
        EXPECT_EQ(luz->text(), "Señal de luz en el audio");
        EXPECT_FALSE(luz->isChecked());
        luz->setChecked(true);
        d->findChild<QAbstractButton*>("cmdAceptar")->click();
    }
    EXPECT_EQ(stored("Puerto Serie"), board.slavePath());
    EXPECT_EQ(stored("Puerto Hex"), "278");
    EXPECT_EQ(stored("Luz en Audio"), "1");
    EXPECT_EQ(estado.PuertoSerie, board.slavePath());
    EXPECT_TRUE(estado.LuzEnAudio);
    EXPECT_EQ(output.serialDevice(), board.slavePath());

    // Opened again, the board is the choice; picking a parallel port clears it.
    auto d = open();
    EXPECT_EQ(ports(*d)->currentIndex(), 3);
    EXPECT_TRUE(d->findChild<QCheckBox*>("chkLuzEnAudio")->isChecked());
    ports(*d)->setCurrentIndex(0);
    d->findChild<QAbstractButton*>("cmdAceptar")->click();
    EXPECT_EQ(stored("Puerto Serie"), "");
    EXPECT_EQ(stored("Puerto Hex"), "378");
    EXPECT_EQ(output.serialDevice(), "");
}
