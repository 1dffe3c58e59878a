// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LED test of the options dialog: all eight LEDs flashing together, then
// both diamonds turning, to the dialog's own port and polarity.
#include <cstdint>
#include <functional>
#include <string>

namespace vs::glasses {
class LedIndicators;
class LedPort;
} // namespace vs::glasses

namespace vs::options {

// Kept for the life of the program: a test stopped and started again, even in
// another opening of the dialog, goes on where it was.
struct LedTestCounters {
    std::int16_t TestValor = 0;
    std::int16_t TestCuenta = 0;
    std::int16_t TestFase = 0;
};
LedTestCounters& contadoresTest();

// One tick: nine of 255/0, then nine of 136, 68, 34, 17, ...; returns the
// pattern to show.
std::uint8_t siguientePaso(LedTestCounters& c);

// The byte the port gets for a pattern; only the test applies the polarity.
std::uint8_t bytePolaridad(std::uint8_t valor, const std::string& salida);

// The data register addresses of the port list's entries "378", "278", "3BC".
std::uint16_t direccionDePosicion(int posicion);

class LedTest {
public:
    // `dialogo` and `principal` are the dialog's and the main window's
    // indicators; `tab4Visible` says which of them the test shows on.
    LedTest(glasses::LedPort& port, glasses::LedIndicators& dialogo,
            glasses::LedIndicators& principal, std::function<bool()> tab4Visible,
            LedTestCounters& contadores = contadoresTest());

    std::uint16_t PuertoTest = 0;
    std::string SalidaTest = "Direct";

    bool running() const { return running_; }
    // The cmdTest click: starts a stopped test, stops a running one.
    void cmdTest_Click();
    // Stops a running test; nothing when none runs.
    void stop();
    // The Timer1 tick.
    void Timer1_Timer();

    // The dialog follows: Timer1 on or off, the button's caption.
    std::function<void(bool running)> onRunningChanged;

private:
    glasses::LedIndicators& vista() const;

    glasses::LedPort& port_;
    glasses::LedIndicators& dialogo_;
    glasses::LedIndicators& principal_;
    std::function<bool()> tab4Visible_;
    LedTestCounters& c_;
    bool running_ = false;
};

} // namespace vs::options
