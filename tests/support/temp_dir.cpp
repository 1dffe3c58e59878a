// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_dir.h"

#include "base/paths.h"
#include "base/preferences.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vs::test {

TempDir::TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "vs-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempDir::becomeProgramFolders() {
    fs::create_directories(path_ + "/config");
    fs::create_directories(path_ + "/data");
    vs::overrideFolders(path_, path_ + "/data", path_ + "/config");
    vs::Preferences::setInstanceFile(path_ + "/config/preferencias.ini");
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

} // namespace vs::test
