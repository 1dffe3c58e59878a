// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up and shutdown without widgets: the step runner, the settings read at
// start-up and the preferences written at exit, so both can be tested headless.
#include <functional>
#include <string>
#include <vector>

namespace vs {
class Preferences;
}

namespace vs::shell {

// Runs named steps in order. A step that throws is abandoned and the sequence
// goes on with the next one; the user is told once which step failed and why,
// since a silent failure surfaces later as a riddle (no sound, an empty list).
// A step that has told the user itself throws StepFailureTold.
struct StepFailureTold {};

class StepSequence {
public:
    void add(std::string name, std::function<void()> step);
    void run();
    const std::vector<std::string>& failedSteps() const { return failed_; }
    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
    std::vector<std::function<void()>> steps_;
    std::vector<std::string> failed_;
};

// Values the initialisation reads from the preferences (besides the glasses,
// which their own module reads).
struct ShellSettings {
    int volumenMascara = 20;  // scrollVolumenMascara, 0..100
    int volumenBinaural = 50; // scrollVolumenBinaural, 0..100
    bool binauralActivo = true;
    bool mascaraActivo = false;
    bool musicaActivo = true;
    int minutos = 1;
    int segundos = 0;
    int frecBinauralMaxPref = 15;
    int frecBaseMaxPref = 500;
    bool verLineasGrid = true;
    bool verTextoFrecuencias = true;
    int anchoSesion = 2580, anchoDuracionSesion = 800; // twips
    int anchoMusica = 2580, anchoDuracionMusica = 800;
};

ShellSettings readShellSettings(const Preferences& prefs);

// What the orderly exit stores.
struct ExitValues {
    int left = 0, top = 0; // window position, twips
    int anchoSesion = 2580, anchoDuracionSesion = 800, anchoMusica = 2580,
        anchoDuracionMusica = 800;
    int volumenBinaural = 50, volumenMascara = 20;
    bool binauralActivo = true, mascaraActivo = false, musicaActivo = true;
    int frecBinauralMaxPref = 15, frecBaseMaxPref = 500;
};

struct Setting {
    std::string section, key, value;
};
// The exit keys in the order they are written.
std::vector<Setting> exitSettings(const ExitValues& v);
void writeExitSettings(Preferences& prefs, const ExitValues& v);

// Scroll-bar volume as the label shows it: value / 10 formatted "0.0".
std::string volumeLabel(int scrollValue);

// Pixels <-> twips at the design scale (15 twips per pixel).
inline constexpr int kTwipsPerPixel = 15;
// Column widths are stored in twips of the design's font. The program's font
// may be larger: `scale` (1 or more) widens every column alike so that a
// header drawn in it fits, and is taken out again when a width is stored.
// The smallest scale at which a header `neededPixels` wide fits a column
// stored at `storedTwips`.
double columnScale(int neededPixels, int storedTwips);
// A stored width in twips shown in whole pixels (nearest, halves to even).
int twipsToPixels(int twips, double scale = 1.0);
// The width to store at exit for a column that was opened at `storedTwips`
// and is now `pixelsNow` wide: the stored value itself while the column keeps
// the width it was given, so a round trip through pixels never changes it.
int widthToStore(int storedTwips, int pixelsNow, double scale = 1.0);

} // namespace vs::shell
