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

}  // namespace quorvix
