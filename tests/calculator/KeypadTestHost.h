#pragma once
// A KeypadHost over the in-memory display that records what the keypad,
// menus and help asked of the window.

#include <string>
#include <vector>

#include "calculator/KeypadHost.h"
#include "calculator/PopupHelp.h"
#include "calculator/TextDisplay.h"

namespace quorvix {

class KeypadTestHost : public KeypadHost {
public:
    void InsertText(const std::string& text) override {
        display.SetFocus();
        for (const char c : text) display.QueueCharacter(c);
        ++inserts;
    }
    CalculatorDisplay& Display() override { return display; }
    void ShowHelpText(const std::string& message) override { helpLine = "  " + message; }
    void SetHelpKeyword(const std::string& keyword) override { helpKeyword = keyword; }
    void EvaluateCurrentLine() override { ++evaluations; }
    void ClearEntry() override { ++clearEntries; }
    void ShowNextTip() override { ShowHelpText(tips.Next()); }
    void OpenCatalogueMenu(CatalogueMenuKind kind) override { menusOpened.push_back(kind); }
    std::span<const FunctionInfo> UserFunctions() const override { return userFunctions; }

    // Runs the queued input and returns the display text.
    std::string Typed() {
        display.ProcessQueuedInput();
        return display.Text();
    }

    TextDisplay display;
    TipRotation tips;
    std::vector<FunctionInfo> userFunctions;
    std::string helpLine;
    std::string helpKeyword;
    int inserts = 0;
    int evaluations = 0;
    int clearEntries = 0;
    std::vector<CatalogueMenuKind> menusOpened;
};

}  // namespace quorvix
