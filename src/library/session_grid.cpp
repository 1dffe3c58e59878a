// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_grid.h"

#include "session_library.h"

namespace vs::library {

SessionGrid::SessionGrid(QWidget* parent) : LibraryGrid("FlexSesion", tr("Sesión"), parent) {}

void SessionGrid::setLibrary(SessionLibrary* library) {
    library_ = library;
    sync();
}

void SessionGrid::sync() {
    if (!library_) return;
    showRows(
        library_->rowCount(),
        [this](int r) {
            const SessionRow& row = library_->row(r);
            return std::array<QString, 3>{QString::fromStdString(row.path),
                                          QString::fromStdString(row.name),
                                          QString::fromStdString(row.duration)};
        },
        library_->highlightedRow(), library_->currentRow());
}

void SessionGrid::pressed(int row) {
    if (library_) library_->pulsar(row);
}

} // namespace vs::library
