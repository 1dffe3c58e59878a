// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two library grids share: their columns (hidden path, name,
// centred duration), how their rows are shown (the highlighted one, the open
// session or the chosen song, in the selection colours), and the gestures
// they hand on: a press or Enter on a row, the right-button menu.
#include <QString>
#include <QTableWidget>

#include <array>
#include <functional>

class QMenu;

namespace vs::library {

class LibraryGrid : public QTableWidget {
    Q_OBJECT
public:
    // Three columns headed "Path" (hidden), `title` and "Duración".
    LibraryGrid(const char* objectName, const QString& title, QWidget* parent);

    // Shown over the grid on a right-button release.
    void setPopupMenu(QMenu* menu) { popup_ = menu; }

protected:
    // A press (the grid has moved to the row first) or Enter on row `row`, 1-based.
    virtual void pressed(int row) = 0;

    // Rows 1..`rows` (cells from `cells`), `highlighted` in the selection
    // colours even when the focus or the selection moves elsewhere; `current`
    // made the current cell and scrolled into view.
    void showRows(int rows, const std::function<std::array<QString, 3>(int row)>& cells,
                  int highlighted, int current);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMenu* popup_ = nullptr;
};

} // namespace vs::library
