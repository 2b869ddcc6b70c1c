#pragma once
// The calculator window's two indicators, and the "Change Number Base"
// dialog's field: an integer from 2 to 36, offered as 10 whatever the
// current base is.

#include <optional>
#include <string>
#include <string_view>

namespace quorvix {

class Prompter;

// "DEC", "HEX", "OCT", "BIN", or "Base-N" for any other base.
std::string BaseIndicatorText(int base);
// "DEG", "RAD" or "GRAD" for angle unit 0, 1, 2 ("RAD" for anything else,
// the unit the engine falls back to).
std::string AngleIndicatorText(int angleUnit);

// What a screen reader says for the indicators, given the text they show:
// "Number base: decimal", "Number base: 7", "Angle unit: radians". A text
// these functions do not make is spoken as it is shown.
std::string BaseIndicatorSpokenName(std::string_view shown);
std::string AngleIndicatorSpokenName(std::string_view shown);

// The command a click on an indicator runs: the next base of the Number
// Base menu (decimal, binary, octal, hexadecimal, back to decimal; any other
// base goes to decimal), the next angle unit (degrees, radians, gradients).
int NextBaseCommand(int base);
int NextAngleCommand(int angleUnit);

struct NumberBaseField {
    static constexpr const char* kCaption = "Change Number Base";
    static constexpr const char* kPrompt = "Enter a base between 2 and 36:";
    static constexpr const char* kInitialText = "10";
    static constexpr int kMinimum = 2;
    static constexpr int kMaximum = 36;
    // The standard message for a field outside its range.
    static constexpr const char* kRangeMessage = "Please enter an integer between 2 and 36.";

    // The base the text names: one integer (blanks around it allowed) from
    // 2 to 36; nothing for anything else.
    static std::optional<int> Parse(std::string_view text);
    // Parse, and on failure the range message (application title,
    // exclamation icon); the dialog then stays open.
    static std::optional<int> Read(std::string_view text, Prompter& prompter);
};

}  // namespace quorvix
