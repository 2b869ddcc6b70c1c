#pragma once
// Connects the keypad, the catalogue menus and the pop-up help to the
// calculator window's logic: a KeypadHost over a CalculatorDialog, with the
// run's tip rotation and the window's way of opening a menu.

#include <functional>
#include <span>

#include "calculator/KeypadHost.h"
#include "calculator/PopupHelp.h"

namespace quorvix {

class CalculatorDialog;

class KeypadDialogHost : public KeypadHost {
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

    // Opens a catalogue menu at the mouse position (the window sets it).
    std::function<void(CatalogueMenuKind)> onOpenMenu;
    // The user-defined function rows, searched after the catalogue.
    std::span<const FunctionInfo> userFunctions;

private:
    CalculatorDialog& dialog_;
    TipRotation& tips_;
};

}  // namespace quorvix
