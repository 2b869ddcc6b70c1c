#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "engine/BuiltinNames.h"
#include "engine/Cancellation.h"
#include "engine/FunctionDispatch.h"
#include "numeric/AdaptiveIntegral.h"
#include "numeric/CompensatedSum.h"
#include "numeric/RootFinding.h"
#include "numeric/ScaledDerivative.h"
#include "numeric/SolverCallback.h"

// FINT, FDIFF, FZERO, FZEROS and FSUM: each samples its first argument, an
// already parsed expression in t, by writing t and re-evaluating the tree.

namespace quorvix {

namespace {

constexpr int kFzeroIterations = 4 * numeric::kBrentIterations;

// One sample of the function argument; a pending cancellation request
// fails the sample before anything is evaluated.
int SampleForSolver(void* context, double x, double& value) {
    if (EvaluationCancelRequested()) return kEvaluationCancelled;
    return SampleFunction(*static_cast<ExprNode*>(context), x, value);
}

numeric::SolverCallback CallbackFor(ExprNode& f) {
    numeric::SolverCallback cb;
    cb.evaluate = &SampleForSolver;
    cb.context = &f;
    return cb;
}

// A failed routine leaves EDOM for the evaluator's common check ("Bad
// argument"); a cancelled one fails with its own code instead.
EvalError Finish(ExprNode& call, double value) {
    call.value = value;
    return EvaluationCancelRequested() ? kEvaluationCancelled : kNoError;
}

EvalError Fail(ExprNode& call, EvalError code) {
    call.value = 0.0;
    call.resultText.clear();
    call.hasText = false;
    return code;
}

// The last k for which lower + k step still counts as within upper: a
// quotient a few units in the last place below a whole number is that
// number (0.3 / 0.1 is 2.9999999999999996, and 0.1 * 3 the nearest double
// to 0.3 plus one unit). -1 when the count is beyond exact integers.
double LastTermIndex(double lower, double upper, double step) {
    constexpr double kSlack = 1.0 + 4.0 * DBL_EPSILON;
    constexpr double kMaxIndex = 9007199254740992.0;  // 2^53
    const double last = std::floor(((upper - lower) / step) * kSlack);
    return last < kMaxIndex ? last : -1.0;
}

// The sum of f(t) for t = lower + k step, k = 0, 1, ..., up to the last t
// within upper, added with compensation. A term that fails fails the sum
// with its own code (so a code set directly on a node is not lost). A step
// too small to reach upper in 2^53 terms is a bad argument.
EvalError Fsum(ExprNode& f, const double* args, ExprNode& call) {
    double lower = args[0], upper = args[1], step = args[2];
    if (step == 0.0) step = 1.0;
    step = std::fabs(step);
    if (upper < lower) std::swap(lower, upper);

    const double last = LastTermIndex(lower, upper, step);
    if (last < 0.0) return Fail(call, kBadArgument);
    numeric::NeumaierSum sum;
    for (double k = 0.0; k <= last; k += 1.0) {
        double v = 0.0;
        if (EvalError e = SampleForSolver(&f, lower + k * step, v); e != kNoError) return Fail(call, e);
        sum.Add(v);
    }
    call.value = sum.Value();
    errno = 0;
    return kNoError;
}

std::string FormatRoot(const char* format, double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, x);
    return buffer;
}

// Every root found by Brent's method on the subintervals [x + precision,
// x + step] of a grid from lower to upper, as a text; the value is how many.
EvalError Fzeros(ExprNode& f, const double* args, int count, ExprNode& call) {
    double lower = -50.0, upper = 50.0, step = 0.5, precision = 1e-8;
    if (count >= 2) {
        lower = args[0];
        upper = args[1];
    }
    if (count >= 3) step = args[2];
    if (count >= 4) precision = args[3];
    if (step < 0.0 || lower >= upper) return Fail(call, kBadArgument);
    if (step == 0.0) step = 0.5;
    if (!(precision > 0.0)) precision = 1e-8;

    const numeric::SolverCallback cb = CallbackFor(f);
    std::string roots;
    int found = 0;
    double x = lower;
    const double last = upper - step;
    do {
        bool failed = false;
        const double root = numeric::zbrent(cb, x + precision, x + step, precision, &failed);
        if (EvaluationCancelRequested()) return Fail(call, kEvaluationCancelled);
        if (!failed) {
            if (found > 0) roots += '\n';
            roots += FormatRoot("%g", root);
            ++found;
        }
        const double next = x + step;
        if (next == x) return Fail(call, kBadArgument);
        x = next;
    } while (x <= last);
    // A failed search, the last one included, only means "no root there".
    errno = 0;

    char heading[160];
    if (found == 0) {
        std::snprintf(heading, sizeof heading, "No zeros found in the interval [%g, %g]", lower, upper);
        call.resultText = heading;
    } else {
        std::snprintf(heading, sizeof heading, "%d zero(s) found in the interval [%g, %g]: \n", found,
                      lower, upper);
        call.resultText = heading + roots;
    }
    call.hasText = true;
    call.value = found;
    return kNoError;
}

}  // namespace

EvalError CallSolverOperator(int functionId, const double* args, int count, ExprNode& call) {
    ExprNode* f = SolverFunctionArgument(call);
    if (f == nullptr) return Fail(call, kBadArgument);
    const numeric::SolverCallback cb = CallbackFor(*f);
    switch (functionId) {
        case kFint:
            return Finish(call, numeric::AdaptiveIntegral(cb, args[0], args[1], args[2]));
        case kFdiff:
            return Finish(call, numeric::ScaledDerivative(cb, args[0]));
        case kFzero:
            // Three digits beyond the precision asked take a slowly
            // converging search (a multiple root) more points.
            return Finish(call, numeric::zbrent(cb, args[0], args[1], numeric::AnswerTolerance(args[2]), nullptr,
                                                kFzeroIterations));
        case kFzeros:
            return Fzeros(*f, args, count, call);
        case kFsum:
            return Fsum(*f, args, call);
        default:
            return Fail(call, kBadArgument);
    }
}

}  // namespace quorvix
