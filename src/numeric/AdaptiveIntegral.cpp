#include "numeric/AdaptiveIntegral.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/CompensatedSum.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

// An integral smaller than this share of the integral of |f| is rounding
// noise: the integrand's own values carry errors of that size.
constexpr double kVanishingShare = 64.0 * DBL_EPSILON;
constexpr std::size_t kMaxPieces = 1u << 14;
constexpr std::size_t kTanhSinhRefinements = 15;
// The integral is computed three digits beyond the precision asked, so that
// an answer shown to more digits than that precision (ten digits at the
// default 1e-8) still shows right digits.
constexpr double kTargetShare = 1e-3;

// Thrown from inside the Boost routines to leave them at once.
struct SampleFailed {};
struct SamplesExhausted {};

// Samples f for the quadrature rules, failing by exception so that no
// rule goes on after a failed or cancelled sample or past the budget.
class Sampler {
public:
    explicit Sampler(const SolverCallback& f) : f_(f) {}
    double operator()(double x) {
        if (++count_ > kMaxIntegralSamples) throw SamplesExhausted{};
        double v = 0.0;
        if (f_(x, v) != 0 || !std::isfinite(v)) throw SampleFailed{};
        return v;
    }
    void ResetCount() { count_ = 0; }

private:
    const SolverCallback& f_;
    long count_ = 0;
};

struct Estimate {
    double value = 0.0;
    double error = 0.0;
    double l1 = 0.0;  // the integral of |f|, for the rounding floor
};

// The value when the estimate meets the tolerance; false otherwise.
bool Accept(const Estimate& e, double eps, double& result) {
    if (!std::isfinite(e.value) || !std::isfinite(e.error)) return false;
    if (e.error <= eps * std::fabs(e.value)) {
        result = e.value;
        return true;
    }
    const double noise = kVanishingShare * e.l1;
    if (std::fabs(e.value) <= noise && e.error <= noise) {
        result = 0.0;
        return true;
    }
    return false;
}

struct Piece {
    double a, b;
    Estimate estimate;
    bool operator<(const Piece& other) const { return estimate.error < other.estimate.error; }
};

// The 15-point Kronrod rule on [a, b], its error from the embedded 7-point
// Gauss rule.
Piece KronrodPiece(Sampler& sample, double a, double b) {
    using Rule = boost::math::quadrature::gauss_kronrod<double, 15, ErrnoPolicy>;
    const double mid = 0.5 * (a + b), half = 0.5 * (b - a);
    auto mapped = [&](double u) { return sample(mid + half * u); };
    Piece p{a, b, {}};
    double error = 0.0, l1 = 0.0;
    const double value = Rule::integrate(mapped, -1.0, 1.0, 0, 0.0, &error, &l1);
    p.estimate = {half * value, std::fabs(half) * error, std::fabs(half) * l1};
    return p;
}

Estimate Totals(const std::vector<Piece>& pieces) {
    NeumaierSum value, error, l1;
    for (const Piece& p : pieces) {
        value.Add(p.estimate.value);
        error.Add(p.estimate.error);
        l1.Add(p.estimate.l1);
    }
    return {value.Value(), error.Value(), l1.Value()};
}

// Splits the piece with the largest error until the total error meets the
// tolerance; false when the pieces run out or one can no longer be halved.
bool GaussKronrod(Sampler& sample, double a, double b, double eps, double& result) {
    std::vector<Piece> heap{KronrodPiece(sample, a, b)};
    Estimate total = heap.front().estimate;
    for (;;) {
        if (Accept(total, eps, result)) {
            // The running totals drift; confirm with a fresh sum.
            total = Totals(heap);
            if (Accept(total, eps, result)) return true;
        }
        if (heap.size() >= kMaxPieces) return false;
        std::pop_heap(heap.begin(), heap.end());
        const Piece worst = heap.back();
        heap.pop_back();
        const double mid = 0.5 * (worst.a + worst.b);
        if (!(mid > std::min(worst.a, worst.b) && mid < std::max(worst.a, worst.b))) return false;
        const Piece left = KronrodPiece(sample, worst.a, mid);
        const Piece right = KronrodPiece(sample, mid, worst.b);
        total.value += left.estimate.value + right.estimate.value - worst.estimate.value;
        total.error = std::max(0.0, total.error + left.estimate.error + right.estimate.error -
                                        worst.estimate.error);
        total.l1 += left.estimate.l1 + right.estimate.l1 - worst.estimate.l1;
        heap.push_back(left);
        std::push_heap(heap.begin(), heap.end());
        heap.push_back(right);
        std::push_heap(heap.begin(), heap.end());
    }
}

// Tanh-sinh quadrature: its nodes crowd double-exponentially towards the
// ends, which integrates end-point singularities like 1/sqrt(t) and ln(t).
bool TanhSinh(Sampler& sample, double a, double b, double eps, double& result) {
    boost::math::quadrature::tanh_sinh<double, ErrnoPolicy> rule(kTanhSinhRefinements);
    Estimate e;
    auto f = [&](double x) { return sample(x); };
    e.value = rule.integrate(f, a, b, eps, &e.error, &e.l1);
    return Accept(e, eps, result);
}

}  // namespace

double AdaptiveIntegral(const SolverCallback& f, double a, double b, double tol) {
    if (a == b) return 0.0;
    const double eps = std::fmax(SolverTolerance(tol) * kTargetShare, kFinestSolverTolerance);
    Sampler sample(f);
    double result = 0.0;
    try {
        try {
            if (GaussKronrod(sample, a, b, eps, result)) return result;
        } catch (const SamplesExhausted&) {
        }
        sample.ResetCount();
        if (TanhSinh(sample, a, b, eps, result)) return result;
    } catch (const SampleFailed&) {
        numerror("Can't evaluate function");
        return 0.0;
    } catch (const SamplesExhausted&) {
    }
    numerror("No convergence in AdaptiveIntegral");
    return 0.0;
}

}  // namespace quorvix::numeric
