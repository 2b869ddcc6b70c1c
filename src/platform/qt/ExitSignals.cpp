#include "platform/qt/ExitSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quorvix {

namespace {
int signalPipe[2] = {-1, -1};

extern "C" void OnExitSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request; dropping this one loses nothing.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP};
}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    if (signalPipe[0] >= 0) return;  // one object per process
    if (::pipe(signalPipe) != 0) return;
    for (int fd : signalPipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadPipe(); });
    struct sigaction action = {};
    action.sa_handler = OnExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kExitSignals) ::sigaction(signalNumber, &action, nullptr);
}

ExitSignals::~ExitSignals() {
    if (!notifier_) return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kExitSignals) ::sigaction(signalNumber, &action, nullptr);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void ExitSignals::ReadPipe() {
    unsigned char byte = 0;
    int last = 0;
    while (::read(signalPipe[0], &byte, 1) == 1) last = byte;
    if (last != 0) emit exitRequested(last);
}

}  // namespace quorvix
