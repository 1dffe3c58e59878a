// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FlexSesion: the session library as a grid. It shows the library's rows,
// paints the highlighted row (the open session) in the selection colours,
// and hands presses, Enter and the right-button menu to the library.
#include "library_grid.h"

namespace vs::library {

class SessionLibrary;

class SessionGrid : public LibraryGrid {
    Q_OBJECT
public:
    explicit SessionGrid(QWidget* parent = nullptr);

    // The library shown; the grid follows its changes from here on.
    void setLibrary(SessionLibrary* library);

    // Rebuilds the rows from the library and shows its current row.
    void sync();

protected:
    void pressed(int row) override;

private:
    SessionLibrary* library_ = nullptr;
};

} // namespace vs::library
