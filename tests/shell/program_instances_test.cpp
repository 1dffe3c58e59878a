// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, installed for a user of its own (its runtime,
// configuration and data folders private to the test): a second start hands
// its session over and ends; two that run anyway keep their own wave files
// and merge the lists; the desktop's signals end it in order; a start
// removes the temporaries of runs that were killed.
#include "base/process_files.h"
#include "child_process.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;
using vs::test::Child;
using vs::test::readFile;
using vs::test::waitUntil;

namespace {

struct PrivateUser {
    vs::test::TempDir dir;
    std::string prefix = dir.file("prefix"), config = dir.file("config"), data = dir.file("data");
    std::string user = data + "/Velorin Somnara";
    int started = 0;

    PrivateUser() {
        fs::create_directories(prefix + "/bin");
        fs::create_directories(prefix + "/share");
        // Installed under a prefix, it writes into the user's data folder.
        std::error_code ec;
        fs::create_hard_link(VS_PROGRAM, prefix + "/bin/velorin-somnara", ec);
        if (ec) fs::copy_file(VS_PROGRAM, prefix + "/bin/velorin-somnara");
        fs::create_directory_symlink(VS_DATA_DIR, prefix + "/share/velorin-somnara");
    }
    std::string runtime(const std::string& name) const {
        const std::string r = dir.file(name);
        fs::create_directories(r);
        fs::permissions(r, fs::perms::owner_all);
        return r;
    }
    std::unique_ptr<Child> start(const std::vector<std::string>& files,
                                 const std::string& run = "run") {
        std::vector<std::string> argv{prefix + "/bin/velorin-somnara"};
        argv.insert(argv.end(), files.begin(), files.end());
        return std::make_unique<Child>(
            argv,
            Child::Env{{"XDG_RUNTIME_DIR", runtime(run)},
                       {"XDG_CONFIG_HOME", config},
                       {"XDG_DATA_HOME", data},
                       {"HOME", dir.path()},
                       {"QT_QPA_PLATFORM", "offscreen"},
                       {"SDL_AUDIODRIVER", "dummy"}},
            dir.file("log" + std::to_string(++started)));
    }
    // Up, listening and with its wave files written (in `waves`).
    bool ready(const std::string& run, const std::string& waves) const {
        return waitUntil([&] {
            return fs::exists(dir.file(run) + "/velorin-somnara") && fs::exists(waves + "/OndaM.wav");
        });
    }
    std::string session(const std::string& name) const {
        const std::string path = dir.file(name);
        if (!fs::exists(path)) fs::copy_file(std::string(VS_DATA_DIR) + "/Sueño.vso", path);
        return path;
    }
    std::string list() const { return readFile(user + "/VsoSesion.dat"); }
    bool wavesIn(const std::string& folder) const {
        return fs::exists(folder + "/OndaL.wav") && fs::exists(folder + "/OndaR.wav") &&
               fs::exists(folder + "/OndaM.wav");
    }
};

// Ends `c` with SIGTERM and says whether it ended in order (status 0).
::testing::AssertionResult endsInOrder(Child& c, int sig = SIGTERM) {
    c.signal(sig);
    const int status = c.waitEnd();
    if (vs::test::exitedWith(status, 0)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "status " << status << "\n" << c.output();
}

} // namespace

TEST(OneProgramPerUser, ASecondStartHandsItsSessionOverAndEnds) {
    PrivateUser u;
    auto first = u.start({});
    ASSERT_TRUE(u.ready("run", u.user)) << first->output();
    const std::string given = u.session("dada.vso");
    auto second = u.start({given});
    const int status = second->waitEnd();
    EXPECT_TRUE(vs::test::exitedWith(status, 0)) << status << second->output();
    // The second wrote nothing of its own and the first still has its waves.
    EXPECT_TRUE(u.wavesIn(u.user));
    for (const auto& e : fs::directory_iterator(u.user))
        EXPECT_EQ(e.path().filename().string().rfind(".instancia-", 0), std::string::npos);
    ASSERT_TRUE(endsInOrder(*first));
    // The running one took the session into its library.
    EXPECT_NE(u.list().find(given), std::string::npos) << u.list();
}

TEST(OneProgramPerUser, TwoThatRunAnywayKeepTheirOwnWavesAndMergeTheLists) {
    PrivateUser u;
    const std::string a = u.session("a.vso"), b = u.session("b.vso");
    auto first = u.start({a}, "run1");
    ASSERT_TRUE(u.ready("run1", u.user)) << first->output();
    // Another runtime folder (a second login): it cannot find the first.
    auto second = u.start({b}, "run2");
    const std::string own = u.user + "/.instancia-" + std::to_string(second->pid());
    ASSERT_TRUE(u.ready("run2", own)) << second->output();

    ASSERT_TRUE(endsInOrder(*second));
    EXPECT_FALSE(fs::exists(own));
    EXPECT_TRUE(u.wavesIn(u.user)); // the first's, untouched by the second's exit
    EXPECT_NE(u.list().find(b), std::string::npos);
    ASSERT_TRUE(endsInOrder(*first));
    EXPECT_FALSE(fs::exists(u.user + "/OndaL.wav"));
    // The last to end added its session to the other's instead of writing over it.
    EXPECT_NE(u.list().find(a), std::string::npos) << u.list();
    EXPECT_NE(u.list().find(b), std::string::npos) << u.list();
}

TEST(OrderlyExit, EachDesktopSignalEndsTheProgramInOrderWithoutAQuestion) {
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        PrivateUser u;
        auto program = u.start({u.session("s.vso")});
        ASSERT_TRUE(u.ready("run", u.user)) << program->output();
        // A question would wait for an answer no one gives: the wait would end it.
        ASSERT_TRUE(endsInOrder(*program, sig)) << strsignal(sig);
        EXPECT_FALSE(fs::exists(u.user + "/OndaL.wav")) << strsignal(sig);
        EXPECT_NE(u.list().find(u.session("s.vso")), std::string::npos) << strsignal(sig);
        const std::string prefs = readFile(u.config + "/Velorin Somnara/preferencias.ini");
        EXPECT_NE(prefs.find("Setup=1"), std::string::npos) << strsignal(sig) << prefs;
    }
}

