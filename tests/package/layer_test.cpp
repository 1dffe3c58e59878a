// SPDX-License-Identifier: GPL-3.0-or-later
// The layers are kept by the build: every #include in src/ must point into its
// own folder or a folder on a lower row of the layer table in
// docs/ARCHITECTURE.md, which is the only place the rows are written down.
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Layers = std::map<std::string, int>; // folder -> row, 1 at the bottom

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The table under the heading "## Layers": the first whose header starts
// "| row | folders |"; each line below names a row number and its folders in
// backquotes. Nothing when there is no such table.
std::optional<Layers> layerTable(const std::string& document) {
    std::istringstream in(document);
    std::string line;
    bool section = false, table = false;
    Layers layers;
    const std::regex header(R"(^\|\s*row\s*\|\s*folders\s*\|)");
    const std::regex row(R"(^\|\s*(\d+)\s*\|([^|]*)\|)");
    const std::regex folder("`([a-z_]+)`");
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) {
            if (table) break;
            section = line == "## Layers";
            continue;
        }
        if (!section) continue;
        if (!table) {
            table = std::regex_search(line, header);
            continue;
        }
        std::smatch m;
        if (line.rfind("|", 0) != 0) break;
        if (!std::regex_search(line, m, row)) continue; // the |---| line
        const int r = std::stoi(m[1]);
        const std::string cell = m[2];
        for (std::sregex_iterator it(cell.begin(), cell.end(), folder), end; it != end; ++it)
            layers[(*it)[1]] = r;
    }
    if (layers.empty()) return std::nullopt;
    return layers;
}

// The folder a quoted include of a file in `from` points into: its first part
// when that is a folder of `src`, else the folder that holds a file of that
// name (`from` first: "tickora.h" is tickora's); nothing for a header that is
// none of ours (made by the build).
std::optional<std::string> targetFolder(const fs::path& src, const std::string& from,
                                        const std::string& include) {
    const auto slash = include.find('/');
    if (slash != std::string::npos && fs::is_directory(src / include.substr(0, slash)))
        return include.substr(0, slash);
    if (fs::exists(src / from / include)) return from;
    for (const auto& entry : fs::directory_iterator(src))
        if (entry.is_directory() && fs::exists(entry.path() / include))
            return entry.path().filename().string();
    return std::nullopt;
}

// One line for every include that does not point down, and for every folder
// the table leaves out.
std::vector<std::string> upwardIncludes(const fs::path& src, const Layers& layers) {
    std::vector<std::string> found;
    const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const auto ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& entry : fs::directory_iterator(src))
        if (entry.is_directory() && !layers.count(entry.path().filename().string()))
            found.push_back("src/" + entry.path().filename().string() + ": not in the layer table");
    for (const fs::path& file : files) {
        const std::string from = fs::relative(file, src).begin()->string();
        if (!layers.count(from)) continue;
        std::istringstream in(readAll(file));
        std::string line;
        for (int n = 1; std::getline(in, line); ++n) {
            std::smatch m;
            if (!std::regex_search(line, m, include)) continue;
            const auto to = targetFolder(src, from, m[1]);
            if (!to || *to == from) continue;
            const auto row = layers.find(*to);
            if (row != layers.end() && row->second < layers.at(from)) continue;
            found.push_back("src/" + fs::relative(file, src).string() + ":" + std::to_string(n) +
                            ": " + from + " (row " + std::to_string(layers.at(from)) +
                            ") includes \"" + m[1].str() + "\" of " + *to +
                            (row == layers.end() ? " (not in the table)"
                                                 : " (row " + std::to_string(row->second) + ")"));
        }
    }
    return found;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines)
        s += l + "\n";
    return s;
}

TEST(Layers, EveryIncludeInTheTreePointsDownTheTable) {
    const auto layers = layerTable(readAll(fs::path(VS_SOURCE_DIR) / "docs/ARCHITECTURE.md"));
    ASSERT_TRUE(layers) << "docs/ARCHITECTURE.md has no layer table under \"## Layers\"";
    ASSERT_GE(layers->size(), 10u);
    const auto found = upwardIncludes(fs::path(VS_SOURCE_DIR) / "src", *layers);
    EXPECT_TRUE(found.empty()) << joined(found);
}

TEST(Layers, OnlyIncludesOfTheOwnFolderAndOfLowerRowsPass) {
    const vs::test::TempDir dir;
    const fs::path root = dir.path();
    auto write = [&](const std::string& path, const std::string& text) {
        fs::create_directories((root / path).parent_path());
        std::ofstream(root / path) << text;
    };
    const auto layers = layerTable("# Doc\n## Layers\n\n| row | folders | what |\n|---|---|---|\n"
                                   "| 3 | `top` | the top |\n| 2 | `mid`, `side` | middle |\n"
                                   "| 1 | `low` | bottom |\n\n## Other\n| row | folders |\n| 9 | "
                                   "`ignored` |\n");
    ASSERT_TRUE(layers);
    EXPECT_EQ(*layers, (Layers{{"top", 3}, {"mid", 2}, {"side", 2}, {"low", 1}}));
    write("low/low.h", "");
    write("low/lib.h", "");
    write("side/side.h", "");
    write("top/top.h", "");
    write("mid/own.h", "");
    write("mid/ok.cpp", "#include \"mid/own.h\"\n#include \"own.h\"\n#include \"low/low.h\"\n"
                        "#include \"lib.h\"\n#include \"generated_export.h\"\n#include <vector>\n");
    write("mid/bad.cpp", "#include \"top/top.h\"\n  #  include \"side/side.h\"\n");
    write("stray/x.h", "");
    const auto found = upwardIncludes(root, *layers);
    EXPECT_EQ(found,
              (std::vector<std::string>{
                  "src/stray: not in the layer table",
                  "src/mid/bad.cpp:1: mid (row 2) includes \"top/top.h\" of top (row 3)",
                  "src/mid/bad.cpp:2: mid (row 2) includes \"side/side.h\" of side (row 2)"}))
        << joined(found);
}

} // namespace
