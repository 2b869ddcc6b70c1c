#pragma once
// What the keypad, the catalogue menus and the pop-up help need from the
// calculator window. The window implements it; tests implement it over an
// in-memory display.

#include <span>
#include <string>

#include "calculator/CalculatorDisplay.h"
#include "userdefs/FunctionInfo.h"

namespace quorvix {

enum class CatalogueMenuKind { Constants, Conversions, Functions };

class KeypadHost {
public:
    virtual ~KeypadHost() = default;

    // Focus to the display, then queue the characters of text as typed input
    // (the window also remembers that the program inserted text).
    virtual void InsertText(const std::string& text) = 0;
    virtual CalculatorDisplay& Display() = 0;
    // Writes two blanks and the message into the help line.
    virtual void ShowHelpText(const std::string& message) = 0;
    // The name of the last function or constant offered, for F1 help.
    virtual void SetHelpKeyword(const std::string& keyword) = 0;
    virtual void EvaluateCurrentLine() = 0;
    virtual void ClearEntry() = 0;
    virtual void ShowNextTip() = 0;
    // Opens one of the three catalogue menus at the mouse position.
    virtual void OpenCatalogueMenu(CatalogueMenuKind kind) = 0;
    // The user-defined functions, searched after the built-in catalogue.
    virtual std::span<const FunctionInfo> UserFunctions() const = 0;
};

}  // namespace quorvix
