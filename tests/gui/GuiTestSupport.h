#pragma once
// Shared by the view tests: a guard that closes any modal dialog the test did
// not expect, so a wiring mistake fails at once instead of hanging until the
// time limit, and remembers its title for the test to check.

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace quorvix::test {

class ModalGuard : public QObject {
public:
    ModalGuard() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { CloseModal(); });
        timer_.start();
    }
    // Titles of the modal windows that were closed, in order.
    const QStringList& closedTitles() const { return closed_; }
    void clear() { closed_.clear(); }

private:
    void CloseModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        closed_.append(modal->windowTitle());
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
    }

    QTimer timer_;
    QStringList closed_;
};

}  // namespace quorvix::test
