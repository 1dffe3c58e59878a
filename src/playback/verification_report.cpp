// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/verification_report.h"

#include "audio/engine.h"
#include "base/interface_language.h"
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
    return formatFixed(hz, 3) + translate("VerificationReport", " Hz");
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

// The JSON names of the readings, in SecondReading's order.
constexpr std::array<const char*, kSecondReadings> kReadingNames = {
    "medido", "sin_tonos", "fuera_de_rango", "silencio", "cubierto"};

std::string secondsText(int n) {
    return withArgs(n == 1 ? translate("VerificationReport", "%1 segundo")
                           : translate("VerificationReport", "%1 segundos"),
                    {std::to_string(n)});
}

// Why the seconds that were not measured were not, one clause each; the
// silent ones only when asked (silence at the start and at the end of a fade
// is the session's own).
std::string unmeasuredText(const VerificationReport& r, bool silent) {
    std::string out;
    auto add = [&](SecondReading why, const std::string& what) {
        const int n = r.unmeasuredFor(why);
        if (n == 0) return;
        out += (out.empty() ? "" : "; ") +
               withArgs(translate("VerificationReport", "en %1 %2"), {secondsText(n), what});
    };
    add(SecondReading::OutOfRange,
        translate("VerificationReport", "las frecuencias dibujadas quedan fuera de lo que se puede "
                                        "medir (de 20 Hz a 20 kHz)"));
    add(SecondReading::Covered,
        translate("VerificationReport", "otro sonido (la música) cubre los tonos"));
    if (silent) add(SecondReading::Silent, translate("VerificationReport", "no suena ningún tono"));
    return out;
}

} // namespace

std::string beatPlotTitle(PulseType pulse) {
    switch (pulse) {
    case PulseType::Monaural:
        return translate("VerificationReport", "Pulso monoaural (envolvente de cada oído)");
    case PulseType::Isochronic:
        return translate("VerificationReport", "Pulso isocrónico (ritmo de la envolvente)");
    case PulseType::Binaural:
        break;
    }
    return translate("VerificationReport", "Pulso binaural (derecho − izquierdo)");
}

std::string carrierPlotTitle(PulseType pulse) {
    switch (pulse) {
    case PulseType::Monaural:
        return translate("VerificationReport", "Portadora (tono bajo, en ambos oídos)");
    case PulseType::Isochronic:
        return translate("VerificationReport", "Portadora (tono en ambos oídos)");
    case PulseType::Binaural:
        break;
    }
    return translate("VerificationReport", "Portadora (tono izquierdo)");
}

bool VerificationReport::tonesFollowCurves() const {
    return maxErrorLeft <= kToleranceHz && maxErrorRight <= kToleranceHz &&
           maxErrorBeat <= kToleranceHz;
}

bool VerificationReport::passed() const {
    return measuredSeconds > 0 && tonesFollowCurves() && clippedSamples == 0 && clicks == 0;
}

namespace {

// The verdict's first word: a defect found, nothing measured, or all well.
std::string headingOf(const VerificationReport& r) {
    if (!r.tonesFollowCurves() || r.clippedSamples > 0 || r.clicks > 0)
        return translate("VerificationReport", "Con defectos");
    return r.measuredSeconds == 0 ? translate("VerificationReport", "Sin verificar")
                                  : translate("VerificationReport", "Correcto");
}

} // namespace

std::string VerificationReport::verdict() const {
    std::ostringstream v;
    v << headingOf(*this) << ": ";
    if (measuredSeconds == 0) {
        v << translate("VerificationReport", "no se ha podido medir ningún tono binaural: ");
        if (!tonesOn)
            v << translate("VerificationReport", "los tonos binaurales no están marcados.\n");
        else if (const std::string why = unmeasuredText(*this, true); !why.empty())
            v << why << ".\n";
        else
            v << translate("VerificationReport", "la grabación no dura lo bastante.\n");
    } else if (tonesFollowCurves()) {
        v << withArgs(
            translate("VerificationReport",
                      "los tonos siguen las curvas dibujadas en los %1 segundos medidos "
                      "(error máximo del pulso %2, de la portadora %3).\n"),
            {std::to_string(measuredSeconds), hzText(maxErrorBeat), hzText(maxErrorLeft)});
    } else {
        v << translate("VerificationReport", "los tonos se apartan de las curvas dibujadas.\n");
        v << withArgs(
            worstBeatSecond >= 0 ? translate("VerificationReport", "Pulso: error máximo %1 en %2")
                                 : translate("VerificationReport", "Pulso: error máximo %1"),
            {hzText(maxErrorBeat), worstBeatSecond >= 0 ? timeText(worstBeatSecond) : ""});
        v << withArgs(translate("VerificationReport", "; tono izquierdo %1; tono derecho %2.\n"),
                      {hzText(maxErrorLeft), hzText(maxErrorRight)});
    }
    if (measuredSeconds > 0) {
        if (const std::string why = unmeasuredText(*this, false); !why.empty())
            v << withArgs(translate("VerificationReport", "No medible: %1.\n"), {why});
    }
    v << withArgs(translate("VerificationReport", "Nivel de pico %1 dBFS"),
                  {formatFixed(peak > 0 ? 20 * std::log10(peak) : -120.0, 1)});
    if (clippedSamples > 0)
        v << withArgs(
            translate("VerificationReport", "; saturación en %1 muestras (la primera en %2)"),
            {std::to_string(clippedSamples), timeText(firstClipSeconds)});
    else
        v << translate("VerificationReport", ", sin saturación");
    v << ".\n";
    if (!clicksChecked)
        v << translate("VerificationReport", "Chasquidos: no se comprueban con música de fondo.");
    else if (clicks > 0)
        v << withArgs(translate("VerificationReport", "%1 chasquidos (el primero en %2)."),
                      {std::to_string(clicks), timeText(clickSeconds.front())});
    else
        v << translate("VerificationReport", "Sin chasquidos.");
    return v.str();
}

