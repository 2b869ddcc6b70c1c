#include "numeric/BesselQuad.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric/BesselHankel.h"
#include "numeric/QuadPhase.h"

namespace quorvix::numeric {

namespace {

const quad kEulerGamma = static_cast<quad>(0.5772156649015329) +
                         static_cast<quad>(-4.942915152430649e-18);
// Backward-recurrence values are rescaled before they leave the range.
const quad kRescaleAbove = scalbnq(1, 3000);
const quad kRescaleBy = scalbnq(1, -3000);

// Unnormalised J_0 .. J_top by the backward recurrence from far above.
std::vector<quad> BackwardRecurrence(int top, quad x, int start) {
    std::vector<quad> j(static_cast<std::size_t>(top) + 1, 0);
    quad above = 0;
    quad here = static_cast<quad>(1e-30);
    for (int k = start; k > 0; --k) {
        const quad below = 2 * k / x * here - above;
        above = here;
        here = below;
        if (k - 1 <= top) j[static_cast<std::size_t>(k - 1)] = here;
        if (fabsq(here) > kRescaleAbove) {
            here *= kRescaleBy;
            above *= kRescaleBy;
            for (quad& v : j) v *= kRescaleBy;
        }
    }
    return j;
}

// From x = 45 on, J and Y of orders 0 and 1 come to quadruple precision from
// Hankel's expansion, and the forward recurrence (stable for orders below
// x, where the zeros are) reaches order n in n steps rather than the
// x + sqrt(400 x) of the backward one.
bool ForwardFromHankel(int n, double xd, BesselPair& out) {
    QuadBesselValues zero, one;
    if (!besselHankelQuad(0.0, xd, zero) || !besselHankelQuad(1.0, xd, one)) return false;
    const quad x = xd;
    quad jPrev = zero.j, j = one.j, yPrev = zero.y, y = one.y;
    if (n == 0) j = jPrev, y = yPrev;
    for (int k = 1; k < n; ++k) {
        const quad f = 2 * k / x;
        const quad jNext = f * j - jPrev;
        const quad yNext = f * y - yPrev;
        jPrev = j, j = jNext, yPrev = y, y = yNext;
    }
    out = {static_cast<double>(j), static_cast<double>(y)};
    return true;
}

}  // namespace

BesselPair besselJYQuad(int n, double xd) {
    BesselPair forward;
    if (xd >= 45.0 && n < xd && ForwardFromHankel(n, xd, forward)) return forward;
    const quad x = xd;
    const double reach = std::max(static_cast<double>(n), xd);
    int start = static_cast<int>(reach + 30.0 + std::sqrt(400.0 * reach));
    start += start & 1;  // even, so the normalising sum ends on J_0
    // Every J up to the start is kept: the normalisation needs the even ones.
    std::vector<quad> j = BackwardRecurrence(start, x, start);
    quad norm = j[0];
    for (int k = 2; k <= start; k += 2) norm += 2 * j[static_cast<std::size_t>(k)];
    for (quad& v : j) v /= norm;

    // Neumann's series: Y_0 = (2/pi)(ln(x/2) + gamma) J_0 - (4/pi) sum (-1)^k J_2k / k,
    // and Y_1 = -Y_0' with J_0' = -J_1 and J_m' = (J_(m-1) - J_(m+1)) / 2.
    const quad pi = 2 * quadHalfPi();
    const quad lead = logq(x / 2) + kEulerGamma;
    quad sum0 = 0;
    quad sum1 = 0;
    for (int k = 1; 2 * k + 1 <= start; ++k) {
        const quad sign = (k & 1) ? -1 : 1;
        sum0 += sign * j[static_cast<std::size_t>(2 * k)] / k;
        sum1 += sign * (j[static_cast<std::size_t>(2 * k - 1)] -
                        j[static_cast<std::size_t>(2 * k + 1)]) / k;
    }
    const quad y0 = 2 / pi * lead * j[0] - 4 / pi * sum0;
    const quad y1 = -(2 / pi) * (j[0] / x - lead * j[1]) + 2 / pi * sum1;

    quad yPrev = y0;
    quad y = y1;
    if (n == 0) y = y0;
    for (int k = 1; k < n; ++k) {
        const quad next = 2 * k / x * y - yPrev;
        yPrev = y;
        y = next;
        if (fabsq(y) > kRescaleAbove) break;  // beyond any double already
    }
    return {static_cast<double>(j[static_cast<std::size_t>(n)]), static_cast<double>(y)};
}

BesselPair sphericalBesselQuad(int n, double xd) {
    const quad x = xd;
    const quad s = sinq(x);
    const quad c = cosq(x);
    quad j0 = s / x, j1 = (s / x - c) / x;
    quad y0 = -c / x, y1 = -(c / x + s) / x;
    if (n == 0) return {static_cast<double>(j0), static_cast<double>(y0)};
    for (int k = 1; k < n; ++k) {
        const quad f = static_cast<quad>(2 * k + 1) / x;
        const quad j2 = f * j1 - j0;
        const quad y2 = f * y1 - y0;
        j0 = j1, j1 = j2, y0 = y1, y1 = y2;
        if (fabsq(y1) > kRescaleAbove) break;  // beyond any double already
    }
    return {static_cast<double>(j1), static_cast<double>(y1)};
}

}  // namespace quorvix::numeric
