#pragma once
// Connects the keypad, the catalogue menus and the pop-up help to the
// calculator window's logic: a KeypadHost over a CalculatorDialog, with the
// run's tip rotation and the window's way of opening a menu. It also follows
// what is typed into the dialog's display, to show the syntax of a function
// name as soon as a character that cannot continue the name is typed.
//
// Enter in the display, Enter elsewhere in the window and the EXE key all
// evaluate through EvaluateCurrentLine, which runs the line under the
// evaluation runner: inline by default; the desktop program sets its
// long-evaluation runner once, so a long line never freezes the window.

#include <functional>
#include <span>
#include <utility>

#include "calculator/KeypadHost.h"
#include "calculator/PopupHelp.h"

namespace quorvix {

class CalculatorDialog;

// Opens one of the three catalogue menus at the mouse position: the window.
class CatalogueMenuOpener {
public:
    virtual ~CatalogueMenuOpener() = default;
    virtual void OpenCatalogueMenu(CatalogueMenuKind kind) = 0;
};

class KeypadDialogHost : public KeypadHost, private TypingObserver {
public:
    // Also routes the dialog's tips (after evaluations and CLR) to tips.
    KeypadDialogHost(CalculatorDialog& dialog, TipRotation& tips);
    ~KeypadDialogHost() override;
    KeypadDialogHost(const KeypadDialogHost&) = delete;
    KeypadDialogHost& operator=(const KeypadDialogHost&) = delete;

    void InsertText(const std::string& text) override;
    CalculatorDisplay& Display() override;
    void ShowHelpText(const std::string& message) override;
    void SetHelpKeyword(const std::string& keyword) override;
    void EvaluateCurrentLine() override;
    void ClearEntry() override;
    void ShowNextTip() override;
    void OpenCatalogueMenu(CatalogueMenuKind kind) override;
    std::span<const FunctionInfo> UserFunctions() const override { return userFunctions; }

    // Enter typed in the display: ends the tracked identifier without a
    // lookup and evaluates the caret's line.
    void EnterPressed();

    // Runs one evaluation (the whole of it, before returning).
    using EvaluationRunner = std::function<void(const std::function<void()>& evaluate)>;
    void SetEvaluationRunner(EvaluationRunner runner) { runner_ = std::move(runner); }

    // Who opens the catalogue menus (not owned; null for none).
    void SetMenuOpener(CatalogueMenuOpener* opener) { menuOpener_ = opener; }
    // The user-defined function rows, searched after the catalogue.
    std::span<const FunctionInfo> userFunctions;

private:
    void BeforeCharacter(char c) override;
    void BeforeBackspace(int caret) override;

    CalculatorDialog& dialog_;
    IdentifierTracker tracker_;
    CatalogueMenuOpener* menuOpener_ = nullptr;
    EvaluationRunner runner_ = [](const std::function<void()>& evaluate) { evaluate(); };
};

}  // namespace quorvix
