// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_instance.h"

#include <QApplication>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace vs::shell {
namespace {

constexpr char kTaken = 'k';
// A running program may be busy starting up: it answers once its event loop runs.
constexpr int kAnswerMs = 20000;
constexpr int kConnectMs = 2000;
constexpr auto kRetryModal = std::chrono::milliseconds(300);

// Held while a start decides who owns the socket. A holder that hangs is
// waited for only a few seconds.
class DecisionLock {
public:
    explicit DecisionLock(const QString& socket) {
        fd_ = ::open((socket + QStringLiteral(".lock")).toLocal8Bit().constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        for (int tries = 0; fd_ >= 0 && tries < 50; ++tries) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    ~DecisionLock() { release(); }
    void release() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

QDataStream& versioned(QDataStream& s) {
    s.setVersion(QDataStream::Qt_6_0);
    return s;
}

} // namespace

SingleInstance::SingleInstance(QString socket) : socket_(std::move(socket)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocket() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/velorin-somnara");
}

bool SingleInstance::listening() const {
    return server_ && server_->isListening();
}

bool SingleInstance::handOver(const std::vector<std::string>& files) {
    DecisionLock lock(socket_);
    QLocalSocket peer;
    peer.connectToServer(socket_);
    if (peer.waitForConnected(kConnectMs)) {
        lock.release();
        QStringList list;
        for (const std::string& f : files)
            list << QString::fromStdString(f);
        QByteArray block;
        QDataStream out(&block, QIODevice::WriteOnly);
        versioned(out) << list;
        peer.write(block);
        peer.waitForBytesWritten(kConnectMs);
        while (peer.bytesAvailable() < 1 && peer.waitForReadyRead(kAnswerMs)) {
        }
        return peer.read(1) == QByteArray(1, kTaken);
    }
    // Nobody answers there: a socket left by a run that was killed, or none.
    QLocalServer::removeServer(socket_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socket_)) {
        server_.reset(); // runs without: later starts run beside it
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { accept(); });
    return false;
}

void SingleInstance::accept() {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
        QObject::connect(s, &QLocalSocket::readyRead, s, [this, s] { read(s); });
        QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        read(s);
    }
}

void SingleInstance::read(QLocalSocket* socket) {
    QDataStream in(socket);
    versioned(in).startTransaction();
    QStringList list;
    in >> list;
    if (!in.commitTransaction()) return; // the rest is still on its way
    socket->write(QByteArray(1, kTaken));
    socket->flush();
    socket->disconnectFromServer();
    std::vector<std::string> files;
    for (const QString& f : list)
        files.push_back(f.toStdString());
    pending_.push_back(std::move(files));
    deliver();
}

void SingleInstance::receive(Receiver receiver) {
    receiver_ = std::move(receiver);
    deliver();
}

void SingleInstance::deliver() {
    if (!receiver_ || pending_.empty()) return;
    // Opening a session now could ask a question on top of the user's dialog.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryModal, server_.get(), [this] { deliver(); });
        return;
    }
    const auto batches = std::move(pending_);
    pending_.clear();
    for (const auto& files : batches)
        receiver_(files);
}

} // namespace vs::shell
