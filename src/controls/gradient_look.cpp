// SPDX-License-Identifier: GPL-3.0-or-later
#include "gradient_look.h"

#include "base/numeric.h"

#include <QFontMetrics>
#include <QPainter>

namespace vs::controls {
namespace {

// Pixel work on an ARGB image; everything outside the image is dropped, so
// tiny buttons draw what fits and never write out of bounds.
class Canvas {
public:
    explicit Canvas(QImage& image) : image_(image) {}

    void pixel(int x, int y, Colour c) {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = qRgb(red(c), green(c), blue(c));
    }
    // From the first point up to but not including the second; the look draws
    // only horizontal and vertical lines.
    void line(int x1, int y1, int x2, int y2, Colour c) {
        if (y1 == y2) {
            const int step = x1 <= x2 ? 1 : -1;
            for (int x = x1; x != x2; x += step)
                pixel(x, y1, c);
        } else if (x1 == x2) {
            const int step = y1 <= y2 ? 1 : -1;
            for (int y = y1; y != y2; y += step)
                pixel(x1, y, c);
        }
    }
    void fill(int x, int y, int w, int h, Colour c) {
        for (int row = y; row < y + h; ++row)
            for (int col = x; col < x + w; ++col)
                pixel(col, row, c);
    }
    void frame(int x, int y, int w, int h, Colour c) {
        if (w <= 0 || h <= 0) return;
        for (int col = x; col < x + w; ++col) {
            pixel(col, y, c);
            pixel(col, y + h - 1, c);
        }
        for (int row = y; row < y + h; ++row) {
            pixel(x, row, c);
            pixel(x + w - 1, row, c);
        }
    }

private:
    QImage& image_;
};

constexpr Colour kBorder = 0x00733C00;
constexpr Colour kCorner = 0x007B4D10;

struct Ring {
    Colour frame, bottom, top, second, sides;
};
constexpr Ring kHoverRing{0x0031B2FF, 0x000096E7, 0x00CEF3FF, 0x008CDBFF, 0x006BCBFF};
constexpr Ring kFocusRing{0x00E7AE8C, 0x00EF826B, 0x00FFE7CE, 0x00F7D7BD, 0x00F0D1B5};

void border(Canvas& c, int w, int h, Colour frame, Colour corner) {
    c.frame(0, 0, w, h, frame);
    c.pixel(1, 1, corner);
    c.pixel(1, h - 2, corner);
    c.pixel(w - 2, 1, corner);
    c.pixel(w - 2, h - 2, corner);
}

void ring(Canvas& c, int w, int h, const Ring& r) {
    c.frame(1, 2, w - 2, h - 4, r.frame);
    c.line(2, h - 2, w - 2, h - 2, r.bottom);
    c.line(2, 1, w - 2, 1, r.top);
    c.line(1, 2, w - 1, 2, r.second);
    c.line(2, 3, 2, h - 3, r.sides);
    c.line(w - 3, 3, w - 3, h - 3, r.sides);
}

// The gradient's amount at row y: 25 / h and its product with the row kept in
// single precision, as the look was designed, then made whole with halves to
// even. In double the product misses a half by a hair on some rows.
int gradientAmount(int h, int y) {
    const float step = 25.0f / static_cast<float>(h);
    const float amount = step * static_cast<float>(y);
    return static_cast<int>(roundHalfEven(static_cast<double>(amount)));
}

void caption(QImage& image, const LookInput& in, Colour colour, bool pressed) {
    if (in.caption.isEmpty()) return;
    QPainter p(&image);
    p.setFont(in.font);
    p.setPen(QColor(red(colour), green(colour), blue(colour)));
    const QRect r = pressed ? in.captionRect.translated(1, 1) : in.captionRect;
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, in.caption);
}

} // namespace

