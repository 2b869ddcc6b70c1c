#pragma once
// How a plot window evaluates: through the calculator window's runner for
// long evaluations, so that drawing a slow function keeps every window
// responsive and Escape cancels it, and never while another evaluation is
// running (the plot shares the user functions' trees with it).

#include <functional>

namespace quorvix {

class PlotEvaluationHost {
public:
    virtual ~PlotEvaluationHost() = default;
    // Runs evaluate as a cancellable evaluation.
    virtual void RunEvaluation(const std::function<void()>& evaluate) = 0;
    // Whether an evaluation is running now; the plot then waits.
    virtual bool EvaluationRunning() const = 0;
};

}  // namespace quorvix
