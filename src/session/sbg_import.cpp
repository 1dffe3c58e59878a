// SPDX-License-Identifier: GPL-3.0-or-later
// Schedules of the command-line beat generators (*.sbg). What is read:
//  - comments from '#' to the line's end, blank lines, a byte-order mark;
//  - option lines ("-SE", "-m file"): -S, -E, -Q and -D mean nothing here,
//    every other option is listed as not carried; -p and -i (a program made
//    by the option, not by the file) are refused;
//  - tone-sets "name: voice voice ..." whose first binaural voice
//    ("carrier+beat/amp", "carrier-beat/amp", or "carrier/amp" for none)
//    gives the beat and the carrier; "pink/amp" is the mask; "-" is an unused
//    channel; "alloff" is silence unless the file defines it;
//  - blocks "name: {" ... "}" of relative time lines, stamped at the time of
//    the line that names them;
//  - time lines "time [fade] name [->]": the time is NOW or a clock time
//    (hh:mm or hh:mm:ss), each with any number of "+hh:mm[:ss]" after it, or
//    "+hh:mm[:ss]" alone, which counts from the last absolute time. A clock
//    time earlier than the last one is on the next day (past midnight).
// The session runs from the first time line to the last, whose tone-set only
// ends it. A tone-set holds until the next time line; the change to the next
// takes the minute round the change-over (less where a tone-set is shorter),
// and with "->" the whole of the tone-set's time. Every change is a slide,
// since the curves are straight between their points: the fade signs choose
// how the tones meet, which a session cannot tell apart ('<' and '>', a fade
// through silence, are listed). A tone-set without a binaural voice keeps the
// frequencies of the one before it (the one after, at the start) and is
// listed as a silence.
#include "import_draft.h"

#include "base/interface_language.h"
#include "base/numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vs::session {
namespace {

using import::Draft;

constexpr std::int64_t kDay = 24 * 3600;
constexpr double kChangeHalf = 30; // a change takes 30 s either side of its time
constexpr int kMaxExpansion = 100000; // time lines read, block stamps included
constexpr int kMaxDepth = 100;         // blocks within blocks

using import::quoted;

[[noreturn]] void stop(int line, std::string reason) {
    import::reject(line, std::move(reason));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isName(std::string_view s) {
    if (s.empty() || !isLetter(s[0])) return false;
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return isLetter(c) || isDigit(c) || c == '_' || c == '-'; });
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// An unsigned decimal as the generators write it: "200", "1.5", ".5".
bool unsignedNumber(std::string_view s, double& out) {
    if (s.empty()) return false;
    int dots = 0, digits = 0;
    for (char c : s) {
        if (c == '.') ++dots;
        else if (isDigit(c)) ++digits;
        else return false;
    }
    return dots <= 1 && digits > 0 && parseNumber(std::string(s), out);
}

// Splits "a/b" and reads both numbers.
bool numberOverAmplitude(std::string_view s, double& value, double& amplitude) {
    const std::size_t slash = s.find('/');
    return slash != std::string_view::npos && unsignedNumber(s.substr(0, slash), value) &&
           unsignedNumber(s.substr(slash + 1), amplitude);
}

struct ToneSet {
    int line = 0;
    bool binaural = false;
    double carrier = 0, beat = 0;
    std::optional<double> pink;
    std::vector<std::string> lost; // what the set plays that a session cannot
    bool noted = false;            // its losses are in the notes already
};

// "NOW", a clock time, or neither; plus the relative times after it.
struct TimeMark {
    enum class Absolute { None, Now, Clock } absolute = Absolute::None;
    std::int64_t clock = 0;
    std::int64_t relative = 0;
};

struct TimeLine {
    int line = 0;
    TimeMark mark;
    std::string fade; // "" or two signs
    std::string name;
    bool slide = false;
};

struct Block {
    int line = 0;
    std::vector<TimeLine> lines;
};

struct Entry {
    std::int64_t t = 0;
    int set = 0;
    bool slide = false;
    char fadeIn = '-', fadeOut = '-';
    int line = 0;
};

// hh:mm or hh:mm:ss from `s` at `pos`, with at most `hourDigits` hour digits.
bool clockPart(std::string_view s, std::size_t& pos, int hourDigits, std::int64_t& seconds) {
    auto digits = [&](int lo, int hi, std::int64_t& v) {
        const std::size_t start = pos;
        v = 0;
        while (pos < s.size() && isDigit(s[pos]) && int(pos - start) < hi)
            v = v * 10 + (s[pos++] - '0');
        return int(pos - start) >= lo;
    };
    std::int64_t h = 0, m = 0, sec = 0;
    if (!digits(1, hourDigits, h) || pos >= s.size() || s[pos] != ':') return false;
    ++pos;
    if (!digits(2, 2, m) || m > 59) return false;
    if (pos < s.size() && s[pos] == ':') {
        ++pos;
        if (!digits(2, 2, sec) || sec > 59) return false;
    }
    seconds = h * 3600 + m * 60 + sec;
    return true;
}

class SbgReader {
public:
    explicit SbgReader(std::string_view text) : text_(text) {}

