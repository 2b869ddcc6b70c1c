#include "numeric/ErrorRounding.h"

#include <cmath>

namespace quorvix::numeric {

namespace {
// The kept place has a unit of at least this many errors, so that the
// digit before it is right unless the value lies within a twentieth of a
// unit of a rounding boundary.
constexpr double kUnitsPerError = 20.0;
constexpr double kTenthDigit = 1e-10;
}  // namespace

double RoundToError(double value, double err) {
    const double unitAtLeast = kUnitsPerError * err;
    if (!(unitAtLeast > kTenthDigit * std::fabs(value))) return value;
    const int place = static_cast<int>(std::ceil(std::log10(unitAtLeast)));
    if (place < -300 || place > 300) return value;
    // Powers of ten up to 1e22 are exact, so scaling by them rounds once.
    if (place < 0 && place >= -22) {
        const double scale = std::pow(10.0, -place);
        return std::round(value * scale) / scale;
    }
    const double unit = std::pow(10.0, place);
    return std::round(value / unit) * unit;
}

}  // namespace quorvix::numeric
