// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One drawn curve: its point markers, 1-based like the marker controls they
// stand for (index 0 is unused), and how many of them are in use. Positions
// are graph units; what a position means in time or hertz is the model's
// business, so reading a value takes the two conversions as arguments.
#include <algorithm>
#include <array>
#include <cstdint>

namespace vs::session {

inline constexpr int kMaxPuntos = 30;

struct Marker {
    float Left = 0;
    float Top = 0;
    bool Visible = false;
    bool operator==(const Marker&) const = default;
};

// Value at time t on the segment from (t0, f0) to (t1, f1), worked out in T
// throughout: the player keeps the beat in double and the base in single
// precision, and the tones it sends depend on that to the last bit. A segment
// whose ends share a time is flat.
template <typename T> constexpr T segmentValue(T t, T t0, T t1, T f0, T f1) {
    const T slope = (t1 == t0) ? T(0) : (f1 - f0) / (t1 - t0);
    return (t - t0) * slope + f0;
}

class Curve {
public:
    Marker& operator[](int i) { return markers_[i]; }
    const Marker& operator[](int i) const { return markers_[i]; }

    int count() const { return count_; }
    // Held to 0..kMaxPuntos, so no count can lead past the markers.
    void setCount(int n) { count_ = static_cast<std::int16_t>(std::clamp(n, 0, kMaxPuntos)); }

    // The first and the last point are fixed in time; the others are middle points.
    bool isMiddle(int index) const { return index > 1 && index < count_; }

    // Two visible points at time positions 0 and `right`, both at `top`; the
    // other markers cleared.
    void setFlat(float right, float top);

    // Value at time t: before the first point its value, after the last the
    // last's, linear in between. `timeOf(Left)` and `valueOf(Top)` turn
    // positions into time and value.
    template <typename TimeOf, typename ValueOf>
    double valueAt(double t, TimeOf timeOf, ValueOf valueOf) const {
        const int n = count_;
        if (n < 1) return 0;
        if (t <= timeOf(markers_[1].Left)) return valueOf(markers_[1].Top);
        for (int i = 1; i < n; ++i) {
            const double t0 = timeOf(markers_[i].Left), t1 = timeOf(markers_[i + 1].Left);
            if (t >= t0 && t <= t1) return valueOnSegment<double>(i, t, timeOf, valueOf);
        }
        return valueOf(markers_[n].Top);
    }

    // Value at time t on segment i (from point i to point i + 1, 1..count-1),
    // wherever t lies: the ends' times and values are taken as T, then the
    // line through them is worked out in T throughout (segmentValue). The
    // player, which keeps its own segment, reads its beat and base this way.
    template <typename T, typename TimeOf, typename ValueOf>
    T valueOnSegment(int i, T t, TimeOf timeOf, ValueOf valueOf) const {
        return segmentValue<T>(t, T(timeOf(markers_[i].Left)), T(timeOf(markers_[i + 1].Left)),
                               T(valueOf(markers_[i].Top)), T(valueOf(markers_[i + 1].Top)));
    }

    // A new point at `at` (2..count); the points from there on move up one
    // place and the new last marker shows. False when the curve is full or
    // `at` is not between the ends.
    bool insert(int at, float left, float top);
    // Removes a middle point; the later points move down one place and the
    // old last marker hides. False for an end point.
    bool remove(int index);
    // A middle point moves by (dx, dy); an end point only changes height.
    void moveBy(int index, float dx, float dy);

    bool operator==(const Curve&) const = default;

private:
    std::array<Marker, kMaxPuntos + 1> markers_{};
    std::int16_t count_ = 0;
};

} // namespace vs::session
