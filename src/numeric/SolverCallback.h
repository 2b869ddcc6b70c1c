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

// The tolerance used by Romberg integration and Brent's method: the caller's
// value when it is at least 1e-15, otherwise (too small, zero, negative or
// not a number) 1e-8.
inline double SolverTolerance(double tol) {
    return tol >= 1e-15 ? tol : 1e-8;
}

}  // namespace quorvix::numeric
