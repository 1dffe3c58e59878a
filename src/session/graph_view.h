// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph picture: black ground, grid, both curves, the point markers and the
// time cursor, all painted from the model; and the mouse gestures of the curve
// editor. Markers are painted squares found by a hit test rather than child
// widgets, so a repaint is one pass over the model.
#include "curve_editor.h"
#include "edit_history.h"
#include "graph_grid.h"

#include <QWidget>

namespace vs::session {

class GraphView : public QWidget {
    Q_OBJECT
public:
    GraphView(SessionModel& model, QWidget* parent = nullptr);

    // Graph units per pixel; 15 at the design size.
    // The two axes scale on their own, so the graph fills whatever its frame
    // gives it; graph units stay what they are.
    void setUnitsPerPixel(float upp) { setUnitsPerPixel(upp, upp); }
    void setUnitsPerPixel(float uppX, float uppY);
    float unitsPerPixel() const { return upp_; } // across
    float unitsPerPixelY() const { return uppY_; }
    void setLabelFont(const QFont& font);

    void setGrid(const Grid& grid);
    const Grid& grid() const { return grid_; }

    // Time cursor `LineaTiempo`, x in graph units.
    void setCursorLine(double x, bool visible);
    double cursorLineX() const { return cursorX_; }
    bool cursorLineVisible() const { return cursorVisible_; }

    // nullptr restores the clock-seeded generator.
    void setRandomSource(RandomSource* random);
    // Where each gesture is recorded as one step; nullptr records nothing.
    void setEditHistory(EditHistory* history) { history_ = history; }

    // Pixel of the widget at graph position (x, y), and back (the pixel's
    // top-left corner, as pointer positions are read).
    QPoint pixelAt(float x, float y) const;
    QPointF unitsAt(const QPointF& pixel) const;

    bool dragging() const { return dragIndex_ != 0; }
    // Paints the whole picture; also used to render off screen.
    void paintGraph(QPainter& p) const;

signals:
    void infoHz(const QString& text);
    void infoFR(const QString& text);
    void infoTime(const QString& text);
    void edited();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    struct Hit {
        CurveKind curve = CurveKind::Binaural;
        int index = 0;
    };
    Hit markerAt(const QPointF& pixel) const;
    void showInfo(CurveKind curve, int index);
    void afterEdit();

    SessionModel& m_;
    float upp_ = 15;  // across
    float uppY_ = 15; // down
    Grid grid_;
    QFont labelFont_;
    double cursorX_ = 0;
    bool cursorVisible_ = false;
    RandomSource* random_ = &clockRandom();
    EditHistory* history_ = nullptr;

    CurveKind dragCurve_ = CurveKind::Binaural;
    int dragIndex_ = 0;
    PointerBounds dragBounds_;
};

} // namespace vs::session
