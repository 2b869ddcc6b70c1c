#include "calculator/PopupHelp.h"

#include <algorithm>

#include "calculator/CalculatorDisplay.h"
#include "calculator/FunctionCatalogue.h"
#include "calculator/KeypadHost.h"
#include "calculator/KeypadKeys.h"
#include "calculator/NameCharacters.h"
#include "engine/TextRules.h"
#include "platform/HelpViewer.h"

namespace quorvix {

namespace {
constexpr int kMaxLineRead = 1000;

// The caret's line without its line break.
std::string CaretLineText(const CalculatorDisplay& display) {
    std::string line = display.ReadLine(display.CaretLine(), kMaxLineRead);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}
}  // namespace

const std::array<const char*, kTipCount>& Tips() {
    static const std::array<const char*, kTipCount> tips = {
        "Press F1 for Help",
        "Click const for a list of physical constants",
        "Click conv for a list of conversions",
        "You can undo a CLEAR action by right-clicking on the display and select Undo",
        "Do finance the easy way with the Finance Box",
        "Expressions can be typed in directly from the keyboard",
        "Pressing ENTER has the same effect as clicking the EXE button",
        "You can resize the display by dragging its corner when the keypad is hidden",
        "Define your own constants, conversions, and functions",
        "Assign values to variables as follows: Name = Value",
        "Type 'ShowVars' to see the contents of the defined variables",
        "Type 'ClearVars' to delete the defined variables",
        "A variable may be used in all subsequent expressions",
    };
    return tips;
}

const char* TipRotation::Next() {
    if (counter_ > 10) {
        index_ = (index_ + 1) % kTipCount;
        counter_ = 0;
    } else {
        ++counter_;
    }
    return Tips()[static_cast<std::size_t>(index_)];
}

std::string SyntaxLine(std::string_view name, const FunctionInfo& row) {
    std::string line = "Syntax: ";
    line += name;
    line += '(';
    line += row.syntax;
    line += ')';
    return line;
}

void ShowSyntaxFor(std::string_view identifier, KeypadHost& host) {
    if (identifier.empty()) return;
    const auto row = LookUpFunction(identifier, host.UserFunctions());
    if (!row) return;
    host.ShowHelpText(SyntaxLine(identifier, *row));
    host.SetHelpKeyword(std::string(identifier));
}

std::optional<std::string> IdentifierTracker::BeforeCharacter(char c,
                                                              const CalculatorDisplay& display) {
    const int caret = std::min(display.SelectionStart(), display.SelectionEnd());
    if (!tracking()) {
        if (IsNameStart(c)) start_ = caret;
        return std::nullopt;
    }
    if (IsNameChar(c)) return std::nullopt;
    const int n = caret - start_;
    if (n < 0 || n > kMaxIdentifierLength) return std::nullopt;  // keep tracking
    const std::string text = display.Text();
    const auto from = static_cast<std::size_t>(std::min<int>(start_, static_cast<int>(text.size())));
    start_ = -1;
    return text.substr(from, static_cast<std::size_t>(n));
}

void IdentifierTracker::BeforeBackspace(int caret) {
    if (caret == start_) start_ = -1;
}

void TrackCharacterForSyntax(IdentifierTracker& tracker, char c,
                             const CalculatorDisplay& display, KeypadHost& host) {
    if (const auto identifier = tracker.BeforeCharacter(c, display))
        ShowSyntaxFor(*identifier, host);
}

std::string TooltipFor(int controlId, std::string_view caption,
                       std::span<const FunctionInfo> userFunctions) {
    switch (controlId) {
        case kBaseIndicatorId: return "Current numeric base";
        case kAngleIndicatorId: return "Current unit for angles";
        case kInvCheckBoxId: return "Inverse trigonometric functions";
        case kHypCheckBoxId: return "Hyperbolic functions";
        case kExeKeyId: return "Click here to evaluate the expression";
        case kAnsKeyId: return "Retrieve the last result";
        case kConstKeyId: return "Click for list of constants";
        case kConvKeyId: return "Click for list of conversions";
        case kFuncKeyId: return "Click for list of functions";
        default: break;
    }
    if (const auto row = LookUpFunction(caption, userFunctions))
        return std::string(TrimSpacesAndTabs(row->description));
    return {};
}

std::string HelpKeywordAtCaret(const CalculatorDisplay& display) {
    const std::string line = CaretLineText(display);
    if (line.empty()) return {};
    const int lineStart = display.LineStart(display.CaretLine());
    const int length = static_cast<int>(line.size());
    const int column = std::clamp(display.CaretPosition() - lineStart, 0, length);
    int begin = column;
    int end = column;
    while (begin > 0 && IsNameChar(line[static_cast<std::size_t>(begin - 1)])) --begin;
    while (end < length && IsNameChar(line[static_cast<std::size_t>(end)])) ++end;
    if (begin == end) return {};
    if (IsAsciiDigit(line[static_cast<std::size_t>(begin)])) return {};
    return line.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

void ShowKeywordHelp(const CalculatorDisplay& display, std::string& helpKeyword,
                     HelpViewer& help) {
    const std::string keyword = HelpKeywordAtCaret(display);
    if (!keyword.empty()) helpKeyword = keyword;
    if (!helpKeyword.empty())
        help.OpenAtKeyword(helpKeyword);
    else
        help.OpenSearch("");
    helpKeyword.clear();
}

}  // namespace quorvix
