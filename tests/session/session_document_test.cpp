// SPDX-License-Identifier: GPL-3.0-or-later
// The open session as a document: its file, its modified flag, saving and the
// question before it is left.
#include "base/paths.h"
#include "session/session_document.h"
#include "session/session_file.h"
#include "session/session_model.h"

#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using vs::RecordingMessageService;
using vs::session::SaveResult;
using vs::session::SessionDocument;
using vs::session::SessionModel;

namespace {

// The default session (1:00, flat curves, sequence 6) as it must stand on disk.
const std::string kNewSessionFile = "Velorin Somnara\r\n 1 \r\n 0 \r\n 15 \r\n 500 \r\n 2 \r\n"
                                    " 0 \r\n 1087.5 \r\n 6000 \r\n 1087.5 \r\n"
                                    " 2 \r\n 0 \r\n 1450 \r\n 6000 \r\n 1450 \r\n6\r\n";

struct SessionDocumentTest : ::testing::Test {
    vs::test::TempDir dir;
    RecordingMessageService shown;
    vs::ScopedMessageService installed{shown};
    vs::ScriptedFileDialogs dialogs;
    SessionModel model;
    SessionDocument doc{model, shown, dialogs};

    void SetUp() override { dir.becomeProgramFolders(); }
    void TearDown() override { vs::clearFolderOverrides(); }
};

} // namespace

TEST_F(SessionDocumentTest, ANewSessionIsSavedWhereTheUserSaysAndThenToItsOwnFile) {
    doc.nueva();
    doc.setModified(true);
    dialogs.answer = dir.file("mia"); // no extension typed
    ASSERT_EQ(doc.guardar(), SaveResult::Saved);
    EXPECT_EQ(dialogs.asked, 1);
    EXPECT_EQ(dialogs.suggested.back(), dir.file("Sesión.vso"));
    EXPECT_EQ(doc.file(), dir.file("mia.vso"));
    EXPECT_EQ(vs::test::readFile(dir.file("mia.vso")), kNewSessionFile);
    EXPECT_FALSE(doc.modified());

    model.setMinutos(7);
    doc.setModified(true);
    ASSERT_EQ(doc.guardar(), SaveResult::Saved);
    EXPECT_EQ(dialogs.asked, 1); // it has a file now: no second question
    SessionModel back;
    ASSERT_TRUE(vs::session::LeerSesion(back, dir.file("mia.vso")));
    EXPECT_EQ(back.minutos(), 7);
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(SessionDocumentTest, CancellingOrAFailedWriteKeepsTheEditsMarked) {
    doc.setModified(true);
    dialogs.answer = "";
    EXPECT_EQ(doc.guardar(), SaveResult::Cancelled);
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(doc.file().empty());

    // A read-only session file is never replaced behind the user's back.
    vs::test::writeFile(dir.file("fija.vso"), "antes");
    ::chmod(dir.file("fija.vso").c_str(), 0444);
    doc.setFile(dir.file("fija.vso"));
    EXPECT_EQ(doc.guardar(), SaveResult::Failed);
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(vs::test::readFile(dir.file("fija.vso")), "antes");
    EXPECT_TRUE(shown.saw("Error al grabar datos"));
}

TEST_F(SessionDocumentTest, TheQuestionNamesTheSessionAndEachAnswerDoesItsPart) {
    EXPECT_TRUE(doc.preguntarGuardar()); // unmodified: nothing to ask
    EXPECT_EQ(shown.count(RecordingMessageService::Entry::Question), 0);

    doc.setModified(true);
    shown.answers = {false};
    EXPECT_TRUE(doc.preguntarGuardar());
    EXPECT_TRUE(shown.saw("Guardar modificaciones de: Sesión nueva?"));
    EXPECT_FALSE(doc.modified()); // "No" forgets the edits
    EXPECT_EQ(dialogs.asked, 0);

    std::string listed = "Sueño";
    doc.setNameSource([&] { return listed; });
    doc.setFile(dir.file("sueno.vso"));
    doc.setModified(true);
    shown.answers = {true};
    EXPECT_TRUE(doc.preguntarGuardar());
    EXPECT_TRUE(shown.saw("Guardar modificaciones de: Sueño?"));
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(vs::test::readFile(dir.file("sueno.vso")), kNewSessionFile);

    listed.clear(); // a library with no current row
    EXPECT_EQ(doc.name(), "Sesión nueva");
    EXPECT_EQ(vs::session::saveQuestion("Relajación"), "Guardar modificaciones de: Relajación?");
}

TEST_F(SessionDocumentTest, OpeningTakesTheFileAndAFailedReadLeavesANewModifiedSession) {
    vs::test::writeFile(dir.file("buena.vso"), kNewSessionFile);
    int notified = 0;
    const auto listening = model.addListener([&] { ++notified; });
    ASSERT_TRUE(doc.abrir(dir.file("buena.vso")));
    EXPECT_EQ(doc.file(), dir.file("buena.vso"));
    EXPECT_FALSE(doc.modified());

    vs::test::writeFile(dir.file("mala.vso"), "no es una sesión\r\n");
    EXPECT_FALSE(doc.abrir(dir.file("mala.vso")));
    EXPECT_TRUE(doc.file().empty()); // a later save must not overwrite the bad file
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(shown.saw("Error al leer datos"));

    doc.nueva();
    EXPECT_FALSE(doc.modified());
    EXPECT_TRUE(doc.file().empty());
    EXPECT_GE(notified, 3);
}

TEST_F(SessionDocumentTest, AFailedSaveOnLeavingNeverDropsTheEditsSilently) {
    // The session's file became read-only: the save asked for cannot be written.
    vs::test::writeFile(dir.file("fija.vso"), "antes");
    ::chmod(dir.file("fija.vso").c_str(), 0444);
    doc.setFile(dir.file("fija.vso"));
    doc.setModified(true);

    // Yes, then "back to the window": leaving stops, the edits stay.
    shown.answers = {true, false};
    EXPECT_FALSE(doc.preguntarGuardar());
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(shown.saw("Error al grabar datos"));
    EXPECT_TRUE(shown.saw(vs::session::saveElsewhereQuestion("Sesión nueva")));
    EXPECT_EQ(dialogs.asked, 0);

    // Yes, then save elsewhere, then the dialog cancelled: still not leaving.
    shown.answers = {true, true};
    dialogs.answer = "";
    EXPECT_FALSE(doc.preguntarGuardar());
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.file(), dir.file("fija.vso"));

    // Yes, then save elsewhere to a writable place: leaving goes on.
    shown.answers = {true, true};
    dialogs.answer = dir.file("copia.vso");
    EXPECT_TRUE(doc.preguntarGuardar());
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(vs::test::readFile(dir.file("copia.vso")), kNewSessionFile);
    EXPECT_EQ(vs::test::readFile(dir.file("fija.vso")), "antes");

    // A cancelled first dialog (a new session) goes back to the window too.
    doc.setFile("");
    doc.setModified(true);
    shown.answers = {true};
    dialogs.answer = "";
    EXPECT_FALSE(doc.preguntarGuardar());
    EXPECT_TRUE(doc.modified());
}
