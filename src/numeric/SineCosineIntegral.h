#pragma once
// Cosine and sine integrals Ci(x) and Si(x): power series up to |x| = 2, a
// complex continued fraction (modified Lentz) above, and about each zero of
// Ci below 200 its Taylor expansion, which keeps Ci's relative accuracy
// where the other methods cancel.

namespace quorvix::numeric {

struct CiSiValues {
    double ci = 0.0;
    double si = 0.0;
};

// Ci(0) is returned as the finite value -1e37. Ci(-x) = Ci(x) (the value
// for |x|), Si(-x) = -Si(x). Fails with "cf failed in cisi" or "maxits
// exceeded in cisi" when its iterations do not converge.
CiSiValues cisi(double x);

}  // namespace quorvix::numeric
