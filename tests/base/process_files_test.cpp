// SPDX-License-Identifier: GPL-3.0-or-later
// Temporaries of killed processes: which names are whose, that a writer
// killed at any moment leaves its file whole and its temporary for the next
// start to remove, and the scratch folder a second run gets.
#include "base/file_replace.h"
#include "base/paths.h"
#include "base/process_files.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using vs::test::TempDir;

namespace {

// A child that runs `body` and is killed with SIGKILL once it has said so on
// a pipe (or after `after` when it never does); its PID, gone by then.
template <typename Body> pid_t killedChild(Body body, std::chrono::microseconds after) {
    int ready[2];
    EXPECT_EQ(pipe(ready), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        body(ready[1]);
        for (;;)
            pause();
    }
    close(ready[1]);
    if (after.count() > 0) {
        std::this_thread::sleep_for(after);
    } else {
        char b;
        EXPECT_EQ(read(ready[0], &b, 1), 1);
    }
    close(ready[0]);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return pid;
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

void touch(const std::string& path) {
    vs::test::writeFile(path, "x");
}

} // namespace

TEST(ProcessFiles, NamesTellWhoseTemporaryTheyAre) {
    const struct {
        const char* name;
        pid_t owner;
    } cases[] = {
        {".preferencias.ini.1234-7.tmp", 1234},
        {".VsoSesion.dat.5-0.tmp", 5},
        {".salida.wav.parcial-77-0", 77},
        {".instancia-55", 55},
        {"preferencias.ini", 0},
        {"x.1234-7.tmp", 0},  // not hidden: the user's
        {".a.tmp", 0},
        {".a.12x-1.tmp", 0},
        {".a.-1.tmp", 0},
        {".salida.wav.parcial-", 0},
        {".instancia-", 0},
        {".instancia-1a", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vs::temporaryOwner(c.name), c.owner) << c.name;
    // What the writers make is recognised as this process's.
    for (const std::string& made : {vs::replaceTemporaryName("/x/prefs.ini", 3),
                                    vs::partialTemporaryName("/x/a b.wav", 9)})
        EXPECT_EQ(vs::temporaryOwner(vs::fileName(made)), getpid()) << made;
}

TEST(ProcessFiles, OnlyTheTemporariesOfGoneProcessesAreRemoved) {
    TempDir dir;
    const std::string f = dir.path();
    const pid_t dead = killedChild(
        [&](int ready) {
            touch(vs::replaceTemporaryName(f + "/prefs.ini", 1));
            touch(vs::partialTemporaryName(f + "/salida.wav", 0));
            fs::create_directory(f + "/.instancia-" + std::to_string(getpid()));
            touch(f + "/.instancia-" + std::to_string(getpid()) + "/OndaL.wav");
            (void)!write(ready, "r", 1);
        },
        {});
    const std::string mine = vs::fileName(vs::replaceTemporaryName(f + "/prefs.ini", 2));
    touch(f + "/" + mine);
    // This process's id on a file older than it: a run before it had that id.
    const std::string reused = ".viejo.ini." + std::to_string(getpid()) + "-1.tmp";
    touch(f + "/" + reused);
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (f + "/" + reused).c_str(), old, 0), 0);
    // Like names that are no temporaries of ours stay.
    fs::create_directory(f + "/.carpeta." + std::to_string(dead) + "-1.tmp");
    touch(f + "/prefs.ini");

    EXPECT_EQ(vs::removeStaleTemporaries(f), 4);
    EXPECT_EQ(namesIn(f), (std::set<std::string>{
                              mine, ".carpeta." + std::to_string(dead) + "-1.tmp", "prefs.ini"}));
    EXPECT_EQ(vs::removeStaleTemporaries(f + "/none"), 0);
}

TEST(ProcessFiles, AWriterKilledAtAnyMomentLeavesItsFileWholeAndNoTemporaryAfterCleaning) {
    TempDir dir;
    const std::string file = dir.file("preferencias.ini");
    // Each version is one repeated letter, long enough for a kill to land mid-write.
    auto version = [](int n) { return std::string(256 * 1024, char('a' + n % 26)); };
    ASSERT_TRUE(vs::replaceFileContents(file, version(0)));
    std::mt19937 random(7);
    int left = 0;
    for (int round = 0; round < 20; ++round) {
        killedChild(
            [&](int) {
                for (int n = 1;; ++n)
                    vs::replaceFileContents(file, version(n));
            },
            std::chrono::microseconds(500 + random() % 20000));
        const std::string text = vs::test::readFile(file);
        ASSERT_EQ(text.size(), version(0).size()) << "round " << round;
        EXPECT_EQ(text.find_first_not_of(text[0]), std::string::npos) << "round " << round;
        left += static_cast<int>(namesIn(dir.path()).size()) - 1;
        vs::removeStaleTemporaries(dir.path());
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"preferencias.ini"});
    }
    RecordProperty("temporaries_left_by_kills", left);
}

TEST(ProcessFiles, ASecondRunGetsAScratchFolderOfItsOwnUntilTheFirstIsGone) {
    TempDir shared, other;
    int ready[2], hold[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(hold), 0);
    const pid_t first = fork();
    if (first == 0) {
        const bool sole = vs::claimScratchFolder(shared.path()) == shared.path();
        (void)!write(ready[1], sole ? "1" : "0", 1);
        char b;
        (void)!read(hold[0], &b, 1);
        _exit(0);
    }
    char sole = 0;
    ASSERT_EQ(read(ready[0], &sole, 1), 1);
    EXPECT_EQ(sole, '1');
    const std::string own = vs::claimScratchFolder(shared.path());
    EXPECT_EQ(own, shared.file(".instancia-" + std::to_string(getpid())));
    EXPECT_TRUE(fs::is_directory(own));
    EXPECT_EQ(vs::claimScratchFolder(shared.path()), own); // the claim holds
    vs::releaseScratchFolder(own);
    EXPECT_FALSE(fs::exists(own));
    vs::releaseScratchFolder(shared.path()); // never the shared folder itself
    EXPECT_TRUE(fs::is_directory(shared.path()));

    (void)!write(hold[1], "x", 1);
    int status = 0;
    waitpid(first, &status, 0);
    EXPECT_EQ(vs::claimScratchFolder(other.path()), other.path());
    EXPECT_EQ(vs::claimScratchFolder(shared.path()), shared.path());
    for (int fd : {ready[0], ready[1], hold[0], hold[1]})
        close(fd);
}
