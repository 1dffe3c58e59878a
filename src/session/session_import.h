// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sessions of other programs: schedules of the command-line beat generators
// (*.sbg) and of Gnaural (*.gnaural) read into a session, and a session
// written as an *.sbg schedule those programs play.
//
// An import takes the beat and the carrier of the schedule's first binaural
// voice. Both programs name the carrier as the middle of the two tones; the
// session's base is the lower tone (the left ear), so base = carrier - beat / 2
// and the two pitches heard stay the same (a schedule that puts the higher
// tone on the left has its ears swapped). The result has:
//  - its length clipped to 59:59 when the schedule is longer;
//  - points that add nothing within half a graph unit merged, and a curve
//    that still needs more than 30 points simplified to 30 (the largest
//    error, in hertz, is in the notes);
//  - the caller's preferred maxima when the curves fit in them, else the
//    nearest the options dialog allows that holds them (frequencies beyond
//    every allowed scale are held to its edge, and the notes say so);
//  - every segment on LED sequence 6, whole graph units like a file read,
//    and SesionModificada set (nothing is on disk yet);
//  - the level of the schedule's noise as a suggestion for the mask, which
//    the session file does not hold.
// What the schedule holds that a session cannot play (other voices, noises,
// effects, options) is listed in the notes, never dropped in silence.
//
// All of it is plain C++ on the UI thread (or any thread: nothing is shared);
// the Gnaural reader uses Qt Core's XML reader.
#include "base/interface_language.h"
#include "session_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vs::session {

// The file dialog's filter for the files importSession takes (shown through
// vs::translate with the context "SessionImport").
inline constexpr const char* kImportFilter =
    VS_TRANSLATE_NOOP("SessionImport", "Sesiones de otros programas (*.sbg *.gnaural)");

// Why a file was not imported: the line it stopped at (for a Gnaural file the
// line of the XML element, which the reason names), 0 when the fault is the
// file's as a whole, and the reason in Spanish.
struct ImportRejection {
    int line = 0;
    std::string reason;
    // "Línea 12: <reason>", or the reason alone for line 0.
    std::string message() const;
    bool operator==(const ImportRejection&) const = default;
};

struct ImportedSession {
    SessionModel model;
    // The noise the schedule plays, 0..100 on the mask slider's scale (the
    // highest level where it changes); empty when it plays none.
    std::optional<int> maskLevel;
    // One Spanish message: what was not carried, the clipping, the held
    // frequencies, the simplification. Empty when the session plays all of it.
    std::string notes;
};

using ImportResult = std::variant<ImportedSession, ImportRejection>;

// The scale an imported session keeps when its curves fit in it: the user's
// preferred maxima (FrecBinauralMaxPref, FrecBaseMaxPref). The model's
// preference copies are set from it too.
struct ImportScale {
    int binauralMax = 15;
    int baseMax = 500;
};

// Whether importSession reads this file, by its extension (any letter case).
bool isImportable(const std::string& path);

// Reads the file and imports it by its extension: .sbg or .gnaural.
ImportResult importSession(const std::string& path, const ImportScale& scale = {});

// The importers on a file's bytes. They never throw.
ImportResult importSbg(std::string_view text, const ImportScale& scale = {});
ImportResult importGnaural(std::string_view text, const ImportScale& scale = {});

// What an exported schedule plays beside the tones, 0..100 each.
struct SbgLevels {
    int mask = 0;      // pink noise at this level; 0 for none
    int binaural = 50; // the tones' amplitude
};

// The session as an *.sbg schedule: a tone-set and a time line for every time
// at which either curve has a point, sliding from each to the next, running
// from the start to the end (-SE). Times are whole seconds. Empty for a session
// of no length. importSbg reads it back to the same curves, within the graph's
// rounding (less the points that lie on the line between their neighbours).
std::string sbgText(const SessionModel& model, const SbgLevels& levels);

// Writes sbgText to `path` (replacing the file whole). False when the session
// has no length or the file cannot be written.
bool writeSbg(const SessionModel& model, const SbgLevels& levels, const std::string& path);

} // namespace vs::session
