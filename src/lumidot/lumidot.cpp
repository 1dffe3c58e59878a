// SPDX-License-Identifier: GPL-3.0-or-later
#include "lumidot.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace {

// The LED is drawn in the usual box convention where an ellipse drawn
// into (l, t, r, b) stays inside columns l..r-1 and rows t..b-1; an aliased
// QPainter outline covers its rectangle's right and bottom edge, hence the -1.
QRectF box(int l, int t, int r, int b) {
    return QRectF(l, t, r - l - 1, b - t - 1);
}

// Arc of the ellipse in box (l, t, r, b), counter-clockwise from the radial
// through (xs, ys) to the radial through (xe, ye).
void drawArc(QPainter& p, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    const double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
    const double rx = std::max(1.0, (r - l) / 2.0), ry = std::max(1.0, (b - t) / 2.0);
    auto angle = [&](int x, int y) {
        return std::atan2(-(y - cy) / ry, (x - cx) / rx) * 180.0 / M_PI;
    };
    const double start = angle(xs, ys);
    double span = angle(xe, ye) - start;
    while (span <= 0)
        span += 360.0;
    p.drawArc(box(l, t, r, b), static_cast<int>(std::lround(start * 16)),
              static_cast<int>(std::lround(span * 16)));
}

QPen solidPen(const QColor& c, int width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QColor systemColour(quint32 index, const QWidget* w) {
    const QPalette pal = w ? w->palette() : QPalette();
    switch (index & 0xFF) {
    case 0x05:
        return pal.color(QPalette::Base); // window background
    case 0x08:
        return pal.color(QPalette::Text); // window text
    case 0x0D:
        return pal.color(QPalette::Highlight);
    case 0x0E:
        return pal.color(QPalette::HighlightedText);
    case 0x0F:
        return pal.color(QPalette::Button); // button face
    case 0x10:
        return pal.color(QPalette::Dark); // button shadow
    case 0x12:
        return pal.color(QPalette::ButtonText);
    case 0x14:
        return pal.color(QPalette::Light); // 3-D highlight
    case 0x15:
        return pal.color(QPalette::Shadow); // 3-D dark shadow
    default:
        return pal.color(QPalette::Window);
    }
}

int buttonCode(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? Lumidot::LeftButton : 0) |
           (b & Qt::RightButton ? Lumidot::RightButton : 0) |
           (b & Qt::MiddleButton ? Lumidot::MiddleButton : 0);
}

int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? Lumidot::ShiftMask : 0) |
           (m & Qt::ControlModifier ? Lumidot::CtrlMask : 0) |
           (m & Qt::AltModifier ? Lumidot::AltMask : 0);
}

} // namespace

struct Lumidot::Private {
    bool lit = true;
    quint32 litColour = 0x00FF00;
    quint32 unLitColour = 0x808080;
    bool allowClick = false;
    quint32 backColor = kButtonFace;
};

Lumidot::Lumidot(QWidget* parent) : QWidget(parent), d_(std::make_unique<Private>()) {
    resize(sizeHint());
}

Lumidot::~Lumidot() = default;

bool Lumidot::Lit() const {
    return d_->lit;
}
quint32 Lumidot::LitColour() const {
    return d_->litColour;
}
quint32 Lumidot::UnLitColour() const {
    return d_->unLitColour;
}
bool Lumidot::AllowClick() const {
    return d_->allowClick;
}
quint32 Lumidot::BackColor() const {
    return d_->backColor;
}

QColor Lumidot::toQColor(quint32 c, const QWidget* w) {
    if (c & 0x80000000u) return systemColour(c, w);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void Lumidot::setLit(bool lit) {
    if (d_->lit == lit) return;
    d_->lit = lit;
    emit propertiesChanged();
    update();
}

void Lumidot::setLitColour(quint32 c) {
    if (d_->litColour == c) return;
    d_->litColour = c;
    emit propertiesChanged();
    update();
}

void Lumidot::setUnLitColour(quint32 c) {
    if (d_->unLitColour == c) return;
    d_->unLitColour = c;
    emit propertiesChanged();
    update();
}

void Lumidot::setAllowClick(bool allow) {
    if (d_->allowClick == allow) return;
    d_->allowClick = allow;
    emit propertiesChanged();
}

void Lumidot::setBackColor(quint32 c) {
    if (d_->backColor == c) return;
    d_->backColor = c;
    emit propertiesChanged();
    update();
}

void Lumidot::AboutBox() {
    QMessageBox::about(this, QStringLiteral("About Lumidot"),
                       QStringLiteral("Lumidot LED indicator\nVersion 1.0"));
}

void Lumidot::paintEvent(QPaintEvent*) {
    const int w = width(), h = height();
    // The LED colours are taken as plain RGB values; only the background may
    // name a system colour.
    const quint32 c = (d_->lit ? d_->litColour : d_->unLitColour) & 0x00FFFFFFu;
    const QColor body = toQColor(c);
    const QColor shadow = toQColor(c & 0xFF7F7F7Fu);

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);

    p.fillRect(rect(), toQColor(d_->backColor, this));

    p.setPen(solidPen(Qt::black, 1));
    p.setBrush(body);
    p.drawEllipse(box(0, 0, w, h));

    p.setBrush(Qt::NoBrush);
    p.setPen(solidPen(Qt::white, 2));
    drawArc(p, 2, 2, w, h, w / 2, 2, 2, h / 2);

    p.setPen(solidPen(body, 2));
    p.drawEllipse(box(1, 1, w - 1, h - 1));

    p.setPen(solidPen(shadow, 2));
    drawArc(p, 0, 0, w - 1, h - 1, w / 2, h, w, h / 2);

    p.setPen(solidPen(Qt::black, 1));
    p.drawEllipse(box(0, 0, w, h));
}

void Lumidot::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && d_->allowClick) setLit(!d_->lit);
    const QPoint pos = e->position().toPoint();
    emit mousePressed(buttonCode(e->button()), shiftCode(e->modifiers()), pos.x(), pos.y());
}

void Lumidot::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    emit mouseMoved(buttonCode(e->buttons()), shiftCode(e->modifiers()), pos.x(), pos.y());
}

void Lumidot::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    emit mouseReleased(buttonCode(e->button()), shiftCode(e->modifiers()), pos.x(), pos.y());
    if (e->button() == Qt::LeftButton && rect().contains(pos)) emit clicked();
}
