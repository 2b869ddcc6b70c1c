// Drives the worksheet logic with a hostile display text and a run of user
// actions: Enter on any line, CLR, the variable commands, keys, typing,
// keypad insertions, context-menu entries and base changes. The caret and
// selection must stay inside the text, every answer must be finite, and
// every action must finish.
//
// Input layout: byte 0 and 1 place the caret; the text runs to the first NUL
// byte; each later pair of bytes is one action and its argument.

#include <csignal>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include <unistd.h>

#include "calculator/CalculatorDialog.h"
#include "platform/CommandIds.h"
#include "calculator/TextDisplay.h"
#include "engine/Cancellation.h"
#include "platform/MemoryPrompter.h"

namespace {

using namespace quorvix;

constexpr std::size_t kMaxText = 4096;
constexpr std::size_t kMaxActions = 48;

// A solver asked for a huge number of samples is stopped by the flag.
void OnAlarm(int) { RequestEvaluationCancel(); }

void CheckDisplay(const TextDisplay& display) {
    const int length = display.TextLength();
    if (display.SelectionStart() < 0 || display.SelectionStart() > display.SelectionEnd() ||
        display.SelectionEnd() > length || display.CaretPosition() < 0 ||
        display.CaretPosition() > length)
        __builtin_trap();
    if (display.LineFromChar(display.CaretPosition()) >= display.LineCount()) __builtin_trap();
}

void Act(CalculatorDialog& calc, TextDisplay& display, std::uint8_t action, std::uint8_t arg) {
    switch (action % 10) {
        case 0: {
            ClearEvaluationCancel();
            alarm(2);
            const CalculatorDialog::LineOutcome outcome = calc.EvaluateCurrentLine();
            alarm(0);
            ClearEvaluationCancel();
            if (outcome == CalculatorDialog::LineOutcome::Answer && !std::isfinite(calc.lastResult()))
                __builtin_trap();
            break;
        }
        case 1:
            calc.ClearEntry();
            break;
        case 2:
            alarm(2);
            calc.ShowVariables();
            alarm(0);
            ClearEvaluationCancel();
            break;
        case 3:
            calc.ConfirmClearVariables();
            break;
        case 4:
            display.TypeCharacter(static_cast<char>(arg));
            break;
        case 5:
            display.PressKey(static_cast<DisplayKey>(arg % 8));
            break;
        case 6:
            calc.InsertText(std::string(1, static_cast<char>(arg)));
            break;
        case 7:
            // The context menu's clipboard and undo entries, or its Clear.
            if (!calc.RunDisplayEditCommand(kCmdDisplayCut + arg % 6)) calc.ClearDisplay();
            break;
        case 8:
            calc.SetNumberBase(arg % 36 + 1);  // 1 is refused and becomes 10
            calc.SetSignificantDigits(arg % 14 - 1);
            calc.SetNumberFormat(arg & 1);
            break;
        default:
            display.SetSelection(arg * 7 % (display.TextLength() + 2) - 1,
                                 arg * 13 % (display.TextLength() + 2) - 1);
            break;
    }
    display.ProcessQueuedInput();
    CheckDisplay(display);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool installed = [] {
        std::signal(SIGALRM, OnAlarm);
        return true;
    }();
    (void)installed;
    if (size < 2) return 0;

    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calc(display, prompter);

    std::size_t i = 2;
    std::string text;
    while (i < size && data[i] != 0 && text.size() < kMaxText) text.push_back(static_cast<char>(data[i++]));
    while (i < size && data[i] != 0) ++i;
    ++i;  // the NUL
    display.SetText(text);
    display.SetCaret((data[0] << 8 | data[1]) % (display.TextLength() + 1));
    CheckDisplay(display);

    for (std::size_t n = 0; n < kMaxActions && i + 1 < size; ++n, i += 2)
        Act(calc, display, data[i], data[i + 1]);
    return 0;
}
