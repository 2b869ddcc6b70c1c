#include "cli/CliInterrupts.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <mutex>
#include <thread>

#include "engine/Cancellation.h"

namespace quorvix {

namespace {

volatile std::sig_atomic_t evaluating = 0;
volatile std::sig_atomic_t cancelSent = 0;
volatile std::sig_atomic_t idleInterrupt = 0;
volatile std::sig_atomic_t promptHandlesIdle = 0;

sigset_t interruptOnly;

constexpr int kInterruptedStatus = 130;

// The write end of the pipe that wakes the saving thread; -1 when the run
// has nothing to save.
volatile std::sig_atomic_t saveWakeFd = -1;
// Held while the saving thread saves; once saving is stopped (the run has
// saved normally and its session is going away) it saves nothing.
std::mutex saveGate;
bool savingStopped = false;

extern "C" void OnInterrupt(int) {
    if (evaluating && !cancelSent) {
        cancelSent = 1;
        RequestEvaluationCancel();
        return;
    }
    if (!evaluating && promptHandlesIdle) {
        idleInterrupt = 1;
        return;
    }
    static const char kNewline = '\n';
    (void)!write(STDERR_FILENO, &kNewline, 1);
    if (saveWakeFd >= 0) {
        // The saving thread ends the program once the worksheet is written.
        (void)!write(saveWakeFd, &kNewline, 1);
        return;
    }
    _exit(kInterruptedStatus);
}

void SetInterruptBlocked(bool blocked) {
    if (promptHandlesIdle) sigprocmask(blocked ? SIG_BLOCK : SIG_UNBLOCK, &interruptOnly, nullptr);
}

}  // namespace

void InstallInterruptHandler(bool interactivePrompt) {
    promptHandlesIdle = interactivePrompt ? 1 : 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);

    sigemptyset(&interruptOnly);
    sigaddset(&interruptOnly, SIGINT);
    SetInterruptBlocked(true);
}

void SaveBeforeInterruptExit(std::function<void()> save) {
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) != 0) return;
    // Never blocks in the handler, even after many presses of Ctrl+C.
    fcntl(wake[1], F_SETFL, O_NONBLOCK);
    // The thread starts with SIGINT blocked, so the handler always runs on
    // the main thread, whose mask the interactive prompt relies on.
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &interruptOnly, &previous);
    std::thread([readFd = wake[0], save = std::move(save)] {
        char byte;
        while (read(readFd, &byte, 1) < 0 && errno == EINTR) {
        }
        {
            const std::lock_guard<std::mutex> gate(saveGate);
            if (!savingStopped) save();
        }
        _exit(kInterruptedStatus);
    }).detach();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    saveWakeFd = wake[1];
}

void StopSavingBeforeInterruptExit() {
    saveWakeFd = -1;
    const std::lock_guard<std::mutex> gate(saveGate);
    savingStopped = true;
}

void BeginLineEvaluation() {
    ClearEvaluationCancel();
    cancelSent = 0;
    evaluating = 1;
    SetInterruptBlocked(false);
}

void EndLineEvaluation() {
    SetInterruptBlocked(true);
    evaluating = 0;
}

bool InterruptedWhileIdle() { return idleInterrupt != 0; }

int ReadInputByte(int fd) {
    while (true) {
        if (idleInterrupt || (evaluating && EvaluationCancelRequested())) return -1;
        // Wait with SIGINT deliverable; a Ctrl+C that came while it was
        // blocked is delivered here at once.
        sigset_t waitMask;
        sigprocmask(SIG_SETMASK, nullptr, &waitMask);
        sigdelset(&waitMask, SIGINT);
        pollfd p{fd, POLLIN, 0};
        const int ready = ppoll(&p, 1, nullptr, &waitMask);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        unsigned char byte = 0;
        const ssize_t n = read(fd, &byte, 1);
        if (n == 1) return byte;
        if (n < 0 && errno == EINTR) continue;
        return -1;
    }
}

}  // namespace quorvix
