#pragma once
// A process-wide request to stop a long evaluation (a solver with a tiny
// step). Setting it is async-signal-safe, so a SIGINT handler may call
// RequestEvaluationCancel(). Long-running loops poll
// EvaluationCancelRequested() and then fail with kEvaluationCancelled.
// Nothing clears the flag by itself: a caller clears it before each line.

namespace quorvix {

void RequestEvaluationCancel();
void ClearEvaluationCancel();
bool EvaluationCancelRequested();

// A host function run every kCancellationPollInterval-th poll of
// EvaluationCancelRequested(), so that a window can keep drawing and notice
// a cancel key while a long evaluation runs on its thread. Null for none.
// The hook must not start another evaluation.
using CancellationPollHook = void (*)();
inline constexpr unsigned kCancellationPollInterval = 256;
void SetCancellationPollHook(CancellationPollHook hook);

}  // namespace quorvix
