#pragma once
// What every routine of the numerical library shares: the one failure path
// (errno = EDOM), index-ranged vectors and matrices, and Chebyshev evaluation.

#include <cstddef>
#include <vector>

namespace quorvix::numeric {

// Reports a failure of a numerical routine: sets errno to EDOM and returns.
// The text names the routine and its condition; it is not shown anywhere.
void numerror(const char* message);

// A vector of doubles whose valid indices run from nl to nh (inclusive).
// If the storage cannot be obtained, ok() is false and numerror has been
// called with "allocation failure in dvector()"; the caller must then fail
// its operation without touching the elements.
class DVector {
public:
    DVector(long nl, long nh);
    bool ok() const { return ok_; }
    double& operator[](long i) { return data_[static_cast<std::size_t>(i - nl_)]; }
    double operator[](long i) const { return data_[static_cast<std::size_t>(i - nl_)]; }

private:
    long nl_;
    std::vector<double> data_;
    bool ok_ = false;
};

// A matrix of doubles with rows nrl..nrh and columns ncl..nch, stored as one
// contiguous block, row after row. ok() as for DVector.
class DMatrix {
public:
    DMatrix(long nrl, long nrh, long ncl, long nch);
    bool ok() const { return ok_; }

    // One row, indexed by column. Offsets are taken from the row's first
    // element, so no pointer ever points before the block.
    class Row {
    public:
        Row(double* first, long ncl) : first_(first), ncl_(ncl) {}
        double& operator[](long column) const { return first_[column - ncl_]; }

    private:
        double* first_;
        long ncl_;
    };
    Row operator[](long row) {
        return Row(data_.data() + static_cast<std::size_t>(row - nrl_) * columns_, ncl_);
    }

private:
    long nrl_, ncl_;
    std::size_t columns_ = 0;
    std::vector<double> data_;
    bool ok_ = false;
};

// Evaluates the Chebyshev series c[0..m-1] on [a, b] at x. Outside [a, b]
// it reports "x not in range in routine chebev" and returns 0.
double chebev(double a, double b, const double c[], int m, double x);

}  // namespace quorvix::numeric
