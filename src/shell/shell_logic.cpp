// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell_logic.h"

#include "base/interface_language.h"
#include "base/numeric.h"
#include "base/preferences.h"
#include "base/services.h"
#include "library/library_keys.h"
#include "session/session_keys.h"
#include "playback/playback_keys.h"
#include "shell_keys.h"

#include <algorithm>
#include <exception>

namespace vs::shell {

void StepSequence::add(std::string name, std::function<void()> step) {
    names_.push_back(std::move(name));
    steps_.push_back(std::move(step));
}

void StepSequence::run() {
    failed_.clear();
    for (size_t i = 0; i < steps_.size(); ++i) {
        std::string why;
        try {
            steps_[i]();
            continue;
        } catch (const StepFailureTold&) {
            failed_.push_back(names_[i]);
            continue;
        } catch (const std::exception& e) {
            why = e.what();
        } catch (...) {
            why = translate("StartupSequence", "error desconocido");
        }
        failed_.push_back(names_[i]);
        messages().critical(
            withArgs(translate("StartupSequence", "Ha fallado el paso de arranque %1: %2"),
                     {names_[i], why}));
    }
}

ShellSettings readShellSettings(const Preferences& prefs) {
    ShellSettings s;
    s.volumenMascara = std::clamp(prefs.getInt(pref::VolumenMascara), 0, 100);
    s.volumenBinaural = std::clamp(prefs.getInt(pref::VolumenBinaural), 0, 100);
    s.binauralActivo = prefs.getBool(pref::BinauralActivo);
    s.mascaraActivo = prefs.getBool(pref::MascaraActivo);
    s.musicaActivo = prefs.getBool(playback::pref::MusicaActivo);
    s.minutos = 1;
    s.segundos = 0;
    s.frecBinauralMaxPref = prefs.getInt16(pref::FrecuenciaBinauralMaxima);
    s.frecBaseMaxPref = prefs.getInt(pref::FrecuenciaBaseMaxima);
    // A range of zero or below would divide by zero in every conversion.
    if (s.frecBinauralMaxPref <= 0) s.frecBinauralMaxPref = 15;
    if (s.frecBaseMaxPref <= 0) s.frecBaseMaxPref = 500;
    s.verLineasGrid = prefs.getInt(session::pref::VerLineasGrid) > 0;
    s.verTextoFrecuencias = prefs.getInt(session::pref::VerTextoFrecuencias) > 0;
    s.anchoSesion = prefs.getInt(pref::AnchoSesion);
    s.anchoDuracionSesion = prefs.getInt(pref::AnchoDuracionSesion);
    s.anchoMusica = prefs.getInt(pref::AnchoMusica);
    s.anchoDuracionMusica = prefs.getInt(pref::AnchoDuracionMusica);
    return s;
}

std::vector<Setting> exitSettings(const ExitValues& v) {
    auto n = [](int x) { return std::to_string(x); };
    auto b = [](bool x) { return std::string(x ? "1" : "0"); };
    auto s = [](const PreferenceKey& k, std::string value) {
        return Setting{k.section, k.name, std::move(value)};
    };
    return {
        s(pref::PosicionLeft, n(v.left)),
        s(pref::PosicionTop, n(v.top)),
        s(pref::AnchoSesion, n(v.anchoSesion)),
        s(pref::AnchoDuracionSesion, n(v.anchoDuracionSesion)),
        s(pref::AnchoMusica, n(v.anchoMusica)),
        s(pref::AnchoDuracionMusica, n(v.anchoDuracionMusica)),
        s(pref::VolumenBinaural, n(v.volumenBinaural)),
        s(pref::BinauralActivo, b(v.binauralActivo)),
        s(pref::VolumenMascara, n(v.volumenMascara)),
        s(pref::MascaraActivo, b(v.mascaraActivo)),
        s(playback::pref::MusicaActivo, b(v.musicaActivo)),
        s(pref::FrecuenciaBinauralMaxima, n(v.frecBinauralMaxPref)),
        s(pref::FrecuenciaBaseMaxima, n(v.frecBaseMaxPref)),
        s(library::pref::Setup, "1"),
    };
}

void writeExitSettings(Preferences& prefs, const ExitValues& v) {
    for (const auto& s : exitSettings(v))
        prefs.save(s.section, s.key, s.value);
}

double columnScale(int neededPixels, int storedTwips) {
    const double designPixels = static_cast<double>(storedTwips) / kTwipsPerPixel;
    if (designPixels <= 0 || neededPixels <= designPixels) return 1.0;
    return neededPixels / designPixels;
}

int twipsToPixels(int twips, double scale) {
    return toInt32(static_cast<double>(twips) * scale / kTwipsPerPixel);
}

int widthToStore(int storedTwips, int pixelsNow, double scale) {
    if (pixelsNow == twipsToPixels(storedTwips, scale)) return storedTwips;
    return toInt32(pixelsNow * kTwipsPerPixel / scale);
}

std::string volumeLabel(int scrollValue) {
    return formatFixed(scrollValue / 10.0, 1);
}

} // namespace vs::shell
