#pragma once
// Compound growth (1 + r)^n for the annuity routines, formed so that every
// closed annuity formula keeps its digits: no cancellation for rates near 0,
// no loss when the factor is tiny, and no overflow of one factor where the
// formula can use its reciprocal instead.

namespace quorvix::numeric {

struct Compounding {
    double g;       // (1 + r)^n
    double v;       // (1 + r)^-n
    double sn;      // ((1 + r)^n - 1) / r: the accumulation factor, n at r = 0
    double an;      // (1 - (1 + r)^-n) / r: the discount factor, n at r = 0
    double growth;  // n ln(1 + r); its sign says which of g and v is below 1
};

// Each member to within a few units in the last place wherever it is a
// finite double (r > -1). For 1 + r <= 0 the library power is used as is.
// Leaves errno as it found it: an underflow of the factor that is not used is
// no error, and a real overflow shows as a non-finite result.
Compounding CompoundingOf(double r, double n);

// log(1 + x) - x and exp(x) - 1 - x, without the cancellation of those
// differences near 0.
double Log1pMinusX(double x);
double Expm1MinusX(double x);

}  // namespace quorvix::numeric
