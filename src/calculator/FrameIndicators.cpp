#include "calculator/FrameIndicators.h"

#include <charconv>

#include "calculator/KeySpokenNames.h"
#include "platform/CommandIds.h"
#include "platform/NumberField.h"
#include "platform/Prompter.h"

namespace quorvix {

std::string BaseIndicatorText(int base) {
    switch (base) {
        case 10: return "DEC";
        case 16: return "HEX";
        case 8: return "OCT";
        case 2: return "BIN";
        default: return "Base-" + std::to_string(base);
    }
}

std::string AngleIndicatorText(int angleUnit) {
    switch (angleUnit) {
        case 0: return "DEG";
        case 2: return "GRAD";
        default: return "RAD";
    }
}

std::string BaseIndicatorSpokenName(std::string_view shown) {
    std::string spoken(shown);
    if (shown == "DEC") spoken = "decimal";
    else if (shown == "HEX") spoken = "hexadecimal";
    else if (shown == "OCT") spoken = "octal";
    else if (shown == "BIN") spoken = "binary";
    else if (shown.starts_with("Base-")) spoken = shown.substr(5);
    return std::string(kBaseIndicatorName) + ": " + spoken;
}

std::string AngleIndicatorSpokenName(std::string_view shown) {
    std::string spoken(shown);
    if (shown == "DEG") spoken = "degrees";
    else if (shown == "RAD") spoken = "radians";
    else if (shown == "GRAD") spoken = "gradians";
    return std::string(kAngleIndicatorName) + ": " + spoken;
}

std::optional<int> NumberBaseField::Parse(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < kMinimum || value > kMaximum) return std::nullopt;
    return value;
}

std::optional<int> NumberBaseField::Read(std::string_view text, Prompter& prompter) {
    const std::optional<int> base = Parse(text);
    if (!base) prompter.ShowMessage(kApplicationTitle, kRangeMessage, PromptIcon::Exclamation);
    return base;
}

int NextBaseCommand(int base) {
    switch (base) {
        case 10: return kCmdBaseBinary;
        case 2: return kCmdBaseOctal;
        case 8: return kCmdBaseHexadecimal;
        default: return kCmdBaseDecimal;
    }
}

int NextAngleCommand(int angleUnit) {
    switch (angleUnit) {
        case 0: return kCmdAngleRadians;
        case 1: return kCmdAngleGradients;
        default: return kCmdAngleDegrees;
    }
}

}  // namespace quorvix
