// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program per user: a start that finds the program running hands its
// session files to it over a local socket in the user's runtime folder and
// ends; the running window takes them as if given at its own start. The
// socket's owner is decided under a lock, so two starts at the same moment
// do not both take it, and a socket left by a killed run is taken over.
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace vs::shell {

class SingleInstance {
public:
    using Receiver = std::function<void(const std::vector<std::string>& files)>;

    // `socket`: the socket's path; by default "velorin-somnara" in the
    // user's runtime folder.
    explicit SingleInstance(QString socket = defaultSocket());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when a running program took `files` (this one then ends, status
    // 0). Otherwise this run is the one later starts hand over to; or, when
    // the running one never answers, a run beside it.
    bool handOver(const std::vector<std::string>& files);
    // Where files handed over go, on the UI thread and never while a modal
    // dialog is open; what came before it was set is given to it first.
    void receive(Receiver receiver);
    bool listening() const;

    static QString defaultSocket();

private:
    void accept();
    void read(QLocalSocket* socket);
    void deliver();

    QString socket_;
    std::unique_ptr<QLocalServer> server_;
    Receiver receiver_;
    std::vector<std::vector<std::string>> pending_;
};

} // namespace vs::shell
