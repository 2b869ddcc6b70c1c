#pragma once
// Absolute temperatures on the Celsius, Kelvin and Fahrenheit scales are
// converted by formula, apart from the catalogue (whose temperature rows
// convert differences only).

#include <string_view>

namespace quorvix {

enum class TemperatureScale { kNone, kCelsius, kKelvin, kFahrenheit };

// "DEGC"/"DEGREE C", "DEGK"/"DEGREE K", "DEGF"/"DEGREE F", compared exactly
// after upper-casing (inner blanks count); anything else is kNone.
TemperatureScale ClassifyTemperatureScale(std::string_view unitText);

// Converts an absolute temperature between two scales (neither kNone).
double ConvertTemperature(double value, TemperatureScale from, TemperatureScale to);

}  // namespace quorvix
