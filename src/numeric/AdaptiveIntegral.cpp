#include "numeric/AdaptiveIntegral.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/CompensatedSum.h"
#include "numeric/ErrorRounding.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

// An integral smaller than this share of the integral of |f| is rounding
// noise: the integrand's own values carry errors of that size.
constexpr double kVanishingShare = 64.0 * DBL_EPSILON;
constexpr std::size_t kMaxPieces = 1u << 14;
constexpr std::size_t kTanhSinhRefinements = 15;
// A smooth integrand is often settled by one 15-point rule; the adaptive
// search then works with the 31-point rule.
constexpr unsigned kFirstTryPoints = 15;
constexpr unsigned kKronrodPoints = 31;

// Thrown from inside the rules to leave them at once: a failed (or
// cancelled) sample fails the integral; the others end one method.
struct SampleFailed {};
struct SamplesExhausted {};
struct EndReached {};  // a node of a tiny piece rounded onto an end

// Samples f for the quadrature rules, failing by exception so that no
// rule goes on after a failed or cancelled sample or past the budget. It
// remembers the samples nearest to each end.
class Sampler {
public:
    Sampler(const SolverCallback& f, double a, double b) : f_(f), a_(a), b_(b) {}
    double operator()(double x) {
        if (x == a_ || x == b_) throw EndReached{};
        if (++count_ > kMaxIntegralSamples) throw SamplesExhausted{};
        double v = 0.0;
        if (f_(x, v) != 0 || !std::isfinite(v)) throw SampleFailed{};
        if (v != 0.0) sawNonZero_ = true;
        Remember(x - a_, v, nearA_);
        Remember(b_ - x, v, nearB_);
        return v;
    }
    void ResetCount() { count_ = 0; }
    bool SawNonZero() const { return sawNonZero_; }

    // What the integral beyond the samples nearest to the ends may hold:
    // for f growing like a power below 1 of the distance to an end, the
    // part beyond the last sample is at most about twice that sample
    // times its distance. The rules' own estimates cannot see it.
    double UnsampledEnds() const {
        return 2.0 * (nearA_.distance * std::fabs(nearA_.value) + nearB_.distance * std::fabs(nearB_.value));
    }

private:
    struct Nearest {
        double distance = INFINITY;
        double value = 0.0;
    };
    static void Remember(double distance, double v, Nearest& nearest) {
        distance = std::fabs(distance);
        if (distance < nearest.distance) nearest = {distance, v};
    }

    const SolverCallback& f_;
    double a_, b_;
    long count_ = 0;
    bool sawNonZero_ = false;
    Nearest nearA_, nearB_;
};

struct Estimate {
    double value = 0.0;
    double error = 0.0;
    double l1 = 0.0;  // the integral of |f|, for the rounding floor
};

// The value, rounded to the digits its error vouches for, when the
// estimate meets the relative tolerance; false otherwise.
bool Accept(const Estimate& e, double tol, double& result) {
    if (!std::isfinite(e.value) || !std::isfinite(e.error)) return false;
    if (e.error <= tol * std::fabs(e.value)) {
        result = RoundToError(e.value, e.error);
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

// The n-point Kronrod rule on [a, b] (Boost's tabulated nodes and
// weights; n = 15 or 31). Its error is judged from the embedded 15-point Gauss rule the
// usual way (QUADPACK's): the difference scaled by the integrand's mean
// deviation and raised to the power 1.5, which is close to the Kronrod
// rule's own error once the two rules begin to agree, and never below two
// units in the last place of the piece.
template <unsigned kKronrodPoints>
Piece KronrodPiece(Sampler& sample, double a, double b) {
    using Kronrod = boost::math::quadrature::gauss_kronrod<double, kKronrodPoints>;
    using Gauss = boost::math::quadrature::gauss<double, kKronrodPoints / 2>;
    const auto& x = Kronrod::abscissa();
    const auto& w = Kronrod::weights();
    const auto& gw = Gauss::weights();
    const double mid = 0.5 * (a + b), half = 0.5 * (b - a);
    double values[2][kKronrodPoints / 2 + 1];
    const double centre = sample(mid);
    double kronrod = centre * w[0], gauss = centre * gw[0], absolute = std::fabs(kronrod);
    // Odd nodes belong to the Kronrod rule only; even ones to both.
    for (std::size_t i = 1; i < x.size(); ++i) {
        const double right = sample(mid + half * x[i]), left = sample(mid - half * x[i]);
        values[0][i] = right;
        values[1][i] = left;
        kronrod += (right + left) * w[i];
        absolute += (std::fabs(right) + std::fabs(left)) * w[i];
        if (i % 2 == 0) gauss += (right + left) * gw[i / 2];
    }
    const double mean = 0.5 * kronrod;
    double deviation = w[0] * std::fabs(centre - mean);
    for (std::size_t i = 1; i < x.size(); ++i)
        deviation += w[i] * (std::fabs(values[0][i] - mean) + std::fabs(values[1][i] - mean));
    double error = std::fabs(kronrod - gauss);
    if (deviation > 0.0 && error > 0.0) error = deviation * std::fmin(1.0, std::pow(200.0 * error / deviation, 1.5));
    error = std::fmax(error, 2.0 * DBL_EPSILON * std::fabs(kronrod));
    const double scale = std::fabs(half);
    return {a, b, {half * kronrod, scale * error, scale * absolute}};
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
    if (Accept(KronrodPiece<kFirstTryPoints>(sample, a, b).estimate, eps, result)) return true;
    std::vector<Piece> heap{KronrodPiece<kKronrodPoints>(sample, a, b)};
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
        const Piece left = KronrodPiece<kKronrodPoints>(sample, worst.a, mid);
        const Piece right = KronrodPiece<kKronrodPoints>(sample, mid, worst.b);
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
// It aims at the target; a value within the precision asked still does.
bool TanhSinh(Sampler& sample, double a, double b, double target, double asked, double& result) {
    boost::math::quadrature::tanh_sinh<double, ErrnoPolicy> rule(kTanhSinhRefinements);
    Estimate e;
    auto f = [&](double x) { return sample(x); };
    e.value = rule.integrate(f, a, b, target, &e.error, &e.l1);
    e.error += sample.UnsampledEnds();
    return Accept(e, asked, result);
}

}  // namespace

double AdaptiveIntegral(const SolverCallback& f, double a, double b, double tol) {
    if (a == b) return 0.0;
    // Gauss-Kronrod works to the target; short of it, tanh-sinh gets its
    // turn and may answer within the precision asked.
    const double target = AnswerTolerance(tol), asked = SolverTolerance(tol);
    Sampler sample(f, a, b);
    double result = 0.0;
    try {
        try {
            // An integrand that was 0 at every node may hide its mass
            // between them (EXP(-t^2) from 0 to 1E6): tanh-sinh, whose nodes
            // crowd towards the ends, looks again.
            if (GaussKronrod(sample, a, b, target, result) && sample.SawNonZero()) return result;
        } catch (const SamplesExhausted&) {
        } catch (const EndReached&) {
        }
        sample.ResetCount();
        if (TanhSinh(sample, a, b, target, asked, result)) return result;
    } catch (const SampleFailed&) {
        numerror("Can't evaluate function");
        return 0.0;
    } catch (const SamplesExhausted&) {
    } catch (const EndReached&) {
    }
    numerror("No convergence in AdaptiveIntegral");
    return 0.0;
}

}  // namespace quorvix::numeric
