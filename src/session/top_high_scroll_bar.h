// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace vs::session {

// A vertical bar with its highest value at the top. Qt keeps the arrows on
// their usual actions when the bar is drawn upside down, so the top arrow
// would lower the value and walk the handle away from it; held arrows are
// turned round here, and keys and wheel follow the picture.
class TopHighScrollBar : public QScrollBar {
public:
    explicit TopHighScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
        setInvertedAppearance(true);
        setInvertedControls(false);
        connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
            if (!arrowHeld_) return;
            if (action == SliderSingleStepAdd)
                setSliderPosition(std::max(minimum(), value() - singleStep()));
            else if (action == SliderSingleStepSub)
                setSliderPosition(std::min(maximum(), value() + singleStep()));
        });
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        const auto hit = style()->hitTestComplexControl(QStyle::CC_ScrollBar, &opt,
                                                        e->position().toPoint(), this);
        arrowHeld_ = hit == QStyle::SC_ScrollBarAddLine || hit == QStyle::SC_ScrollBarSubLine;
        QScrollBar::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QScrollBar::mouseReleaseEvent(e);
        arrowHeld_ = false;
    }

private:
    bool arrowHeld_ = false;
};

} // namespace vs::session
