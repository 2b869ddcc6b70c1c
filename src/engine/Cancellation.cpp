#include "engine/Cancellation.h"

#include <atomic>

namespace quorvix {

namespace {
// Lock-free atomics are safe to touch from a signal handler.
std::atomic<int> cancelRequested{0};
static_assert(std::atomic<int>::is_always_lock_free);

// Only the evaluating thread polls, so plain variables do.
CancellationPollHook pollHook = nullptr;
unsigned pollCount = 0;
}  // namespace

void RequestEvaluationCancel() { cancelRequested.store(1, std::memory_order_relaxed); }

void ClearEvaluationCancel() { cancelRequested.store(0, std::memory_order_relaxed); }

bool EvaluationCancelRequested() {
    if (pollHook && ++pollCount % kCancellationPollInterval == 0) pollHook();
    return cancelRequested.load(std::memory_order_relaxed) != 0;
}

void SetCancellationPollHook(CancellationPollHook hook) {
    pollHook = hook;
    pollCount = 0;
}

}  // namespace quorvix
