#include "numeric/JacobiElliptic.h"

#include <cmath>
#include <limits>

namespace quorvix::numeric {
namespace {

using Wide = long double;

struct WideValues {
    Wide sn, cn, dn;
};

// The arithmetic-geometric mean of 1 and sqrt(mc), 0 < mc < 1, with every
// pair of means kept for the way back, in extended precision.
struct Agm {
    static constexpr int kMaxSteps = 40;  // the AGM doubles its digits each step
    Wide a[kMaxSteps + 1], b[kMaxSteps + 1];
    int steps = 0;
    Wide mc, kc;  // kc = sqrt(mc) = k'
    Wide quarter;  // K(k), the quarter period
};

Agm MakeAgm(Wide mc) {
    const Wide eps = std::numeric_limits<Wide>::epsilon();
    const Wide pi = 3.141592653589793238462643383279502884L;
    Agm g;
    g.mc = mc;
    g.kc = std::sqrt(mc);
    g.a[0] = 1.0L;
    g.b[0] = g.kc;
    int n = 0;
    while (n < Agm::kMaxSteps && std::fabs(g.a[n] - g.b[n]) > eps * g.a[n]) {
        g.a[n + 1] = (g.a[n] + g.b[n]) / 2.0L;
        g.b[n + 1] = std::sqrt(g.a[n] * g.b[n]);
        ++n;
    }
    g.steps = n;
    g.quarter = pi / (2.0L * g.a[n]);
    return g;
}

// sn, cn, dn for |t| <= K/2, where cn and dn stay well away from zero.
WideValues Quarter(const Agm& g, Wide t) {
    if (g.mc < 1e-16L) {
        // Near the hyperbolic limit (Abramowitz and Stegun 16.15), first
        // order in mc; the next order is below mc cosh(t)^2 <= sqrt(mc).
        const Wide sh = std::sinh(t), ch = std::cosh(t), th = std::tanh(t), sech = 1.0L / ch;
        const Wide q = g.mc / 4.0L;
        return {th + q * (sh * ch - t) * sech * sech, sech - q * (sh * ch - t) * th * sech,
                sech + q * (sh * ch + t) * th * sech};
    }
    // Gauss's transformation back up the ladder of means, on the cotangent
    // of the amplitude: one sine and cosine, the rest rational.
    const Wide v = t * g.a[g.steps];
    Wide sn = std::sin(v), cn = std::cos(v);
    if (sn != 0.0L) {
        Wide ratio = cn / sn, cot = g.a[g.steps] * ratio, dn = 1.0L;
        for (int i = g.steps; i >= 0; --i) {
            ratio *= cot;
            cot *= dn;
            dn = (g.b[i] + ratio) / (g.a[i] + ratio);
            ratio = cot / g.a[i];
        }
        sn = std::copysign(1.0L / std::sqrt(cot * cot + 1.0L), sn);
        cn = cot * sn;
    }
    // dn^2 = mc + k^2 cn^2: a sum of two non-negative terms.
    return {sn, cn, std::sqrt(g.mc + (1.0L - g.mc) * cn * cn)};
}

// 0 < mc < 1. u is reduced by half periods 2K to |r| <= K, and beyond K/2
// taken from K - |r| (sn(K - t) = cd t, cn(K - t) = k' sd t, dn(K - t) =
// k' nd t), so that every result keeps its relative accuracy near its
// zeros and minima.
WideValues Landen(Wide u, Wide mc) {
    const Agm g = MakeAgm(mc);
    const Wide halves = std::nearbyint(u / (2.0L * g.quarter));
    // Beyond 2^62 half periods no digit of the reduced argument is left.
    if (!(std::fabs(halves) < 0x1p62L)) {
        const Wide nan = std::numeric_limits<Wide>::quiet_NaN();
        return {nan, nan, nan};
    }
    const Wide r = u - 2.0L * g.quarter * halves;
    const Wide sign = std::fmod(halves, 2.0L) == 0.0L ? 1.0L : -1.0L;
    WideValues v;
    if (std::fabs(r) <= g.quarter / 2.0L) {
        v = Quarter(g, r);
    } else {
        const WideValues w = Quarter(g, g.quarter - std::fabs(r));
        v = {std::copysign(w.cn / w.dn, r), g.kc * w.sn / w.dn, g.kc / w.dn};
    }
    return {sign * v.sn, sign * v.cn, v.dn};
}

// Any mc but 0: the circular case exactly, the reciprocal- and
// imaginary-modulus transformations outside (0, 1).
WideValues Jacobi(Wide u, Wide mc) {
    if (mc == 1.0L) return {std::sin(u), std::cos(u), 1.0L};
    if (mc < 0.0L) {
        // k^2 = 1 - mc > 1: with the reciprocal modulus 1/k the
        // complementary parameter is -mc / (1 - mc); sn(u|k) = sn(k u|1/k)/k
        // while cn and dn trade places.
        const Wide k = std::sqrt(1.0L - mc);
        const WideValues r = Jacobi(u * k, -mc / (1.0L - mc));
        return {r.sn / k, r.dn, r.cn};
    }
    if (mc > 1.0L) {
        // k^2 = 1 - mc < 0 (imaginary modulus): with v = u sqrt(mc) and
        // complementary parameter 1/mc, sn = sd / sqrt(mc), cn = cd, dn = nd.
        const Wide root = std::sqrt(mc);
        const WideValues r = Jacobi(u * root, 1.0L / mc);
        return {r.sn / (r.dn * root), r.cn / r.dn, 1.0L / r.dn};
    }
    return Landen(u, mc);
}

}  // namespace

JacobiValues jacobielliptic(double u, double mc) {
    if (mc == 0.0) {
        JacobiValues out;
        out.cn = out.dn = 1.0 / std::cosh(u);
        out.sn = std::tanh(u);
        return out;
    }
    if (std::isnan(u) || std::isnan(mc)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, nan};
    }
    const WideValues v = Jacobi(u, mc);
    return {static_cast<double>(v.sn), static_cast<double>(v.cn), static_cast<double>(v.dn)};
}

}  // namespace quorvix::numeric
