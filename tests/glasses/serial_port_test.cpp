// SPDX-License-Identifier: GPL-3.0-or-later
// The glasses on a serial board, with a pseudo-terminal as the board: raw
// bytes at 115200 8N1, never a stalled write, a vanished board reported once;
// the program's output routing between the two ports; finding the devices.
#include "glasses/crash_darkening.h"
#include "glasses/parallel_or_serial_port.h"
#include "glasses/port_setup.h"
#include "glasses/serial_led_port.h"

#include "base/preferences.h"
#include "pseudo_terminal.h"
#include "recording_led_port.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <termios.h>

namespace fs = std::filesystem;
using namespace vs::glasses;
using vs::test::PseudoTerminal;

TEST(SerialLedPort, EveryByteArrivesAloneAndUnchangedOnARawLink) {
    PseudoTerminal board;
    ASSERT_TRUE(board.ok());
    SerialLedPort port(board.slavePath());
    std::vector<int> sent;
    // Every value, among them 10, 13, 17 and 19 that a terminal would translate
    // or take as flow control.
    for (int v = 0; v < 256; ++v) {
        port.Out32(0x378, static_cast<std::uint16_t>(v));
        sent.push_back(v);
    }
    port.Out32(0, 0x1F0); // only the low eight bits, whatever the address
    sent.push_back(0xF0);
    EXPECT_EQ(board.readBytes(sent.size()), sent);
    EXPECT_EQ(port.problema(), "");
    EXPECT_EQ(port.Inp32(0x378), 0xF0);

    termios t{};
    ASSERT_EQ(::tcgetattr(board.master(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), B115200);
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

TEST(SerialLedPort, AVanishedBoardIsReportedOnceAndWritesGoOnWithoutHanging) {
    PseudoTerminal board;
    ASSERT_TRUE(board.ok());
    SerialLedPort port(board.slavePath());
    std::vector<std::string> reports;
    port.onLost = [&](const std::string& text) { reports.push_back(text); };
    port.Out32(0x378, 15);
    ASSERT_EQ(board.readBytes(1), std::vector<int>{15});
    board.closeMaster();
    for (int i = 0; i < 200; ++i)
        port.Out32(0x378, i % 2 ? 240 : 15);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("Se ha perdido la conexión con las gafas en el puerto serie " +
                              board.slavePath()),
              std::string::npos);
    EXPECT_EQ(port.problema(), reports[0]);
    EXPECT_FALSE(port.isOpen());
}

TEST(SerialLedPort, ABoardThatDoesNotReadNeverStallsAndGetsTheNewestPatternFirst) {
    PseudoTerminal board;
    ASSERT_TRUE(board.ok());
    SerialLedPort port(board.slavePath());
    // Far more than the terminal's queue holds; a blocking write would hang here.
    for (int i = 0; i < 100000; ++i)
        port.Out32(0x378, i % 2 ? 240 : 15);
    port.Out32(0x378, 0);
    std::vector<int> got;
    for (int i = 0; i < 100; ++i) {
        const auto more = PseudoTerminal::bytes(board.read(std::chrono::milliseconds(20)));
        if (more.empty() && !got.empty()) break;
        got.insert(got.end(), more.begin(), more.end());
    }
    ASSERT_FALSE(got.empty());
    EXPECT_LT(got.size(), 100001u); // stale patterns were dropped, not queued
    EXPECT_EQ(got.back(), 0);       // and the last one written is the last to arrive
    EXPECT_EQ(port.problema(), "");
}

TEST(SerialLedPort, AnAbnormalEndDarkensTheBoardAndAClosedPortIsNoLongerArmed) {
    PseudoTerminal board;
    ASSERT_TRUE(board.ok());
    {
        SerialLedPort port(board.slavePath());
        port.Out32(0x378, 255);
        darkenArmedPort(); // what the crash handler does
        EXPECT_EQ(board.readBytes(2), (std::vector<int>{255, 0}));
    }
    darkenArmedPort();
    EXPECT_TRUE(board.read(std::chrono::milliseconds(50)).empty());
}

TEST(SerialLedPort, AMissingDeviceSaysSoInSpanishAndIsNoLoss) {
    vs::test::TempDir dir;
    SerialLedPort port(dir.file("ttyACM7"));
    int lost = 0;
    port.onLost = [&](const std::string&) { ++lost; };
    port.Out32(0x378, 255);
    EXPECT_EQ(port.problema(), "No existe el puerto serie " + dir.file("ttyACM7") +
                                   " (¿está conectada la placa?); las gafas no recibirán señal.");
    EXPECT_EQ(lost, 0);
    EXPECT_NE(motivoFalloSerie("/dev/ttyACM0", EACCES).find("«dialout»"), std::string::npos);
}

TEST(ParallelOrSerialPort, ASerialBoardReplacesTheParallelPortAndEveryByteIsFollowed) {
    PseudoTerminal board;
    ASSERT_TRUE(board.ok());
    RecordingLedPort* parallel = nullptr;
    int made = 0;
    ParallelOrSerialPort out([&] {
        ++made;
        auto p = std::make_unique<RecordingLedPort>();
        parallel = p.get();
        return p;
    });

    out.useSerialDevice(board.slavePath());
    out.Out32(0x378, 15);
    out.Out32(0x378, 240);
    EXPECT_EQ(made, 0) << "the parallel port is never opened with a board chosen";
    EXPECT_EQ(board.readBytes(2), (std::vector<int>{15, 240}));
    EXPECT_EQ(out.serialDevice(), board.slavePath());

    out.useSerialDevice("");
    out.Out32(0x278, 0);
    ASSERT_EQ(made, 1);
    EXPECT_EQ(parallel->bytes(), std::vector<int>{0});
    EXPECT_EQ(parallel->writes[0].port, 0x278);
    EXPECT_TRUE(board.read().empty());

    // Back to the board, which takes the bytes again.
    out.useSerialDevice(board.slavePath());
    out.Out32(0x378, 255);
    EXPECT_EQ(board.readBytes(1), std::vector<int>{255});
}

class SerialSetupPrefs : public ::testing::Test {
protected:
    void SetUp() override { dir.becomeProgramFolders(); }
    void set(const char* key, const std::string& value) {
        vs::Preferences::instance().save("Opciones", key, value);
    }
    vs::test::TempDir dir;
    GlassesSettings estado;
};

TEST_F(SerialSetupPrefs, AStoredBoardIsOpenedInsteadOfTheParallelPort) {
    PseudoTerminal board;
    ASSERT_TRUE(board.ok());
    int made = 0;
    ParallelOrSerialPort out([&] {
        ++made;
        return std::make_unique<RecordingLedPort>();
    });
    set("Gafas Mentales", "1");
    set("Puerto Serie", board.slavePath());
    EXPECT_EQ(ConfigurarPuerto(estado, out), "");
    EXPECT_EQ(estado.PuertoSerie, board.slavePath());
    EXPECT_EQ(estado.PuertoHex, "378"); // untouched by the serial choice
    EXPECT_EQ(made, 0);

    // A board that is not there is said, like a missing parallel port.
    set("Puerto Serie", dir.file("ttyUSB9"));
    EXPECT_NE(ConfigurarPuerto(estado, out).find("No existe el puerto serie"), std::string::npos);
}

TEST_F(SerialSetupPrefs, OlderFilesKeepTheParallelPortAndLightInSoundNeedsNoPort) {
    RecordingLedPort parallel;
    parallel.problem = "No hay ningún puerto paralelo en la dirección 378";
    set("Gafas Mentales", "1");
    EXPECT_EQ(ConfigurarPuerto(estado, parallel), parallel.problem);
    EXPECT_EQ(estado.PuertoSerie, "");
    EXPECT_FALSE(estado.LuzEnAudio);
    set("Luz en Audio", "1");
    EXPECT_EQ(ConfigurarPuerto(estado, parallel), "");
    EXPECT_TRUE(estado.LuzEnAudio);
}

TEST(SerialDiscovery, ListsStableNamesFirstAndEachBoardOnce) {
    vs::test::TempDir dir;
    const fs::path dev = dir.file("dev");
    fs::create_directories(dev / "serial/by-id");
    for (const char* node : {"ttyACM0", "ttyACM1", "ttyUSB0", "ttyS0", "tty1", "null"})
        vs::test::writeFile((dev / node).string(), "");
    fs::create_symlink("../../ttyACM0", dev / "serial/by-id/usb-Placa_Gafas_1234-if00");
    fs::create_symlink("../../ttyUSB0", dev / "serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
    const auto found = dispositivosSerie({dev.string(), {"/dev/pts/7"}});
    EXPECT_EQ(found, (std::vector<std::string>{
                         (dev / "serial/by-id/usb-FTDI_FT232R_A1-if00-port0").string(),
                         (dev / "serial/by-id/usb-Placa_Gafas_1234-if00").string(),
                         (dev / "ttyACM1").string(), "/dev/pts/7"}));
    EXPECT_EQ(dispositivosSerie({dir.file("nada"), {}}), std::vector<std::string>{});
}
