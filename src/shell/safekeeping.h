// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What keeps the user's work whatever ends the program. Once the window's
// event loop runs: the temporaries of killed runs are removed from the
// folders the program writes, and copies of sessions left unsaved by a crash,
// a kill or a power cut are offered. While it runs, a copy of the unsaved
// edits is kept. A signal from the desktop (see exit_signals.h) ends it in
// order without questions: the edits stay in their copy, never written over
// the user's file unasked, and the rest of the exit runs as for the exit
// command.
#include "session/recovery_copy.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QSocketNotifier;

namespace vs::shell {

class FrmSomnara;

class Safekeeping : public QObject {
public:
    explicit Safekeeping(FrmSomnara& window);
    // An orderly exit (the exit command, the window closed): the copy goes
    // unless edits are still unsaved.
    ~Safekeeping() override;

    session::RecoveryKeeper& keeper() { return keeper_; }

private:
    void start();
    void offerCopies();
    void endOnSignal();

    FrmSomnara& window_;
    session::RecoveryKeeper keeper_;
    QTimer look_;
    std::unique_ptr<QSocketNotifier> signals_;
};

} // namespace vs::shell