    Draft read() {
        int lineNo = 0;
        // Windows editors put a byte-order mark in front of UTF-8 text.
        std::size_t pos = text_.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
        while (pos <= text_.size()) {
            std::size_t end = text_.find('\n', pos);
            if (end == std::string_view::npos) end = text_.size();
            std::string_view line = text_.substr(pos, end - pos);
            pos = end + 1;
            ++lineNo;
            const std::size_t hash = line.find('#');
            if (hash != std::string_view::npos) line = line.substr(0, hash);
            line = trimmed(line);
            if (!line.empty()) readLine(line, lineNo);
        }
        if (open_)
            stop(blocks_[*open_].line, translate("SbgImport", "falta «}» para cerrar el bloque"));
        return draft();
    }

private:
    void readLine(std::string_view line, int n) {
        if (open_) {
            if (line == "}") open_.reset();
            else if (isLetter(line[0]) && !startsWithNow(line))
                stop(n, translate("SbgImport", "en un bloque solo caben líneas de tiempo"));
            else blocks_[*open_].lines.push_back(timeLine(line, n, true));
            return;
        }
        if (line == "}") stop(n, translate("SbgImport", "«}» sin un bloque abierto"));
        if (line[0] == '-') return options(line, n);
        if (isDigit(line[0]) || line[0] == '+' || startsWithNow(line)) {
            const TimeLine t = timeLine(line, n, false);
            return use(t, t.mark, n, 0);
        }
        if (isLetter(line[0])) return definition(line, n);
        stop(n, translate("SbgImport", "línea no reconocida ") + quoted(line));
    }

    static bool startsWithNow(std::string_view line) {
        return line.substr(0, 3) == "NOW" &&
               (line.size() == 3 || line[3] == '+' || line[3] == ' ' || line[3] == '\t');
    }

    void options(std::string_view line, int n) {
        for (std::string_view word : words(line)) {
            if (word.size() < 2 || word[0] != '-') continue; // an option's argument
            const std::string_view letters = word.substr(1);
            if (letters.find_first_of("pi") != std::string_view::npos)
                stop(n, translate("SbgImport", "la opción ") + quoted(word) +
                            translate("SbgImport",
                                      " hace el programa por sí misma y no se puede importar"));
            if (letters.find_first_not_of("SEQD") != std::string_view::npos)
                notes_.notCarried(translate("SbgImport", "la opción ") + std::string(word), n);
        }
    }

    void definition(std::string_view line, int n) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            stop(n, translate("SbgImport", "línea no reconocida ") + quoted(line));
        const std::string name(trimmed(line.substr(0, colon)));
        const std::string_view body = trimmed(line.substr(colon + 1));
        if (!isName(name)) stop(n, translate("SbgImport", "nombre no válido ") + quoted(name));
        // A waveform of the generator's own: only the voices that use it matter.
        if (isWaveform(name)) return;
        if (const auto it = names_.find(name); it != names_.end())
            stop(n, quoted(name) + translate("SbgImport", " ya está definido en la línea ") +
                        std::to_string(it->second.line));
        if (body == "{") {
            names_[name] = {n, true, static_cast<int>(blocks_.size())};
            blocks_.push_back({n, {}});
            open_ = blocks_.size() - 1;
            return;
        }
        ToneSet set;
        set.line = n;
        for (std::string_view voice : words(body))
            readVoice(voice, n, set);
        names_[name] = {n, false, static_cast<int>(sets_.size())};
        sets_.push_back(std::move(set));
    }

    static bool isWaveform(std::string_view name) {
        for (std::string_view prefix : {"wave", "custom"})
            if (name.size() == prefix.size() + 2 && name.substr(0, prefix.size()) == prefix &&
                isDigit(name[name.size() - 2]) && isDigit(name.back()))
                return true;
        return false;
    }

