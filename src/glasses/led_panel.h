// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight LED indicators laid out as the glasses' two diamonds; draws
// nothing of its own.
#include "led_display.h"

#include <QWidget>
#include <array>

class Lumidot;

namespace vs::glasses {

class LedPanel : public QWidget, public LedIndicators {
    Q_OBJECT
public:
    explicit LedPanel(QWidget* parent = nullptr);

    Lumidot* led(int i) const { return leds_[i - 1]; } // i: 1..8

    void setLit(int led, bool lit) override;
    void setColours(int led, std::uint32_t lit, std::uint32_t unlit) override;

    QSize sizeHint() const override { return {128, 53}; }

private:
    std::array<Lumidot*, 8> leds_{};
};

} // namespace vs::glasses
