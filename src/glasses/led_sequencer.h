// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Steps the current LED sequence on the glasses and the indicators, once per
// period of FrecuenciaLed, and runs the strip's preview and choose gestures.
// The strip widget itself belongs to the session editor; it calls in here.
#include "led_display.h"
#include "led_port.h"
#include "state.h"
#include "step_clock.h"

#include <cstdint>
#include <functional>

namespace vs::glasses {

class LedSequencer;

// The modal sequence chooser as the sequencer sees it. While it runs it may
// change SecuenciaActual and FrecuenciaLed live, through `sequencer`; on
// cancel it puts back the sequence it opened with.
class SequenceChooser {
public:
    enum class Result { Chosen, Cancelled, Closed };
    virtual ~SequenceChooser() = default;
    virtual Result run(LedSequencer& sequencer) = 0;
};

// Below this rate the lights freeze instead of stepping.
inline constexpr float kFrecuenciaMinima = 0.05f;
inline constexpr float kFrecuenciaPrevia = 7.0f;

// 1000 / hz in whole milliseconds, halves to even; at least 1 so a very high
// rate cannot stop the clock.
std::int32_t intervaloPara(float hz);

class LedSequencer {
public:
    // Takes over clock.onTick. `state` is the sequencer's to write; the
    // settings give the port's address.
    LedSequencer(const GlassesSettings& settings, SequencerState& state, StepClock& clock,
                 LedPort& port, LedIndicators& view);
    ~LedSequencer();
    LedSequencer(const LedSequencer&) = delete;
    LedSequencer& operator=(const LedSequencer&) = delete;

    void setChooser(SequenceChooser* chooser) { chooser_ = chooser; }
    StepClock& clock() { return clock_; }
    const SequencerState& state() const { return state_; }
    // The player's beat, the chooser's spinner and row.
    void setFrecuenciaLed(float hz) { state_.FrecuenciaLed = hz; }
    void setSecuenciaActual(int sequence) {
        state_.SecuenciaActual = static_cast<std::int16_t>(sequence);
    }

    // One step: retune the clock to FrecuenciaLed, show the next step.
    void tick();
    // The same byte to the port and to the indicators.
    void escribir(std::uint8_t byte);

    // Mouse pressed on a strip cell holding `tagNumber`.
    void previewStart(int tagNumber);
    // Mouse released, or the pointer left the pressed cell: clock off, lights off.
    void previewStop();
    // Whether a mouse move at (x, y) on a pressed cell of the given size ends the
    // preview: sideways always, above or below only while the left button is down.
    static bool shouldStopPreview(double x, double y, double cellW, double cellH,
                                  bool leftButtonDown);

    // Double-click on a cell holding `cellTag`; `firstCellTag` is the first cell's.
    // Runs the chooser with the lights previewing, darkens them afterwards and
    // returns the number to store in the cell.
    int choose(int cellTag, int firstCellTag);

    // Raised when the session has changed (a sequence chosen).
    std::function<void()> onSesionModificada;

private:
    const GlassesSettings& settings_;
    SequencerState& state_;
    StepClock& clock_;
    LedPort& port_;
    LedIndicators& view_;
    SequenceChooser* chooser_ = nullptr;
};

} // namespace vs::glasses
