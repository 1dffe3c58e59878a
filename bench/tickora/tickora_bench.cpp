// SPDX-License-Identifier: GPL-3.0-or-later
// How late periodic ticks arrive against their ideal schedule t0 + k * period,
// for Tickora's Timer on the UI thread, a bare clock_nanosleep loop on a plain
// thread (the floor), and a QTimer with Qt::PreciseTimer on the UI thread.
#include "tickora.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <time.h>

namespace {

constexpr int kRounds = 5;

std::int64_t nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

struct Stats {
    double p50, p99, max;
};

Stats stats(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    auto at = [&](double q) { return us[std::min(us.size() - 1, size_t(q * (us.size() - 1)))]; };
    return {at(0.50), at(0.99), us.back()};
}

std::vector<double> bareThread(int periodMs, int n) {
    std::vector<double> late;
    late.reserve(n);
    std::thread worker([&] {
        const std::int64_t t0 = nowNs();
        for (int k = 1; k <= n; ++k) {
            const std::int64_t ideal = t0 + std::int64_t(k) * periodMs * 1000000;
            timespec ts{time_t(ideal / 1000000000), long(ideal % 1000000000)};
            while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) != 0) {
            }
            late.push_back((nowNs() - ideal) / 1000.0);
        }
    });
    worker.join();
    return late;
}

std::vector<double> tickora(int periodMs, int n) {
    std::vector<double> late;
    late.reserve(n);
    QEventLoop loop;
    TickoraCls timer;
    timer.setInterval(periodMs);
    std::int64_t t0 = 0;
    int k = 0;
    QObject::connect(&timer, &TickoraCls::Timer, [&] {
        ++k;
        late.push_back((nowNs() - (t0 + std::int64_t(k) * periodMs * 1000000)) / 1000.0);
        if (k == n) {
            timer.setEnabled(false);
            loop.quit();
        }
    });
    t0 = nowNs();
    timer.setEnabled(true);
    loop.exec();
    return late;
}

std::vector<double> qtimer(int periodMs, int n) {
    std::vector<double> late;
    late.reserve(n);
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(periodMs);
    std::int64_t t0 = 0;
    int k = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++k;
        late.push_back((nowNs() - (t0 + std::int64_t(k) * periodMs * 1000000)) / 1000.0);
        if (k == n) {
            timer.stop();
            loop.quit();
        }
    });
    t0 = nowNs();
    timer.start();
    loop.exec();
    return late;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    std::vector<int> periods;
    for (int i = 2; i < argc; ++i)
        periods.push_back(std::max(1, std::atoi(argv[i])));
    if (periods.empty()) periods = {33, 10, 1};
    std::printf("Tick lateness against the ideal schedule, %d ticks per row in %d rounds, "
                "microseconds\n\n",
                n, kRounds);
    std::printf("%-7s %-22s %10s %10s %10s %12s %12s\n", "period", "source", "p50", "p99", "max",
                "p50/bare", "p99/bare");
    for (int period : periods) {
        // The machine's load drifts during a run; alternating the three sources
        // in short rounds exposes them to the same conditions.
        std::vector<double> bareUs, tickUs, qtUs;
        for (int round = 0; round < kRounds; ++round) {
            const int ticks = n / kRounds + (round < n % kRounds ? 1 : 0);
            auto append = [](std::vector<double>& to, const std::vector<double>& from) {
                to.insert(to.end(), from.begin(), from.end());
            };
            append(bareUs, bareThread(period, ticks));
            append(tickUs, tickora(period, ticks));
            append(qtUs, qtimer(period, ticks));
        }
        const Stats bare = stats(bareUs), tick = stats(tickUs), qt = stats(qtUs);
        auto row = [&](const char* name, const Stats& s) {
            std::printf("%4d ms %-22s %10.1f %10.1f %10.1f %12.2f %12.2f\n", period, name, s.p50,
                        s.p99, s.max, s.p50 / bare.p50, s.p99 / bare.p99);
        };
        row("bare clock_nanosleep", bare);
        row("Tickora (UI thread)", tick);
        row("QTimer PreciseTimer", qt);
        std::fflush(stdout);
    }
    return 0;
}
