#pragma once
// Bessel functions of fractional order nu >= 0 for x > 0: J, Y (bessjy) and
// I, K (bessik) with their derivatives. Temme's series below x = 2, Steed's
// continued fraction from 2 up, a first continued fraction by the modified
// Lentz method and normalisation by the Wronskian; precision 3e-15.

namespace quorvix::numeric {

struct BesselJYValues {
    double j = 0.0, y = 0.0, jp = 0.0, yp = 0.0;  // J_nu, Y_nu, J'_nu, Y'_nu
};

struct BesselIKValues {
    double i = 0.0, k = 0.0, ip = 0.0, kp = 0.0;  // I_nu, K_nu, I'_nu, K'_nu
};

// Failures ("bad arguments in bessjy", "x too large in bessjy; try
// asymptotic expansion", "bessy series failed to converge", "cf2 failed in
// bessjy", and "order too large in bessjy" when the order recurrence would
// be too long) go to numerror and give zeros.
BesselJYValues bessjy(double x, double nu);

// Failures as for bessjy, with the texts "bad arguments in bessik", "x too
// large in bessik; try asymptotic expansion", "bessk series failed to
// converge", "bessik: failure to converge in cf2", "order too large in
// bessik".
BesselIKValues bessik(double x, double nu);

namespace detail {
// Shared constants of the two routines.
inline constexpr double kEps = 3.0e-15;
inline constexpr double kFpMin = 1.0e-200;
inline constexpr int kMaxIterations = 10000;
inline constexpr double kSeriesBelow = 2.0;
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kOneOverPi = 0.3183098861837907;
inline constexpr double kTwoOverPi = 0.6366197723675814;
// The downward order recurrences start from 1e-200 and may grow past the
// largest double before they reach order mu; they are rescaled by this
// factor (together with the remembered starting values) above kRescaleAbove.
inline constexpr double kRescaleAbove = 1.0e250;
inline constexpr double kRescaleBy = 1.0e-250;
}  // namespace detail

}  // namespace quorvix::numeric
