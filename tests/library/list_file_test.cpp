// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/list_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace vs::library {
namespace {

using vs::test::readFile;
using vs::test::writeFile;

const std::vector<ListRow> kAccented = {
    {"/home/ana/Sesiones/Relajación.vso", "Relajación.vso", "25:00"},
    {"/home/ana/Sesiones/Sueño.vso", "Sueño.vso", "30:00"},
    {"/home/ana/Sesiones/Meditación profunda.vso", "Meditación profunda.vso", "1:20:00"},
};

// The same list as the earlier program wrote it.
const std::string kAccentedOnDisk = "Velorin Somnara\r\n"
                                    "/home/ana/Sesiones/Relajaci\xF3n.vso\r\n"
                                    "Relajaci\xF3n.vso\r\n"
                                    "25:00\r\n"
                                    "/home/ana/Sesiones/Sue\xF1o.vso\r\n"
                                    "Sue\xF1o.vso\r\n"
                                    "30:00\r\n"
                                    "/home/ana/Sesiones/Meditaci\xF3n profunda.vso\r\n"
                                    "Meditaci\xF3n profunda.vso\r\n"
                                    "1:20:00\r\n";

// n header-plus-cell lines, cells named by their line number.
std::string listWithCells(int cells) {
    std::string text = "Velorin Somnara\r\n";
    for (int i = 1; i <= cells; ++i)
        text += "cell" + std::to_string(i) + "\r\n";
    return text;
}

class ListFileTest : public ::testing::Test {
protected:
    vs::test::TempDir dir_;
    std::string path_ = dir_.file(kSessionListName);
};

TEST_F(ListFileTest, AccentedNamesRoundTripInTheCodePage) {
    ASSERT_TRUE(writeListFile(path_, kAccented));
    EXPECT_EQ(readFile(path_), kAccentedOnDisk);

    ListContents read = readListFile(path_);
    EXPECT_EQ(read.status, ListReadStatus::Ok);
    EXPECT_EQ(read.encoding, ListEncoding::Cp1252);
    EXPECT_EQ(read.rows, kAccented);
    EXPECT_EQ(read.cellsFilled, 9u);
}

TEST_F(ListFileTest, FileOfTheEarlierProgramReadsAsUtf8) {
    writeFile(path_, kAccentedOnDisk);
    ListContents read = readListFile(path_);
    ASSERT_EQ(read.status, ListReadStatus::Ok);
    EXPECT_EQ(read.rows, kAccented);

    writeFile(path_, "Velorin Somnara\r\nC:\\M\xFAsica\\\x80uro \x93"
                     "cita\x94.mp3\r\n");
    read = readListFile(path_);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0][0], "C:\\Música\\€uro “cita”.mp3");
}

TEST_F(ListFileTest, CharacterOutsideTheCodePageSwitchesTheFileToUtf8) {
    const std::vector<ListRow> rows = {
        {"/home/ana/Sesiones/Relajación.vso", "Relajación.vso", "25:00"},
        {"/home/ana/音楽/眠り.vso", "眠り.vso", "30:00"},
        {"/home/ana/Μουσική/Ύπνος.mp3", "Ύπνος.mp3", "4:05"},
    };
    ASSERT_TRUE(writeListFile(path_, rows));
    const std::string bytes = readFile(path_);
    EXPECT_EQ(bytes.substr(0, 20), "\xEF\xBB\xBFVelorin Somnara\r\n");
    // Every record is UTF-8 then, not just the one that needed it.
    EXPECT_NE(bytes.find("Relajación.vso\r\n"), std::string::npos);

    ListContents read = readListFile(path_);
    EXPECT_EQ(read.status, ListReadStatus::Ok);
    EXPECT_EQ(read.encoding, ListEncoding::Utf8);
    EXPECT_EQ(read.rows, rows);
}

TEST_F(ListFileTest, PathThatIsNotUtf8KeepsItsBytes) {
    // Linux allows any bytes in a name; such a path must come back unchanged.
    const std::vector<ListRow> rows = {{"/m\xFF\xFEsica/a\xC3.mp3", "a\xC3.mp3", "3:00"}};
    ASSERT_TRUE(writeListFile(path_, rows));
    EXPECT_EQ(readListFile(path_).rows, rows);
}

TEST(ListText, HeaderOnlyGivesNoRows) {
    for (const char* text : {"Velorin Somnara\r\n", "Velorin Somnara", "Velorin Somnara\r\n\r\n"}) {
        ListContents read = parseListText(text);
        EXPECT_EQ(read.status, ListReadStatus::Ok) << text;
        EXPECT_TRUE(read.rows.empty()) << text;
        EXPECT_EQ(read.cellsFilled, 0u) << text;
    }
    EXPECT_EQ(listFileText({}), "Velorin Somnara\r\n");
}

