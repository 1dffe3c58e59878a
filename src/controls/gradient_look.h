// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gradient look with rounded corners, drawn pixel by pixel in the
// control's device pixels: plain lines and frames, no antialiasing, so every
// colour lands exactly where the look puts it.
#include "button_colours.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

class QFontMetrics;

namespace vs::controls {

enum class DrawState { Normal = 0, Pressed = 2 };

struct LookInput {
    int width = 0, height = 0; // device pixels
    qreal devicePixelRatio = 1.0;
    DrawState state = DrawState::Normal;
    bool enabled = true;
    bool mouseOver = false;
    bool focusShown = false; // has focus (or is the default button) and the focus ring is on
    bool softBevel = false;
    ColourSet colours;
    QString caption;
    QFont font;
    QRect captionRect; // logical pixels; the pressed caption is drawn one pixel right and down
};

// A null image for a control without height or width. Corners outside the
// window region are transparent.
QImage paintGradientLook(const LookInput& in);

// The client rectangle with three pixels cut from each corner.
QRegion gradientRegion(int width, int height);

// The caption's rectangle: measured word-wrapped inside (1, 1)-(w-2, h-2),
// then centred in the control.
QRect captionRectFor(const QFontMetrics& metrics, const QString& caption, int width, int height);

} // namespace vs::controls
