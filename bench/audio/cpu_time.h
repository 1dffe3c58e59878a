// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CPU time of the whole process (every thread: callback, decoder, readers),
// for the audio benchmarks' CPU figures.
#include <sys/resource.h>

namespace vs::bench {

inline double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

} // namespace vs::bench
