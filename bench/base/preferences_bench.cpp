// SPDX-License-Identifier: GPL-3.0-or-later
// Time to open a preference store whose file has grown large (a hand-edited
// or runaway file must not hold up the window): 1 MB and 10 MB of keys, first
// read and then a read of an unchanged file.
#include "base/preferences.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

double msSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "vs-preferences-bench";
    std::filesystem::create_directories(folder);
    for (const std::size_t megabytes : {1u, 10u}) {
        const std::string file =
            (folder / ("prefs-" + std::to_string(megabytes) + ".ini")).string();
        {
            std::ofstream out(file, std::ios::binary);
            std::size_t written = 0;
            int section = 0;
            for (int k = 0; written < megabytes * 1000000; ++k) {
                if (k % 1000 == 0) {
                    const std::string s = "[Seccion " + std::to_string(section++) + "]\n";
                    out << s;
                    written += s.size();
                }
                const std::string line =
                    "Clave numero " + std::to_string(k) + "=" + std::to_string(k * 7) + "\n";
                out << line;
                written += line.size();
            }
        }
        vs::Preferences prefs(file);
        auto t0 = std::chrono::steady_clock::now();
        const std::string v = prefs.get("Opciones", "Setup", "0");
        const double first = msSince(t0);
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < 1000; ++i)
            (void)prefs.get("Seccion 3", "Clave numero 3500", "");
        const double again = msSince(t0) / 1000;
        std::printf("%2zu MB of keys: first read %.1f ms, later reads %.3f ms each (%s)\n",
                    megabytes, first, again, v.c_str());
    }
    std::filesystem::remove_all(folder);
    return 0;
}
