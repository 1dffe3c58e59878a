// SPDX-License-Identifier: GPL-3.0-or-later
// Gnaural schedules (*.gnaural, XML): <schedule> holds <loops> and <voice>s;
// a voice has a <type> (0 binaural beat, 1 pink noise, 2 a sound file, 3 and 4
// isochronic pulses, 5 water drops, 6 rain), <voice_mute> and <entries> of
// <entry duration= beatfreq= basefreq= volume_left= volume_right=>. Each entry
// starts at its values and glides to the next entry's over its duration; the
// last glides back to the first's, so that a schedule can repeat.
//
// The first binaural voice that is not muted gives the curves (a muted one
// only when there is no other); the first pink noise that is not muted gives
// the mask, at its loudest ear's level. Other voices that sound are listed.
// <loops> repeats the schedule that many times (up to 59:59); 0 (for ever) is
// taken as once and listed.
#include "import_draft.h"

#include "base/interface_language.h"
#include "base/numeric.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vs::session {
namespace {

using import::Draft;

constexpr int kBinauralType = 0;
constexpr int kPinkNoiseType = 1;
constexpr std::size_t kMaxPoints = 1000000; // the binaural voice, repeats included
constexpr double kLongest = 59 * 60 + 59;

[[noreturn]] void stop(int line, std::string reason) {
    import::reject(line, std::move(reason));
}

std::string shown(const QString& text) {
    return import::quoted(text.toStdString());
}

struct RawEntry {
    int line = 0;
    QString duration, beat, base, left, right;
    bool hasDuration = false, hasBeat = false, hasBase = false, hasLeft = false, hasRight = false;
};

struct Voice {
    int line = 0;
    int number = 0; // 1-based, in the file's order
    std::optional<int> type;
    bool muted = false;
    std::vector<RawEntry> entries;
};

struct Entry {
    double duration = 0, beat = 0, base = 0, level = 0;
};

class GnauralReader {
public:
    explicit GnauralReader(std::string_view text)
        : xml_(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()))) {}

    Draft read() {
        if (!xml_.readNextStartElement()) {
            if (xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError) failIfBroken();
            stop(0, translate("GnauralImport", "el fichero no tiene ningún elemento XML"));
        }
        if (xml_.name() != QLatin1String("schedule"))
            stop(line(),
                 translate("GnauralImport", "se esperaba <schedule> y el documento empieza por <") +
                     xml_.name().toString().toStdString() + ">");
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("loops")) loops_ = wholeNumber("loops");
            else if (xml_.name() == QLatin1String("voice")) readVoice();
            else xml_.skipCurrentElement();
        }
        while (!xml_.atEnd())
            xml_.readNext();
        failIfBroken();
        return draft();
    }

