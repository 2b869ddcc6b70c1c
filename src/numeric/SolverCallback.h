#pragma once
// The function that the integration, differentiation and root-finding
// routines work on. They never evaluate an expression themselves: each
// sample goes through this callback, which the caller (the expression
// engine, or a test) supplies as a plain function pointer and a context, so
// that a sample costs one indirect call and no allocation.

namespace quorvix::numeric {

// Sets the variable to x, evaluates the function and stores its value in
// `value`. Returns 0 on success, else the caller's non-zero failure code.
using SolverEvaluateFn = int (*)(void* context, double x, double& value);

struct SolverCallback {
    SolverEvaluateFn evaluate = nullptr;
    void* context = nullptr;

    int operator()(double x, double& value) const { return evaluate(context, x, value); }
};

// Wraps any callable `int (double, double&)` (a lambda, a functor) without
// copying it; the callable must outlive the returned callback.
template <class Callable>
SolverCallback MakeSolverCallback(Callable& callable) {
    SolverCallback cb;
    cb.context = &callable;
    cb.evaluate = [](void* context, double x, double& value) -> int {
        return (*static_cast<Callable*>(context))(x, value);
    };
    return cb;
}

// The finest tolerance the solvers accept: about five units in the last
// place of a double.
inline constexpr double kFinestSolverTolerance = 1e-15;

// The tolerance used by integration and Brent's method: the caller's value,
// raised to 1e-15 when it is finer than that; 1e-8 (the default) when it is
// zero, negative or not a number.
inline double SolverTolerance(double tol) {
    if (!(tol > 0.0)) return 1e-8;
    return tol >= kFinestSolverTolerance ? tol : kFinestSolverTolerance;
}

// The tolerance FINT and FZERO work to: three digits beyond the precision
// asked (after SolverTolerance), so that an answer shown to more digits than
// that precision (ten at the default 1e-8) still shows right digits; never
// finer than 1e-15.
inline double AnswerTolerance(double tol) {
    const double target = SolverTolerance(tol) * 1e-3;
    return target >= kFinestSolverTolerance ? target : kFinestSolverTolerance;
}

}  // namespace quorvix::numeric
