#include "shell_logic.h"

#include "base/numeric.h"
#include "base/preference_keys.h"
#include "base/preferences.h"

#include <algorithm>

namespace vs::shell {

void StepSequence::add(std::string name, std::function<void()> step) {
    names_.push_back(std::move(name));
    steps_.push_back(std::move(step));
}

void StepSequence::run() {
    failed_.clear();
    for (size_t i = 0; i < steps_.size(); ++i) {
        try {
            steps_[i]();
        } catch (...) {
            failed_.push_back(names_[i]);
        }
    }
}

namespace {

int readInt(const Preferences& p, const pref::Key& k) {
    double def = 0;
    parseNumber(k.def, def);
    return p.getInt(k.section, k.name, static_cast<int>(def));
}

bool readBool(const Preferences& p, const pref::Key& k) {
    return p.getBool(k.section, k.name, std::string(k.def) != "0");
}

} // namespace

ShellSettings readShellSettings(const Preferences& prefs) {
    ShellSettings s;
    s.volumenMascara = std::clamp(readInt(prefs, pref::VolumenMascara), 0, 100);
    s.volumenBinaural = std::clamp(readInt(prefs, pref::VolumenBinaural), 0, 100);
    s.binauralActivo = readBool(prefs, pref::BinauralActivo);
    s.mascaraActivo = readBool(prefs, pref::MascaraActivo);
    s.musicaActivo = readBool(prefs, pref::MusicaActivo);
    s.minutos = 1;
    s.segundos = 0;
    s.frecBinauralMaxPref = prefs.getInt16(pref::FrecuenciaBinauralMaxima.section,
                                           pref::FrecuenciaBinauralMaxima.name, 15);
    s.frecBaseMaxPref = readInt(prefs, pref::FrecuenciaBaseMaxima);
    // A range of zero or below would divide by zero in every conversion.
    if (s.frecBinauralMaxPref <= 0) s.frecBinauralMaxPref = 15;
    if (s.frecBaseMaxPref <= 0) s.frecBaseMaxPref = 500;
    s.verLineasGrid = readInt(prefs, pref::VerLineasGrid) > 0;
    s.verTextoFrecuencias = readInt(prefs, pref::VerTextoFrecuencias) > 0;
    s.anchoSesion = readInt(prefs, pref::AnchoSesion);
    s.anchoDuracionSesion = readInt(prefs, pref::AnchoDuracionSesion);
    s.anchoMusica = readInt(prefs, pref::AnchoMusica);
    s.anchoDuracionMusica = readInt(prefs, pref::AnchoDuracionMusica);
    return s;
}

std::vector<Setting> exitSettings(const ExitValues& v) {
    auto n = [](int x) { return std::to_string(x); };
    auto b = [](bool x) { return std::string(x ? "1" : "0"); };
    auto s = [](const pref::Key& k, std::string value) {
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
        s(pref::MusicaActivo, b(v.musicaActivo)),
        s(pref::FrecuenciaBinauralMaxima, n(v.frecBinauralMaxPref)),
        s(pref::FrecuenciaBaseMaxima, n(v.frecBaseMaxPref)),
        s(pref::Setup, "1"),
    };
}

void writeExitSettings(Preferences& prefs, const ExitValues& v) {
    for (const auto& s : exitSettings(v))
        prefs.save(s.section, s.key, s.value);
}

std::string saveQuestion(const std::string& sessionName) {
    return "Guardar modificaciones de: " + sessionName + "?";
}

std::string volumeLabel(int scrollValue) {
    return formatFixed(scrollValue / 10.0, 1);
}

} // namespace vs::shell
