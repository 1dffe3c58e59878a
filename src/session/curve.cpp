// SPDX-License-Identifier: GPL-3.0-or-later
#include "curve.h"

namespace vs::session {

void Curve::setFlat(float right, float top) {
    for (int i = 3; i <= kMaxPuntos; ++i)
        markers_[i] = Marker{};
    markers_[1] = {0, top, true};
    markers_[2] = {right, top, true};
    count_ = 2;
}

bool Curve::insert(int at, float left, float top) {
    const int n = count_;
    if (n >= kMaxPuntos || at < 2 || at > n) return false;
    // Only positions move: the markers up to the old last one stay visible.
    for (int j = n; j >= at; --j) {
        markers_[j + 1].Left = markers_[j].Left;
        markers_[j + 1].Top = markers_[j].Top;
    }
    markers_[at].Left = left;
    markers_[at].Top = top;
    count_ = static_cast<std::int16_t>(n + 1);
    markers_[count_].Visible = true;
    return true;
}

bool Curve::remove(int index) {
    const int n = count_;
    if (!isMiddle(index)) return false;
    for (int i = index; i <= n - 1; ++i) {
        markers_[i].Left = markers_[i + 1].Left;
        markers_[i].Top = markers_[i + 1].Top;
    }
    markers_[n].Visible = false;
    count_ = static_cast<std::int16_t>(n - 1);
    return true;
}

void Curve::moveBy(int index, float dx, float dy) {
    if (index < 1 || index > count_) return;
    Marker& p = markers_[index];
    if (isMiddle(index)) p.Left += dx;
    p.Top += dy;
}

} // namespace vs::session
