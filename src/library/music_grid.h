// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FlexMusica: the playlist as a grid. It shows the playlist's rows, paints the
// chosen song in the selection colours, and hands presses, Enter and the
// right-button menu ("&Música") to the playlist. Music files dropped on it
// join the playlist as "&Añadir Canción..." adds them.
#include "library_grid.h"

namespace vs::library {

class MusicLibrary;

class MusicGrid : public LibraryGrid {
    Q_OBJECT
public:
    explicit MusicGrid(QWidget* parent = nullptr);

    // The playlist shown; sync() shows its changes.
    void setLibrary(MusicLibrary* library);
    void sync();

protected:
    void pressed(int row) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    MusicLibrary* library_ = nullptr;
};

} // namespace vs::library
