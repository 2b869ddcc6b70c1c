#pragma once
// How dialogs read and show a number in an edit field: the whole text (blanks
// around it allowed) must be one finite decimal number in the current
// locale's notation; otherwise the field is refused with the standard
// "Please enter a number." box and the stored value is left as it was.

#include <string>
#include <string_view>

#include "platform/Prompter.h"

namespace quorvix {

// Caption of message boxes that carry no caption of their own.
inline constexpr const char* kApplicationTitle = "Quorvix";
inline constexpr const char* kPleaseEnterNumber = "Please enter a number.";

// True and sets value when text is one finite number; value untouched otherwise.
bool ParseNumberField(std::string_view text, double& value);

// ParseNumberField, and on failure the "Please enter a number." box
// (application title, exclamation icon).
bool ReadNumberField(std::string_view text, double& value, Prompter& prompter);

// The text a number field shows for value: up to 15 significant digits.
std::string FormatNumberField(double value);

}  // namespace quorvix
