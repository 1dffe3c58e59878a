// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of every test executable: headless defaults (offscreen windows,
// the silent audio driver) unless the caller chose otherwise, the interface's
// source language whatever the developer's locale (the English interface has
// tests of its own), and a QApplication for the tests that need one.
#include <cstdlib>
#include <gtest/gtest.h>
#ifdef VS_TEST_QT_MAIN
#include <QApplication>
#endif

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (const char* all = std::getenv("LC_ALL"); all && *all) {
        setenv("LANG", all, 1); // the other categories as they were
        unsetenv("LC_ALL");
    }
    setenv("LC_MESSAGES", "C.UTF-8", 1);
    unsetenv("LANGUAGE");
#ifdef VS_TEST_QT_MAIN
    QApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
