// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_draft.h"

#include "base/interface_language.h"
#include "base/numeric.h"
#include "frequency_range.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vs::session::import {
namespace {

constexpr int kLongestSession = 59 * 60 + 59; // what the two scroll bars hold
constexpr double kSlack = 1e-3;               // float noise, not a frequency
constexpr std::size_t kPlacesShown = 6;

std::string placesText(std::vector<int> where, const std::string& one, const std::string& many) {
    std::sort(where.begin(), where.end());
    where.erase(std::unique(where.begin(), where.end()), where.end());
    if (where.size() == 1) return one + " " + std::to_string(where[0]);
    const std::size_t shown = std::min(where.size(), kPlacesShown);
    std::string text = many + " ";
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0) text += (i + 1 == where.size()) ? translate("ImportDraft", " y ") : ", ";
        text += std::to_string(where[i]);
    }
    if (where.size() > shown)
        text +=
            withArgs(translate("ImportDraft", " y %1 más"), {std::to_string(where.size() - shown)});
    return text;
}

double highest(const Polyline& line) {
    double v = line.front().v;
    for (const TimedValue& p : line)
        v = std::max(v, p.v);
    return v;
}

double lowest(const Polyline& line) {
    double v = line.front().v;
    for (const TimedValue& p : line)
        v = std::min(v, p.v);
    return v;
}

void holdWithin(Polyline& line, double lo, double hi) {
    for (TimedValue& p : line)
        p.v = std::clamp(p.v, lo, hi);
}

std::string hz(double v) {
    return spanishNumber(v, 2) + translate("ImportDraft", " Hz");
}

// The maximum nearest the preferred one among those that hold every point;
// when none does, the bound nearest to holding them.
int chooseMax(int preferred, MaxRange fits, int lowestBound, int highestBound) {
    preferred = std::clamp(preferred, lowestBound, highestBound);
    if (fits.lowest <= fits.highest) return std::clamp(preferred, fits.lowest, fits.highest);
    return std::min(fits.lowest, highestBound);
}

// The curve's markers, in whole graph units. The editor keeps beat points
// apart, so a jump (two points at one time) becomes one graph unit wide.
void place(Curve& curve, const Polyline& line, const SessionModel& m, bool beat) {
    std::vector<Marker> markers;
    const float bottom = m.H - 2 * m.MedioPunto;
    for (const TimedValue& p : line) {
        const float left = static_cast<float>(roundHalfEven(m.cursorX(p.t * 1000) - m.MedioPunto));
        const float top = beat ? m.topForBinaural(p.v) : m.topForBase(p.v);
        markers.push_back({left, std::clamp(static_cast<float>(roundHalfEven(top)), 0.f, bottom), true});
    }
    if (beat) {
        const std::size_t last = markers.size() - 1;
        for (std::size_t i = 1; i < last; ++i)
            markers[i].Left = std::max(markers[i].Left, markers[i - 1].Left + 1);
        for (std::size_t i = last - 1; i > 0; --i)
            markers[i].Left = std::min(markers[i].Left, markers[i + 1].Left - 1);
        // Only where more points than graph units crowd together.
        for (std::size_t i = 1; i + 1 < markers.size();)
            if (markers[i].Left <= markers[i - 1].Left) markers.erase(markers.begin() + i);
            else ++i;
    }
    curve.setFlat(markers.back().Left, markers.front().Top);
    curve.setCount(static_cast<int>(markers.size()));
    for (std::size_t i = 0; i < markers.size(); ++i)
        curve[static_cast<int>(i) + 1] = markers[i];
}

} // namespace

void reject(int line, std::string reason) {
    throw Rejected{{line, std::move(reason)}};
}

std::string quoted(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 40))
        out += (c >= 32 && c < 127) ? c : '?';
    if (text.size() > 40) out += "...";
    return withArgs(translate("ImportDraft", "«%1»"), {out});
}

