// SPDX-License-Identifier: GPL-3.0-or-later
// The session library's rules, on its rows, without a window: the list file
// at start-up and exit, choosing rows, the save questions, save, save as, add,
// new and remove.
#include "base/paths.h"
#include "base/preferences.h"
#include "library/list_file.h"
#include "library/session_library.h"
#include "session/session_document.h"
#include "session/session_file.h"
#include "session/session_model.h"

#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using vs::RecordingMessageService;
using vs::library::SessionLibrary;
using vs::session::SessionDocument;
using vs::session::SessionModel;

namespace {

// A session of `minutes`:00 with flat curves, as the writer stores it.
std::string sessionFile(int minutes) {
    return "Velorin Somnara\r\n " + std::to_string(minutes) +
           " \r\n 0 \r\n 15 \r\n 500 \r\n 2 \r\n 0 \r\n 600 \r\n 6000 \r\n 600 \r\n"
           " 2 \r\n 0 \r\n 1450 \r\n 6000 \r\n 1450 \r\n3\r\n";
}

struct SessionLibraryTest : ::testing::Test {
    vs::test::TempDir dir;
    RecordingMessageService shown;
    vs::ScopedMessageService installed{shown};
    vs::ScriptedFileDialogs dialogs;
    SessionModel model;
    std::unique_ptr<SessionDocument> doc;
    std::unique_ptr<SessionLibrary> lib;
    std::string label; // the graph's length label, as the window would show it

    void SetUp() override {
        dir.becomeProgramFolders();
        doc = std::make_unique<SessionDocument>(model, shown, dialogs);
        lib = std::make_unique<SessionLibrary>(*doc, shown, dialogs, vs::Preferences::instance());
        label = vs::session::FormatoTiempo(static_cast<std::int64_t>(model.lengthMs()));
        // The graph rewrites the label when the session is replaced and
        // reports only a real change, as the window's does.
        lib->onSessionReplaced = [this] {
            const std::string now =
                vs::session::FormatoTiempo(static_cast<std::int64_t>(model.lengthMs()));
            if (now != label) {
                label = now;
                lib->duracionCambiada(now);
            }
        };
    }
    void TearDown() override { vs::clearFolderOverrides(); }

    std::string file(const std::string& name) { return dir.file(name); }
    void writeSession(const std::string& name, int minutes) {
        vs::test::writeFile(file(name), sessionFile(minutes));
    }
    void writeList(const std::vector<vs::library::ListRow>& rows) {
        ASSERT_TRUE(vs::library::writeListFile(lib->listFile(), rows));
        vs::Preferences::instance().save("Inicio", "Sesiones", "1");
        vs::Preferences::instance().save("Opciones", "Setup", "1");
    }
    std::vector<std::string> names() const {
        std::vector<std::string> n;
        for (int r = 1; r <= lib->rowCount(); ++r)
            n.push_back(lib->row(r).name);
        return n;
    }
    int questions() const { return shown.count(RecordingMessageService::Entry::Question); }
};

} // namespace

