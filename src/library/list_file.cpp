// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_file.h"

#include "base/file_replace.h"
#include "base/services.h"
#include "cp1252.h"

#include <algorithm>
#include <cstdio>
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

std::vector<ListRow> loadListRows(const std::string& path, int startRow, MessageService& messages) {
    ListContents list = readListFile(path, startRow);
    if (list.status == ListReadStatus::BadHeader)
        messages.critical("Se ha producido un error al leer los datos");
    if (list.status != ListReadStatus::Ok) return {};
    return std::move(list.rows);
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
