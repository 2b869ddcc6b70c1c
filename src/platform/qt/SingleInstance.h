#pragma once
// One running program per data directory. The first instance holds an
// advisory lock file in the data directory and listens on a local socket
// named after the canonical directory; a later one finds the lock taken,
// sends its request to that socket and ends. A crashed instance leaves a
// stale socket behind, but its lock is free again, so the next start
// removes the socket and listens itself.

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace quorvix {

// The request a later instance sends: show the calculator window.
inline constexpr const char* kShowCalculatorRequest = "show";

// The socket name for a data directory: a hash of its canonical path (and
// the user), so that two users or two directories never meet.
QString InstanceServerName(const QString& dataDirectory);

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Primary,    // this process owns the data directory
        Secondary,  // another process does: hand it the request and end
    };

    explicit SingleInstance(const QString& dataDirectory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and listens, or finds the running instance. An
    // unusable directory (no lock file can be made there) counts as
    // Primary unless a running instance answers on the socket.
    Role Claim();
    // Secondary: delivers request to the running instance, waiting at
    // most timeoutMs for it to listen. False when nobody answered.
    bool Send(const QByteArray& request, int timeoutMs = 5000) const;

    const QString& serverName() const { return serverName_; }

signals:
    // Primary: a later instance asked for something.
    void requestReceived(const QByteArray& request);

private:
    bool Listen();

    QString lockPath_;
    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace quorvix
