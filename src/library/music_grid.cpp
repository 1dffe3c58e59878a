// SPDX-License-Identifier: GPL-3.0-or-later
#include "music_grid.h"

#include "music_library.h"

namespace vs::library {

MusicGrid::MusicGrid(QWidget* parent) : LibraryGrid("FlexMusica", tr("Canción"), parent) {}

void MusicGrid::setLibrary(MusicLibrary* library) {
    library_ = library;
    sync();
}

void MusicGrid::sync() {
    if (!library_) return;
    // A song chosen out of sight (the next one after the last visible row)
    // comes into view at the top, so the songs after it show too.
    const int current = library_->currentRow();
    const QTableWidgetItem* it = current >= 1 ? item(current - 1, 1) : nullptr;
    const bool hidden = it && !viewport()->rect().contains(visualItemRect(it));
    showRows(
        library_->songCount(),
        [this](int r) {
            const SongRow& row = library_->row(r);
            return std::array<QString, 3>{QString::fromStdString(row.path),
                                          QString::fromStdString(row.name),
                                          QString::fromStdString(row.duration)};
        },
        library_->highlightedRow(), current);
    if (hidden) scrollToItem(item(current - 1, 1), QAbstractItemView::PositionAtTop);
}

void MusicGrid::pressed(int row) {
    if (library_) library_->pulsar(row);
}

} // namespace vs::library