TEST(ListText, EmptyLineEndsTheList) {
    ListContents read = parseListText("Velorin Somnara\r\n/a.vso\r\na.vso\r\n1:00\r\n"
                                      "\r\n/b.vso\r\nb.vso\r\n2:00\r\n");
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0], (ListRow{"/a.vso", "a.vso", "1:00"}));
    EXPECT_EQ(read.cellsFilled, 3u);

    // Mid-record too: the row stays partial.
    read = parseListText("Velorin Somnara\r\n/a.vso\r\n\r\n1:00\r\n");
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0], (ListRow{"/a.vso", "", ""}));
    EXPECT_EQ(read.cellsFilled, 1u);
}

TEST(ListText, LinesThatDoNotMakeWholeRecordsLeaveTheLastRowPartial) {
    // 1 + 3n + 1 lines: the last row has its path only.
    ListContents read = parseListText(listWithCells(7));
    ASSERT_EQ(read.rows.size(), 3u);
    EXPECT_EQ(read.rows[1], (ListRow{"cell4", "cell5", "cell6"}));
    EXPECT_EQ(read.rows[2], (ListRow{"cell7", "", ""}));
    EXPECT_TRUE(read.filled(2, 0));
    EXPECT_FALSE(read.filled(2, 1));
    EXPECT_FALSE(read.filled(2, 2));
    EXPECT_TRUE(read.filled(1, 2));

    // 1 + 3n + 2 lines: path and name.
    read = parseListText(listWithCells(8));
    ASSERT_EQ(read.rows.size(), 3u);
    EXPECT_EQ(read.rows[2], (ListRow{"cell7", "cell8", ""}));
    EXPECT_TRUE(read.filled(2, 1));
    EXPECT_FALSE(read.filled(2, 2));
    EXPECT_FALSE(read.filled(3, 0));
}

TEST(ListText, RowNumbersStartAfterTheRowGiven) {
    EXPECT_EQ(parseListText(listWithCells(3), 0).firstRow, 1);
    EXPECT_EQ(parseListText(listWithCells(3), 4).firstRow, 5);
    EXPECT_EQ(parseListText(listWithCells(3), -1).firstRow, 0);
}

TEST(ListText, HeaderMustMatchOnceSpacesAreTrimmed) {
    const std::string body = "/a.vso\r\na.vso\r\n1:00\r\n";
    for (const char* header : {"Velorin Somnara", "   Velorin Somnara  ", " Velorin Somnara"}) {
        ListContents read = parseListText(header + std::string("\r\n") + body);
        EXPECT_EQ(read.status, ListReadStatus::Ok) << '"' << header << '"';
        EXPECT_EQ(read.rows.size(), 1u) << '"' << header << '"';
    }
    for (const char* header : {"velorin somnara", "VELORIN SOMNARA", "Velorin  Somnara",
                               "Velorin Somnara 2", "\tVelorin Somnara", "", "/a.vso"}) {
        ListContents read = parseListText(header + std::string("\r\n") + body);
        EXPECT_EQ(read.status, ListReadStatus::BadHeader) << '"' << header << '"';
        EXPECT_TRUE(read.rows.empty()) << '"' << header << '"';
    }
    EXPECT_EQ(parseListText("").status, ListReadStatus::BadHeader);
    // The mark belongs to the file, not to the header; a second one does not.
    EXPECT_EQ(parseListText("\xEF\xBB\xBF Velorin Somnara \r\n").status, ListReadStatus::Ok);
    EXPECT_EQ(parseListText("\xEF\xBB\xBF\xEF\xBB\xBFVelorin Somnara\r\n").status,
              ListReadStatus::BadHeader);
}

TEST(ListText, LineEndsOfAnySystemRead) {
    const std::vector<ListRow> rows = {{"/a.vso", "a.vso", "1:00"}, {"/b.vso", "b.vso", "2:00"}};
    EXPECT_EQ(parseListText("Velorin Somnara\n/a.vso\na.vso\n1:00\n/b.vso\nb.vso\n2:00\n").rows,
              rows);
    EXPECT_EQ(parseListText("Velorin Somnara\r/a.vso\ra.vso\r1:00\r/b.vso\rb.vso\r2:00").rows,
              rows);
    EXPECT_EQ(parseListText("Velorin Somnara\r\n/a.vso\na.vso\r\n1:00\r/b.vso\r\nb.vso\n2:00").rows,
              rows);
    // The writer always uses CR LF.
    EXPECT_EQ(listFileText(rows),
              "Velorin Somnara\r\n/a.vso\r\na.vso\r\n1:00\r\n/b.vso\r\nb.vso\r\n2:00\r\n");
}

TEST(ListText, EmptyCellDoesNotCutOffTheRowsAfterIt) {
    const std::vector<ListRow> rows = {
        {"/a.vso", "a.vso", ""}, {"/b.vso", "", "2:00"}, {"/c.vso", "c.vso", "3:00"}};
    EXPECT_EQ(parseListText(listFileText(rows)).rows, rows);

    // Empty cells at the very end need no stand-in.
    const std::vector<ListRow> partial = {{"/a.vso", "a.vso", "1:00"}, {"/b.vso", "", ""}};
    EXPECT_EQ(parseListText(listFileText(partial)).rows, partial);
}

