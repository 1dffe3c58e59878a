// SPDX-License-Identifier: GPL-3.0-or-later
#include "music_grid.h"

#include "music_library.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <string>
#include <vector>

namespace vs::library {

namespace {

std::vector<std::string> songsIn(const QMimeData* data) {
    std::vector<std::string> songs;
    for (const QUrl& url : data->urls()) {
        const std::string path = url.toLocalFile().toStdString();
        if (url.isLocalFile() && MusicLibrary::takesFile(path)) songs.push_back(path);
    }
    return songs;
}

} // namespace

MusicGrid::MusicGrid(QWidget* parent) : LibraryGrid("FlexMusica", tr("Canción"), parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    // Not a reordering of rows: the drop is taken whole by the playlist.
    setDragDropMode(QAbstractItemView::DropOnly);
}

// A drag without a song goes on to the window, which takes sessions.
void MusicGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (library_ && !songsIn(event->mimeData()).empty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MusicGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (library_ && !songsIn(event->mimeData()).empty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MusicGrid::dropEvent(QDropEvent* event) {
    const std::vector<std::string> songs = songsIn(event->mimeData());
    if (!library_ || songs.empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    for (const std::string& path : songs)
        library_->anadirFichero(path);
}

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
