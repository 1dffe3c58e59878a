// SPDX-License-Identifier: GPL-3.0-or-later
#include "led_test.h"

#include "base/numeric.h"
#include "glasses/led_display.h"
#include "glasses/led_port.h"

namespace vs::options {

LedTestCounters& contadoresTest() {
    static LedTestCounters c;
    return c;
}

std::uint8_t siguientePaso(LedTestCounters& c) {
    if (c.TestFase == 0) {
        c.TestValor = c.TestValor == 0 ? 255 : 0;
    } else if (c.TestValor == 0 || c.TestValor == 17) {
        c.TestValor = 136;
    } else {
        c.TestValor = toInt16(c.TestValor / 2.0);
    }
    const auto valor = static_cast<std::uint8_t>(c.TestValor & 0xFF);
    if (++c.TestCuenta > 8) {
        c.TestCuenta = 0;
        if (c.TestFase == 0) {
            c.TestFase = 1;
            c.TestValor = 0;
        } else {
            c.TestFase = 0;
        }
    }
    return valor;
}

std::uint8_t bytePolaridad(std::uint8_t valor, const std::string& salida) {
    return salida == "Direct" ? valor : static_cast<std::uint8_t>(255 - valor);
}

std::uint16_t direccionDePosicion(int posicion) {
    switch (posicion) {
    case 1:
        return 0x278;
    case 2:
        return 0x3BC;
    default:
        return 0x378;
    }
}

LedTest::LedTest(glasses::LedPort& port, glasses::LedIndicators& dialogo,
                 glasses::LedIndicators& principal, std::function<bool()> tab4Visible,
                 LedTestCounters& contadores)
    : port_(port), dialogo_(dialogo), principal_(principal), tab4Visible_(std::move(tab4Visible)),
      c_(contadores) {}

glasses::LedIndicators& LedTest::vista() const {
    return tab4Visible_ && tab4Visible_() ? dialogo_ : principal_;
}

void LedTest::cmdTest_Click() {
    running_ = !running_;
    if (!running_) {
        port_.Out32(PuertoTest, bytePolaridad(0, SalidaTest));
        glasses::MostrarLeds(vista(), 0);
    }
    if (onRunningChanged) onRunningChanged(running_);
}

void LedTest::stop() {
    if (running_) cmdTest_Click();
}

void LedTest::Timer1_Timer() {
    if (!running_) return;
    const std::uint8_t valor = siguientePaso(c_);
    port_.Out32(PuertoTest, bytePolaridad(valor, SalidaTest));
    glasses::MostrarLeds(vista(), valor);
}

} // namespace vs::options