std::string reportJson(const VerificationReport& r, const std::string& sessionName,
                       const links::RenderNotes& notes) {
    std::ostringstream j;
    j << "{\n  \"sesion\": " << jsonString(sessionName) << ",\n";
    j << "  \"muestras\": " << r.frames << ",\n";
    j << "  \"frecuencia_muestreo\": " << audio::kMixRate << ",\n";
    j << "  \"correcto\": " << (r.passed() ? "true" : "false") << ",\n";
    constexpr std::array<const char*, 3> kPulseNames = {"binaural", "monoaural", "isocronico"};
    j << "  \"tipo_pulso\": \"" << kPulseNames[std::size_t(r.pulse)] << "\",\n";
    j << "  \"tolerancia_hz\": " << number(VerificationReport::kToleranceHz) << ",\n";
    j << "  \"segundos_medidos\": " << r.measuredSeconds << ",\n";
    j << "  \"segundos_no_medidos\": {";
    for (int k = 1; k < kSecondReadings; ++k)
        j << (k > 1 ? ", " : "") << "\"" << kReadingNames[std::size_t(k)]
          << "\": " << r.unmeasured[std::size_t(k)];
    j << "},\n";
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
          << ", \"nivel_derecho\": " << number(s.levelRight, 5)
          << ", \"perturbacion_izquierda\": " << number(s.disturbanceLeft, 4)
          << ", \"perturbacion_derecha\": " << number(s.disturbanceRight, 4) << ", \"lectura\": \""
          << kReadingNames[std::size_t(s.reading)] << "\"}"
          << (i + 1 < r.seconds.size() ? ",\n" : "\n");
    }
    j << "  ]\n}\n";
    return j.str();
}

std::string reportSummary(const VerificationReport& r) {
    std::ostringstream s;
    s << headingOf(r) << ": ";
    if (r.measuredSeconds == 0)
        s << translate("VerificationReport", "ningún tono medido");
    else
        s << withArgs(
            translate("VerificationReport",
                      "pulso %1, portadora %2 de error máximo en %3 s medidos"),
            {hzText(r.maxErrorBeat), hzText(r.maxErrorLeft), std::to_string(r.measuredSeconds)});
    if (const int covered = r.unmeasuredFor(SecondReading::Covered); covered > 0)
        s << withArgs(translate("VerificationReport", ", %1 s cubiertos por la música"),
                      {std::to_string(covered)});
    if (const int out = r.unmeasuredFor(SecondReading::OutOfRange); out > 0)
        s << withArgs(translate("VerificationReport", ", %1 s fuera de lo medible"),
                      {std::to_string(out)});
    if (r.measuredSeconds == 0 && r.unmeasuredFor(SecondReading::Silent) > 0)
        s << withArgs(translate("VerificationReport", ", %1 s sin tono"),
                      {std::to_string(r.unmeasuredFor(SecondReading::Silent))});
    s << withArgs(translate("VerificationReport", "; pico %1 dBFS; %2 muestras saturadas; "),
                  {formatFixed(r.peak > 0 ? 20 * std::log10(r.peak) : -120.0, 1),
                   std::to_string(r.clippedSamples)});
    if (r.clicksChecked)
        s << withArgs(translate("VerificationReport", "%1 chasquidos"), {std::to_string(r.clicks)});
    else
        s << translate("VerificationReport", "chasquidos sin comprobar");
    return s.str();
}

} // namespace vs::playback