    void readVoice(std::string_view voice, int n, ToneSet& set) {
        if (voice == "-") return;
        std::string waveform;
        // One waveform in front of a tone or an effect: "square:200+10/20".
        if (const std::size_t colon = voice.find(':'); colon != std::string_view::npos) {
            const std::string_view prefix = voice.substr(0, colon);
            for (std::string_view effect : {"spin", "bspin", "wspin"})
                if (prefix == effect)
                    return set.lost.push_back(translate("SbgImport", "ruido giratorio (spin)"));
            if (isMixEffect(prefix)) return set.lost.push_back(translate("SbgImport", kMixEffects));
            if (prefix != "sine") {
                const bool known = prefix == "square" || prefix == "triangle" ||
                                   prefix == "sawtooth" || isWaveform(prefix);
                if (!known) stop(n, translate("SbgImport", "voz no reconocida ") + quoted(voice));
                waveform = prefix;
            }
            voice = voice.substr(colon + 1);
            if (const std::size_t inner = voice.find(':'); inner != std::string_view::npos) {
                if (!isMixEffect(voice.substr(0, inner)))
                    stop(n, translate("SbgImport", "voz no reconocida ") + quoted(voice));
                return set.lost.push_back(translate("SbgImport", kMixEffects));
            }
        }
        double a = 0, amp = 0;
        for (auto [noise, name] :
             {std::pair{"pink/", ""},
              std::pair{"white/", VS_TRANSLATE_NOOP("SbgImport", "ruido blanco")},
              std::pair{"brown/", VS_TRANSLATE_NOOP("SbgImport", "ruido marrón")},
              std::pair{"mix/", VS_TRANSLATE_NOOP("SbgImport",
                                                  "la mezcla con un sonido de fondo (mix)")}}) {
            const std::string_view head(noise);
            if (voice.substr(0, head.size()) != head) continue;
            if (!unsignedNumber(voice.substr(head.size()), amp))
                stop(n, translate("SbgImport", "nivel no válido en ") + quoted(voice));
            if (*name) return set.lost.push_back(translate("SbgImport", name));
            if (set.pink)
                return set.lost.push_back(translate("SbgImport", "una segunda voz de ruido rosa"));
            set.pink = amp;
            return;
        }
        if (voice.substr(0, 5) == "bell+") {
            if (!numberOverAmplitude(voice.substr(5), a, amp))
                stop(n, translate("SbgImport", "voz no reconocida ") + quoted(voice));
            return set.lost.push_back(translate("SbgImport", "las campanas (bell)"));
        }
        const std::size_t sign = voice.find_first_of("+-@~/");
        if (sign == std::string_view::npos || !unsignedNumber(voice.substr(0, sign), a))
            stop(n, translate("SbgImport", "voz no reconocida ") + quoted(voice));
        double beat = 0;
        const std::string_view rest = voice.substr(sign + 1);
        const char how = voice[sign];
        const bool valid = how == '/' ? unsignedNumber(rest, amp) : numberOverAmplitude(rest, beat, amp);
        if (!valid) stop(n, translate("SbgImport", "voz no reconocida ") + quoted(voice));
        if (how == '@')
            return set.lost.push_back(translate("SbgImport", "los tonos isócronos (@)"));
        if (how == '~')
            return set.lost.push_back(translate("SbgImport", "los tonos modulados (~)"));
        if (set.binaural)
            return set.lost.push_back(translate("SbgImport", "una segunda voz binaural"));
        set.binaural = true;
        set.carrier = a;
        set.beat = how == '-' ? -beat : beat;
        if (!waveform.empty())
            set.lost.push_back(translate("SbgImport", "las formas de onda que no son senoidales"));
    }

    static constexpr const char* kMixEffects = VS_TRANSLATE_NOOP(
        "SbgImport", "los efectos sobre la mezcla (mixspin, mixpulse, mixbeat, mixam)");

    static bool isMixEffect(std::string_view prefix) {
        return prefix == "mixspin" || prefix == "mixpulse" || prefix == "mixbeat" ||
               prefix == "mixam";
    }

    TimeMark mark(std::string_view word, int n, bool inBlock) {
        TimeMark s;
        std::size_t pos = 0;
        if (word.substr(0, 3) == "NOW") {
            s.absolute = TimeMark::Absolute::Now;
            pos = 3;
        } else if (isDigit(word[0])) {
            if (!clockPart(word, pos, 2, s.clock) || s.clock >= kDay)
                stop(n, translate("SbgImport", "hora no válida ") + quoted(word));
            s.absolute = TimeMark::Absolute::Clock;
        }
        if (inBlock && s.absolute != TimeMark::Absolute::None)
            stop(n, translate("SbgImport", "en un bloque las horas son relativas (+hh:mm)"));
        while (pos < word.size()) {
            std::int64_t relative = 0;
            if (word[pos] != '+') stop(n, translate("SbgImport", "hora no válida ") + quoted(word));
            ++pos;
            if (!clockPart(word, pos, 5, relative))
                stop(n, translate("SbgImport", "hora no válida ") + quoted(word));
            s.relative += relative;
        }
        return s;
    }