QImage paintGradientLook(const LookInput& in) {
    const int w = in.width, h = in.height;
    if (w <= 0 || h <= 0) return {};
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    Canvas c(image);
    const bool soft = in.softBevel;
    const ColourSet& cs = in.colours;
    const Colour base = cs.base;
    auto shift = [soft](Colour col, int amount) { return Shift(col, amount, true, soft); };

    c.fill(0, 0, w, h, cs.back);
    // The caption is painted at the device pixel ratio, so its rectangle stays logical.
    image.setDevicePixelRatio(in.devicePixelRatio);

    if (!in.enabled) {
        c.fill(0, 0, w, h, shift(base, -24));
        caption(image, in, shift(base, -104), false);
        border(c, w, h, shift(base, -84), shift(base, -72));
    } else if (in.state == DrawState::Normal) {
        for (int y = 1; y <= h; ++y)
            c.line(0, y, w, y, shift(base, -gradientAmount(h, y)));
        caption(image, in, in.mouseOver ? cs.foreOver : cs.fore, false);
        border(c, w, h, kBorder, kCorner);
        if (in.mouseOver) {
            ring(c, w, h, kHoverRing);
        } else if (in.focusShown) {
            ring(c, w, h, kFocusRing);
        } else {
            c.line(2, h - 2, w - 2, h - 2, shift(base, -48));
            c.line(1, h - 3, w - 2, h - 3, shift(base, -32));
            c.line(w - 2, 2, w - 2, h - 2, shift(base, -36));
            c.line(w - 3, 3, w - 3, h - 3, shift(base, -24));
            c.line(2, 1, w - 2, 1, shift(base, 16));
            c.line(1, 2, w - 2, 2, shift(base, 10));
            c.line(1, 2, 1, h - 2, shift(base, -5));
            c.line(2, 3, 2, h - 3, shift(base, -10));
        }
    } else {
        const Colour dark = shift(base, -32);
        for (int y = 1; y <= h; ++y)
            c.line(0, h - y, w, h - y, shift(dark, -gradientAmount(h, y)));
        caption(image, in, cs.foreOver, true);
        border(c, w, h, kBorder, kCorner);
        c.line(2, h - 2, w - 2, h - 2, shift(dark, 16));
        c.line(1, h - 3, w - 2, h - 3, shift(dark, 10));
        c.line(w - 2, 2, w - 2, h - 2, shift(dark, 5));
        c.line(w - 3, 3, w - 3, h - 3, base);
        c.line(2, 1, w - 2, 1, shift(dark, -32));
        c.line(1, 2, w - 2, 2, shift(dark, -24));
        c.line(1, 2, 1, h - 2, shift(dark, -32));
        c.line(2, 2, 2, h - 2, shift(dark, -22));
    }

    // Outside the window region nothing shows: the parent is seen there.
    const QRegion inside = gradientRegion(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((y < 2 || y >= h - 2) && (x < 2 || x >= w - 2) && !inside.contains(QPoint(x, y)))
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] = 0;
    return image;
}

QRegion gradientRegion(int w, int h) {
    QRegion r(0, 0, w, h);
    if (w <= 0 || h <= 0) return r;
    const QRect cut[] = {
        {0, 0, 2, 1},         {0, 1, 1, 1},         // top left
        {w - 2, 0, 2, 1},     {w - 1, 1, 1, 1},     // top right
        {0, h - 1, 2, 1},     {0, h - 2, 1, 1},     // bottom left
        {w - 2, h - 1, 2, 1}, {w - 1, h - 2, 1, 1}, // bottom right
    };
    for (const QRect& c : cut)
        r -= QRegion(c);
    return r;
}

QRect captionRectFor(const QFontMetrics& metrics, const QString& caption, int w, int h) {
    // (1, 1)-(w-2, h-2) with the right and bottom edges outside, as the look measures it.
    const QRect limit(1, 1, w - 3, h - 3);
    const QRect measured =
        metrics.boundingRect(limit, Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
    const int left = static_cast<int>(roundHalfEven((w - measured.width()) / 2.0));
    const int top = static_cast<int>(roundHalfEven((h - measured.height()) / 2.0));
    return {left, top, measured.width(), measured.height()};
}

} // namespace vs::controls
