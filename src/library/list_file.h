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
#include <optional>
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

// A file whose header is wrong: the program moves it aside before its list
// is written over it; a reader that never writes the list leaves it alone.
enum class UnreadableList { KeepAside, Leave };

// A library's list at start-up: no rows when the file is missing or
// unreadable; a wrong header is told to the user ("Se ha producido un error
// al leer los datos de ...", and where the file was kept) and gives no rows
// either.
std::vector<ListRow> loadListRows(const std::string& path, int startRow, MessageService& messages,
                                  UnreadableList unreadable = UnreadableList::KeepAside);

// Moves the file to path + ".ilegible" (".ilegible.2" and on when that is
// taken); the new name, or "" when it could not be moved.
std::string keepUnreadableList(const std::string& path);

// Two runs of the program may share the list. The rows to write when this
// run read `base` at start and holds `mine` now while the file holds `disk`:
// the file's rows (in its order) with this run's own changes made to them,
// rows keyed by their path. Rows this run removed go, rows it changed or
// added are its own (added ones at the end); the other run's changes stay.
std::vector<ListRow> mergeListRows(const std::vector<ListRow>& base,
                                   const std::vector<ListRow>& mine,
                                   const std::vector<ListRow>& disk);
// Reads the file again and writes the merge; a file with a wrong header is
// kept aside first (false, nothing written, when it cannot be). With no
// `base` (the list was never read) `mine` replaces the file.
bool writeMergedListFile(const std::string& path, const std::optional<std::vector<ListRow>>& base,
                         const std::vector<ListRow>& mine);

// The whole file as bytes: the header, then each row's three cells.
std::string listFileText(const std::vector<ListRow>& rows);

// Replaces the file whole; on false the old file is left as it was.
bool writeListFile(const std::string& path, const std::vector<ListRow>& rows);

} // namespace vs::library
