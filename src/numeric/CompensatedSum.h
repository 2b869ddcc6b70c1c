#pragma once
// Sums of doubles that keep the digits plain left-to-right addition loses:
// Neumaier's compensated summation carries the rounding error of every
// addition in a second double and adds it back at the end.

namespace quorvix::numeric {

// a + b as sum + error exactly (Knuth's two-sum, for a and b of any sizes
// whose sum does not overflow).
struct TwoSumResult {
    double sum;
    double error;
};
inline TwoSumResult TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

class NeumaierSum {
public:
    void Add(double x) {
        const double t = sum_ + x;
        // The rounding error of sum_ + x, taken from the smaller addend.
        if ((sum_ >= 0 ? sum_ : -sum_) >= (x >= 0 ? x : -x))
            compensation_ += (sum_ - t) + x;
        else
            compensation_ += (x - t) + sum_;
        sum_ = t;
    }
    double Value() const { return sum_ + compensation_; }
    // The sum divided by n, the quotient's own rounding error corrected,
    // so a mean of equal values is that value.
    double Mean(int n) const;

private:
    double sum_ = 0.0;
    double compensation_ = 0.0;
};

// The sum of values[0..count-1]. An intermediate overflow does not spoil a
// sum that is itself finite (1E308 + 1E308 - 1E308 is 1E308).
double CompensatedSum(const double* values, int count);

// The mean of values[0..count-1] (count > 0), finite whenever the true mean
// is, even when the sum is not (AVE of 1E308 and 1E308 is 1E308).
double CompensatedMean(const double* values, int count);

}  // namespace quorvix::numeric
