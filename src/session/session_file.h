// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session file (*.vso): one value per line, CR LF line ends, numbers in the
// classic print-to-file style (" 25 ", "-3 ", " 1087.5 ").
//
// GuardarSesion / LeerSesion are what the session library calls, on the UI
// thread. The pieces below them (text form, parser, atomic file replace) are
// public so tests and the fuzz target can drive them without touching disk.
#include "random_source.h"
#include "session_model.h"

#include <array>
#include <cstdint>
#include <streambuf>
#include <string>
#include <string_view>

namespace vs::session {

inline constexpr const char* kSessionHeader = "Velorin Somnara";
// Longest line the reader accepts; no valid value comes near it, and it keeps
// a damaged or hostile file from making the reader allocate without bound.
inline constexpr std::size_t kMaxLineLength = 4096;

// Writes the open session to `fichero`. The old file is replaced only once the
// new one is complete on disk; on any failure "Error al grabar datos" is shown
// and the old file is left as it was. Does not touch SesionModificada.
bool GuardarSesion(const SessionModel& model, const std::string& fichero);

// Replaces the open session by the file's content and clears SesionModificada.
// Segments without a sequence get a random one (1..6); the file is then saved
// back, as it is when the length read differs from the one shown before. On a
// read failure "Error al leer datos" is shown, the model becomes the default
// new session with SesionModificada set, and false is returned.
// Listeners are notified in every case.
bool LeerSesion(SessionModel& model, const std::string& fichero,
                RandomSource& random = clockRandom());

// --- building blocks ---

// Everything a session file holds, already converted and range-checked.
struct SessionData {
    int minutos = 0;
    int segundos = 0;
    std::int16_t binauralMax = 0;
    std::int32_t baseMax = 0;
    int numPuntos = 0;
    int numPuntosFR = 0;
    std::array<std::int32_t, 2 * (kMaxPuntos + 1)> punto{}; // Left, Top of point i at 2i, 2i+1
    std::array<std::int32_t, 2 * (kMaxPuntos + 1)> puntoFR{};
    std::array<int, kMaxCells + 1> secuencia{}; // 1..7
    bool randomFilled = false;                  // some segment got a random sequence
};

// Parses a session from `in`, reading no further than the last sequence line.
// False for anything the file format does not allow; never throws.
bool parseSession(std::streambuf& in, SessionData& out, RandomSource& random);

// Puts parsed data into the model (points, cells, ranges, length through the
// scroll-bar wrap). Returns true when the session length changed. Does not
// notify and does not touch SesionModificada.
bool applySession(const SessionData& data, SessionModel& model);

// The whole file as bytes, numbers written with `decimalPoint`.
std::string sessionText(const SessionModel& model, char decimalPoint);

// Print-to-file number forms: sign place, at most 7 significant digits for a
// single, E notation outside 1E-04..9999999, one trailing blank.
std::string formatSingle(float value, char decimalPoint);
std::string formatInteger(std::int64_t value);

// Decimal separator of the C library's numeric locale, when it is one the
// reader understands ('.' or ','); '.' otherwise.
char localeDecimalPoint();

} // namespace vs::session
