// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copies of the open session's unsaved edits, so that a crash, a kill or a
// power cut costs at most the last seconds of work. A copy is a session file
// (the session reader opens it as one) followed by lines of its own, which
// that reader ignores: the session file it stands for, the name the library
// shows for it and the process that kept it. Copies live in recoveryFolder(),
// each named after its session, and are replaced whole at every write.
//
// Thread rule: UI thread.
#include "session_file.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vs::session {

class SessionDocument;

struct RecoveryCopy {
    std::string file;    // the copy
    std::string session; // the session file it stands for; "" for a new session
    std::string name;    // the name the library shows for that session
    int keeper = 0;      // the process that wrote it
    SessionData data;
};

// Where the copy for `session` ("" for a new one) goes: named after the
// session's `name`, with a short sum of its path, so that sessions of one
// name in two folders keep two copies.
std::string recoveryFileFor(const std::string& session, const std::string& name);

// False for a file that is no copy or no readable session.
bool readRecoveryCopy(const std::string& file, RecoveryCopy& out);

// The copies worth offering at start, newest first: newer than their session
// file (or of a session whose file is gone, or of a new one) and kept by no
// program that still runs. A copy its session file is as new as is stale and
// is removed.
std::vector<RecoveryCopy> recoveryCopiesToOffer();

// "Se ha encontrado una copia de la sesión «name» sin guardar. ¿Recuperarla?"
std::string recoveryQuestion(const std::string& name);

// Keeps the copy of the open session while it has unsaved edits: written once
// the edits have rested `settle`, and at least every `longest` while they go
// on; removed once the session is saved or its edits dropped.
class RecoveryKeeper {
public:
    using Clock = std::chrono::steady_clock;
    explicit RecoveryKeeper(const SessionDocument& document,
                            std::chrono::milliseconds settle = std::chrono::milliseconds(1500),
                            std::chrono::milliseconds longest = std::chrono::seconds(30));

    // Looks at the session; called every few hundred milliseconds.
    void poll(Clock::time_point now);
    // The program is ended by a signal: the edits as they stand go to the
    // copy, which stays for the next start. False when it could not be written.
    bool keepNow();
    // The program ends in order: the copy goes unless edits are still unsaved.
    void finish();
    // A copy opened at start as the session: it is the one kept from now on.
    void adopt(const std::string& copyFile);
    const std::string& copyFile() const { return written_; }

    // The first copy that could not be written (the file, errno); once a run.
    std::function<void(const std::string& file, int error)> onWriteFailed;

private:
    std::string target() const;
    bool write(const std::string& target, const std::string& text);
    void drop();

    const SessionDocument& document_;
    std::chrono::milliseconds settle_, longest_;
    std::string written_, writtenText_, seen_;
    Clock::time_point lastChange_{};
    std::optional<Clock::time_point> pendingSince_;
    bool told_ = false;
};

} // namespace vs::session
