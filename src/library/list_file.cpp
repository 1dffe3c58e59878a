// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_file.h"

#include "base/file_replace.h"
#include "base/interface_language.h"
#include "base/services.h"
#include "cp1252.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace vs::library {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Takes the next line off `rest`; false once nothing is left.
bool nextLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) return false;
    const auto end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    rest.remove_prefix(end + (crlf ? 2 : 1));
    return true;
}

// Spaces only, as the header rule says: a tab means someone else's file.
std::string_view trimSpaces(std::string_view s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// A line break inside a cell would shift every later cell of the grid by one.
std::string cellText(const std::string& cell) {
    std::string s = cell;
    std::erase_if(s, [](char c) { return c == '\r' || c == '\n'; });
    return s;
}

} // namespace

ListContents parseListText(std::string_view rest, int startRow) {
    ListContents out;
    out.firstRow = startRow + 1;
    if (rest.starts_with(kUtf8Mark)) {
        rest.remove_prefix(kUtf8Mark.size());
        out.encoding = ListEncoding::Utf8;
    }
    std::string_view line;
    if (!nextLine(rest, line) || trimSpaces(line) != kListHeader) {
        out.status = ListReadStatus::BadHeader;
        return out;
    }
    int column = kListColumns - 1;
    while (nextLine(rest, line) && !line.empty()) {
        if (++column >= kListColumns) {
            out.rows.emplace_back();
            column = 0;
        }
        std::string cell =
            out.encoding == ListEncoding::Utf8 ? std::string(line) : cp1252ToUtf8(line);
        // The writer's stand-in for an empty cell followed by more cells.
        if (trimSpaces(cell).empty()) cell.clear();
        out.rows.back()[static_cast<std::size_t>(column)] = std::move(cell);
        ++out.cellsFilled;
    }
    return out;
}

ListContents readListFile(const std::string& path, int startRow) {
    std::string bytes;
    bool ok = false;
    if (std::unique_ptr<std::FILE, int (*)(std::FILE*)> f{std::fopen(path.c_str(), "rb"),
                                                          &std::fclose}) {
        char buf[8192];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0)
            bytes.append(buf, n);
        // A folder opens fine and fails on the first read.
        ok = !std::ferror(f.get());
    }
    if (!ok) {
        ListContents out;
        out.status = ListReadStatus::Unreadable;
        out.firstRow = startRow + 1;
        return out;
    }
    return parseListText(bytes, startRow);
}

std::vector<ListRow> loadListRows(const std::string& path, int startRow, MessageService& messages,
                                  UnreadableList unreadable) {
    ListContents list = readListFile(path, startRow);
    if (list.status == ListReadStatus::BadHeader) {
        std::string text =
            translate("ListFile", "Se ha producido un error al leer los datos de ") + path;
        if (unreadable == UnreadableList::KeepAside) {
            const std::string kept = keepUnreadableList(path);
            if (!kept.empty()) text += translate("ListFile", "; se conserva como ") + kept;
        }
        messages.critical(text);
    }
    if (list.status != ListReadStatus::Ok) return {};
    return std::move(list.rows);
}

std::string keepUnreadableList(const std::string& path) {
    for (int n = 1; n < 100; ++n) {
        const std::string kept = path + ".ilegible" + (n > 1 ? "." + std::to_string(n) : "");
        std::error_code ec;
        if (std::filesystem::symlink_status(kept, ec).type() != std::filesystem::file_type::not_found)
            continue;
        return std::rename(path.c_str(), kept.c_str()) == 0 ? kept : std::string();
    }
    return {};
}

std::vector<ListRow> mergeListRows(const std::vector<ListRow>& base,
                                   const std::vector<ListRow>& mine,
                                   const std::vector<ListRow>& disk) {
    if (disk == base) return mine;
    auto find = [](const std::vector<ListRow>& rows, const std::string& path) -> const ListRow* {
        const auto it = std::find_if(rows.begin(), rows.end(),
                                     [&](const ListRow& r) { return r[0] == path; });
        return it == rows.end() ? nullptr : &*it;
    };
    std::vector<ListRow> out;
    for (const ListRow& d : disk) {
        if (find(out, d[0])) continue;
        const ListRow* before = find(base, d[0]);
        const ListRow* now = find(mine, d[0]);
        if (before && !now) continue; // removed here
        out.push_back(now && (!before || *now != *before) ? *now : d);
    }
    for (const ListRow& m : mine) {
        if (find(out, m[0])) continue;
        const ListRow* before = find(base, m[0]);
        if (before && *before == m) continue; // removed by the other run, untouched here
        out.push_back(m);
    }
    return out;
}

bool writeMergedListFile(const std::string& path, const std::optional<std::vector<ListRow>>& base,
                         const std::vector<ListRow>& mine) {
    const ListContents disk = readListFile(path);
    if (disk.status == ListReadStatus::BadHeader && keepUnreadableList(path).empty()) return false;
    const bool merge = base && disk.status == ListReadStatus::Ok;
    return writeListFile(path, merge ? mergeListRows(*base, mine, disk.rows) : mine);
}

std::string listFileText(const std::vector<ListRow>& rows) {
    std::vector<std::string> cells;
    cells.reserve(rows.size() * kListColumns);
    for (const auto& row : rows)
        for (const auto& cell : row)
            cells.push_back(cellText(cell));

    // An empty line ends the list for the reader, so an empty cell with more
    // cells after it is written as one blank; otherwise every later record
    // would be lost at the next read.
    const auto lastFull =
        std::find_if(cells.rbegin(), cells.rend(), [](const std::string& c) { return !c.empty(); });
    for (auto it = cells.begin(); it < lastFull.base(); ++it)
        if (it->empty()) it->push_back(' ');

    std::vector<std::string> encoded;
    encoded.reserve(cells.size());
    bool fits = true;
    for (const auto& cell : cells) {
        auto e = utf8ToCp1252(cell);
        if (!e) {
            fits = false;
            break;
        }
        encoded.push_back(std::move(*e));
    }

    std::string text;
    if (!fits) text += kUtf8Mark;
    text += kListHeader;
    text += "\r\n";
    for (const auto& cell : fits ? encoded : cells) {
        text += cell;
        text += "\r\n";
    }
    return text;
}

bool writeListFile(const std::string& path, const std::vector<ListRow>& rows) {
    return replaceFileContents(path, listFileText(rows));
}

} // namespace vs::library
