// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/export_lights.h"

#include "audio/engine.h"
#include "glasses/led_display.h"
#include "glasses/led_port.h"
#include "glasses/led_sequencer.h"
#include "glasses/sequences.h"
#include "glasses/state.h"
#include "glasses/step_clock.h"

namespace vs::library {
namespace {

// The port of the render: every byte becomes the light signal's.
class LightSignalPort : public glasses::LedPort {
public:
    explicit LightSignalPort(audio::Engine& engine) : engine_(engine) {}
    void Out32(std::uint16_t, std::uint16_t value) override {
        engine_.setLightByte(std::uint8_t(value & 0xFF));
    }
    std::uint16_t Inp32(std::uint16_t) override { return 0; }
    std::string problema() const override { return {}; }

private:
    audio::Engine& engine_;
};

// A file shows no indicators.
class NoIndicators : public glasses::LedIndicators {
public:
    void setLit(int, bool) override {}
    void setColours(int, std::uint32_t, std::uint32_t) override {}
};

class ExportLights : public playback::RenderGlassesLink {
public:
    explicit ExportLights(audio::Engine& engine)
        : port_(engine), sequencer_(estado_, clock_, port_, indicators_) {
        estado_.GafasMentales = true;
        estado_.LuzEnAudio = true;
        // An export starts its sequence at the first step, whatever the
        // window showed last: the same session gives the same file.
        estado_.PasoSecuencia = 1;
    }

    bool GafasMentales() const override { return true; }
    void setClockEnabled(bool on) override { clock_.setEnabled(on); }
    void setFrecuenciaLed(float hz) override { estado_.FrecuenciaLed = hz; }
    void setSecuenciaActual(int s) override {
        estado_.SecuenciaActual = static_cast<std::int16_t>(s);
    }
    void darken() override { sequencer_.escribir(0); }
    std::int64_t nextStepMs() const override { return clock_.nextTickMs(); }
    void stepTo(std::int64_t ms) override { clock_.advanceTo(ms); }

private:
    glasses::EstadoGafas estado_;
    glasses::SimulatedStepClock clock_;
    LightSignalPort port_;
    NoIndicators indicators_;
    glasses::LedSequencer sequencer_;
};

} // namespace

playback::GlassesLinkFactory exportLights() {
    glasses::CargarSecuencias();
    return [](audio::Engine& engine) -> std::unique_ptr<playback::RenderGlassesLink> {
        return std::make_unique<ExportLights>(engine);
    };
}

} // namespace vs::library
