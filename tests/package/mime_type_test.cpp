// SPDX-License-Identifier: GPL-3.0-or-later
// The installed session type, compiled by update-mime-database as a package
// installation does and read back through Qt's MIME database: session files
// are recognised by their first line, not only by their name.
#include "temp_dir.h"

#include <QMimeDatabase>
#include <QString>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const QString kSession = QStringLiteral("text/x-velorin-somnara-session");

QString byContent(const std::string& path) {
    return QMimeDatabase()
        .mimeTypeForFile(QString::fromStdString(path), QMimeDatabase::MatchContent)
        .name();
}

} // namespace

TEST(SessionMimeType, ShippedSessionsAndRenamedOnesAreSessionsByTheirFirstLine) {
    vs::test::TempDir dir;
    fs::create_directories(dir.file("mime/packages"));
    fs::copy_file(VS_MIME_FILE, dir.file("mime/packages/velorin-somnara.xml"));
    const std::string update = std::string(VS_UPDATE_MIME_DATABASE) + " '" + dir.file("mime") + "'";
    ASSERT_EQ(std::system(update.c_str()), 0) << update;
    // Before the first use of the database in this process.
    setenv("XDG_DATA_HOME", dir.file("nothing").c_str(), 1);
    setenv("XDG_DATA_DIRS", (dir.path() + ":/usr/share").c_str(), 1);

    int shipped = 0;
    for (const auto& entry : fs::directory_iterator(VS_DATA_DIR)) {
        if (entry.path().extension() != ".vso") continue;
        ++shipped;
        EXPECT_EQ(byContent(entry.path().string()), kSession) << entry.path();
        EXPECT_EQ(
            QMimeDatabase().mimeTypeForFile(QString::fromStdString(entry.path().string())).name(),
            kSession);
    }
    EXPECT_EQ(shipped, 3);

    vs::test::writeFile(dir.file("sin-extension"), "Velorin Somnara\r\n 20 \r\n 0 \r\n");
    EXPECT_EQ(byContent(dir.file("sin-extension")), kSession);
    EXPECT_TRUE(QMimeDatabase().mimeTypeForName(kSession).inherits(QStringLiteral("text/plain")));
    // Text that merely begins with the program's name is not a session.
    vs::test::writeFile(dir.file("notas"), "Velorin Somnara: notas de la sesión de ayer\n");
    EXPECT_EQ(byContent(dir.file("notas")), QStringLiteral("text/plain"));
}
