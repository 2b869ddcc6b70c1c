#include "numeric/NumericSupport.h"

#include <cerrno>
#include <new>
#include <stdexcept>

namespace quorvix::numeric {

void numerror(const char* /*message*/) { errno = EDOM; }

DVector::DVector(long nl, long nh) : nl_(nl) {
    if (nh < nl) {
        numerror("allocation failure in dvector()");
        return;
    }
    try {
        data_.resize(static_cast<std::size_t>(nh - nl + 1));
        ok_ = true;
    } catch (const std::bad_alloc&) {
        numerror("allocation failure in dvector()");
    } catch (const std::length_error&) {
        numerror("allocation failure in dvector()");
    }
}

DMatrix::DMatrix(long nrl, long nrh, long ncl, long nch) : nrl_(nrl), ncl_(ncl) {
    if (nrh < nrl || nch < ncl) {
        numerror("allocation failure 1 in matrix()");
        return;
    }
    columns_ = static_cast<std::size_t>(nch - ncl + 1);
    try {
        data_.resize(static_cast<std::size_t>(nrh - nrl + 1) * columns_);
        ok_ = true;
    } catch (const std::bad_alloc&) {
        numerror("allocation failure 2 in matrix()");
    } catch (const std::length_error&) {
        numerror("allocation failure 2 in matrix()");
    }
}

double chebev(double a, double b, const double c[], int m, double x) {
    if ((x - a) * (x - b) > 0.0) {
        numerror("x not in range in routine chebev");
        return 0.0;
    }
    const double y = (2.0 * x - a - b) / (b - a);
    const double y2 = 2.0 * y;
    double d = 0.0, dd = 0.0;
    for (int j = m - 1; j >= 1; --j) {
        const double sv = d;
        d = y2 * d - dd + c[j];
        dd = sv;
    }
    return y * d - dd + 0.5 * c[0];
}

}  // namespace quorvix::numeric
