// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open session: two curves of at most 30 points each, the LED sequence of
// every beat segment, the ranges of both axes and the session length.
//
// Positions are graph units (1/1440 inch, y downwards) of a fixed-size graph,
// whatever the screen: the view maps them to pixels, files store them as they
// are. Arrays are 1-based like the markers they stand for; index 0 is unused.
#include "curve.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vs::session {

inline constexpr float kGraphLeft = 720; // graph placement on the window (start-up layout)
inline constexpr float kGraphTop = 480;
inline constexpr float kGraphWidth = 6080;  // W
inline constexpr float kGraphHeight = 2175; // H
inline constexpr float kMarkerSize = 80;    // design marker size; MedioPunto is half of it
inline constexpr int kMaxCells = kMaxPuntos - 1;
inline constexpr float kBaseSpan = 450; // the base axis always spans 450 Hz

struct Cell {
    float Left = 0;
    float Width = 0;
    std::string Tag; // "1".."7"
    bool Visible = false;
    bool operator==(const Cell&) const = default;
};

// NumPuntos and NumPuntosFR: the count of one of the model's curves, read and
// assigned like the number it stands for.
class CurveCount {
public:
    explicit CurveCount(Curve& curve) : curve_(&curve) {}
    CurveCount(const CurveCount&) = delete;
    CurveCount& operator=(const CurveCount&) = delete;
    operator std::int16_t() const { return static_cast<std::int16_t>(curve_->count()); }
    CurveCount& operator=(std::int16_t n) {
        curve_->setCount(n);
        return *this;
    }

private:
    Curve* curve_;
};

// Keeps one listener registered for as long as it lives. It may outlive the
// model: it then has nothing left to remove.
class ListenerHandle {
public:
    ListenerHandle() = default;
    ListenerHandle(ListenerHandle&& other) noexcept;
    ListenerHandle& operator=(ListenerHandle&& other) noexcept;
    ~ListenerHandle();
    void reset();

private:
    friend class SessionModel;
    struct Registry;
    ListenerHandle(std::weak_ptr<Registry> registry, int id)
        : registry_(std::move(registry)), id_(id) {}
    std::weak_ptr<Registry> registry_;
    int id_ = 0;
};

// What a session is, copied as a whole when a model is copied.
struct SessionState {
    Curve Punto;                          // binaural curve
    Curve PuntoFR;                        // base curve
    std::array<Cell, kMaxCells + 1> pG{}; // segment i: Punto(i)..Punto(i+1)

    float MedioPunto = kMarkerSize / 2; // k
    float W = kGraphWidth;
    float H = kGraphHeight;
    float FrecBinauralMax = 15;     // B
    std::int32_t FrecBaseMax = 500; // F
    std::int16_t FrecBinauralMaxPref = 15;
    std::int32_t FrecBaseMaxPref = 500;
    bool SesionModificada = false;

    // Member by member, the flag included.
    bool operator==(const SessionState&) const = default;

protected:
    int minutos_ = 1;
    int segundos_ = 0;
};

class SessionModel : public SessionState {
public:
    SessionModel();
    // A copy is the same session with no listeners: they watch the original.
    SessionModel(const SessionModel& other) : SessionState(other) {}
    SessionModel& operator=(const SessionModel& other) {
        SessionState::operator=(other);
        return *this;
    }

    CurveCount NumPuntos{Punto};
    CurveCount NumPuntosFR{PuntoFR};

    // Session length as the two scroll bars hold it, 0..59 each once wrapped.
    int minutos() const { return minutos_; }
    int segundos() const { return segundos_; }
    // Scroll-bar change handling: 60 wraps to 0 (seconds carry into minutes).
    void setMinutos(int v);
    void setSegundos(int v);
    double lengthMs() const { return (minutos_ * 60.0 + segundos_) * 1000.0; }
    std::int32_t lengthSeconds() const { return minutos_ * 60 + segundos_; }

    // Conversions between positions, time and frequency.
    double timeMs(float left) const;
    double timeSeconds(float left, double sessionSeconds) const;
    double binauralHz(float top) const;
    double baseHz(float top) const;
    float topForBinaural(double hz) const;
    float topForBase(double hz) const;
    double cursorX(double tMs) const; // x of the time cursor at time t

    // Curve values at time t (ms); linear between the bracketing points, slope 0
    // where two points share a time.
    double binauralAt(double tMs) const;
    double baseAt(double tMs) const;
    // LED sequence of the beat segment that contains t (1..7; 0 if none).
    int sequenceAt(double tMs) const;
    // Sequence number held in cell i, 0 when the tag is not 1..7.
    int cellSequence(int i) const;

    // Creates the hidden markers 2..30 and cells 2..29 and shows marker 2 and cell 2.
    void CargarPuntos();
    // The default session: flat curves at H/2 (beat) and H/1.5 (base), one
    // segment with sequence 6, length 1:00, ranges from the preference copies.
    // Does not touch SesionModificada.
    void SesionNueva();
    // Sets cell i's sequence (its Tag).
    void setCellSequence(int i, int sequence);
    // Lays cells first..last (held to the segments there are) on the beat
    // points: cell i from the centre of point i to the centre of point i+1.
    void layCells(int first, int last);
    // Lays every segment's cell, shows them and hides the rest.
    void relayCells();

    // Views listen for changes; editors call notify() after each gesture. The
    // listener stays registered while the returned handle lives.
    using Listener = std::function<void()>;
    [[nodiscard]] ListenerHandle addListener(Listener l);
    void notify() const;

private:
    std::shared_ptr<ListenerHandle::Registry> listeners_;
};

// Milliseconds to the session-time text: "mm:ss", or "h:mm:ss" from one hour up.
std::string FormatoTiempo(std::int64_t ms);

} // namespace vs::session
