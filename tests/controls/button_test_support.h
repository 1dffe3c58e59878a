// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the button tests: a shown 75 x 25 house button on a known palette,
// and the look's colours worked out from the design's own formulas.
#include "controls/boton_gradiente.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <memory>

namespace buttontest {

using Colour = std::uint32_t;

// The design's Shift with the proportional blue rule, written out again here.
inline Colour shifted(Colour c, int amount) {
    int r = int(c & 0xFF) + amount, g = int((c >> 8) & 0xFF) + amount;
    int b = int((c >> 16) & 0xFF);
    b = b + (b * amount) / 192;
    auto fit = [amount](int v) { return amount > 0 ? std::min(v, 255) : std::max(v, 0); };
    return Colour(fit(r)) | Colour(fit(g)) << 8 | Colour(fit(b)) << 16;
}

inline QRgb argb(Colour c) {
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

struct Shown {
    QWidget window;
    vs::controls::BotonGradiente* button;

    explicit Shown(const QString& caption = {}, QSize size = {75, 25},
                   QColor face = QColor(120, 100, 160)) {
        QPalette p = window.palette();
        p.setColor(QPalette::Button, face);
        p.setColor(QPalette::ButtonText, Qt::black);
        window.setPalette(p);
        window.resize(200, 100);
        button = new vs::controls::BotonGradiente(caption, &window);
        button->setGeometry(10, 10, size.width(), size.height());
        window.show();
        QApplication::processEvents();
        // Showing gives the only button the focus; the tests bring it in themselves.
        button->clearFocus();
        QApplication::processEvents();
    }
    QRgb at(int x, int y) const { return button->picture().pixel(x, y); }
};

// The gradient base of the test palette's face colour: shift(face, +48).
inline Colour baseOf(QColor face) {
    return shifted(Colour(face.red()) | Colour(face.green()) << 8 | Colour(face.blue()) << 16, 48);
}

} // namespace buttontest
