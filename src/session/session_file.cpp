// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_file.h"

#include "base/file_replace.h"
#include "base/interface_language.h"
#include "base/numeric.h"
#include "base/services.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>

#include <sys/stat.h>

namespace vs::session {
namespace {

constexpr const char* kReadError = VS_TRANSLATE_NOOP("SessionFile", "Error al leer datos");
constexpr const char* kWriteError = VS_TRANSLATE_NOOP("SessionFile", "Error al grabar datos");

constexpr double kInt16Max = std::numeric_limits<std::int16_t>::max();
constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();

// Splits lines at CR LF, LF or a lone CR, so files edited on any system read.
class LineReader {
public:
    enum Status { Line, End, TooLong };

    explicit LineReader(std::streambuf& in) : in_(in) {}

    Status next(std::string& line) {
        using Traits = std::streambuf::traits_type;
        line.clear();
        int c = in_.sbumpc();
        if (c == Traits::eof()) return End;
        for (; c != Traits::eof(); c = in_.sbumpc()) {
            if (c == '\n') return Line;
            if (c == '\r') {
                if (in_.sgetc() == '\n') in_.sbumpc();
                return Line;
            }
            // Fail at once rather than read on through a line that cannot be a value.
            if (line.size() >= kMaxLineLength) return TooLong;
            line.push_back(static_cast<char>(c));
        }
        return Line; // last line without a line end
    }

private:
    std::streambuf& in_;
};

// A number rounded half to even into lo..hi (the range of its target).
bool wholeValue(const std::string& text, double lo, double hi, std::int64_t& out) {
    double v;
    if (!parseNumber(text, v)) return false;
    double r = roundHalfEven(v);
    if (!(r >= lo && r <= hi)) return false;
    out = static_cast<std::int64_t>(r);
    return true;
}

int randomSequence(RandomSource& random) {
    double x = random.next();
    if (!(x >= 0.0 && x < 1.0)) x = 0.0;
    return std::clamp(static_cast<int>(std::floor(x * 6 + 1)), 1, 6);
}

} // namespace

char localeDecimalPoint() {
    const char* p = std::localeconv()->decimal_point;
    // Any other separator would give files this reader (and every other
    // system's) cannot read back.
    if (p && (p[0] == '.' || p[0] == ',') && p[1] == '\0') return p[0];
    return '.';
}

std::string formatInteger(std::int64_t value) {
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

std::string formatSingle(float value, char decimalPoint) {
    double v = std::isfinite(value) ? value : 0.0;
    if (v == 0.0) return " 0 ";
    // to_chars ignores the locale, so the digits can be picked out by position:
    // "d.dddddde+XX".
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 6);
    std::string digits(1, buf[0]);
    digits.append(buf + 2, 6);
    int exponent = 0;
    const char* e = std::find(buf, res.ptr, 'e') + 1;
    if (*e == '+') ++e;
    std::from_chars(e, res.ptr, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string body;
    if (exponent < -4 || exponent > 6) {
        body = digits.substr(0, 1);
        if (digits.size() > 1) body += decimalPoint + digits.substr(1);
        int e = std::abs(exponent);
        body += exponent < 0 ? "E-" : "E+";
        if (e < 10) body += '0';
        body += std::to_string(e);
    } else if (exponent >= 0) {
        std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            body = digits + std::string(whole - digits.size(), '0');
        } else {
            body = digits.substr(0, whole) + decimalPoint + digits.substr(whole);
        }
    } else {
        // No leading zero before the separator: " .5 ".
        body = decimalPoint + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return (v < 0 ? "-" : " ") + body + " ";
}

std::string sessionText(const SessionModel& m, char decimalPoint) {
    std::string text;
    auto line = [&text](const std::string& s) {
        text += s;
        text += "\r\n";
    };
    // The model keeps 2..30 points; clamping only guards the array bounds.
    const int n = std::clamp<int>(m.NumPuntos, 0, kMaxPuntos);
    const int nfr = std::clamp<int>(m.NumPuntosFR, 0, kMaxPuntos);

    line(kSessionHeader);
    line(formatInteger(m.minutos()));
    line(formatInteger(m.segundos()));
    line(formatSingle(m.FrecBinauralMax, decimalPoint));
    line(formatInteger(m.FrecBaseMax));
    line(formatInteger(n));
    for (int i = 1; i <= n; ++i) {
        line(formatSingle(m.Punto[i].Left, decimalPoint));
        line(formatSingle(m.Punto[i].Top, decimalPoint));
    }
    line(formatInteger(nfr));
    for (int j = 1; j <= nfr; ++j) {
        line(formatSingle(m.PuntoFR[j].Left, decimalPoint));
        line(formatSingle(m.PuntoFR[j].Top, decimalPoint));
    }
    for (int i = 1; i < n; ++i) {
        std::string tag = m.pG[i].Tag;
        std::erase_if(tag, [](char c) { return c == '\r' || c == '\n'; });
        line(tag);
    }
    return text;
}

bool parseSession(std::streambuf& in, SessionData& d, RandomSource& random) try {
    d = SessionData{};
    LineReader reader(in);
    std::string line;
    auto value = [&](double lo, double hi, auto& out) {
        std::int64_t v;
        if (reader.next(line) != LineReader::Line || !wholeValue(line, lo, hi, v)) return false;
        out = static_cast<std::remove_reference_t<decltype(out)>>(v);
        return true;
    };
    auto points = [&](int& count, auto& coords) {
        // Fewer than two points is no curve; the editor and the player rely on two.
        if (!value(2, kMaxPuntos, count)) return false;
        for (int i = 1; i <= count; ++i)
            if (!value(kInt32Min, kInt32Max, coords[2 * i]) ||
                !value(kInt32Min, kInt32Max, coords[2 * i + 1]))
                return false;
        return true;
    };

    if (reader.next(line) != LineReader::Line || trim(line) != kSessionHeader) return false;
    if (!value(0, 60, d.minutos) || !value(0, 60, d.segundos)) return false;
    // A zero or negative range would make every frequency conversion divide by zero.
    if (!value(1, kInt16Max, d.binauralMax)) return false;
    if (!value(kInt32Min, kInt32Max, d.baseMax)) return false;
    if (!points(d.numPuntos, d.punto) || !points(d.numPuntosFR, d.puntoFR)) return false;

    for (int i = 1; i < d.numPuntos; ++i) {
        auto status = reader.next(line);
        if (status == LineReader::TooLong) return false;
        if (status == LineReader::End || trim(line).empty()) {
            d.secuencia[i] = randomSequence(random);
            d.randomFilled = true;
            continue;
        }
        std::int64_t n;
        if (!wholeValue(line, 1, 7, n)) return false;
        d.secuencia[i] = static_cast<int>(n);
    }
    return true;
} catch (...) {
    return false;
}

bool applySession(const SessionData& d, SessionModel& m) {
    const std::int32_t before = m.lengthSeconds();
    m.setMinutos(d.minutos);
    m.setSegundos(d.segundos);
    m.FrecBinauralMax = d.binauralMax;
    m.FrecBaseMax = d.baseMax;

    auto place = [](auto& markers, int count, const auto& coords) {
        for (int i = 1; i <= kMaxPuntos; ++i)
            markers[i] = i <= count ? Marker{static_cast<float>(coords[2 * i]),
                                             static_cast<float>(coords[2 * i + 1]), true}
                                    : Marker{};
    };
    // parseSession has checked the counts; the clamp only guards the arrays.
    const int n = std::clamp(d.numPuntos, 2, kMaxPuntos);
    const int nfr = std::clamp(d.numPuntosFR, 2, kMaxPuntos);
    m.NumPuntos = static_cast<std::int16_t>(n);
    place(m.Punto, n, d.punto);
    m.NumPuntosFR = static_cast<std::int16_t>(nfr);
    place(m.PuntoFR, nfr, d.puntoFR);

    for (int i = 1; i < n; ++i)
        m.setCellSequence(i, d.secuencia[i]);
    m.relayCells();
    return m.lengthSeconds() != before;
}

bool GuardarSesion(const SessionModel& model, const std::string& fichero) {
    if (!replaceFileContents(fichero, sessionText(model, localeDecimalPoint()))) {
        messages().critical(translate("SessionFile", kWriteError));
        return false;
    }
    return true;
}

namespace {

// The first `limit` bytes of a file ("" when it cannot be read).
std::string readPrefix(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

} // namespace

bool LeerSesion(SessionModel& model, const std::string& fichero, RandomSource& random) {
    SessionData data;
    bool ok = false;
    {
        std::filebuf file;
        if (file.open(fichero, std::ios::in | std::ios::binary))
            ok = parseSession(file, data, random);
    }
    if (!ok) {
        messages().critical(translate("SessionFile", kReadError));
        model.SesionNueva();
        model.SesionModificada = true;
        model.notify();
        return false;
    }

    const bool lengthChanged = applySession(data, model);
    // Random sequences are stored at once so the session plays the same next
    // time; if that save fails the flag stays set, so the user is asked again.
    // A changed length alone only rewrites the file in the writer's form:
    // pointless when it already is in it, and not worth an error for a file
    // that cannot be written (a shipped session in a read-only folder).
    bool saveBack = data.randomFilled;
    if (lengthChanged && !saveBack)
        saveBack = canReplaceFile(fichero) &&
                   readPrefix(fichero, 64 * 1024) != sessionText(model, localeDecimalPoint());
    model.SesionModificada = saveBack;
    if (saveBack && GuardarSesion(model, fichero)) model.SesionModificada = false;
    model.notify();
    return true;
}

} // namespace vs::session
