// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the session file reader. Every accepted input must give
// a model the rest of the program can trust, and that model must survive a
// write and a second read unchanged.
#include "session/session_file.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// Fixed answers keep runs reproducible.
class StepRandom : public vs::session::RandomSource {
public:
    void seedFromClock() override {}
    double next() override { return (step_++ % 7) / 7.0; }

private:
    unsigned step_ = 0;
};

void require(bool condition) {
    if (!condition) std::abort();
}

bool parse(const std::string& text, vs::session::SessionData& data) {
    std::stringbuf buf(text);
    StepRandom random;
    return vs::session::parseSession(buf, data, random);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace vs::session;
    SessionData data;
    if (!parse(std::string(reinterpret_cast<const char*>(bytes), size), data)) return 0;

    SessionModel model;
    applySession(data, model);
    require(model.NumPuntos >= 2 && model.NumPuntos <= kMaxPuntos);
    require(model.NumPuntosFR >= 2 && model.NumPuntosFR <= kMaxPuntos);
    require(model.minutos() >= 0 && model.minutos() < 60);
    require(model.segundos() >= 0 && model.segundos() < 60);
    require(model.FrecBinauralMax >= 1);
    for (int i = 1; i < model.NumPuntos; ++i)
        require(model.cellSequence(i) != 0);

    // Whole numbers up to 7 digits are written exactly; larger ones only to
    // 7 significant digits, so compare positions only when all are small.
    bool exact = true;
    for (int i = 2; i < 2 * (kMaxPuntos + 1); ++i)
        exact = exact && std::abs(data.punto[i]) <= 9999999 && std::abs(data.puntoFR[i]) <= 9999999;

    for (char point : {'.', ','}) {
        SessionData again;
        require(parse(sessionText(model, point), again));
        require(!again.randomFilled);
        require(again.numPuntos == data.numPuntos && again.numPuntosFR == data.numPuntosFR);
        require(again.binauralMax == data.binauralMax && again.baseMax == data.baseMax);
        require(again.minutos * 60 + again.segundos == model.lengthSeconds());
        require(again.secuencia == data.secuencia);
        if (exact) require(again.punto == data.punto && again.puntoFR == data.puntoFR);
    }
    return 0;
}
