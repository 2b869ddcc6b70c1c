#include "numeric/ErrorFunction.h"

#include "numeric/GammaIncomplete.h"

namespace quorvix::numeric {

double erfn(double x) { return x < 0.0 ? -gammp(0.5, x * x) : gammp(0.5, x * x); }

double erfcn(double x) { return x < 0.0 ? 1.0 + gammp(0.5, x * x) : gammq(0.5, x * x); }

}  // namespace quorvix::numeric
