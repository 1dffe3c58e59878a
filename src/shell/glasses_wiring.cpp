// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses_wiring.h"

#include "base/services.h"
#include "glasses/export_lights.h"
#include "glasses/parallel_or_serial_port.h"
#include "glasses/port_setup.h"
#include "glasses/sequences.h"
#include "session/graph_frame.h"
#include "session/session_model.h"

#include <QPointer>
#include <QTimer>

namespace vs::shell {

GlassesWiring::GlassesWiring(glasses::GlassesSettings& settings, glasses::LedIndicators& indicators,
                             glasses::ParallelOrSerialPort& output, glasses::LedPort& port,
                             audio::Engine& engine, MessageService& messages, QObject* context)
    : settings_(settings), output_(output), messages_(messages), port_(port, engine),
      link_(clock_, port_, indicators, settings_) {
    // Not from inside the write: a modal box there would run the event loop
    // in the middle of a step of the sequencer.
    output_.onLost = [&messages, guard = QPointer<QObject>(context)](const std::string& text) {
        if (guard) QTimer::singleShot(0, guard, [&messages, text] { messages.critical(text); });
    };
}

GlassesWiring::~GlassesWiring() {
    clock_.setEnabled(false);
    output_.onLost = nullptr;
}

void GlassesWiring::iniciar() {
    const std::string problema = glasses::ConfigurarPuerto(settings_, port_);
    if (!problema.empty()) messages_.critical(problema);
    apply();
    // A run that ended abnormally may have left a pattern lit.
    if (settings_.GafasMentales) port_.Out32(settings_.PuertoLed, 0);
    glasses::CargarSecuencias();
}

bool GlassesWiring::lightInSound() const {
    return settings_.GafasMentales && settings_.LuzEnAudio;
}

void GlassesWiring::apply() {
    port_.setSounding(lightInSound());
}

void GlassesWiring::liberar() {
    clock_.setEnabled(false);
}

void GlassesWiring::followStrip(session::GraphFrame& graph, const session::SessionModel& model) {
    QObject::connect(&graph, &session::GraphFrame::cellPressed, &graph,
                     [this, &model](int i, Qt::MouseButton) {
                         sequencer().previewStart(model.cellSequence(i));
                     });
    QObject::connect(&graph, &session::GraphFrame::cellReleased, &graph,
                     [this] { sequencer().previewStop(); });
    QObject::connect(
        &graph, &session::GraphFrame::cellMoved, &graph,
        [this](int, int x, int y, int w, int h, Qt::MouseButtons buttons) {
            if (glasses::LedSequencer::shouldStopPreview(x, y, w, h, buttons & Qt::LeftButton))
                sequencer().previewStop();
        });
}

void GlassesWiring::stopAndDarken() {
    clock_.setEnabled(false);
    sequencer().escribir(0);
}

links::GlassesLinkFactory GlassesWiring::exportLights() const {
    return lightInSound() ? glasses::exportLights() : links::GlassesLinkFactory{};
}

} // namespace vs::shell
