#include "cli/CliInterrupts.h"

#include <csignal>
#include <unistd.h>

#include "engine/Cancellation.h"

namespace quorvix {

namespace {

volatile std::sig_atomic_t evaluating = 0;
volatile std::sig_atomic_t cancelSent = 0;
volatile std::sig_atomic_t idleInterrupt = 0;
volatile std::sig_atomic_t loopHandlesIdle = 0;

constexpr int kInterruptedStatus = 130;

extern "C" void OnInterrupt(int) {
    if (evaluating && !cancelSent) {
        cancelSent = 1;
        RequestEvaluationCancel();
        return;
    }
    if (!evaluating && loopHandlesIdle) {
        idleInterrupt = 1;
        return;
    }
    static const char kNewline = '\n';
    (void)!write(STDERR_FILENO, &kNewline, 1);
    _exit(kInterruptedStatus);
}

}  // namespace

void InstallInterruptHandler(bool interactiveLoop) {
    loopHandlesIdle = interactiveLoop ? 1 : 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
}

void BeginLineEvaluation() {
    ClearEvaluationCancel();
    cancelSent = 0;
    evaluating = 1;
}

void EndLineEvaluation() { evaluating = 0; }

bool InterruptedWhileIdle() { return idleInterrupt != 0; }

}  // namespace quorvix
