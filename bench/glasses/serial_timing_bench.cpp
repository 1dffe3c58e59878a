// SPDX-License-Identifier: GPL-3.0-or-later
// How late the LED bytes reach a serial board against the step clock's
// deadlines: the real step clock and sequencer stepping sequence 6 at 7.21 Hz
// into a serial port whose far end is a pseudo-terminal read by a thread of
// its own, each byte stamped as it arrives. Lateness = arrival - (t0 + k *
// interval), so it holds the timer's lateness, the write and the transfer.
// Run by hand: serial_timing_bench [steps]
#include "glasses/led_sequencer.h"
#include "glasses/serial_led_port.h"
#include "glasses/state.h"
#include "glasses/step_clock.h"

#include "pseudo_terminal.h"
#include "recording_indicators.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int steps = argc > 1 ? std::max(10, std::atoi(argv[1])) : 150;
    vs::test::PseudoTerminal board;
    if (!board.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    vs::glasses::SerialLedPort port(board.slavePath());
    vs::glasses::RecordingIndicators leds;
    vs::glasses::GlassesSettings settings;
    settings.GafasMentales = true;
    vs::glasses::SequencerState estado;
    estado.FrecuenciaLed = 7.21f;
    estado.SecuenciaActual = 6;
    estado.PasoSecuencia = 1;
    vs::glasses::TickoraStepClock clock;
    vs::glasses::LedSequencer sequencer(settings, estado, clock, port, leds);
    const int interval = vs::glasses::intervaloPara(estado.FrecuenciaLed);
    port.Out32(0x378, 0); // opened before the clock starts
    (void)board.read(std::chrono::milliseconds(100));

    std::vector<Clock::time_point> arrivals;
    std::atomic<bool> done{false};
    std::thread reader([&] {
        while (!done.load() && int(arrivals.size()) < steps) {
            for (const auto& a : board.read(std::chrono::milliseconds(20)))
                arrivals.push_back(a.when);
        }
    });
    clock.setInterval(interval);
    const auto t0 = Clock::now();
    clock.setEnabled(true);
    QTimer stop;
    stop.setInterval(10);
    QObject::connect(&stop, &QTimer::timeout, [&] {
        if (Clock::now() - t0 > std::chrono::milliseconds(interval) * (steps + 5)) app.quit();
    });
    stop.start();
    app.exec();
    clock.setEnabled(false);
    done = true;
    reader.join();

    std::vector<double> late;
    for (std::size_t k = 0; k < arrivals.size(); ++k) {
        const auto deadline = t0 + std::chrono::milliseconds(interval) * int(k + 1);
        late.push_back(std::chrono::duration<double, std::micro>(arrivals[k] - deadline).count());
    }
    if (late.empty()) {
        std::fprintf(stderr, "nothing arrived\n");
        return 1;
    }
    std::sort(late.begin(), late.end());
    auto at = [&](double q) {
        return late[std::min(late.size() - 1, std::size_t(q * double(late.size() - 1)))];
    };
    std::printf("serial LED bytes, %zu steps of %d ms: lateness p50 %.0f us, p99 %.0f us, "
                "max %.0f us, min %.0f us\n",
                late.size(), interval, at(0.5), at(0.99), late.back(), late.front());
    return 0;
}
