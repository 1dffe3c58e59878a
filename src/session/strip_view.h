// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sequence strip under the graph: one coloured cell per beat segment,
// from centre to centre of its two points, and the cursor bar. Mouse work on
// a cell is passed on as signals; what it does to the glasses is decided by
// their sequencer. A disabled strip ignores the mouse.
#include "session_model.h"

#include <QWidget>
#include <vector>

#include <cstdint>
#include <functional>

namespace vs::session {

class StripView : public QWidget {
    Q_OBJECT
public:
    StripView(SessionModel& model, QWidget* parent = nullptr);

    // Colour (0x00BBGGRR) of sequence 1..7, or of 0 for a cell whose tag is
    // none of them. The colours belong to the glasses; until they are handed
    // in, cells show in the strip's own background.
    using SequencePalette = std::function<std::uint32_t(int sequence)>;
    void setSequencePalette(SequencePalette palette);

    void setUnitsPerPixel(float upp);
    float unitsPerPixel() const { return upp_; }

    // Cursor bar `LineaTiempo2`, x in graph units.
    void setCursorBar(double x, bool visible);
    double cursorBarX() const { return cursorX_; }
    bool cursorBarVisible() const { return cursorVisible_; }

    // Cell under pixel x (0 if none), and a cell's span in pixels.
    int cellAt(double pixelX) const;
    QRect cellRect(int index) const;

    // Cells drawn with a warning edge, and the tool tip they show.
    void setMarkedCells(std::vector<int> cells, const QString& toolTip);
    const std::vector<int>& markedCells() const { return marked_; }
    // The tool tip over any other cell, and before the pointer has moved.
    void setPlainToolTip(const QString& toolTip);

signals:
    void cellPressed(int index, Qt::MouseButton button);
    void cellReleased(int index);
    void cellMoved(int index, int x, int y, int cellWidth, int cellHeight,
                   Qt::MouseButtons buttons);
    void cellDoubleClicked(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    SessionModel& m_;
    float upp_ = 15;
    double cursorX_ = 0;
    bool cursorVisible_ = false;
    int pressed_ = 0; // the cell that holds the mouse, as a captured control would
    SequencePalette palette_;
    std::vector<int> marked_;
    QString markedTip_;
    QString plainTip_;
};

} // namespace vs::session
