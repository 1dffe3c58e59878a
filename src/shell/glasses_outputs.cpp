// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses_outputs.h"

#include "audio/bass.h"
#include "audio/engine.h"
#include "base/services.h"
#include "glasses/glasses_output.h"
#include "glasses/state.h"
#include "library/export_lights.h"

#include <QPointer>
#include <QTimer>

namespace vs::shell {

GlassesOutputs::GlassesOutputs(glasses::GlassesOutput& output, const glasses::EstadoGafas& estado,
                               MessageService& messages, QObject* context)
    : output_(output), estado_(estado) {
    output_.onByte = [](std::uint8_t byte) { audio::processEngine().setLightByte(byte); };
    // Not from inside the write: a modal box there would run the event loop
    // in the middle of a step of the sequencer.
    output_.onLost = [&messages, guard = QPointer<QObject>(context)](const std::string& text) {
        if (guard) QTimer::singleShot(0, guard, [&messages, text] { messages.critical(text); });
    };
    audio::processEngine().setLightByte(0);
}

GlassesOutputs::~GlassesOutputs() {
    output_.onByte = nullptr;
    output_.onLost = nullptr;
    audio::processEngine().setLightSignal(false);
}

namespace {
bool lightInSound(const glasses::EstadoGafas& estado) {
    return estado.GafasMentales && estado.LuzEnAudio;
}
} // namespace

void GlassesOutputs::apply() {
    audio::processEngine().setLightSignal(lightInSound(estado_));
}

playback::GlassesLinkFactory GlassesOutputs::exportLights() const {
    return lightInSound(estado_) ? library::exportLights() : playback::GlassesLinkFactory{};
}

} // namespace vs::shell
