// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the undo history on a full session (30 beat and 30 base points):
// CPU time to record a step, to undo it and to redo it, and the memory a
// step holds. Each step is one point moved, as a drag records it.
// Usage: edit_history_bench [steps]
#include "bench_session.h"

#include "session/curve_editor.h"
#include "session/edit_history.h"
#include "session/session_document.h"

#include "recording_messages.h"
#include "scripted_dialogs.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace vs::session;
using bench::threadCpuMs;

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    bench::privatePreferences();
    vs::RecordingMessageService messages;
    vs::ScriptedFileDialogs dialogs;
    SessionModel m;
    SessionDocument doc(m, messages, dialogs);
    bench::fillSession(m, kMaxPuntos, kMaxPuntos);
    EditHistory history(doc);

    double t0 = threadCpuMs();
    for (int s = 0; s < steps; ++s) {
        const EditStep step(&history, "mover punto");
        moverPunto(m, 2 + s % (kMaxPuntos - 2), 0, (s % 2) ? 3.0f : -2.0f);
    }
    const double record = threadCpuMs() - t0;
    t0 = threadCpuMs();
    while (history.canUndo())
        history.undo();
    const double undo = threadCpuMs() - t0;
    t0 = threadCpuMs();
    while (history.canRedo())
        history.redo();
    const double redo = threadCpuMs() - t0;

    // Two whole sessions a step; each cell's tag is a short string kept inline.
    const double stepBytes = 2.0 * sizeof(SessionModel);
    std::printf("steps %d: record %.2f us, undo %.2f us, redo %.2f us per step (CPU)\n", steps,
                1e3 * record / steps, 1e3 * undo / steps, 1e3 * redo / steps);
    std::printf("memory: %.0f bytes a step, %.1f MB for %d steps\n", stepBytes,
                stepBytes * steps / 1e6, steps);
    return history.steps() == steps ? 0 : 1;
}
