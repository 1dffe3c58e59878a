// SPDX-License-Identifier: GPL-3.0-or-later
#include "strip_view.h"

#include "lumidot.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vs::session {

StripView::StripView(SessionModel& model, QWidget* parent) : QWidget(parent), m_(model) {
    setObjectName("picG");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void StripView::setSequencePalette(SequencePalette palette) {
    palette_ = std::move(palette);
    update();
}

void StripView::setUnitsPerPixel(float upp) {
    upp_ = upp > 0 ? upp : 15;
    update();
}

void StripView::setCursorBar(double x, bool visible) {
    cursorX_ = x;
    cursorVisible_ = visible;
    update();
}

void StripView::setPlainToolTip(const QString& toolTip) {
    plainTip_ = toolTip;
    setToolTip(toolTip);
}

void StripView::setMarkedCells(std::vector<int> cells, const QString& toolTip) {
    marked_ = std::move(cells);
    markedTip_ = toolTip;
    update();
}

int StripView::cellAt(double pixelX) const {
    const double u = (pixelX + 0.5) * upp_;
    for (int i = 1; i <= kMaxCells; ++i) {
        const Cell& c = m_.pG[i];
        if (c.Visible && c.Width > 0 && u >= c.Left && u < c.Left + c.Width) return i;
    }
    return 0;
}

QRect StripView::cellRect(int index) const {
    if (index < 1 || index > kMaxCells) return {};
    const Cell& c = m_.pG[index];
    const int x0 = static_cast<int>(std::lround(c.Left / upp_));
    const int x1 = static_cast<int>(std::lround((c.Left + c.Width) / upp_));
    return QRect(x0, 0, std::max(0, x1 - x0), height());
}

void StripView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor ground = palette().color(QPalette::Button);
    p.fillRect(rect(), ground);
    const QColor edge = palette().color(QPalette::Dark);
    for (int i = 1; i <= kMaxCells; ++i) {
        const Cell& c = m_.pG[i];
        if (!c.Visible || c.Width <= 0) continue;
        const QRect r = cellRect(i);
        p.fillRect(r, palette_ ? Lumidot::toQColor(palette_(m_.cellSequence(i)), this) : ground);
        p.setPen(edge);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        if (std::find(marked_.begin(), marked_.end(), i) != marked_.end()) {
            // Dark under red, so the edge shows on the red and pink cells too.
            p.fillRect(QRect(r.left(), 0, r.width(), 4), Qt::black);
            p.fillRect(QRect(r.left(), 0, r.width(), 3), QColor(255, 0, 0));
        }
    }
    if (cursorVisible_) {
        const double w = std::max(2.0, 30.0 / upp_);
        p.fillRect(QRectF(cursorX_ / upp_, 0, w, height()), Qt::black);
    }
}

void StripView::mousePressEvent(QMouseEvent* e) {
    // A first button starts a new gesture on the cell under the pointer; a
    // further button belongs to the cell already held.
    if ((e->buttons() & ~e->button()) == Qt::NoButton || pressed_ == 0)
        pressed_ = cellAt(e->position().x());
    if (pressed_ != 0) emit cellPressed(pressed_, e->button());
}

void StripView::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() == Qt::NoButton) pressed_ = 0;
    const int over = cellAt(e->position().x());
    const bool marked = std::find(marked_.begin(), marked_.end(), over) != marked_.end();
    setToolTip(marked ? markedTip_ : plainTip_);
    if (over != 0)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    const int index = pressed_ != 0 ? pressed_ : over;
    if (index == 0) return;
    const QRect r = cellRect(index);
    const QPoint pos = e->position().toPoint();
    emit cellMoved(index, pos.x() - r.left(), pos.y() - r.top(), r.width(), r.height(),
                   e->buttons());
}

void StripView::mouseReleaseEvent(QMouseEvent* e) {
    const int index = pressed_ != 0 ? pressed_ : cellAt(e->position().x());
    if (e->buttons() == Qt::NoButton) pressed_ = 0;
    if (index != 0) emit cellReleased(index);
}

void StripView::mouseDoubleClickEvent(QMouseEvent* e) {
    const int index = pressed_ != 0 ? pressed_ : cellAt(e->position().x());
    if (index != 0) emit cellDoubleClicked(index);
}

} // namespace vs::session