TEST_F(SessionLibraryTest, AFirstRunListsTheDefaultSessionsThatArePresent) {
    writeSession("Relajación.vso", 25);
    writeSession("Meditación profunda.vso", 20);
    lib->cargarLista();
    ASSERT_EQ(names(), (std::vector<std::string>{"Nueva Sesión", "Relajación.vso",
                                                 "Meditación profunda.vso"}));
    EXPECT_EQ(lib->row(1).duration, "01:00");
    EXPECT_EQ(lib->row(2).path, file("Relajación.vso"));
    EXPECT_EQ(lib->row(2).duration, "25:00");
    EXPECT_EQ(lib->row(3).duration, "20:00");
    EXPECT_EQ(vs::Preferences::instance().get("Inicio", "Sesiones", ""), "1");
    // On disk in the 8-bit code page, as earlier versions wrote it.
    const std::string bytes = vs::test::readFile(lib->listFile());
    EXPECT_NE(bytes.find("Relajaci\xF3n.vso\r\n"), std::string::npos);

    // An installed program keeps its defaults in the shared data folder.
    vs::test::TempDir other;
    other.becomeProgramFolders();
    vs::test::writeFile(other.file("data/Sueño.vso"), sessionFile(30));
    SessionModel m2;
    SessionDocument d2(m2, shown, dialogs);
    SessionLibrary l2(d2, shown, dialogs, vs::Preferences::instance());
    l2.cargarLista();
    ASSERT_EQ(l2.rowCount(), 2);
    EXPECT_EQ(l2.row(2).path, other.file("data/Sueño.vso")); // where it really is
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(SessionLibraryTest, TheListFillsCellByCellAndStopsAtAnEmptyLine) {
    vs::Preferences::instance().save("Inicio", "Sesiones", "1");
    vs::Preferences::instance().save("Opciones", "Setup", "1");
    vs::test::writeFile(lib->listFile(), "Velorin Somnara\r\n/a/uno.vso\r\nuno.vso\r\n02:00\r\n"
                                         "/a/dos.vso\r\ndos.vso\r\n");
    lib->cargarLista();
    ASSERT_EQ(lib->rowCount(), 3);
    EXPECT_EQ(lib->row(3).name, "dos.vso");
    EXPECT_EQ(lib->row(3).duration, ""); // the last row partly filled

    SessionModel m2;
    SessionDocument d2(m2, shown, dialogs);
    SessionLibrary l2(d2, shown, dialogs, vs::Preferences::instance());
    vs::test::writeFile(lib->listFile(), "Velorin Somnara\r\n/a/uno.vso\r\nuno.vso\r\n02:00\r\n"
                                         "\r\n/a/dos.vso\r\ndos.vso\r\n03:00\r\n");
    l2.cargarLista();
    EXPECT_EQ(l2.rowCount(), 2);

    SessionModel m3;
    SessionDocument d3(m3, shown, dialogs);
    SessionLibrary l3(d3, shown, dialogs, vs::Preferences::instance());
    vs::test::writeFile(lib->listFile(), "Velorin Somnara\r\n");
    l3.cargarLista();
    EXPECT_EQ(l3.rowCount(), 1);
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(SessionLibraryTest, AListWithAnotherHeaderIsNotLoadedButKeptBesideIt) {
    vs::Preferences::instance().save("Inicio", "Sesiones", "1");
    const std::string bad = "velorin somnara\r\n/a/uno.vso\r\nuno.vso\r\n02:00\r\n";
    vs::test::writeFile(lib->listFile(), bad);
    lib->cargarLista();
    EXPECT_EQ(lib->rowCount(), 1);
    const std::string kept = lib->listFile() + ".ilegible";
    EXPECT_TRUE(shown.saw("Se ha producido un error al leer los datos de " + lib->listFile() +
                          "; se conserva como " + kept));
    // The exit writes the list anew; the rows that could not be read stay.
    ASSERT_TRUE(lib->guardarLista());
    EXPECT_EQ(vs::test::readFile(kept), bad);
    EXPECT_EQ(vs::test::readFile(lib->listFile()), "Velorin Somnara\r\n");
}

TEST_F(SessionLibraryTest, BeforeTheFirstOrderlyExitPathsAreLookedForBesideTheProgram) {
    writeSession("mia.vso", 3);
    vs::test::TempDir elsewhere;
    vs::test::writeFile(elsewhere.file("suya.vso"), sessionFile(4));
    vs::Preferences::instance().save("Inicio", "Sesiones", "1");
    ASSERT_TRUE(vs::library::writeListFile(lib->listFile(),
                                           {{"C:\\Sesiones\\mia.vso", "mia.vso", "03:00"},
                                            {elsewhere.file("suya.vso"), "suya.vso", "04:00"},
                                            {"/no/existe/otra.vso", "otra.vso", "05:00"}}));
    lib->cargarLista(); // "Setup" is still "0"
    EXPECT_EQ(lib->row(2).path, file("mia.vso"));
    EXPECT_EQ(lib->row(3).path, elsewhere.file("suya.vso")); // it exists where it is listed
    EXPECT_EQ(lib->row(4).path, file("otra.vso"));
}

TEST_F(SessionLibraryTest, ChoosingARowOpensItsSessionAndAMissingFileStartsANewOne) {
    writeSession("larga.vso", 25);
    writeList({{file("larga.vso"), "larga.vso", "25:00"}, {file("ida.vso"), "ida.vso", "02:00"}});
    lib->cargarLista();
    lib->activar();
    EXPECT_EQ(lib->highlightedRow(), 1);

    lib->pulsar(2);
    EXPECT_EQ(model.minutos(), 25);
    EXPECT_EQ(doc->file(), file("larga.vso"));
    EXPECT_FALSE(doc->modified()); // a new length shown is not an edit
    EXPECT_EQ(lib->highlightedRow(), 2);
    EXPECT_EQ(vs::test::readFile(file("larga.vso")), sessionFile(25)); // not rewritten

    lib->pulsar(3); // its file has gone: a new session instead, without a word
    EXPECT_EQ(lib->currentRow(), 1);
    EXPECT_EQ(model.minutos(), 1);
    // ... and the new session shown after a 25-minute one counts as changed,
    // so the next change of row asks about it.
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(lib->row(1).duration, "01:00");
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(SessionLibraryTest, LeavingAnEditedSessionAsksAndEachAnswerDoesItsPart) {
    writeSession("a.vso", 5);
    writeSession("b.vso", 6);
    writeList({{file("a.vso"), "a.vso", "05:00"}, {file("b.vso"), "b.vso", "06:00"}});
    lib->cargarLista();
    lib->pulsar(2);
    model.setMinutos(9);
    lib->duracionCambiada("09:00"); // the label after the edit
    EXPECT_EQ(lib->row(2).duration, "09:00");

    // No: the edits are dropped, the pressed row opens.
    shown.answers = {false};
    lib->pulsar(3);
    EXPECT_TRUE(shown.saw("Guardar modificaciones de: a.vso?"));
    EXPECT_EQ(model.minutos(), 6);
    EXPECT_EQ(vs::test::readFile(file("a.vso")), sessionFile(5));

    // Yes: saved in place, then the pressed row opens.
    model.setMinutos(7);
    lib->duracionCambiada("07:00");
    shown.answers = {true};
    lib->pulsar(2);
    EXPECT_TRUE(shown.saw("Guardar modificaciones de: b.vso?"));
    EXPECT_EQ(model.minutos(), 5);
    SessionModel back;
    ASSERT_TRUE(vs::session::LeerSesion(back, file("b.vso")));
    EXPECT_EQ(back.minutos(), 7);
}

TEST_F(SessionLibraryTest, ANewSessionSavedFromTheQuestionStaysOpenAndACancelKeepsIt) {
    lib->cargarLista();
    lib->activar();
    writeSession("otra.vso", 2);
    ASSERT_NO_FATAL_FAILURE(writeList({{file("otra.vso"), "otra.vso", "02:00"}}));
    SessionModel m2;
    SessionDocument d2(m2, shown, dialogs);
    SessionLibrary l2(d2, shown, dialogs, vs::Preferences::instance());
    l2.cargarLista();
    l2.activar();
    d2.setModified(true);

    // Yes, then the dialog cancelled: nothing saved, so nothing is dropped.
    shown.answers = {true};
    l2.pulsar(2);
    EXPECT_EQ(l2.currentRow(), 1);
    EXPECT_TRUE(d2.modified());

    // Yes, then a name: the new session is appended and stays open.
    shown.answers = {true};
    dialogs.answers = {file("nueva")};
    l2.pulsar(2);
    ASSERT_EQ(l2.rowCount(), 3);
    EXPECT_EQ(l2.row(3).name, "nueva.vso");
    EXPECT_EQ(l2.currentRow(), 3);
    EXPECT_EQ(d2.file(), file("nueva.vso"));
    EXPECT_FALSE(d2.modified());
}

TEST_F(SessionLibraryTest, SavingANewSessionNamesItFromTheCounterAndListsItOnceAtTheEnd) {
    writeSession("vieja.vso", 4);
    writeList({{file("vieja.vso"), "vieja.vso", "04:00"}, {file("x.vso"), "x.vso", "01:00"}});
    lib->cargarLista();
    lib->activar();
    model.setMinutos(12);
    dialogs.answers = {file("vieja.vso")}; // the user picks a file already listed
    ASSERT_TRUE(lib->guardar());
    ASSERT_EQ(dialogs.suggested.size(), 1u);
    EXPECT_EQ(dialogs.suggested[0], file("Sesion 01.vso"));
    ASSERT_EQ(dialogs.filters.size(), 1u);
    EXPECT_EQ(dialogs.filters[0].description, "Ficheros de Sesión");
    EXPECT_EQ(names(), (std::vector<std::string>{"Nueva Sesión", "x.vso", "vieja.vso"}));
    EXPECT_EQ(lib->currentRow(), 3);
    EXPECT_EQ(lib->row(3).duration, "12:00");
    EXPECT_EQ(vs::Preferences::instance().get("Preferencias", "Numero Sesion", ""), "2");

    // In place now; "como..." asks again, with the next number.
    model.setMinutos(13);
    ASSERT_TRUE(lib->guardar());
    EXPECT_EQ(dialogs.suggested.size(), 1u);
    dialogs.answers = {file("copia.vso")};
    ASSERT_TRUE(lib->guardarComo());
    EXPECT_EQ(dialogs.suggested.back(), file("Sesion 02.vso"));
    EXPECT_EQ(lib->row(lib->rowCount()).name, "copia.vso");
    EXPECT_FALSE(doc->modified());
}

TEST_F(SessionLibraryTest, AFailedSaveChangesNeitherTheListNorTheCounter) {
    lib->cargarLista();
    lib->activar();
    doc->setModified(true);
    vs::test::writeFile(file("fija.vso"), "antes");
    ::chmod(file("fija.vso").c_str(), 0444);
    dialogs.answers = {file("fija.vso")};
    EXPECT_FALSE(lib->guardar());
    EXPECT_EQ(lib->rowCount(), 1);
    EXPECT_EQ(vs::Preferences::instance().get("Preferencias", "Numero Sesion", "1"), "1");
    EXPECT_TRUE(doc->modified());
    EXPECT_TRUE(shown.saw("Error al grabar datos"));
}

TEST_F(SessionLibraryTest, AddingListsTheFileOnceAndOpensIt) {
    writeSession("a.vso", 8);
    lib->cargarLista();
    lib->activar();
    dialogs.answers = {file("a.vso")};
    lib->anadir();
    lib->anadirFichero(file("a.vso")); // twice: still one row, at the end
    ASSERT_EQ(names(), (std::vector<std::string>{"Nueva Sesión", "a.vso"}));
    EXPECT_EQ(dialogs.filters[0].description, "Ficheros de sesión");
    EXPECT_EQ(lib->row(2).duration, "08:00");
    EXPECT_EQ(model.minutos(), 8);
    EXPECT_EQ(lib->currentRow(), 2);
    EXPECT_FALSE(doc->modified());
}

TEST_F(SessionLibraryTest, NewStopsPlaybackAndAsksAboutAModifiedSession) {
    writeSession("a.vso", 8);
    writeList({{file("a.vso"), "a.vso", "08:00"}});
    lib->cargarLista();
    lib->pulsar(2);
    int stops = 0;
    lib->onStop = [&] { ++stops; };
    lib->nueva();
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(lib->currentRow(), 1);

    lib->pulsar(2);
    doc->setModified(true);
    shown.answers = {false};
    lib->nueva();
    // No icon and the default title, unlike every other question.
    ASSERT_EQ(shown.count(RecordingMessageService::Entry::PlainQuestion), 1);
    EXPECT_EQ(shown.entries.back().text, "Guardar la sesión modificada?");
    EXPECT_EQ(model.minutos(), 1);
}

TEST_F(SessionLibraryTest, AnImportedSessionOpensNewAndModifiedOnceTheEditsAreOffered) {
    writeSession("a.vso", 8);
    writeList({{file("a.vso"), "a.vso", "08:00"}});
    lib->cargarLista();
    lib->pulsar(2);
    SessionModel imported;
    imported.setMinutos(12);
    imported.Punto[1].Top = 1234;
    imported.SesionModificada = true;
    int stops = 0;
    lib->onStop = [&] { ++stops; };

    // Edits, a yes, and a save that fails: nothing changes.
    model.setMinutos(9);
    doc->setModified(true);
    ::chmod(file("a.vso").c_str(), 0444);
    shown.answers = {true};
    EXPECT_FALSE(lib->openImported(imported));
    EXPECT_EQ(model.minutos(), 9);
    EXPECT_EQ(lib->currentRow(), 2);
    ::chmod(file("a.vso").c_str(), 0644);

    // No: the edits go, the import takes the new session's row.
    shown.answers = {false};
    ASSERT_TRUE(lib->openImported(imported));
    EXPECT_TRUE(shown.saw("Guardar modificaciones de: a.vso?"));
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(model.minutos(), 12);
    EXPECT_EQ(model.Punto[1].Top, 1234);
    EXPECT_EQ(lib->currentRow(), 1);
    EXPECT_EQ(lib->row(1).duration, "12:00");
    EXPECT_TRUE(doc->file().empty());
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(vs::test::readFile(file("a.vso")), sessionFile(8));

    // Saving it asks where, as for any new session.
    dialogs.answers = {file("importada")};
    ASSERT_TRUE(lib->guardar());
    EXPECT_EQ(lib->row(lib->rowCount()).name, "importada.vso");
    EXPECT_FALSE(doc->modified());
}

TEST_F(SessionLibraryTest, RowOneIsNeverWrittenNorRemoved) {
    writeSession("a.vso", 8);
    writeSession("b.vso", 9);
    writeList({{file("a.vso"), "a.vso", "08:00"}, {file("b.vso"), "b.vso", "09:00"}});
    lib->cargarLista();
    lib->activar();
    lib->eliminar(); // row 1
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(lib->rowCount(), 3);

    lib->pulsar(2);
    shown.answers = {false};
    lib->eliminar();
    EXPECT_TRUE(shown.saw("Eliminar: a.vso?"));
    EXPECT_EQ(lib->rowCount(), 3);
    shown.answers = {true};
    lib->eliminar();
    EXPECT_EQ(names(), (std::vector<std::string>{"Nueva Sesión", "b.vso"}));
    EXPECT_EQ(model.minutos(), 9);              // the row that became current is open
    EXPECT_TRUE(vs::fileExists(file("a.vso"))); // the file itself stays

    ASSERT_TRUE(lib->guardarLista());
    const auto back = vs::library::readListFile(lib->listFile(), 1);
    ASSERT_EQ(back.rows.size(), 1u);
    EXPECT_EQ(back.rows[0][1], "b.vso");
}

TEST_F(SessionLibraryTest, AListThatCannotBeWrittenLeavesTheOldOne) {
    writeSession("a.vso", 8);
    writeList({{file("a.vso"), "a.vso", "08:00"}});
    const std::string before = vs::test::readFile(lib->listFile());
    lib->cargarLista();
    lib->anadirFichero(file("a.vso"));
    ::chmod(lib->listFile().c_str(), 0444);
    EXPECT_FALSE(lib->guardarLista());
    EXPECT_EQ(vs::test::readFile(lib->listFile()), before);
}
