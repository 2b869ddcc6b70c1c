#include "units/TemperatureScales.h"

#include <string>

#include "engine/TextRules.h"

namespace quorvix {
namespace {

// The double nearest 5/9, as the conversions have always used it.
constexpr double kFiveNinths = 0.5555555555555556;
constexpr double kKelvinOffset = 273.15;

}  // namespace

TemperatureScale ClassifyTemperatureScale(std::string_view unitText) {
    const std::string upper = UpperCaseAscii(unitText);
    if (upper == "DEGC" || upper == "DEGREE C") return TemperatureScale::kCelsius;
    if (upper == "DEGK" || upper == "DEGREE K") return TemperatureScale::kKelvin;
    if (upper == "DEGF" || upper == "DEGREE F") return TemperatureScale::kFahrenheit;
    return TemperatureScale::kNone;
}

bool IsBelowAbsoluteZero(double value, TemperatureScale scale) {
    switch (scale) {
        case TemperatureScale::kCelsius: return value < -kKelvinOffset;
        case TemperatureScale::kKelvin: return value < 0.0;
        case TemperatureScale::kFahrenheit: return value < -459.67;
        case TemperatureScale::kNone: break;
    }
    return false;
}

bool IsTemperatureBelowAbsoluteZero(double value, std::string_view fromText,
                                    std::string_view toText) {
    const TemperatureScale from = ClassifyTemperatureScale(TrimSpaces(fromText));
    return from != TemperatureScale::kNone &&
           ClassifyTemperatureScale(TrimSpaces(toText)) != TemperatureScale::kNone &&
           IsBelowAbsoluteZero(value, from);
}

double ConvertTemperature(double v, TemperatureScale from, TemperatureScale to) {
    using S = TemperatureScale;
    if (from == to) return v;
    switch (from) {
        case S::kCelsius:
            return to == S::kFahrenheit ? 32 + 1.8 * v : v + kKelvinOffset;
        case S::kFahrenheit:
            return to == S::kCelsius ? (v - 32) * kFiveNinths
                                     : (v - 32) * kFiveNinths + kKelvinOffset;
        case S::kKelvin:
            return to == S::kCelsius ? v - kKelvinOffset : 32 + 1.8 * (v - kKelvinOffset);
        case S::kNone:
            break;
    }
    return v;
}

}  // namespace quorvix
