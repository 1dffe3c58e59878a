// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies of unsaved edits: when the keeper writes one and removes
// it, what a copy holds, and which copies a start offers.
#include "base/paths.h"
#include "session/recovery_copy.h"
#include "session/session_document.h"
#include "session/session_model.h"

#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using vs::session::RecoveryKeeper;
using vs::session::SessionDocument;
using vs::session::SessionModel;

namespace {

struct RecoveryTest : ::testing::Test {
    vs::test::TempDir dir;
    vs::RecordingMessageService shown;
    vs::ScopedMessageService installed{shown};
    vs::ScriptedFileDialogs dialogs;
    SessionModel model;
    SessionDocument doc{model, shown, dialogs};
    RecoveryKeeper::Clock::time_point t0 = RecoveryKeeper::Clock::now();

    void SetUp() override {
        dir.becomeProgramFolders();
        doc.setNameSource([] { return std::string("Sueño.vso"); });
        doc.setFile(dir.file("Sueño.vso"));
        ASSERT_EQ(doc.guardar(), vs::session::SaveResult::Saved);
    }
    void TearDown() override { vs::clearFolderOverrides(); }

    std::string copy() const { return vs::session::recoveryFileFor(doc.file(), doc.name()); }
    void edit(int minutes) {
        model.setMinutos(minutes);
        doc.setModified(true);
    }
};

} // namespace

TEST_F(RecoveryTest, ACopyFollowsTheEditsOnceTheyRestAndAtLeastEveryHalfMinute) {
    RecoveryKeeper keeper(doc);
    enum Act { Look, Edit, Save, Drop };
    const struct {
        int ms;
        Act act;
        bool copied; // a copy exists after the look at that time
        int minutes; // ...holding this length (0: not checked)
    } steps[] = {
        {0, Look, false, 0},       {100, Edit, false, 0},    {1350, Look, false, 0},
        {1600, Look, true, 3},     {2000, Edit, true, 3},    {3000, Edit, true, 3},
        {4400, Look, true, 3},     {4500, Look, true, 5},    // 1.5 s after the last edit
        {5000, Save, false, 0},    {6000, Edit, false, 0},   {9000, Drop, false, 0},
    };
    int minutes = 2;
    for (const auto& s : steps) {
        if (s.act == Edit) edit(++minutes);
        if (s.act == Save) {
            ASSERT_EQ(doc.guardar(), vs::session::SaveResult::Saved);
        }
        if (s.act == Drop) doc.setModified(false); // "No" to the question
        keeper.poll(t0 + std::chrono::milliseconds(s.ms));
        ASSERT_EQ(fs::exists(copy()), s.copied) << "at " << s.ms << " ms";
        if (s.minutes) {
            vs::session::RecoveryCopy read;
            ASSERT_TRUE(vs::session::readRecoveryCopy(copy(), read));
            EXPECT_EQ(read.data.minutos, s.minutes) << "at " << s.ms << " ms";
        }
    }
    // Edits that never rest still reach the copy within 30 s.
    for (int ms = 10000; ms < 40000; ms += 250) {
        edit(ms % 50 + 1);
        keeper.poll(t0 + std::chrono::milliseconds(ms));
        if (fs::exists(copy())) {
            EXPECT_LE(ms, 10000 + 30000);
            break;
        }
    }
    EXPECT_TRUE(fs::exists(copy()));
    // An orderly exit with the edits answered for removes it; a signal keeps it.
    EXPECT_TRUE(keeper.keepNow());
    keeper.finish();
    EXPECT_TRUE(fs::exists(copy()));
    doc.setModified(false);
    keeper.finish();
    EXPECT_FALSE(fs::exists(copy()));
}

TEST_F(RecoveryTest, ACopyHoldsTheSessionItsFileAndItsName) {
    RecoveryKeeper keeper(doc);
    edit(17);
    ASSERT_TRUE(keeper.keepNow());
    EXPECT_EQ(fs::path(copy()).parent_path(), vs::recoveryFolder());
    EXPECT_EQ(fs::path(copy()).filename().string().rfind("Sueño-", 0), 0u);
    vs::session::RecoveryCopy read;
    ASSERT_TRUE(vs::session::readRecoveryCopy(copy(), read));
    EXPECT_EQ(read.session, dir.file("Sueño.vso"));
    EXPECT_EQ(read.name, "Sueño.vso");
    EXPECT_EQ(read.keeper, getpid());
    EXPECT_EQ(read.data.minutos, 17);
    // The session reader opens it as the session it is.
    SessionModel plain;
    EXPECT_TRUE(vs::session::LeerSesion(plain, copy()));
    EXPECT_EQ(plain.minutos(), 17);
    // Sessions of one name in two folders keep two copies.
    EXPECT_NE(vs::session::recoveryFileFor("/a/Sueño.vso", "Sueño.vso"),
              vs::session::recoveryFileFor("/b/Sueño.vso", "Sueño.vso"));
    EXPECT_EQ(vs::session::recoveryQuestion("Sueño.vso"),
              "Se ha encontrado una copia de la sesión «Sueño.vso» sin guardar. ¿Recuperarla?");
}

TEST_F(RecoveryTest, AStartOffersTheCopiesNewerThanTheirSessionsAndRemovesTheStaleOnes) {
    // Copies kept by a process that is gone: a child killed once it wrote them.
    auto keptByAKilledRun = [&](const std::string& session, const std::string& name) {
        const pid_t child = fork();
        if (child == 0) {
            SessionDocument other(model, shown, dialogs);
            other.setNameSource([name] { return name; });
            other.setFile(session);
            other.setModified(true);
            RecoveryKeeper k(other);
            _exit(k.keepNow() ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        return vs::session::recoveryFileFor(session, name);
    };
    auto age = [](const std::string& path, int seconds) {
        const timespec t[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), t, 0), 0);
    };
    const std::string saved = dir.file("Sueño.vso");
    const std::string newer = keptByAKilledRun(saved, "Sueño.vso");
    age(saved, 60);
    const std::string stale = keptByAKilledRun(dir.file("b.vso"), "b.vso");
    vs::test::writeFile(dir.file("b.vso"), "saved after the copy");
    age(stale, 60);
    const std::string gone = keptByAKilledRun(dir.file("ido.vso"), "ido.vso");
    age(gone, 30);
    const std::string fresh = keptByAKilledRun("", "Nueva Sesión");
    age(fresh, 10);
    // A copy a running program keeps (this one, as a second run would) and a stranger's file.
    RecoveryKeeper live(doc);
    edit(9);
    doc.setFile(dir.file("vivo.vso"));
    ASSERT_TRUE(live.keepNow());
    vs::test::writeFile(vs::recoveryFolder() + "/ajeno.vso", "Velorin Somnara\r\n");

    std::vector<std::string> offered;
    for (const auto& c : vs::session::recoveryCopiesToOffer())
        offered.push_back(c.file);
    EXPECT_EQ(offered, (std::vector<std::string>{newer, fresh, gone}));
    EXPECT_FALSE(fs::exists(stale));
}
