// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph_view.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vs::session {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGridLine(0, 0x80, 0); // &H008000
const QColor kGridText(0, 0xC0, 0); // &H00C000
// What the inverted pens (red, blue) show on the black ground.
const QColor kBinauralLine(0, 255, 255);
const QColor kBaseLine(255, 255, 0);
const QColor kBinauralMarker(255, 255, 255);
const QColor kBaseMarker(0, 255, 0);
const QColor kCursorLine(255, 0, 0);

} // namespace

GraphView::GraphView(SessionModel& model, QWidget* parent) : QWidget(parent), m_(model) {
    setObjectName("Pic1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    grid_ = DibujarGrid(m_, true, true);
}

void GraphView::setUnitsPerPixel(float uppX, float uppY) {
    upp_ = uppX > 0 ? uppX : 15;
    uppY_ = uppY > 0 ? uppY : 15;
    update();
}

void GraphView::setLabelFont(const QFont& font) {
    labelFont_ = font;
    update();
}

void GraphView::setGrid(const Grid& grid) {
    grid_ = grid;
    update();
}

void GraphView::setCursorLine(double x, bool visible) {
    cursorX_ = x;
    cursorVisible_ = visible;
    update();
}

void GraphView::setRandomSource(RandomSource* random) {
    random_ = random ? random : &clockRandom();
}

QPoint GraphView::pixelAt(float x, float y) const {
    return QPoint(static_cast<int>(std::ceil(x / upp_)), static_cast<int>(std::ceil(y / uppY_)));
}

QPointF GraphView::unitsAt(const QPointF& pixel) const {
    return QPointF(pixel.x() * upp_, pixel.y() * uppY_);
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintGraph(p);
}

void GraphView::paintGraph(QPainter& p) const {
    const double s = 1.0 / upp_, sy = 1.0 / uppY_;
    const double sMin = std::min(s, sy); // line widths and text
    const float k = m_.MedioPunto;
    p.fillRect(rect(), kBlack);

    const double thin = std::max(1.0, std::floor(15.0 * sMin));
    if (grid_.linesVisible) {
        p.setPen(QPen(kGridLine, thin));
        const double w = m_.W * s, h = m_.H * sy;
        for (float y : {grid_.yTheta, grid_.yAlfa, grid_.yBeta})
            p.drawLine(QPointF(0, y * sy), QPointF(w, y * sy));
        for (float x : grid_.xVertical)
            p.drawLine(QPointF(x * s, 0), QPointF(x * s, h));
    }
    if (grid_.namesVisible) {
        p.setFont(labelFont_);
        p.setPen(kGridText);
        const double h = kLabelHeight * sy;
        for (int j = 0; j < 4; ++j)
            p.drawText(QRectF(0, grid_.nameTop[j] * sy, width(), h),
                       Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("GraphGrid", kBandNames[j]));
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    auto drawCurve = [&](const auto& pts, int n, const QColor& color) {
        QPointF line[kMaxPuntos];
        for (int i = 1; i <= n; ++i)
            line[i - 1] = QPointF((pts[i].Left + k) * s, (pts[i].Top + k) * sy);
        p.setPen(QPen(color, std::max(1.0, 15.0 * sMin)));
        p.drawPolyline(line, n);
    };
    drawCurve(m_.Punto, m_.NumPuntos, kBinauralLine);
    drawCurve(m_.PuntoFR, m_.NumPuntosFR, kBaseLine);
    p.setRenderHint(QPainter::Antialiasing, false);

    const double side = 2 * k * s, sideY = 2 * k * sy;
    for (int i = 1; i <= m_.NumPuntos; ++i)
        if (m_.Punto[i].Visible)
            p.fillRect(QRectF(m_.Punto[i].Left * s, m_.Punto[i].Top * sy, side, sideY),
                       kBinauralMarker);
    for (int i = 1; i <= m_.NumPuntosFR; ++i)
        if (m_.PuntoFR[i].Visible)
            p.fillRect(QRectF(m_.PuntoFR[i].Left * s, m_.PuntoFR[i].Top * sy, side, sideY),
                       kBaseMarker);

    if (cursorVisible_) {
        p.setPen(QPen(kCursorLine, thin));
        p.drawLine(QPointF(cursorX_ * s, 0), QPointF(cursorX_ * s, m_.H * sy));
    }
}

GraphView::Hit GraphView::markerAt(const QPointF& pixel) const {
    // Judge by the pixel's centre so a marker owns the pixels it is painted on.
    const QPointF u((pixel.x() + 0.5) * upp_, (pixel.y() + 0.5) * uppY_);
    const float side = 2 * m_.MedioPunto;
    auto inside = [&](const Marker& mk) {
        return mk.Visible && u.x() >= mk.Left && u.x() < mk.Left + side && u.y() >= mk.Top &&
               u.y() < mk.Top + side;
    };
    // Base markers lie above the beat markers, later ones above earlier ones.
    for (int i = m_.NumPuntosFR; i >= 1; --i)
        if (inside(m_.PuntoFR[i])) return {CurveKind::Base, i};
    for (int i = m_.NumPuntos; i >= 1; --i)
        if (inside(m_.Punto[i])) return {CurveKind::Binaural, i};
    return {};
}

void GraphView::showInfo(CurveKind curve, int index) {
    if (curve == CurveKind::Binaural) {
        PointInfo info = MostrarInfo(m_, index);
        emit infoHz(QString::fromStdString(info.hz));
        emit infoTime(QString::fromStdString(info.time));
    } else {
        PointInfo info = MostrarInfoFR(m_, index);
        emit infoFR(QString::fromStdString(info.hz));
        emit infoTime(QString::fromStdString(info.time));
    }
}

void GraphView::afterEdit() {
    m_.notify();
    update();
    emit edited();
}

void GraphView::mousePressEvent(QMouseEvent* e) {
    // While a point is held every other press is ignored: a right press on the
    // held marker would delete it and leave the drag working on its neighbour.
    if (dragIndex_ != 0) return;
    const QPointF pixel = e->position();
    const QPointF u = unitsAt(pixel);
    const Hit hit = markerAt(pixel);
    if (hit.index != 0) {
        if (e->button() == Qt::LeftButton) {
            // The whole drag, press to release, is one step.
            if (history_) history_->begin(QT_TRANSLATE_NOOP("EditStep", "mover punto"));
            dragCurve_ = hit.curve;
            dragIndex_ = hit.index;
            dragBounds_ = limitesArrastre(m_, hit.curve, hit.index, upp_, uppY_);
            showInfo(hit.curve, hit.index);
        } else if (e->button() == Qt::RightButton) {
            const EditStep step(history_, QT_TRANSLATE_NOOP("EditStep", "borrar punto"));
            bool removed = hit.curve == CurveKind::Binaural ? EliminarPunto(m_, hit.index)
                                                            : EliminarPuntoFR(m_, hit.index);
            if (removed) afterEdit();
        }
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    const EditStep step(history_, QT_TRANSLATE_NOOP("EditStep", "añadir punto"));
    int added = 0;
    if (mods == Qt::NoModifier)
        added = agregarPunto(m_, u.x(), u.y(), *random_);
    else if (mods == Qt::ShiftModifier)
        added = agregarPuntoFR(m_, u.x(), u.y());
    if (added != 0) afterEdit();
}

void GraphView::mouseMoveEvent(QMouseEvent* e) {
    if (dragIndex_ == 0) return;
    // No desktop lets a program pin the pointer, so the pointer position is
    // held to the rectangle instead; the point then cannot pass a neighbour
    // nor leave the graph, whatever the mouse does.
    QPointF u = unitsAt(e->position());
    const double x = std::clamp<double>(u.x(), dragBounds_.left, dragBounds_.right);
    const double y = std::clamp<double>(u.y(), dragBounds_.top, dragBounds_.bottom);
    const Marker& mk =
        dragCurve_ == CurveKind::Binaural ? m_.Punto[dragIndex_] : m_.PuntoFR[dragIndex_];
    const float dx = static_cast<float>(x - mk.Left), dy = static_cast<float>(y - mk.Top);
    if (dragCurve_ == CurveKind::Binaural)
        moverPunto(m_, dragIndex_, dx, dy);
    else
        moverPuntoFR(m_, dragIndex_, dx, dy);
    showInfo(dragCurve_, dragIndex_);
    afterEdit();
}

void GraphView::mouseReleaseEvent(QMouseEvent* e) {
    if (dragIndex_ == 0 || e->button() != Qt::LeftButton) return;
    if (dragCurve_ == CurveKind::Binaural) soltarPunto(m_, dragIndex_);
    showInfo(dragCurve_, 0);
    dragIndex_ = 0;
    m_.notify();
    update();
    if (history_) history_->commit();
}

void GraphView::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double click has already been handled as a press.
}

} // namespace vs::session