private:
    int line() const { return static_cast<int>(xml_.lineNumber()); }

    void failIfBroken() {
        if (!xml_.hasError()) return;
        std::string why = translate("GnauralImport", "el XML está mal formado");
        if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            why = translate("GnauralImport", "el XML se acaba sin cerrar sus elementos");
        stop(line(), why);
    }

    int wholeNumber(const char* element) {
        const int at = line();
        const QString text = xml_.readElementText();
        failIfBroken();
        double v = 0;
        if (!parseNumber(text.toStdString(), v) || v != std::floor(v) || v < 0 || v > 1e9)
            stop(at, std::string("<") + element + "> " + shown(text) +
                         translate("GnauralImport", " no es un número entero positivo"));
        return static_cast<int>(v);
    }

    void readVoice() {
        Voice v;
        v.line = line();
        v.number = static_cast<int>(voices_.size()) + 1;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("type")) v.type = wholeNumber("type");
            else if (xml_.name() == QLatin1String("voice_mute")) v.muted = wholeNumber("voice_mute");
            else if (xml_.name() == QLatin1String("entries")) readEntries(v);
            else xml_.skipCurrentElement();
        }
        failIfBroken();
        if (!v.type)
            stop(v.line, translate("GnauralImport", "<voice> ") + std::to_string(v.number) +
                             translate("GnauralImport", " no tiene <type>"));
        voices_.push_back(std::move(v));
    }

    void readEntries(Voice& v) {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("entry")) {
                RawEntry e;
                e.line = line();
                const QXmlStreamAttributes a = xml_.attributes();
                auto take = [&](const char* name, QString& to, bool& has) {
                    has = a.hasAttribute(QLatin1String(name));
                    if (has) to = a.value(QLatin1String(name)).toString();
                };
                take("duration", e.duration, e.hasDuration);
                take("beatfreq", e.beat, e.hasBeat);
                take("basefreq", e.base, e.hasBase);
                take("volume_left", e.left, e.hasLeft);
                take("volume_right", e.right, e.hasRight);
                v.entries.push_back(std::move(e));
            }
            xml_.skipCurrentElement();
        }
    }

    // A number attribute of an entry of voice `v`; never negative where
    // `signedOk` is false.
    static double number(const Voice& v, std::size_t i, const char* name, const QString& text,
                         bool has, bool signedOk) {
        const RawEntry& e = v.entries[i];
        const std::string where = translate("GnauralImport", "<entry> ") + std::to_string(i + 1) +
                                  translate("GnauralImport", " de la voz ") +
                                  std::to_string(v.number);
        if (!has) stop(e.line, where + translate("GnauralImport", " no tiene el atributo ") + name);
        double x = 0;
        if (!parseNumber(text.toStdString(), x) || std::abs(x) > 1e9)
            stop(e.line, where + ": " + name + " " + shown(text) +
                             translate("GnauralImport", " no es un número válido"));
        if (!signedOk && x < 0)
            stop(e.line, where + ": " + name + translate("GnauralImport", " es negativo"));
        return x;
    }

    static std::vector<Entry> entries(const Voice& v, bool binaural) {
        std::vector<Entry> out;
        for (std::size_t i = 0; i < v.entries.size(); ++i) {
            const RawEntry& r = v.entries[i];
            Entry e;
            e.duration = number(v, i, "duration", r.duration, r.hasDuration, false);
            if (binaural) {
                e.beat = number(v, i, "beatfreq", r.beat, r.hasBeat, true);
                e.base = number(v, i, "basefreq", r.base, r.hasBase, false);
            } else {
                e.level = 100 * std::max(number(v, i, "volume_left", r.left, r.hasLeft, false),
                                         number(v, i, "volume_right", r.right, r.hasRight, false));
            }
            out.push_back(e);
        }
        return out;
    }

    static std::string kind(int type) {
        switch (type) {
        case kBinauralType:
            return translate("GnauralImport", "una segunda voz binaural");
        case kPinkNoiseType:
            return translate("GnauralImport", "una segunda voz de ruido rosa");
        case 2:
            return translate("GnauralImport", "el sonido de un fichero");
        case 3:
            return translate("GnauralImport", "los tonos isócronos");
        case 4:
            return translate("GnauralImport", "los tonos isócronos alternos");
        case 5:
            return translate("GnauralImport", "las gotas de agua");
        case 6:
            return translate("GnauralImport", "la lluvia");
        default:
            return translate("GnauralImport", "las voces de un tipo desconocido");
        }
    }

    const Voice* first(int type, bool muted) const {
        for (const Voice& v : voices_)
            if (*v.type == type && v.muted == muted) return &v;
        return nullptr;
    }

    Draft draft() {
        const Voice* beat = first(kBinauralType, false);
        if (!beat) beat = first(kBinauralType, true);
        if (!beat)
            stop(0, translate("GnauralImport", "no hay ninguna voz binaural (<type>0</type>)"));
        const Voice* noise = first(kPinkNoiseType, false);

        Draft d{
            {},
            {},
            0,
            {},
            {},
            translate("GnauralImport", "ruido rosa"),
            import::Notes(translate("GnauralImport", "voz"), translate("GnauralImport", "voces"))};
        if (beat->muted)
            d.notes.sentence(
                translate("GnauralImport", "La voz binaural ") + std::to_string(beat->number) +
                translate("GnauralImport",
                          " está silenciada en el fichero; se ha llevado igualmente."));
        for (const Voice& v : voices_)
            if (&v != beat && &v != noise && !v.muted) d.notes.notCarried(kind(*v.type), v.number);

        const std::vector<Entry> tones = entries(*beat, true);
        if (tones.empty())
            stop(beat->line,
                 translate("GnauralImport", "la voz binaural no tiene ninguna <entry>"));
        double pass = 0;
        for (const Entry& e : tones)
            pass += e.duration;
        if (pass < 0.5)
            stop(beat->line,
                 translate("GnauralImport", "la voz binaural dura menos de medio segundo"));

        int passes = loops_;
        if (loops_ == 0) {
            d.notes.sentence(
                translate("GnauralImport",
                          "El fichero se repite sin fin (<loops>0</loops>): se lleva una vez."));
            passes = 1;
        }
        double t = 0;
        for (int p = 0; p < passes && t < kLongest; ++p) {
            if (d.beat.size() + tones.size() + 1 > kMaxPoints)
                stop(beat->line,
                     translate("GnauralImport", "la voz binaural repetida da demasiados puntos"));
            for (const Entry& e : tones) {
                d.beat.push_back({t, std::abs(e.beat)});
                d.base.push_back({t, import::lowerTone(e.base, e.beat)});
                t += e.duration;
            }
        }
        d.beat.push_back({t, std::abs(tones.front().beat)});
        d.base.push_back({t, import::lowerTone(tones.front().base, tones.front().beat)});
        d.length = t;

        if (noise)
            for (const Entry& e : entries(*noise, false)) {
                d.noiseHighest = std::max(d.noiseHighest.value_or(e.level), e.level);
                d.noiseLowest = std::min(d.noiseLowest.value_or(e.level), e.level);
            }
        return d;
    }

    QXmlStreamReader xml_;
    int loops_ = 1;
    std::vector<Voice> voices_;
};

} // namespace

ImportResult importGnaural(std::string_view text, const ImportScale& scale) {
    return import::finishWith([text] { return GnauralReader(text).read(); }, scale);
}

} // namespace vs::session
