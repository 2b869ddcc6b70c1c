#pragma once
// Airy functions Ai(x) and Bi(x) through the Bessel functions of order 1/3
// at z = (2/3)|x|^(3/2): I and K for x > 0, J and Y for x < 0.

namespace quorvix::numeric {

struct AiryValues {
    double ai = 0.0;
    double bi = 0.0;
};

// At x = 0, and wherever z is below 1e-300 (|x| below about 1e-200, where
// z may underflow), the fixed values Ai = 0.35502805, Bi = 0.6149266198489869.
// Fails (through bessik / bessjy) when z is too large for their continued
// fractions.
AiryValues airyfn(double x);

}  // namespace quorvix::numeric
