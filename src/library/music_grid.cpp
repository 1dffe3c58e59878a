#include "music_grid.h"

#include "music_library.h"

namespace vs::library {

MusicGrid::MusicGrid(QWidget* parent)
    : LibraryGrid("FlexMusica", QStringLiteral("Canción"), parent) {}

void MusicGrid::setLibrary(MusicLibrary* library) {
    library_ = library;
    sync();
}

void MusicGrid::sync() {
    if (!library_) return;
    showRows(
        library_->songCount(),
        [this](int r) {
            const SongRow& row = library_->row(r);
            return std::array<QString, 3>{QString::fromStdString(row.path),
                                          QString::fromStdString(row.name),
                                          QString::fromStdString(row.duration)};
        },
        library_->highlightedRow(), library_->currentRow());
}

void MusicGrid::pressed(int row) {
    if (library_) library_->pulsar(row);
}

} // namespace vs::library
