// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/verification_report.h"

#include "audio/engine.h"
#include "base/numeric.h"
#include "session/session_model.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace vs::playback {
namespace {

std::string timeText(double seconds) {
    return session::FormatoTiempo(std::int64_t(std::floor(seconds)) * 1000);
}

std::string hzText(double hz) {
    return formatFixed(hz, 3) + " Hz";
}

std::string number(double v, int decimals = 4) {
    return std::isfinite(v) ? formatFixed(v, decimals) : "null";
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

} // namespace

bool VerificationReport::tonesFollowCurves() const {
    return maxErrorLeft <= kToleranceHz && maxErrorRight <= kToleranceHz &&
           maxErrorBeat <= kToleranceHz;
}

bool VerificationReport::passed() const {
    return tonesFollowCurves() && clippedSamples == 0 && clicks == 0;
}

std::string VerificationReport::verdict() const {
    std::ostringstream v;
    if (passed())
        v << "Correcto: ";
    else
        v << "Con defectos: ";
    if (measuredSeconds == 0) {
        v << "no se ha podido medir ningún tono binaural.\n";
    } else if (tonesFollowCurves()) {
        v << "los tonos siguen las curvas dibujadas en los " << measuredSeconds
          << " segundos medidos (error máximo del pulso " << hzText(maxErrorBeat)
          << ", de la portadora " << hzText(maxErrorLeft) << ").\n";
    } else {
        v << "los tonos se apartan de las curvas dibujadas.\n";
        v << "Pulso: error máximo " << hzText(maxErrorBeat);
        if (worstBeatSecond >= 0) v << " en " << timeText(worstBeatSecond);
        v << "; tono izquierdo " << hzText(maxErrorLeft) << "; tono derecho "
          << hzText(maxErrorRight) << ".\n";
    }
    v << "Nivel de pico " << formatFixed(peak > 0 ? 20 * std::log10(peak) : -120.0, 1) << " dBFS";
    if (clippedSamples > 0)
        v << "; saturación en " << clippedSamples << " muestras (la primera en "
          << timeText(firstClipSeconds) << ")";
    else
        v << ", sin saturación";
    v << ".\n";
    if (!clicksChecked)
        v << "Chasquidos: no se comprueban con música de fondo.";
    else if (clicks > 0)
        v << clicks << " chasquidos (el primero en " << timeText(clickSeconds.front()) << ").";
    else
        v << "Sin chasquidos.";
    return v.str();
}

std::string reportJson(const VerificationReport& r, const std::string& sessionName,
                       const links::RenderNotes& notes) {
    std::ostringstream j;
    j << "{\n  \"sesion\": " << jsonString(sessionName) << ",\n";
    j << "  \"muestras\": " << r.frames << ",\n";
    j << "  \"frecuencia_muestreo\": " << audio::kMixRate << ",\n";
    j << "  \"correcto\": " << (r.passed() ? "true" : "false") << ",\n";
    j << "  \"tolerancia_hz\": " << number(VerificationReport::kToleranceHz) << ",\n";
    j << "  \"segundos_medidos\": " << r.measuredSeconds << ",\n";
    j << "  \"error_max_izquierdo_hz\": " << number(r.maxErrorLeft) << ",\n";
    j << "  \"error_max_derecho_hz\": " << number(r.maxErrorRight) << ",\n";
    j << "  \"error_max_pulso_hz\": " << number(r.maxErrorBeat) << ",\n";
    j << "  \"pico\": " << number(r.peak, 6) << ",\n";
    j << "  \"muestras_saturadas\": " << r.clippedSamples << ",\n";
    j << "  \"chasquidos_comprobados\": " << (r.clicksChecked ? "true" : "false") << ",\n";
    j << "  \"chasquidos\": " << r.clicks << ",\n";
    j << "  \"chasquidos_segundos\": [";
    for (std::size_t i = 0; i < r.clickSeconds.size(); ++i)
        j << (i ? ", " : "") << number(r.clickSeconds[i], 5);
    j << "],\n  \"notas\": [";
    for (std::size_t i = 0; i < notes.size(); ++i)
        j << (i ? ", " : "") << jsonString(notes[i]);
    j << "],\n  \"veredicto\": " << jsonString(r.verdict()) << ",\n";
    j << "  \"segundos\": [\n";
    for (std::size_t i = 0; i < r.seconds.size(); ++i) {
        const SecondCheck& s = r.seconds[i];
        j << "    {\"t\": " << s.second << ", \"portadora_dibujada\": " << number(s.drawnBase)
          << ", \"pulso_dibujado\": " << number(s.drawnBeat);
        if (s.measured)
            j << ", \"izquierdo\": " << number(s.left) << ", \"derecho\": " << number(s.right)
              << ", \"pulso\": " << number(s.beat);
        else
            j << ", \"izquierdo\": null, \"derecho\": null, \"pulso\": null";
        j << ", \"nivel_izquierdo\": " << number(s.levelLeft, 5)
          << ", \"nivel_derecho\": " << number(s.levelRight, 5) << "}"
          << (i + 1 < r.seconds.size() ? ",\n" : "\n");
    }
    j << "  ]\n}\n";
    return j.str();
}

std::string reportSummary(const VerificationReport& r) {
    std::ostringstream s;
    s << (r.passed() ? "Correcto" : "Con defectos") << ": pulso " << hzText(r.maxErrorBeat)
      << ", portadora " << hzText(r.maxErrorLeft) << " de error máximo en " << r.measuredSeconds
      << " s medidos; pico " << formatFixed(r.peak > 0 ? 20 * std::log10(r.peak) : -120.0, 1)
      << " dBFS; " << r.clippedSamples << " muestras saturadas; ";
    if (r.clicksChecked)
        s << r.clicks << " chasquidos";
    else
        s << "chasquidos sin comprobar";
    return s.str();
}

} // namespace vs::playback
