// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list files of the session library (VsoSesion.dat) and the playlist
// (VsoMusica.dat): a header line, then the cells of a three-column grid one per
// line (full path, display name with extension, duration "mm:ss" or
// "h:mm:ss"), CR LF line ends.
//
// On disk the text is Windows-1252, as files from earlier versions are; a list
// holding a character that code page lacks is written as UTF-8 behind a
// byte-order mark instead, and read back that way. In memory it is all UTF-8.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vs {
class MessageService;
}

namespace vs::library {

inline constexpr const char* kListHeader = "Velorin Somnara";
inline constexpr const char* kSessionListName = "VsoSesion.dat";
inline constexpr const char* kPlaylistName = "VsoMusica.dat";
inline constexpr int kListColumns = 3;

using ListRow = std::array<std::string, kListColumns>;

enum class ListReadStatus {
    Ok,
    Unreadable, // missing, not a file, or a read error
    BadHeader   // the caller tells the user; no rows are returned
};

enum class ListEncoding { Cp1252, Utf8 };

struct ListContents {
    ListReadStatus status = ListReadStatus::Ok;
    ListEncoding encoding = ListEncoding::Cp1252;
    // Grid row number of rows[0]: the reader's row counter starts at the row
    // given and steps once before the first cell, so this is that row + 1.
    int firstRow = 1;
    std::vector<ListRow> rows;
    // Cells are filled in reading order, so only the last row can be partial:
    // cell (r, c) holds a line of the file when r * 3 + c < cellsFilled.
    std::size_t cellsFilled = 0;

    bool filled(std::size_t row, int column) const {
        return column >= 0 && column < kListColumns &&
               row * kListColumns + static_cast<std::size_t>(column) < cellsFilled;
    }
};

// Reading stops at the end of the text or at the first empty line. A header
// that differs from kListHeader once spaces are trimmed from both ends (case
// counts) gives BadHeader. Line ends may be CR LF, LF or a lone CR.
ListContents parseListText(std::string_view bytes, int startRow = 0);
ListContents readListFile(const std::string& path, int startRow = 0);

// A library's list at start-up: no rows when the file is missing or
// unreadable; a wrong header is told to the user ("Se ha producido un error
// al leer los datos") and gives no rows either.
std::vector<ListRow> loadListRows(const std::string& path, int startRow, MessageService& messages);

// The whole file as bytes: the header, then each row's three cells.
std::string listFileText(const std::vector<ListRow>& rows);

// Replaces the file whole; on false the old file is left as it was.
bool writeListFile(const std::string& path, const std::vector<ListRow>& rows);

} // namespace vs::library
