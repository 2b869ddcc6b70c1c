#pragma once
// Bounds that keep the Bessel recurrences short. Integer orders reach the
// routines after truncation to 32 bits, so an order may be as large as
// 2^31 - 1; a recurrence over that many orders would run for seconds. Above
// kMaxRecurrenceSteps a routine either returns the value its recurrence
// would reach (0 once the true value is below the smallest double) or fails.

namespace quorvix::numeric {

// Longest recurrence (in orders) that any Bessel routine runs.
inline constexpr long long kMaxRecurrenceSteps = 1000000;

// True when |J_nu(x)| is certainly below half the smallest subnormal double,
// so that its value in double precision is 0. Uses the bound
// |J_nu(x)| <= (|x|/2)^nu / Gamma(nu + 1), valid for nu >= 0. With
// logFactor, the test is for exp(logFactor) * J_nu(x) instead.
bool besselJUnderflows(double nu, double x, double logFactor = 0.0);

// The same for I_nu(x), with the bound
// |I_nu(x)| <= (|x|/2)^nu / Gamma(nu + 1) * exp(x^2 / (4 (nu + 1))).
bool besselIUnderflows(double nu, double x);

// True when K_nu(x) is far below the smallest double, judged by the leading
// term of the uniform asymptotic expansion for large orders,
// K_nu(nu z) ~ sqrt(pi / (2 nu)) exp(-nu eta) / (1 + z^2)^(1/4), whose
// relative error is of order 1/nu. Meant for orders above the recurrence
// limit, where that error is negligible against the margin used.
bool besselKUnderflows(double nu, double x);

}  // namespace quorvix::numeric
