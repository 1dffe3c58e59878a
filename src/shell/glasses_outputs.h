// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Joins the glasses' output to the sound engine and the user: every LED byte
// also sets the light carried in the sound, and a serial board that goes away
// is reported once, after the tick that found it, so the session goes on.
#include "playback/session_render.h"

#include <QObject>

namespace vs {
class MessageService;
}
namespace vs::glasses {
struct EstadoGafas;
class GlassesOutput;
} // namespace vs::glasses

namespace vs::shell {

class GlassesOutputs {
public:
    // `context` owns the deferred report (the main window).
    GlassesOutputs(glasses::GlassesOutput& output, const glasses::EstadoGafas& estado,
                   MessageService& messages, QObject* context);
    ~GlassesOutputs();
    GlassesOutputs(const GlassesOutputs&) = delete;
    GlassesOutputs& operator=(const GlassesOutputs&) = delete;

    // The light in the sound follows the settings: it sounds only while the
    // glasses are on (so the photosensitivity warning came first) and chosen.
    void apply();

    // The lights for an export starting now: offered under the same two
    // settings; empty otherwise.
    playback::GlassesLinkFactory exportLights() const;

private:
    glasses::GlassesOutput& output_;
    const glasses::EstadoGafas& estado_;
};

} // namespace vs::shell
