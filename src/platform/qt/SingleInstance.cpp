#include "platform/qt/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "platform/InstanceSocketPlace.h"

namespace quorvix {

namespace {
constexpr int kRequestMaxBytes = 64;
constexpr int kReadTimeoutMs = 2000;

QString CanonicalDirectory(const QString& dataDirectory) {
    const QString canonical = QFileInfo(dataDirectory).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(dataDirectory).absolutePath()) : canonical;
}
}  // namespace

QString InstanceServerName(const QString& dataDirectory) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QDir::homePath().toUtf8());
    hash.addData(QByteArrayView("\n"));
    hash.addData(CanonicalDirectory(dataDirectory).toUtf8());
    // A full path: the socket sits in this user's private folder.
    const std::string folder = InstanceSocketDirectory();
    if (folder.empty()) return QString();
    return QString::fromStdString(folder) + QStringLiteral("/quorvix-") +
           QString::fromLatin1(hash.result().toHex().left(24));
}

SingleInstance::SingleInstance(const QString& dataDirectory, QObject* parent)
    : QObject(parent),
      lockPath_(CanonicalDirectory(dataDirectory) + QStringLiteral("/Quorvix.lock")),
      serverName_(InstanceServerName(dataDirectory)) {}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
    if (lock_) lock_->unlock();
}

SingleInstance::Role SingleInstance::Claim() {
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a lock whose process is gone counts as stale, never by its age.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        // Whatever socket is left belongs to an instance that no longer runs.
        QLocalServer::removeServer(serverName_);
        Listen();
        return Role::Primary;
    }
    const bool heldByOther = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    if (heldByOther) return Role::Secondary;
    // No lock can be made here (an unwritable directory): a running instance
    // still answers on its socket; otherwise run without the guard.
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (probe.waitForConnected(500)) return Role::Secondary;
    Listen();
    return Role::Primary;
}

bool SingleInstance::Listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (serverName_.isEmpty() || !server_->listen(serverName_)) {
        std::string problem;
        InstanceSocketDirectory(&problem);
        std::fprintf(stderr, "quorvix: no single-instance socket, later starts will not find "
                     "this one: %s\n", problem.empty() ? "socket not made" : problem.c_str());
        delete server_;
        server_ = nullptr;
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            socket->setParent(this);
            if (!SocketPeerIsThisUser(static_cast<int>(socket->socketDescriptor()))) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                // One short line; anything longer is not ours and is dropped.
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kRequestMaxBytes) socket->abort();
                    return;
                }
                const QByteArray line = socket->readLine(kRequestMaxBytes).trimmed();
                socket->write("ok\n");
                socket->flush();
                socket->disconnectFromServer();
                emit requestReceived(line);
            });
            QTimer::singleShot(kReadTimeoutMs, socket, [socket] { socket->abort(); });
        }
    });
    return true;
}

bool SingleInstance::Send(const QByteArray& request, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    // The running instance may still be starting: it listens right after it
    // took the lock, so a few retries bridge that moment.
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(250)) {
            // Only a program of this user's gets the request.
            if (!SocketPeerIsThisUser(static_cast<int>(socket.socketDescriptor()))) return false;
            socket.write(request + '\n');
            if (!socket.waitForBytesWritten(kReadTimeoutMs)) return false;
            // The answer says the request was read before this process ends.
            socket.waitForReadyRead(kReadTimeoutMs);
            return socket.readLine(kRequestMaxBytes).trimmed() == "ok";
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace quorvix
