// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/engine.h"
#include "glasses/led_port.h"
#include "glasses/light_signal_port.h"
#include "glasses/port_setup.h"

#include "base/preferences.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include "recording_led_port.h"

namespace fs = std::filesystem;
using namespace vs::glasses;

namespace {

// A machine with two parallel ports at 378 and 278 and no device nodes yet.
class FakeMachine : public ::testing::Test {
protected:
    void SetUp() override {
        proc = dir.file("proc");
        dev = dir.file("dev");
        const auto parport = fs::path(proc) / "sys/dev/parport";
        fs::create_directories(parport / "parport0");
        fs::create_directories(parport / "parport1");
        fs::create_directories(parport / "default");
        fs::create_directories(dev);
        vs::test::writeFile((parport / "parport0/base-addr").string(), "888\t1912\n");
        vs::test::writeFile((parport / "parport1/base-addr").string(), "632\t-1\n");
        vs::test::writeFile((parport / "default/spintime").string(), "500\n");
    }
    vs::test::TempDir dir;
    std::string proc, dev;
};

TEST_F(FakeMachine, AddressesMapToTheirDeviceNodes) {
    ParportLedPort port(proc, dev);
    EXPECT_EQ(port.dispositivoPara(0x378), dev + "/parport0");
    EXPECT_EQ(port.dispositivoPara(0x278), dev + "/parport1");
    EXPECT_EQ(port.dispositivoPara(0x3BC), "");
    EXPECT_EQ(port.dispositivoPara(0), "");
    ParportLedPort nowhere(dir.file("missing"), dev);
    EXPECT_EQ(nowhere.dispositivoPara(0x378), "");
}

TEST_F(FakeMachine, UnusablePortsSayWhyAndWriteNothing) {
    ParportLedPort port(proc, dev);
    EXPECT_EQ(port.problema(), "");
    port.Out32(0x3BC, 255);
    EXPECT_NE(port.problema().find("3BC"), std::string::npos) << port.problema();

    EXPECT_EQ(port.Inp32(0x378), 0);
    EXPECT_NE(port.problema().find("No existe el dispositivo " + dev + "/parport0"),
              std::string::npos)
        << port.problema();

    // A node that is not a parallel port opens but cannot be claimed.
    vs::test::writeFile(dev + "/parport1", "");
    port.Out32(0x278, 1);
    EXPECT_NE(port.problema().find(dev + "/parport1"), std::string::npos);
    EXPECT_EQ(vs::test::readFile(dev + "/parport1"), "");

    port.Out32(0, 1);
    EXPECT_NE(port.problema().find("378, 278 o 3BC"), std::string::npos);
}

TEST(LedPortMessages, PermissionProblemNamesTheLpGroup) {
    EXPECT_NE(motivoFallo("/dev/parport0", EACCES).find("grupo «lp»"), std::string::npos);
    EXPECT_NE(motivoFallo("/dev/parport0", EPERM).find("grupo «lp»"), std::string::npos);
    EXPECT_NE(motivoFallo("/dev/parport0", EBUSY).find("ocupado"), std::string::npos);
    EXPECT_NE(motivoFallo("/dev/parport0", EIO).find("/dev/parport0"), std::string::npos);
}

TEST(PortSetup, PortTextMatchesExactly) {
    EXPECT_EQ(direccionPuerto("378"), 0x378);
    EXPECT_EQ(direccionPuerto("278"), 0x278);
    EXPECT_EQ(direccionPuerto("3BC"), 0x3BC);
    for (const char* other : {"3bc", " 378", "378 ", "2F8", "", "0x378"})
        EXPECT_EQ(direccionPuerto(other), 0) << other;
}

class PortSetupPrefs : public ::testing::Test {
protected:
    void SetUp() override { dir.becomeProgramFolders(); }
    void set(const char* key, const char* value) {
        vs::Preferences::instance().save("Opciones", key, value);
    }
    vs::test::TempDir dir;
    RecordingLedPort port;
    GlassesSettings estado;
};

TEST_F(PortSetupPrefs, DefaultsChooseThe378PortAndReadItOnce) {
    port.problem = "sin puerto";
    EXPECT_EQ(ConfigurarPuerto(estado, port), ""); // glasses off: nothing to say
    EXPECT_EQ(estado.PuertoHex, "378");
    EXPECT_EQ(estado.PuertoLed, 0x378);
    EXPECT_EQ(port.reads, std::vector<std::uint16_t>{0x378});
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(estado.SalidaPuerto, "Direct");
    EXPECT_FALSE(estado.GafasMentales);
}

TEST_F(PortSetupPrefs, UnknownPortTextLeavesTheAddress) {
    set("Puerto Hex", "3bc");
    set("Salida Puerto", "Invers");
    EXPECT_EQ(ConfigurarPuerto(estado, port), "");
    EXPECT_EQ(estado.PuertoHex, "3bc");
    EXPECT_EQ(estado.PuertoLed, 0);
    EXPECT_EQ(estado.SalidaPuerto, "Invers");

    estado.PuertoLed = 0x278;
    ConfigurarPuerto(estado, port);
    EXPECT_EQ(estado.PuertoLed, 0x278);
}

TEST_F(PortSetupPrefs, EnabledGlassesReportAnUnusablePort) {
    set("Puerto Hex", "3BC");
    set("gafas mentales", "1");
    port.problem = "No hay ningún puerto paralelo en la dirección 3BC";
    EXPECT_EQ(ConfigurarPuerto(estado, port), port.problem);
    EXPECT_TRUE(estado.GafasMentales);
    EXPECT_EQ(estado.PuertoLed, 0x3BC);
    port.problem.clear();
    EXPECT_EQ(ConfigurarPuerto(estado, port), "");
}

} // namespace

TEST(LightSignalPort, EveryByteGoesOnAndBecomesTheLightSignalsUntilThePortGoes) {
    vs::audio::Engine engine;
    vs::glasses::RecordingLedPort glasses;
    glasses.problem = "No hay ningún puerto paralelo en la dirección 378";
    {
        vs::glasses::LightSignalPort port(glasses, engine);
        port.setSounding(true);
        EXPECT_TRUE(engine.lightSignal());
        port.Out32(0x378, 0x1A5); // the data lines carry the low byte
        ASSERT_EQ(glasses.writes.size(), 1u);
        EXPECT_EQ(glasses.writes[0].port, 0x378);
        EXPECT_EQ(engine.lightByte(), 0xA5);
        port.Inp32(0x278);
        EXPECT_EQ(glasses.reads, std::vector<std::uint16_t>{0x278});
        EXPECT_EQ(port.problema(), glasses.problem);
    }
    EXPECT_FALSE(engine.lightSignal());
}
