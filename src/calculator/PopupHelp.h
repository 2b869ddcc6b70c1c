#pragma once
// The help the calculator window gives while the user works: the rotating
// tips, the syntax line for a function name being typed, key tooltips and
// the keyword for F1 help.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "userdefs/FunctionInfo.h"

namespace quorvix {

class CalculatorDisplay;
class HelpViewer;
class KeypadHost;

inline constexpr int kTipCount = 13;
const std::array<const char*, kTipCount>& Tips();

// The tip counter and index, kept for the whole run. Each tip is shown
// twelve times in a row (the very first one eleven times) before the next.
class TipRotation {
public:
    // Advances and returns the tip to show now.
    const char* Next();
    int index() const { return index_; }
    int counter() const { return counter_; }

private:
    int counter_ = 0;
    int index_ = 0;
};

// "Syntax: " + the name as typed + "(" + syntax + ")".
std::string SyntaxLine(std::string_view name, const FunctionInfo& row);

// Shows the syntax of a typed identifier when it names a function and
// remembers it for F1; otherwise does nothing.
void ShowSyntaxFor(std::string_view identifier, KeypadHost& host);

// Follows the identifier being typed into the display so that its syntax can
// be shown when a character that cannot continue it is typed. The display
// calls it for every character it types, before inserting it.
class IdentifierTracker {
public:
    static constexpr int kMaxIdentifierLength = 98;

    // c is about to be inserted at the caret. Returns the identifier that c
    // ends (the text from the recorded start to the caret), if any.
    std::optional<std::string> BeforeCharacter(char c, const CalculatorDisplay& display);
    // Backspace pressed with the caret at caret: at the recorded start it
    // ends the tracking.
    void BeforeBackspace(int caret);
    // Enter ends the tracking without a lookup.
    void OnEnter() { start_ = -1; }

    bool tracking() const { return start_ >= 0; }
    int start() const { return start_; }

private:
    int start_ = -1;
};

// The display's hook for every character it is about to type, whether the
// user typed it or a key or menu queued it: follows the identifier and
// shows its syntax when a character ends a function name.
void TrackCharacterForSyntax(IdentifierTracker& tracker, char c,
                             const CalculatorDisplay& display, KeypadHost& host);

// Tooltip of a control of the calculator window by id, with the key's
// caption for the keys that show one. Empty when the control has none.
// (The help line's tooltip is its own current text.)
std::string TooltipFor(int controlId, std::string_view caption,
                       std::span<const FunctionInfo> userFunctions);

// The run of letters, digits and '_' at or just before the caret on the
// caret's line; empty when there is none or when it starts with a digit.
std::string HelpKeywordAtCaret(const CalculatorDisplay& display);

// F1: opens the help at the name under the caret, else at the last offered
// name, else at its search over all pages; then forgets the offered name.
void ShowKeywordHelp(const CalculatorDisplay& display, std::string& helpKeyword,
                     HelpViewer& help);

}  // namespace quorvix
