// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_file_support.h"

#include "base/numeric.h"

#include <random>
#include <sys/stat.h>
#include <sstream>
#include "recording_messages.h"

namespace vs::session::test {
namespace {

using vs::test::readFile;
using vs::test::writeFile;

// The example file with line n (1-based) replaced.
std::string withLine(int n, const std::string& text) {
    std::istringstream in(kExampleFile);
    std::string out, line;
    for (int i = 1; std::getline(in, line); ++i)
        out += (i == n ? text : line.substr(0, line.size() - 1)) + "\r\n";
    return out;
}

std::string firstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count; ++i)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

TEST(SessionFileFormat, NumbersInPrintToFileStyle) {
    EXPECT_EQ(formatInteger(25), " 25 ");
    EXPECT_EQ(formatInteger(-3), "-3 ");
    const std::pair<float, const char*> cases[] = {
        {0, " 0 "},
        {6000, " 6000 "},
        {1087.5f, " 1087.5 "},
        {-0.5f, "-.5 "},
        {0.1234567f, " .1234567 "},
        {1450.0f / 3, " 483.3333 "},
        {0.0001f, " .0001 "},
        {0.00001f, " 1E-05 "},
        {9999999, " 9999999 "},
        {1.5e7f, " 1.5E+07 "},
        {12345678, " 1.234568E+07 "},
        {-2.5e-12f, "-2.5E-12 "},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(formatSingle(value, '.'), text) << value;
    EXPECT_EQ(formatSingle(1087.5f, ','), " 1087,5 ");
    EXPECT_EQ(formatSingle(-1.5e7f, ','), "-1,5E+07 ");
    EXPECT_EQ(localeDecimalPoint(), '.'); // the "C" locale of the test run
}

TEST_F(SessionFileTest, ExampleSessionIsWrittenByteForByteAndReadBack) {
    const std::string file = dir_.file("ejemplo.vso");
    ASSERT_TRUE(GuardarSesion(exampleSession(), file));
    EXPECT_EQ(readFile(file), kExampleFile);

    SessionModel read;
    read.SesionModificada = true;
    int notified = 0;
    const ListenerHandle listening = read.addListener([&] { ++notified; });
    ASSERT_TRUE(LeerSesion(read, file, random_));
    expectSameSession(read, exampleSession());
    EXPECT_FALSE(read.SesionModificada);
    EXPECT_EQ(notified, 1);
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(SessionFileTest, RandomSessionsSurviveARoundTripWithPositionsRoundedHalfToEven) {
    std::mt19937 gen(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    const std::string file = dir_.file("azar.vso");
    for (int round = 0; round < 50; ++round) {
        SessionModel saved;
        saved.setMinutos(pick(0, 59));
        saved.setSegundos(pick(0, 59));
        saved.FrecBinauralMax = static_cast<float>(pick(1, 100));
        saved.FrecBaseMax = pick(450, 20000);
        saved.NumPuntos = static_cast<std::int16_t>(pick(2, kMaxPuntos));
        saved.NumPuntosFR = static_cast<std::int16_t>(pick(2, kMaxPuntos));
        // Half units exercise the fraction on writing and the rounding on reading.
        for (int i = 1; i <= kMaxPuntos; ++i) {
            saved.Punto[i] = {pick(0, 12000) / 2.0f, pick(0, 4190) / 2.0f, i <= saved.NumPuntos};
            saved.PuntoFR[i] = {pick(0, 12000) / 2.0f, pick(0, 4190) / 2.0f,
                                i <= saved.NumPuntosFR};
            if (i < saved.NumPuntos) saved.setCellSequence(i, pick(1, 7));
        }
        ASSERT_TRUE(GuardarSesion(saved, file));

        SessionModel expected = saved;
        for (int i = 1; i <= kMaxPuntos; ++i) {
            for (Marker* m : {&expected.Punto[i], &expected.PuntoFR[i]}) {
                *m = m->Visible
                         ? Marker{float(roundHalfEven(m->Left)), float(roundHalfEven(m->Top)), true}
                         : Marker{};
            }
        }
        expected.relayCells();
        SessionModel read;
        ASSERT_TRUE(LeerSesion(read, file, random_));
        expectSameSession(read, expected);
    }
    EXPECT_EQ(random_.used(), 0u);
}

TEST_F(SessionFileTest, FileIsRewrittenOnlyWhenTheLengthShownChanges) {
    std::string lfOnly = kExampleFile;
    std::erase(lfOnly, '\r');
    const std::string file = dir_.file("s.vso");
    writeFile(file, lfOnly);

    SessionModel sameLength = exampleSession();
    ASSERT_TRUE(LeerSesion(sameLength, file, random_));
    EXPECT_EQ(readFile(file), lfOnly);

    SessionModel otherLength; // shows 1:00
    ASSERT_TRUE(LeerSesion(otherLength, file, random_));
    EXPECT_EQ(readFile(file), kExampleFile);
    EXPECT_FALSE(otherLength.SesionModificada);
}

TEST_F(SessionFileTest, AFileAlreadyInTheWritersFormOrReadOnlyIsNotRewritten) {
    const std::string file = dir_.file("s.vso");
    writeFile(file, kExampleFile);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    SessionModel otherLength; // shows 1:00: a rewrite would change nothing
    ASSERT_TRUE(LeerSesion(otherLength, file, random_));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino); // the same file, not a replaced one
    EXPECT_FALSE(otherLength.SesionModificada);

    // A shipped session in a read-only place, in another form: it opens
    // quietly, unmodified, and stays as it is.
    std::string lfOnly = kExampleFile;
    std::erase(lfOnly, '\r');
    const std::string shipped = dir_.file("fija.vso");
    writeFile(shipped, lfOnly);
    ::chmod(shipped.c_str(), 0444);
    SessionModel fresh;
    ASSERT_TRUE(LeerSesion(fresh, shipped, random_));
    EXPECT_EQ(fresh.minutos(), 25);
    EXPECT_FALSE(fresh.SesionModificada);
    EXPECT_EQ(readFile(shipped), lfOnly);
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(SessionFileTest, ToleratesBlanksSeparatorsLineEndsAndTrailingLines) {
    std::string text = withLine(1, " \tVelorin Somnara  ") + "basura\r\n";
    text.replace(text.find(" 900 "), 5, "1087,5");
    text.replace(text.find(" 1200 "), 6, "   1086.5\t");
    text.replace(text.find(" 1450 \r\n 6000"), 8, "1449.5\r"); // lone CR ends a line too
    const std::string file = dir_.file("s.vso");
    writeFile(file, text);
    SessionModel m = exampleSession();
    ASSERT_TRUE(LeerSesion(m, file, random_));
    EXPECT_EQ(m.Punto[2].Top, 1088);
    EXPECT_EQ(m.Punto[3].Top, 1086);
    EXPECT_EQ(m.PuntoFR[1].Top, 1450);
    EXPECT_EQ(m.pG[2].Tag, "2");
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(SessionFileTest, SixtyWrapsLikeTheScrollBars) {
    const std::string file = dir_.file("s.vso");
    SessionModel m;
    writeFile(file, withLine(3, " 60 ")); // 25:60
    ASSERT_TRUE(LeerSesion(m, file, random_));
    EXPECT_EQ(m.minutos(), 26);
    EXPECT_EQ(m.segundos(), 0);

    writeFile(file, withLine(2, " 60 ")); // 60:00
    ASSERT_TRUE(LeerSesion(m, file, random_));
    EXPECT_EQ(m.minutos(), 0);
    EXPECT_EQ(m.segundos(), 0);
    EXPECT_EQ(readFile(file), withLine(2, " 0 ")); // length changed: saved back
}

TEST_F(SessionFileTest, MissingOrBlankSequencesArePickedAtRandomAndSavedBack) {
    const std::string file = dir_.file("s.vso");
    writeFile(file, firstLines(kExampleFile, 17) + " \t \r\n"); // one blank, one missing
    ScriptedRandom random({0.0, 0.99999});
    SessionModel m = exampleSession();
    ASSERT_TRUE(LeerSesion(m, file, random));
    EXPECT_EQ(m.cellSequence(1), 1);
    EXPECT_EQ(m.cellSequence(2), 6);
    EXPECT_FALSE(m.SesionModificada);
    EXPECT_EQ(readFile(file), firstLines(kExampleFile, 17) + "1\r\n6\r\n");

    // When the save-back fails the session stays marked so the user is asked again.
    writeFile(file, firstLines(kExampleFile, 17));
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    ASSERT_TRUE(LeerSesion(m, file, random));
    EXPECT_TRUE(m.SesionModificada);
    EXPECT_TRUE(messages_.saw("Error al grabar datos"));
}

TEST_F(SessionFileTest, EveryRejectedFileLeavesExactlyTheNewSession) {
    const std::pair<const char*, std::string> cases[] = {
        {"other header", withLine(1, "Velorin Somnara 2")},
        {"header in other case", withLine(1, "velorin somnara")},
        {"minutes 61", withLine(2, " 61 ")},
        {"seconds -1", withLine(3, "-1 ")},
        {"binaural range 0", withLine(4, " 0 ")},
        {"count 31", withLine(6, " 31 ")},
        {"count 1", withLine(13, " 1 ")},
        {"non-numeric position", withLine(8, " 6OO ")},
        {"position beyond 32 bits", withLine(9, " 3E+09 ")},
        {"sequence 8", withLine(18, "8")},
        {"sequence letter", withLine(19, "b")},
        {"NUL in a number", withLine(7, std::string(" 0\0 ", 4))},
        {"overlong line", withLine(10, std::string(kMaxLineLength + 10, ' ') + "1")},
        {"lines missing", firstLines(kExampleFile, 16)},
        {"empty file", ""},
        {"binary", std::string("\x00\xff\xfe\r\n\x80", 6)},
    };
    const std::string file = dir_.file("malo.vso");
    for (const auto& [what, text] : cases) {
        writeFile(file, text);
        messages_.entries.clear();
        SessionModel m = exampleSession();
        EXPECT_FALSE(LeerSesion(m, file, random_)) << what;
        expectSameSession(m, SessionModel());
        EXPECT_TRUE(m.SesionModificada) << what;
        EXPECT_EQ(messages_.count(RecordingMessageService::Entry::Critical), 1) << what;
        EXPECT_TRUE(messages_.saw("Error al leer datos")) << what;
        EXPECT_EQ(readFile(file), text) << what;
    }
    SessionModel m = exampleSession();
    EXPECT_FALSE(LeerSesion(m, dir_.file("no-existe.vso"), random_));
    expectSameSession(m, SessionModel());
}

} // namespace
} // namespace vs::session::test