std::string shortNumber(double v, int decimals) {
    std::string text = formatFixed(v, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string spanishNumber(double v, int decimals) {
    std::string text = shortNumber(v, decimals);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void Notes::notCarried(const std::string& what, int where) {
    auto it = std::find_if(lost_.begin(), lost_.end(), [&](const Lost& l) { return l.what == what; });
    if (it == lost_.end()) it = lost_.insert(lost_.end(), Lost{what, {}});
    it->where.push_back(where);
}

void Notes::sentence(std::string text) {
    sentences_.push_back(std::move(text));
}

std::string Notes::text() const {
    std::string out;
    if (!lost_.empty()) {
        out = translate("ImportDraft", "No se ha podido llevar a la sesión: ");
        for (std::size_t i = 0; i < lost_.size(); ++i)
            out += (i > 0 ? "; " : "") + lost_[i].what + " (" +
                   placesText(lost_[i].where, place_, places_) + ")";
        out += ".";
    }
    for (const std::string& s : sentences_)
        out += (out.empty() ? "" : " ") + s;
    return out;
}

ImportResult finish(Draft d, const ImportScale& scale) {
    int seconds = 0;
    if (d.length > kLongestSession + 0.5) {
        cutAt(d.beat, kLongestSession);
        cutAt(d.base, kLongestSession);
        seconds = kLongestSession;
        const double ms = std::min(d.length, 1e15) * 1000;
        d.notes.sentence(
            withArgs(translate("ImportDraft", "La sesión duraba %1 y se ha recortado a 59:59."),
                     {FormatoTiempo(static_cast<std::int64_t>(ms))}));
    } else {
        seconds = static_cast<int>(roundHalfEven(d.length));
        if (seconds < 1)
            return ImportRejection{0,
                                   translate("ImportDraft", "la sesión dura menos de un segundo")};
        const double stretch = seconds / d.length;
        for (Polyline* line : {&d.beat, &d.base})
            for (TimedValue& p : *line)
                p.t = std::min(p.t * stretch, double(seconds));
    }

    SessionModel m;
    m.FrecBinauralMaxPref = static_cast<std::int16_t>(std::clamp(scale.binauralMax, 0, 32767));
    m.FrecBaseMaxPref = scale.baseMax;
    m.setMinutos(seconds / 60);
    m.setSegundos(seconds % 60);

    const double topBeat = highest(d.beat);
    const int B = chooseMax(scale.binauralMax, binauralMaxRange(topBeat), kBinauralMaxLowest,
                            kBinauralMaxHighest);
    if (topBeat > B + kSlack)
        d.notes.sentence(withArgs(translate("ImportDraft", "Las frecuencias binaurales por encima "
                                                           "de %1 se han limitado a %1."),
                                  {hz(B)}));
    holdWithin(d.beat, 0, B);

    const double lowBase = lowest(d.base), topBase = highest(d.base);
    const int F = chooseMax(scale.baseMax, baseMaxRange(lowBase, topBase), kBaseMaxLowest,
                            kBaseMaxHighest);
    const double bottomBase = F - kBaseSpan;
    if (topBase > F + kSlack)
        d.notes.sentence(withArgs(
            translate("ImportDraft", "Las frecuencias base por encima de %1 se han limitado a %1."),
            {hz(F)}));
    if (lowBase < bottomBase - kSlack)
        d.notes.sentence(withArgs(translate("ImportDraft", "La escala base abarca %1: las "
                                                           "frecuencias base por debajo de %2 se "
                                                           "han subido a %2."),
                                  {hz(kBaseSpan), hz(bottomBase)}));
    holdWithin(d.base, bottomBase, F);
    m.FrecBinauralMax = static_cast<float>(B);
    m.FrecBaseMax = F;

    // Half a graph unit: what the file's whole units could not show anyway.
    const double beatTolerance = m.binauralHz(0) - m.binauralHz(0.5f);
    const double baseTolerance = m.baseHz(0) - m.baseHz(0.5f);
    const Simplified beat = simplify(d.beat, kMaxPuntos, beatTolerance);
    const Simplified base = simplify(d.base, kMaxPuntos, baseTolerance);
    for (auto [s, tolerance, curve] :
         {std::tuple{&beat, beatTolerance,
                     VS_TRANSLATE_NOOP("ImportDraft", "La curva binaural necesitaba más de %1 "
                                                      "puntos: se ha simplificado a %1 con un "
                                                      "error de %2 Hz como mucho.")},
          std::tuple{&base, baseTolerance,
                     VS_TRANSLATE_NOOP("ImportDraft", "La curva base necesitaba más de %1 puntos: "
                                                      "se ha simplificado a %1 con un error de %2 "
                                                      "Hz como mucho.")}})
        if (s->maxError > tolerance)
            d.notes.sentence(withArgs(translate("ImportDraft", curve),
                                      {std::to_string(kMaxPuntos),
                                       spanishNumber(s->maxError, s->maxError < 0.1 ? 3 : 2)}));
    place(m.Punto, beat.points, m, true);
    place(m.PuntoFR, base.points, m, false);
    m.relayCells();
    for (int i = 1; i < m.NumPuntos; ++i)
        m.setCellSequence(i, 6);
    m.SesionModificada = true;

    ImportedSession out{std::move(m), std::nullopt, {}};
    if (d.noiseHighest) {
        out.maskLevel = static_cast<int>(roundHalfEven(std::clamp(*d.noiseHighest, 0.0, 100.0)));
        if (d.noiseLowest && *d.noiseHighest - *d.noiseLowest >= 1)
            d.notes.sentence(
                withArgs(translate("ImportDraft", "El %1 cambia de nivel (de %2 a %3): "
                                                  "se propone %4 para la máscara."),
                         {d.noiseName, spanishNumber(*d.noiseLowest, 0),
                          spanishNumber(*d.noiseHighest, 0), std::to_string(*out.maskLevel)}));
    }
    out.notes = d.notes.text();
    return out;
}

} // namespace vs::session::import
