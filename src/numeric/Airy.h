#pragma once
// Airy functions Ai(x) and Bi(x) through the Bessel functions of order 1/3
// at z = (2/3)|x|^(3/2): I and K for x > 0, J and Y for x < 0.

namespace quorvix::numeric {

struct AiryValues {
    double ai = 0.0;
    double bi = 0.0;
};

// Fails (through bessik / bessjy) when z is too large for their continued
// fractions.
AiryValues airyfn(double x);

}  // namespace quorvix::numeric
