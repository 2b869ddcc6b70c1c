#pragma once
// Fresnel integrals S(x) = int_0^x sin(pi t^2 / 2) dt and
// C(x) = int_0^x cos(pi t^2 / 2) dt: power series up to |x| = 1.5, a complex
// continued fraction (modified Lentz) above, whose phase pi x^2 / 2 is
// reduced exactly; correct to within a few units in the last place.

namespace quorvix::numeric {

struct FresnelValues {
    double s = 0.0;
    double c = 0.0;
};

// Fails with "series failed in frenel" or "cf failed in frenel" when its
// iterations do not converge.
FresnelValues frenel(double x);

}  // namespace quorvix::numeric
