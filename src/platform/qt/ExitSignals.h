#pragma once
// SIGTERM, SIGINT and SIGHUP end the program through its exit sequence, so
// they save like Exit. The handler only writes the signal number into a
// pipe (the one thing safe there); a socket notifier reads it on the GUI
// thread and reports it.

#include <QObject>

class QSocketNotifier;

namespace quorvix {

class ExitSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one object per process.
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;
    bool installed() const { return notifier_ != nullptr; }

signals:
    void exitRequested(int signalNumber);

private:
    void ReadPipe();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quorvix
