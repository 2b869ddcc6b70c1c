#pragma once
// What each key of the keypad does, in words a screen reader can speak
// ("square root", not "sqrt"). The layout keys are named by their current
// caption, so the names follow the Math, Finance and custom layouts; the
// six trigonometric keys also say what Inv and Hyp make of them.

#include <string>
#include <string_view>

namespace quorvix {

// The spoken name of key keyId showing caption. A custom caption with no
// name of its own is read piece by piece: its symbols in words ("x^4" is
// "x to the power 4", "1/x" "reciprocal of x"), a plain word as written.
std::string KeySpokenName(int keyId, std::string_view caption, bool inv = false,
                          bool hyp = false);

// Names of the controls beside the keys.
inline constexpr const char* kBaseIndicatorName = "Number base";
inline constexpr const char* kAngleIndicatorName = "Angle unit";
inline constexpr const char* kInvCheckBoxName = "Inverse";
inline constexpr const char* kHypCheckBoxName = "Hyperbolic";

}  // namespace quorvix
