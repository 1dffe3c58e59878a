#pragma once
// FlexSesion: the session library as a grid. It shows the library's rows,
// paints the highlighted row (the open session) in the selection colours,
// and hands presses, Enter and the right-button menu to the library.
#include <QTableWidget>

class QMenu;

namespace vs::library {

class SessionLibrary;

class SessionGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit SessionGrid(QWidget* parent = nullptr);

    // The library shown; the grid follows its changes from here on.
    void setLibrary(SessionLibrary* library);
    // Shown over the grid on a right-button release (the "&Sesión" menu).
    void setPopupMenu(QMenu* menu) { popup_ = menu; }

    // Rebuilds the rows from the library and shows its current row.
    void sync();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SessionLibrary* library_ = nullptr;
    QMenu* popup_ = nullptr;
    bool syncing_ = false;
};

} // namespace vs::library