    TimeLine timeLine(std::string_view line, int n, bool inBlock) {
        const std::vector<std::string_view> w = words(line);
        TimeLine t;
        t.line = n;
        t.mark = mark(w[0], n, inBlock);
        std::size_t i = 1;
        if (i < w.size() && std::string_view("<>-=").find(w[i][0]) != std::string_view::npos) {
            const std::string_view f = w[i];
            if (f.size() != 2 || std::string_view("<-=").find(f[0]) == std::string_view::npos ||
                std::string_view(">-=").find(f[1]) == std::string_view::npos)
                stop(n,
                     translate("SbgImport", "fundido no válido ") + quoted(f) +
                         translate("SbgImport",
                                   ": son dos signos, el primero de < - = y el segundo de > - ="));
            t.fade = std::string(f);
            ++i;
        }
        if (i >= w.size()) stop(n, translate("SbgImport", "falta el nombre del conjunto de tonos"));
        t.name = std::string(w[i++]);
        if (i < w.size() && w[i] == "->") {
            t.slide = true;
            ++i;
        }
        if (i < w.size())
            stop(n, translate("SbgImport", "sobra ") + quoted(w[i]) +
                        translate("SbgImport", " al final de la línea"));
        if (!isName(t.name)) stop(n, translate("SbgImport", "nombre no válido ") + quoted(t.name));
        const auto it = names_.find(t.name);
        if (it == names_.end() && t.name != "alloff")
            stop(n, quoted(t.name) + translate("SbgImport", " no está definido"));
        if (it != names_.end() && it->second.block) {
            if (!t.fade.empty() || t.slide)
                stop(n, translate("SbgImport", "un bloque no lleva fundido ni ->"));
            if (inBlock && std::size_t(it->second.index) == *open_)
                stop(n, translate("SbgImport", "un bloque no puede usarse a sí mismo"));
        }
        return t;
    }

    // Puts a time line, or the lines of the block it names, into the schedule.
    // `at` is its own time mark combined with those of the blocks round it.
    void use(const TimeLine& t, const TimeMark& at, int n, int depth) {
        if (++expanded_ > kMaxExpansion)
            stop(n, translate("SbgImport", "los bloques dan más de ") +
                        std::to_string(kMaxExpansion) +
                        translate("SbgImport", " líneas de tiempo"));
        const auto it = names_.find(t.name);
        if (it != names_.end() && it->second.block) {
            if (depth >= kMaxDepth)
                stop(n, translate("SbgImport", "los bloques se usan unos a otros a más de ") +
                            std::to_string(kMaxDepth) + translate("SbgImport", " niveles"));
            for (const TimeLine& inner : blocks_[it->second.index].lines) {
                TimeMark combined = at;
                combined.relative += inner.mark.relative;
                use(inner, combined, n, depth + 1);
            }
            return;
        }
        Entry e;
        e.line = n;
        e.set = it != names_.end() ? it->second.index : allOff();
        e.slide = t.slide;
        if (!t.fade.empty()) {
            e.fadeIn = t.fade[0];
            e.fadeOut = t.fade[1];
        }
        e.t = timeOf(at, n);
        entries_.push_back(e);
    }

    int allOff() {
        if (!allOff_) {
            allOff_ = static_cast<int>(sets_.size());
            sets_.push_back(ToneSet{});
        }
        return *allOff_;
    }

    std::int64_t timeOf(const TimeMark& s, int n) {
        using A = TimeMark::Absolute;
        const A mode = s.absolute == A::None ? (clockMode_ ? A::Clock : A::Now) : s.absolute;
        if (anchored_ && (mode == A::Clock) != clockMode_)
            stop(n, translate("SbgImport", "no se pueden mezclar NOW y horas de reloj"));
        if (s.absolute == A::Now) {
            anchor_ = 0;
        } else if (s.absolute == A::Clock) {
            std::int64_t t = s.clock;
            if (anchored_ && t < anchor_) t += (anchor_ - t + kDay - 1) / kDay * kDay;
            anchor_ = t;
        }
        anchored_ = true;
        clockMode_ = mode == A::Clock;
        const std::int64_t t = anchor_ + s.relative;
        if (!entries_.empty() && t < entries_.back().t)
            stop(n, translate("SbgImport", "la hora es anterior a la de la línea ") +
                        std::to_string(entries_.back().line));
        return t;
    }