TEST(ListText, LineBreakInsideACellDoesNotShiftTheGrid) {
    const std::vector<ListRow> rows = {{"/odd\nname.vso", "odd\r\nname.vso", "1:00"},
                                       {"/b.vso", "b.vso", "2:00"}};
    ListContents read = parseListText(listFileText(rows));
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0], (ListRow{"/oddname.vso", "oddname.vso", "1:00"}));
    EXPECT_EQ(read.rows[1], rows[1]);
}

TEST_F(ListFileTest, MissingOrUnreadableFileIsReportedAsSuch) {
    EXPECT_EQ(readListFile(dir_.file("none.dat")).status, ListReadStatus::Unreadable);
    EXPECT_EQ(readListFile(dir_.path()).status, ListReadStatus::Unreadable);
}

class FailedListWrite : public ListFileTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeListFile(path_, kAccented));
        before_ = readFile(path_);
    }
    void expectOldFileKept() {
        EXPECT_FALSE(writeListFile(path_, {{"/new.vso", "new.vso", "1:00"}}));
        EXPECT_EQ(readFile(path_), before_);
        // No half-written temporary is left beside it either.
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
            EXPECT_EQ(entry.path().filename(), kSessionListName);
    }
    std::string before_;
};

TEST_F(FailedListWrite, ReadOnlyTargetIsLeftAsItWas) {
    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    expectOldFileKept();
    EXPECT_EQ(readListFile(path_).rows, kAccented);
}

TEST_F(FailedListWrite, FolderThatIsAFileChangesNothing) {
    // The list's folder has become a plain file: nothing can be written below it.
    const std::string folderFile = dir_.file("lists");
    writeFile(folderFile, "not a folder");
    EXPECT_FALSE(writeListFile(folderFile + "/" + kSessionListName, kAccented));
    EXPECT_EQ(readFile(folderFile), "not a folder");
    EXPECT_EQ(readFile(path_), before_);
}

TEST_F(FailedListWrite, TargetThatIsAFolderIsNotReplaced) {
    const std::string folder = dir_.file("VsoMusica.dat");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(writeListFile(folder, kAccented));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(readFile(path_), before_);
}

TEST(ListMerge, AnotherRunsChangesStayAndOnlyThisRunsOwnAreMade) {
    const ListRow a{"/a.vso", "a.vso", "01:00"}, b{"/b.vso", "b.vso", "02:00"},
        c{"/c.vso", "c.vso", "03:00"}, d{"/d.vso", "d.vso", "04:00"},
        b2{"/b.vso", "b.vso", "09:00"}, c2{"/c.vso", "c.vso", "07:00"};
    const struct {
        const char* what;
        std::vector<ListRow> base, mine, disk, merged;
    } cases[] = {
        {"nobody else wrote: this run's list as it is", {a, b}, {b, a, d}, {a, b}, {b, a, d}},
        {"both added a row", {a}, {a, c}, {a, d}, {a, d, c}},
        {"the other removed one, this one added one", {a, b}, {a, b, c}, {a}, {a, c}},
        {"this run removed one the other kept", {a, b}, {a}, {a, b, d}, {a, d}},
        {"this run changed a row, the other another", {a, b, c}, {a, b2, c}, {a, b, c2}, {a, b2, c2}},
        {"both added the same row: this run's", {a}, {a, b2}, {a, b}, {a, b2}},
        {"this run removed what the other changed", {a, b}, {a}, {a, b2}, {a}},
    };
    for (const auto& t : cases)
        EXPECT_EQ(mergeListRows(t.base, t.mine, t.disk), t.merged) << t.what;
}

TEST_F(ListFileTest, AMergedWriteKeepsAnUnreadableFileAsideFirst) {
    const ListRow a{"/a.vso", "a.vso", "01:00"}, b{"/b.vso", "b.vso", "02:00"};
    ASSERT_TRUE(writeListFile(path_, {a}));
    ASSERT_TRUE(writeMergedListFile(path_, std::vector<ListRow>{}, {b}));
    EXPECT_EQ(readListFile(path_).rows, (std::vector<ListRow>{a, b}));
    // Never read at start: this run's rows are the list.
    ASSERT_TRUE(writeMergedListFile(path_, std::nullopt, {b}));
    EXPECT_EQ(readListFile(path_).rows, (std::vector<ListRow>{b}));

    writeFile(path_, "Otro programa\r\nx\r\n");
    ASSERT_TRUE(writeMergedListFile(path_, std::vector<ListRow>{a}, {a}));
    EXPECT_EQ(readFile(path_ + ".ilegible"), "Otro programa\r\nx\r\n");
    EXPECT_EQ(readListFile(path_).rows, (std::vector<ListRow>{a}));
}

} // namespace
} // namespace vs::library
