// SPDX-License-Identifier: GPL-3.0-or-later
#include "led_panel.h"

#include "lumidot.h"

#include <QtGlobal>

namespace vs::glasses {
namespace {

// Left and top of LEDs 1..8 in pixels (the layout was drawn at 15 twips a pixel):
// per eye left, bottom, right, top of a diamond.
constexpr int kPos[8][2] = {{20, 20}, {32, 37}, {44, 20},  {32, 3},
                            {84, 20}, {96, 37}, {108, 20}, {96, 3}};
constexpr int kSize = 13;
// Where each LED sits, for a screen reader.
const char* const kPlace[4] = {QT_TRANSLATE_NOOP("vs::glasses::LedPanel", "izquierda"),
                               QT_TRANSLATE_NOOP("vs::glasses::LedPanel", "abajo"),
                               QT_TRANSLATE_NOOP("vs::glasses::LedPanel", "derecha"),
                               QT_TRANSLATE_NOOP("vs::glasses::LedPanel", "arriba")};

} // namespace

LedPanel::LedPanel(QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < 8; ++i) {
        leds_[i] = new Lumidot(this);
        leds_[i]->setObjectName(QStringLiteral("led%1").arg(i + 1));
        leds_[i]->setGeometry(kPos[i][0], kPos[i][1], kSize, kSize);
        leds_[i]->setAccessibleName(
            (i < 4 ? tr("LED %1, ojo izquierdo, %2") : tr("LED %1, ojo derecho, %2"))
                .arg(i + 1)
                .arg(tr(kPlace[i % 4])));
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
