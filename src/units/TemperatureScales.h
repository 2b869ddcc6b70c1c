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

// Whether value lies below absolute zero on the scale (not kNone): below
// 0 K, -273.15 °C or -459.67 °F, compared on the value as given.
bool IsBelowAbsoluteZero(double value, TemperatureScale scale);

// The one rule for temperatures below absolute zero, kept by the engine
// (which refuses such a conversion) and the unit converter window (which
// names the cause): true when both unit texts are scale words (blanks around
// them ignored) and value lies below the from scale's absolute zero. Equal
// texts count too, since -500 degC is no temperature on any scale.
bool IsTemperatureBelowAbsoluteZero(double value, std::string_view fromText,
                                    std::string_view toText);

// Converts an absolute temperature between two scales (neither kNone).
double ConvertTemperature(double value, TemperatureScale from, TemperatureScale to);

}  // namespace quorvix