    Draft draft() {
        if (entries_.empty()) stop(0, translate("SbgImport", "no hay ninguna línea de tiempo"));
        const std::size_t count = entries_.size();
        const std::int64_t start = entries_.front().t;
        if (entries_.back().t == start)
            stop(entries_.back().line,
                 translate("SbgImport",
                           "la sesión dura 0 segundos: la última línea de tiempo marca su final"));

        // Each entry's beat and carrier; a silent one borrows its neighbour's.
        std::vector<const ToneSet*> voiced(count, nullptr);
        for (std::size_t i = 0; i < count; ++i) {
            const Entry& e = entries_[i];
            ToneSet& set = sets_[e.set];
            if (!set.noted) {
                for (const std::string& what : set.lost)
                    notes_.notCarried(what, set.line);
                set.noted = true;
            }
            if (set.binaural) voiced[i] = &set;
            else if (i + 1 < count)
                notes_.notCarried(translate("SbgImport", kSilence), e.line);
            if ((e.fadeIn == '<' && i > 0) || (e.fadeOut == '>' && i + 1 < count))
                notes_.notCarried(
                    translate("SbgImport", "los fundidos a través del silencio (<, >)"), e.line);
        }
        const auto first = std::find_if(voiced.begin(), voiced.end(), [](auto* s) { return s; });
        if (first == voiced.end())
            stop(0,
                 translate("SbgImport", "ningún conjunto de tonos usado tiene una voz binaural"));
        for (std::size_t i = 0; i < count; ++i)
            voiced[i] = voiced[i] ? voiced[i] : (i == 0 ? *first : voiced[i - 1]);

        Draft d{{},
                {},
                double(entries_.back().t - start),
                {},
                {},
                translate("SbgImport", "ruido rosa"),
                std::move(notes_)};
        auto point = [&](double t, std::size_t i) {
            const ToneSet& s = *voiced[i];
            d.beat.push_back({t, std::abs(s.beat)});
            d.base.push_back({t, import::lowerTone(s.carrier, s.beat)});
        };
        auto at = [&](std::size_t i) { return double(entries_[i].t - start); };
        point(0, 0);
        for (std::size_t i = 0; i + 1 < count; ++i) {
            const double change = at(i + 1);
            if (entries_[i].slide) {
                point(change, i + 1);
                continue;
            }
            const double before = std::min(kChangeHalf, (change - at(i)) / 2);
            const bool held = i + 2 < count && !entries_[i + 1].slide;
            const double after = held ? std::min(kChangeHalf, (at(i + 2) - change) / 2) : 0;
            point(change - before, i);
            point(change + after, i + 1);
        }

        // The last tone-set only ends the session: its noise is never heard.
        // A noise in some tone-sets only is silent (level 0) in the others.
        bool everywhere = true;
        for (std::size_t i = 0; i + 1 < count; ++i) {
            const std::optional<double> pink = sets_[entries_[i].set].pink;
            everywhere = everywhere && pink;
            if (!pink) continue;
            d.noiseHighest = std::max(d.noiseHighest.value_or(*pink), *pink);
            d.noiseLowest = std::min(d.noiseLowest.value_or(*pink), *pink);
        }
        if (d.noiseHighest && !everywhere) d.noiseLowest = 0;
        return d;
    }

    static constexpr const char* kSilence =
        VS_TRANSLATE_NOOP("SbgImport", "los silencios (conjuntos de tonos sin voz binaural)");

    struct Name {
        int line = 0;
        bool block = false;
        int index = 0;
    };

    std::string_view text_;
    import::Notes notes_{translate("SbgImport", "línea"), translate("SbgImport", "líneas")};
    std::map<std::string, Name> names_;
    std::vector<ToneSet> sets_;
    std::vector<Block> blocks_;
    std::optional<std::size_t> open_;
    std::optional<int> allOff_;
    std::vector<Entry> entries_;
    int expanded_ = 0;
    bool anchored_ = false, clockMode_ = false;
    std::int64_t anchor_ = 0;
};

} // namespace

ImportResult importSbg(std::string_view text, const ImportScale& scale) {
    return import::finishWith([text] { return SbgReader(text).read(); }, scale);
}

} // namespace vs::session