TEST(StaleTemporaries, AStartRemovesThoseOfKilledRunsAndKeepsThoseOfLiveOnes) {
    PrivateUser u;
    const std::string sessions = u.dir.file("sesiones");
    fs::create_directories(sessions);
    fs::create_directories(u.user + "/Recuperación");
    fs::create_directories(u.config + "/Velorin Somnara");
    const std::vector<std::string> targets = {
        u.config + "/Velorin Somnara/preferencias.ini", u.user + "/VsoSesion.dat",
        u.user + "/Recuperación/s-00000000.vso", sessions + "/s.vso"};
    // A run killed in the middle of its saves.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t killed = fork();
    if (killed == 0) {
        for (const std::string& t : targets)
            vs::test::writeFile(vs::replaceTemporaryName(t, 1), "half");
        fs::create_directory(u.user + "/.instancia-" + std::to_string(getpid()));
        (void)!write(ready[1], "r", 1);
        for (;;)
            pause();
    }
    char r;
    ASSERT_EQ(read(ready[0], &r, 1), 1);
    kill(killed, SIGKILL);
    waitpid(killed, nullptr, 0);
    const std::string live = vs::replaceTemporaryName(u.user + "/VsoMusica.dat", 1);
    vs::test::writeFile(live, "this process still writes it");
    fs::copy_file(u.session("s.vso"), sessions + "/s.vso");

    // What is left of the killed run, in every folder it wrote.
    auto left = [&] {
        int n = 0;
        for (const std::string& t : targets)
            for (const auto& e : fs::directory_iterator(fs::path(t).parent_path()))
                n += vs::temporaryOwner(e.path().filename().string()) == killed;
        return n;
    };
    ASSERT_EQ(left(), 5);

    auto program = u.start({sessions + "/s.vso"});
    ASSERT_TRUE(u.ready("run", u.user)) << program->output();
    EXPECT_TRUE(waitUntil([&] { return left() == 0; })) << left();
    EXPECT_TRUE(fs::exists(live));
    ASSERT_TRUE(endsInOrder(*program));
}
