// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved edits through a crash and a signal: a child run edits a session
// and is killed, the next start offers its copy; a child run ended by SIGTERM
// keeps its edits in the copy and leaves the user's file alone. The start
// here is the window with its safekeeping in this process.
#include "base/paths.h"
#include "base/preferences.h"
#include "child_process.h"
#include "library/session_library.h"
#include "session/recovery_copy.h"
#include "session/session_document.h"
#include "session/session_model.h"
#include "shell/safekeeping.h"
#include "stand_in_window.h"
#include "temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using vs::test::Child;
using vs::test::readFile;

namespace {

struct SafekeepingTest : ::testing::Test {
    vs::test::TempDir dir;
    std::string session = dir.file("s.vso");
    std::string original;

    void SetUp() override {
        dir.becomeProgramFolders();
        fs::copy_file(std::string(VS_DATA_DIR) + "/Sueño.vso", session);
        original = readFile(session);
    }
    void TearDown() override { vs::clearFolderOverrides(); }

    // A child run that has edited the session, unsaved.
    std::unique_ptr<Child> editedElsewhere() {
        auto child = std::make_unique<Child>(
            std::vector<std::string>{VS_EDITED_CHILD, dir.path(), session},
            Child::Env{{"QT_QPA_PLATFORM", "offscreen"}, {"SDL_AUDIODRIVER", "dummy"}},
            dir.file("child.log"));
        EXPECT_TRUE(vs::test::waitUntil(
            [&] { return child->output().find("EDITED") != std::string::npos; }))
            << child->output();
        return child;
    }
    std::vector<std::string> copies() const {
        std::vector<std::string> found;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(vs::recoveryFolder(), ec))
            if (e.path().filename().string()[0] != '.') // not a write in progress
                found.push_back(e.path().string());
        return found;
    }
};

// Runs the event loop until `done` or a generous limit.
bool turnUntil(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace

TEST_F(SafekeepingTest, AKilledRunsEditsAreOfferedAtTheNextStart) {
    for (bool yes : {true, false}) {
        auto child = editedElsewhere();
        // Written within seconds of the edit, so a kill costs nothing.
        ASSERT_TRUE(vs::test::waitUntil([&] { return copies().size() == 1; }));
        const std::string copy = copies()[0];
        child->signal(SIGKILL);
        child->waitEnd();

        vs::test::StandIns standIns;
        standIns.messages.answers = {yes};
        auto w = standIns.window();
        vs::shell::Safekeeping safekeeping(*w);
        ASSERT_TRUE(turnUntil([&] { return !standIns.messages.entries.empty(); }));
        ASSERT_EQ(standIns.messages.entries.size(), 1u);
        EXPECT_EQ(standIns.messages.entries[0].text, vs::session::recoveryQuestion("s.vso"));
        EXPECT_EQ(readFile(session), original); // asked, never written over
        if (yes) {
            // Opened as the session it belongs to, with the edits, unsaved.
            EXPECT_EQ(w->document().file(), session);
            EXPECT_EQ(w->model().minutos(), 7);
            EXPECT_TRUE(w->document().modified());
            EXPECT_EQ(w->sessions().row(w->sessions().currentRow()).duration, "07:00");
            EXPECT_TRUE(fs::exists(copy));
            // A clean save removes it.
            w->ui().mnuSesionGuardarSesion->trigger();
            EXPECT_TRUE(turnUntil([&] { return !fs::exists(copy); }));
            EXPECT_NE(readFile(session), original);
            fs::remove(session);
            fs::copy_file(std::string(VS_DATA_DIR) + "/Sueño.vso", session);
        } else {
            EXPECT_FALSE(fs::exists(copy));
            EXPECT_FALSE(w->document().modified());
        }
    }
}

TEST_F(SafekeepingTest, ASignalKeepsTheUnsavedEditsInTheirCopyAndTheUsersFileAsItWas) {
    auto child = editedElsewhere();
    child->signal(SIGTERM); // at once: before the copy would have been due
    const int status = child->waitEnd();
    ASSERT_TRUE(vs::test::exitedWith(status, 0)) << status << child->output();
    EXPECT_EQ(readFile(session), original);
    ASSERT_EQ(copies().size(), 1u);
    vs::session::RecoveryCopy copy;
    ASSERT_TRUE(vs::session::readRecoveryCopy(copies()[0], copy));
    EXPECT_EQ(copy.session, session);
    EXPECT_EQ(copy.data.minutos, 7);
    // The rest of the exit ran: no wave files left, the exit keys stored.
    EXPECT_FALSE(fs::exists(dir.file("OndaL.wav")));
    EXPECT_NE(readFile(dir.file("config/preferencias.ini")).find("Setup=1"), std::string::npos);
    EXPECT_NE(readFile(dir.file("VsoSesion.dat")).find(session), std::string::npos);
}
