// SPDX-License-Identifier: GPL-3.0-or-later
#include "led_panel.h"

#include "lumidot.h"

namespace vs::glasses {
namespace {

// Left and top of LEDs 1..8 in pixels (the layout was drawn at 15 twips a pixel):
// per eye left, bottom, right, top of a diamond.
constexpr int kPos[8][2] = {{20, 20}, {32, 37}, {44, 20},  {32, 3},
                            {84, 20}, {96, 37}, {108, 20}, {96, 3}};
constexpr int kSize = 13;

} // namespace

LedPanel::LedPanel(QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < 8; ++i) {
        leds_[i] = new Lumidot(this);
        leds_[i]->setObjectName(QStringLiteral("led%1").arg(i + 1));
        leds_[i]->setGeometry(kPos[i][0], kPos[i][1], kSize, kSize);
    }
}

void LedPanel::setLit(int i, bool lit) {
    if (i >= 1 && i <= 8 && leds_[i - 1]->Lit() != lit) leds_[i - 1]->setLit(lit);
}

void LedPanel::setColours(int i, std::uint32_t lit, std::uint32_t unlit) {
    if (i < 1 || i > 8) return;
    leds_[i - 1]->setLitColour(lit);
    leds_[i - 1]->setUnLitColour(unlit);
}

} // namespace vs::glasses
