#pragma once
// Airy functions Ai(x) and Bi(x) to double precision for every real x:
// the Maclaurin series near 0, expansions about the zeros above -20, one
// Taylor step from stored values between, and beyond (-19, 13) the
// asymptotic expansions with zeta = (2/3)|x|^(3/2) formed in quadruple
// precision.

namespace quorvix::numeric {

struct AiryValues {
    double ai = 0.0;
    double bi = 0.0;
};

// Bi overflows to infinity beyond x of about 104 (Ai underflows to 0).
AiryValues airyfn(double x);

}  // namespace quorvix::numeric
