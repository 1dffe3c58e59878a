// SPDX-License-Identifier: GPL-3.0-or-later
// Which start-up arguments open a session: existing .vso files only, made
// absolute, each once.
#include "shell/session_arguments.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using vs::shell::sessionFilesFromArguments;

TEST(SessionArguments, OnlyExistingSessionFilesCountEachOnceInOrder) {
    vs::test::TempDir dir;
    vs::test::writeFile(dir.file("a.vso"), "Velorin Somnara\r\n");
    vs::test::writeFile(dir.file("B.VSO"), "Velorin Somnara\r\n");
    vs::test::writeFile(dir.file("nota.txt"), "texto");
    const auto files = sessionFilesFromArguments(
        {dir.file("B.VSO"), "--platform", dir.file("nota.txt"), dir.file("falta.vso"),
         dir.file("a.vso"), dir.file("./B.VSO"), dir.path()});
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], dir.file("B.VSO"));
    EXPECT_EQ(files[1], dir.file("a.vso"));
}

TEST(SessionArguments, ARelativePathIsKeptAbsolute) {
    vs::test::TempDir dir;
    vs::test::writeFile(dir.file("rel.vso"), "Velorin Somnara\r\n");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const auto files = sessionFilesFromArguments({"rel.vso"});
    std::filesystem::current_path(before);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], std::filesystem::canonical(dir.file("rel.vso")).string());
    EXPECT_TRUE(sessionFilesFromArguments({}).empty());
}
