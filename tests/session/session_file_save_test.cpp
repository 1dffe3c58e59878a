// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_file_support.h"

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>
#include "recording_messages.h"

namespace vs::session::test {
namespace {

using vs::test::readFile;
using vs::test::writeFile;

class SessionSaveTest : public SessionFileTest {
protected:
    void SetUp() override {
        SessionFileTest::SetUp();
        writeFile(target_, old_);
    }
    // The old file is still there, whole, and no temporary file is left.
    void expectOldFileKept() {
        EXPECT_EQ(readFile(target_), old_);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                                std::filesystem::directory_iterator()),
                  1);
        EXPECT_TRUE(messages_.saw("Error al grabar datos"));
    }

    const std::string target_ = dir_.file("Sueño.vso");
    const std::string old_ = kExampleFile + "the user's earlier session\r\n";
};

TEST_F(SessionSaveTest, ReplacesTheOldFileAndKeepsItsPermissions) {
    ASSERT_EQ(::chmod(target_.c_str(), 0640), 0);
    // The new session: 1:00, B 15, F 500, flat beat at 1087.5, flat base at 1450.
    ASSERT_TRUE(GuardarSesion(SessionModel(), target_));
    EXPECT_EQ(readFile(target_), "Velorin Somnara\r\n 1 \r\n 0 \r\n 15 \r\n 500 \r\n"
                                 " 2 \r\n 0 \r\n 1087.5 \r\n 6000 \r\n 1087.5 \r\n"
                                 " 2 \r\n 0 \r\n 1450 \r\n 6000 \r\n 1450 \r\n"
                                 "6\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(target_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(SessionSaveTest, ReadOnlyTargetIsLeftAlone) {
    ASSERT_EQ(::chmod(target_.c_str(), 0444), 0);
    EXPECT_FALSE(GuardarSesion(SessionModel(), target_));
    expectOldFileKept();
}

TEST_F(SessionSaveTest, MissingFolderOrAFolderInThePlaceOfTheFileFails) {
    EXPECT_FALSE(GuardarSesion(SessionModel(), dir_.file("no/existe/s.vso")));
    expectOldFileKept();
    std::filesystem::create_directory(dir_.file("carpeta.vso"));
    EXPECT_FALSE(GuardarSesion(SessionModel(), dir_.file("carpeta.vso")));
    EXPECT_TRUE(std::filesystem::is_directory(dir_.file("carpeta.vso")));
    EXPECT_EQ(messages_.count(RecordingMessageService::Entry::Critical), 2);
}

TEST_F(SessionSaveTest, WriteFailingHalfWayKeepsTheOldFile) {
    // A file size limit makes write() fail part way, as a full disk would.
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 40;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = GuardarSesion(exampleSession(), target_);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    expectOldFileKept();
}

} // namespace
} // namespace vs::session::test
