// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, started and shown, leaves through its exit command when
// asked to report its first paint (the start-up benchmark's way of running
// it): nothing of it stays behind in the program's folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(ProgramExit, AReportedStartLeavesNoWaveFilesAndStoresTheExitKeys) {
    const fs::path program = VS_PROGRAM;
    const fs::path folder = program.parent_path();
    // The run writes the session list beside the program; a list that was
    // there before is the developer's and is put back afterwards.
    const fs::path list = folder / "VsoSesion.dat";
    const bool hadList = fs::exists(list);
    const fs::path keep = folder / "VsoSesion.dat.program-exit-test";
    if (hadList) fs::copy_file(list, keep, fs::copy_options::overwrite_existing);
    char confTemplate[] = "/tmp/vs-exit-test-XXXXXX";
    ASSERT_NE(mkdtemp(confTemplate), nullptr);
    const std::string conf = confTemplate;

    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        setenv("XDG_CONFIG_HOME", conf.c_str(), 1);
        // Not the runtime folder of a program the developer runs: it would take the start over.
        setenv("XDG_RUNTIME_DIR", conf.c_str(), 1);
        setenv("VS_REPORT_SHOWN", "1", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string printed;
    char buf[256];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0)
        printed.append(buf, std::size_t(n));
    close(out[0]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_NE(printed.find("shown "), std::string::npos) << printed;

    for (const char* f : {"OndaL.wav", "OndaR.wav", "OndaM.wav"})
        EXPECT_FALSE(fs::exists(folder / f)) << f;
    // The orderly exit ran: its last key is in the preferences.
    EXPECT_TRUE(fs::exists(fs::path(conf) / "Velorin Somnara" / "preferencias.ini"));
    fs::remove_all(conf);
    if (hadList)
        fs::rename(keep, list);
    else
        fs::remove(list);
}
