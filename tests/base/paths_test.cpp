// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program in a given folder reads its shipped data and writes its own
// files: the build tree, an installation under a prefix, a read-only folder.
#include "base/paths.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Points the per-user data folder into the test's folder for its lifetime.
class UserDataHome {
public:
    explicit UserDataHome(const std::string& folder) {
        if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    ~UserDataHome() {
        if (old_)
            setenv("XDG_DATA_HOME", old_->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

private:
    std::optional<std::string> old_;
};

} // namespace

TEST(Paths, TheBuildTreeReadsAndWritesBesideTheProgram) {
    vs::test::TempDir dir;
    UserDataHome home(dir.file("home"));
    const std::string exe = dir.file("build/src/shell");
    fs::create_directories(exe);
    EXPECT_EQ(vs::programFolderOf(exe), exe);
    EXPECT_EQ(vs::dataFolderOf(exe), exe);
    fs::create_directories(exe + "/data");
    EXPECT_EQ(vs::dataFolderOf(exe), exe + "/data");
    EXPECT_FALSE(fs::exists(dir.file("home")));
}

TEST(Paths, AnInstalledProgramReadsTheSharedFolderAndWritesForTheUserOnly) {
    vs::test::TempDir dir;
    UserDataHome home(dir.file("home"));
    const std::string bin = dir.file("prefix/bin");
    const std::string shared = dir.file("prefix/share/velorin-somnara");
    fs::create_directories(bin);
    fs::create_directories(shared);
    // The prefix is the user's own, so bin is writable: still nothing goes there.
    const std::string user = dir.file("home/Velorin Somnara");
    EXPECT_EQ(vs::programFolderOf(bin), user);
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_EQ(vs::dataFolderOf(bin), fs::path(shared).string());
}

TEST(Paths, AReadOnlyProgramFolderWritesForTheUser) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    vs::test::TempDir dir;
    UserDataHome home(dir.file("home"));
    const std::string exe = dir.file("opt");
    fs::create_directories(exe);
    ASSERT_EQ(chmod(exe.c_str(), 0555), 0);
    EXPECT_EQ(vs::programFolderOf(exe), dir.file("home/Velorin Somnara"));
    chmod(exe.c_str(), 0755);
}
