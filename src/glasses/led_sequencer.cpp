// SPDX-License-Identifier: GPL-3.0-or-later
#include "led_sequencer.h"

#include "sequences.h"

#include "base/numeric.h"

#include <algorithm>

namespace vs::glasses {
namespace {

bool valida(int k) {
    return k >= 1 && k <= kNumSecuencias;
}

} // namespace

std::int32_t intervaloPara(float hz) {
    const float periodo = 1000.0f / hz; // single precision, as the rate itself
    return std::max<std::int32_t>(1, toInt32(periodo));
}

LedSequencer::LedSequencer(const GlassesSettings& settings, SequencerState& state, StepClock& clock,
                           LedPort& port, LedIndicators& view)
    : settings_(settings), state_(state), clock_(clock), port_(port), view_(view) {
    clock_.onTick = [this] { tick(); };
}

LedSequencer::~LedSequencer() {
    clock_.onTick = nullptr;
}

void LedSequencer::escribir(std::uint8_t byte) {
    port_.Out32(settings_.PuertoLed, byte);
    MostrarLeds(view_, byte);
}

void LedSequencer::tick() {
    // Also catches NaN: the lights freeze rather than divide by almost nothing.
    if (!(state_.FrecuenciaLed >= kFrecuenciaMinima)) return;
    clock_.setInterval(intervaloPara(state_.FrecuenciaLed));
    const int k = state_.SecuenciaActual;
    if (!valida(k)) {
        // A damaged cell number has no steps to show; keep the glasses dark.
        escribir(0);
        return;
    }
    if (state_.PasoSecuencia > Secuencias()[k - 1].NumPasos) state_.PasoSecuencia = 1;
    escribir(PasosSecuencia(k, state_.PasoSecuencia));
    ++state_.PasoSecuencia;
}

void LedSequencer::previewStart(int tagNumber) {
    state_.FrecuenciaLed = kFrecuenciaPrevia;
    state_.SecuenciaActual = static_cast<std::int16_t>(tagNumber);
    clock_.setEnabled(true);
}

void LedSequencer::previewStop() {
    clock_.setEnabled(false);
    MostrarLeds(view_, 0);
    port_.Out32(settings_.PuertoLed, 0);
}

bool LedSequencer::shouldStopPreview(double x, double y, double cellW, double cellH,
                                     bool leftButtonDown) {
    if (x < 0 || x > cellW) return true;
    return leftButtonDown && (y < 0 || y > cellH);
}

int LedSequencer::choose(int cellTag, int firstCellTag) {
    state_.FrecuenciaLed = kFrecuenciaPrevia;
    if (state_.SecuenciaActual == 0)
        state_.SecuenciaActual = static_cast<std::int16_t>(firstCellTag);
    clock_.setEnabled(true);
    const auto resultado = chooser_ ? chooser_->run(*this) : SequenceChooser::Result::Cancelled;
    clock_.setEnabled(false);
    MostrarLeds(view_, 0);
    port_.Out32(settings_.PuertoLed, 0);

    const int nuevo = valida(state_.SecuenciaActual) ? state_.SecuenciaActual : cellTag;
    // Closing the window keeps the row last pressed; that changes the cell too,
    // so it must count as a modification or the change could be lost unasked.
    if ((resultado == SequenceChooser::Result::Chosen || nuevo != cellTag) && onSesionModificada)
        onSesionModificada();
    return nuevo;
}

} // namespace vs::glasses
