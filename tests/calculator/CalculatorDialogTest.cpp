#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calculator/CalculatorDialog.h"
#include "calculator/PopupHelp.h"
#include "calculator/ResultFormat.h"
#include "calculator/TextDisplay.h"
#include "engine/Cancellation.h"
#include "platform/MemoryPrompter.h"

namespace quorvix {
namespace {

using Outcome = CalculatorDialog::LineOutcome;

class CalculatorDialogTest : public ::testing::Test {
protected:
    // Types a line on a new line at the end of the worksheet and presses
    // Enter; the queued input runs afterwards, as the window's event loop
    // would.
    Outcome Enter(const std::string& line) {
        display.SetCaret(display.TextLength());
        if (display.LineLength(display.CaretLine()) > 0) display.TypeCharacter('\n');
        display.TypeText(line);
        return PressEnter();
    }
    Outcome PressEnter() {
        const Outcome outcome = calc.EvaluateCurrentLine();
        display.ProcessQueuedInput();
        return outcome;
    }

    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calc{display, prompter};
};

TEST_F(CalculatorDialogTest, AnswerIsWrittenUnderTheLineAndStoredInAns) {
    EXPECT_EQ(Enter("2+3"), Outcome::Answer);
    EXPECT_EQ(display.Text(), "2+3 =\n5\n");
    EXPECT_EQ(display.CaretPosition(), display.TextLength());
    EXPECT_EQ(calc.lastResult(), 5.0);
    EXPECT_EQ(calc.evaluator().SlotValue(CalculatorDialog::kSlotAns), 5.0);
    EXPECT_FALSE(calc.pendingInsert());

    EXPECT_EQ(Enter("ans*2"), Outcome::Answer);
    EXPECT_EQ(display.Text(), "2+3 =\n5\nans*2 =\n10\n");
}

TEST_F(CalculatorDialogTest, TypedEqualsSignAndTheNewLineOption) {
    Enter("2+3=");
    EXPECT_EQ(display.Text(), "2+3=\n5\n");

    calc.SetNewLineAfterCalculation(false);
    Enter("4*4");
    EXPECT_EQ(display.Text(), "2+3=\n5\n4*4 =\n16");
}

TEST_F(CalculatorDialogTest, EnterOnAnEmptyLineRepeatsTheLineAbove) {
    display.SetText("7*6 =\n42\n");
    EXPECT_EQ(PressEnter(), Outcome::Answer);
    EXPECT_EQ(display.Text(), "7*6 =\n42 =\n42\n\n");
    EXPECT_EQ(calc.expressionText(), "42");
    EXPECT_EQ(calc.currentLine(), 1);
}

TEST_F(CalculatorDialogTest, EnterOnAnEmptyDisplayDoesNothing) {
    EXPECT_EQ(PressEnter(), Outcome::Nothing);
    EXPECT_EQ(display.Text(), "");
    EXPECT_EQ(Enter("   "), Outcome::Nothing);
    EXPECT_EQ(display.Text(), "   ");
}

TEST_F(CalculatorDialogTest, AnEarlierLineCanBeEvaluatedAgain) {
    display.SetText("1+1\n9*9\nlast");
    display.SetCaret(5);  // inside 9*9
    EXPECT_EQ(PressEnter(), Outcome::Answer);
    EXPECT_EQ(display.Text(), "1+1\n9*9 =\n81\n\nlast");
}

TEST_F(CalculatorDialogTest, ReadingStopsAtTheLineLimit) {
    display.SetText(std::string(1200, '1') + "\n2");
    display.SetCaret(0);
    calc.ReadCurrentLine();
    EXPECT_EQ(calc.expressionText(), std::string(1000, '1'));
    // A break that fits within the limit is read and dropped.
    display.SetText(std::string(999, '2') + "\n2");
    display.SetCaret(0);
    calc.ReadCurrentLine();
    EXPECT_EQ(calc.expressionText(), std::string(999, '2'));
    display.SetCaret(display.TextLength());
    calc.ReadCurrentLine();
    EXPECT_EQ(calc.expressionText(), "2");
}

TEST_F(CalculatorDialogTest, LinesOverTheLimitAreRefusedNotCut) {
    std::string longSum;
    for (int i = 0; i < 499; ++i) longSum += "1+";
    longSum += "123";  // 1001 characters; its first 1000 would give 511
    struct Row {
        std::string line;
        Outcome outcome;
    };
    const Row rows[] = {
        {longSum, Outcome::Failed},
        {std::string(998, '0') + "+7   ", Outcome::Answer},  // blanks at the end
        {std::string(999, '3') + "+" + std::string(5, ' ') + "4", Outcome::Failed},
    };
    for (const Row& row : rows) {
        display.SetText(row.line);
        EXPECT_EQ(PressEnter(), row.outcome) << row.line.size();
        if (row.outcome == Outcome::Failed) {
            EXPECT_EQ(display.Text(), row.line);
            EXPECT_EQ(calc.helpText(), "  Error: Line too long (over 1000 characters)");
        }
    }
    // Enter on the empty line below reads the long line and refuses it too.
    display.SetText(longSum + "\n");
    EXPECT_EQ(PressEnter(), Outcome::Failed);
    EXPECT_EQ(display.Text(), longSum + "\n");
}

TEST_F(CalculatorDialogTest, CommandsMustBeTheWholeLine) {
    Enter("1+1");
    EXPECT_EQ(Enter("  clear  "), Outcome::Command);
    EXPECT_EQ(display.Text(), "");

    EXPECT_NE(Enter("clear 1"), Outcome::Command);
    EXPECT_EQ(display.Text().substr(0, 7), "clear 1");
}

TEST_F(CalculatorDialogTest, UndoAfterClearBringsTheTextBack) {
    Enter("6*7");
    const std::string before = display.Text();
    Enter("CLR");
    EXPECT_EQ(display.Text(), "");
    ASSERT_TRUE(display.CanUndo());
    display.Undo();
    EXPECT_EQ(display.Text(), before + "CLR");
}

TEST_F(CalculatorDialogTest, CommentOnlyStartsANewLine) {
    EXPECT_EQ(Enter("'total of the week"), Outcome::Comment);
    EXPECT_EQ(display.Text(), "'total of the week\n");
}

TEST_F(CalculatorDialogTest, LeadingOperatorGetsTheAnsPrefix) {
    Enter("10");
    EXPECT_EQ(Enter("-3"), Outcome::Answer);
    EXPECT_EQ(display.Text(), "10 =\n10\nANS-3 =\n7\n");
    EXPECT_EQ(calc.lastResult(), 7.0);

    EXPECT_EQ(Enter("*2="), Outcome::Answer);
    EXPECT_EQ(display.Text(), "10 =\n10\nANS-3 =\n7\nANS*2=\n14\n");
}

TEST_F(CalculatorDialogTest, LineStartingWithEqualsIsNotPrefixed) {
    Enter("10");
    EXPECT_EQ(Enter("=5"), Outcome::Failed);
    EXPECT_EQ(display.Text(), "10 =\n10\n=5");
    EXPECT_EQ(calc.helpText().rfind("  Syntax error: ", 0), 0u);
}

TEST_F(CalculatorDialogTest, RefusedNamesSelectTheNamePart) {
    std::vector<UserFunctionEntry> functions;
    functions.push_back({"HYPOT", std::make_unique<Evaluator>()});
    calc.SetUserFunctions(&functions);

    for (const std::string line : {"t = 4", "ans = 1", "sin = 2", "Hypot = 3", "2x = 1", " = 1x"}) {
        display.SetText("1\n");
        EXPECT_EQ(Enter(line), Outcome::Failed) << line;
        EXPECT_EQ(calc.helpText(), "  Invalid variable name") << line;
        const std::size_t q = line.find('=');
        if (q > 0) {
            EXPECT_EQ(display.SelectionStart(), 2) << line;
            EXPECT_EQ(display.SelectionEnd(), 2 + static_cast<int>(q)) << line;
        }
        EXPECT_EQ(calc.evaluator().VariableCount(), 0) << line;
    }
}

TEST_F(CalculatorDialogTest, AssignmentKeepsTheFormulaAndShowsItsValue) {
    EXPECT_EQ(Enter("A=2"), Outcome::Answer);
    EXPECT_EQ(Enter("B = A*3"), Outcome::Answer);
    EXPECT_EQ(display.Text(), "A=2 =\n2\nB = A*3 =\n6\n");
    EXPECT_EQ(calc.evaluator().FindVariable("b"), " A*3");
    Enter("A=5");
    Enter("B");
    EXPECT_EQ(calc.lastResult(), 15.0);
}

TEST_F(CalculatorDialogTest, EvaluationFailureKeepsTheAssignmentAndWritesNothing) {
    Enter("4");
    EXPECT_EQ(Enter("X = 1/0"), Outcome::Failed);
    EXPECT_EQ(calc.helpText(), "  Error: Bad argument");
    EXPECT_EQ(display.Text(), "4 =\n4\nX = 1/0");
    EXPECT_EQ(calc.evaluator().FindVariable("X"), " 1/0");
    // ANS and the last result keep the last good answer.
    EXPECT_EQ(calc.lastResult(), 4.0);
    EXPECT_EQ(calc.evaluator().SlotValue(CalculatorDialog::kSlotAns), 4.0);
}

TEST_F(CalculatorDialogTest, SyntaxErrorUndoesTheAssignment) {
    display.SetText("first\n");
    EXPECT_EQ(Enter("X = 2+"), Outcome::Failed);
    EXPECT_EQ(calc.helpText().rfind("  Syntax error: ", 0), 0u);
    EXPECT_EQ(calc.evaluator().VariableCount(), 0);
    // The caret stands in the formula part of the line, not before it.
    EXPECT_EQ(display.SelectionStart(), display.SelectionEnd());
    EXPECT_GE(display.CaretPosition(), 6 + 3);

    Enter("X = 5");
    EXPECT_EQ(Enter("x=(("), Outcome::Failed);
    ASSERT_EQ(calc.evaluator().VariableCount(), 1);
    EXPECT_EQ(calc.evaluator().VariableAt(0).expression, " 5");
    EXPECT_EQ(calc.evaluator().VariableAt(0).name, "X");
}

TEST_F(CalculatorDialogTest, SyntaxErrorSelectsTheFaultOnItsOwnLine) {
    display.SetText("1+1 =\n2\n");
    const int lineStart = display.TextLength();
    EXPECT_EQ(Enter("3+4)"), Outcome::Failed);
    EXPECT_EQ(calc.helpText(), "  Syntax error: " + calc.evaluator().Message(kUnbalancedParenthesis));
    EXPECT_EQ(display.SelectionStart(), lineStart + calc.evaluator().ErrorPosition());
    EXPECT_EQ(display.SelectionEnd() - display.SelectionStart(), calc.evaluator().ErrorLength());
    EXPECT_EQ(display.Text(), "1+1 =\n2\n3+4)");
}

TEST_F(CalculatorDialogTest, ClearEntryAfterKeypadInputClearsOnlyTheCaretLine) {
    Enter("1+1");
    calc.InsertText("sin(");
    display.ProcessQueuedInput();
    EXPECT_TRUE(calc.pendingInsert());
    calc.ClearEntry();
    EXPECT_EQ(display.Text(), "1+1 =\n2\n");
    EXPECT_FALSE(calc.pendingInsert());

    // Typing on the keyboard alone does not count as keypad input.
    display.TypeText("9");
    calc.ClearEntry();
    EXPECT_EQ(display.Text(), "");
}

TEST_F(CalculatorDialogTest, HelpKeywordIsClearedBySuccessAndClears) {
    calc.SetHelpKeyword("SIN");
    Enter("1");
    EXPECT_EQ(calc.helpKeyword(), "");
    calc.SetHelpKeyword("COS");
    Enter("1+");
    EXPECT_EQ(calc.helpKeyword(), "COS");
    calc.ClearDisplay();
    EXPECT_EQ(calc.helpKeyword(), "");
}

TEST_F(CalculatorDialogTest, ShowVariablesListsFormulasAndValues) {
    EXPECT_EQ(Enter("SHOWVARS"), Outcome::Command);
    EXPECT_EQ(display.Text(), "SHOWVARS\nEmpty variable list\n");

    display.SetText("");
    Enter("A=2");
    Enter("B=A*3");
    Enter("C = 1/0");
    Enter("D =  A+1");
    display.SetText("");
    Enter("sv");
    EXPECT_EQ(display.Text(),
              "sv\nA = 2\nB = A*3 = 6\nC =  1/0 = Error\nD =   A+1 = 3\n");
}

TEST_F(CalculatorDialogTest, CancelRequestStopsTheVariableListing) {
    Enter("A=2");
    Enter("B=A*3");
    display.SetText("");
    RequestEvaluationCancel();
    EXPECT_EQ(Enter("SHOWVARS"), Outcome::Failed);
    ClearEvaluationCancel();
    EXPECT_EQ(calc.helpText(), std::string("  Error: ") + ErrorMessage(kEvaluationCancelled));
    EXPECT_EQ(display.Text().find("B ="), std::string::npos);  // stopped before the end
    display.SetText("");
    EXPECT_EQ(Enter("SV"), Outcome::Command);
    EXPECT_EQ(display.Text(), "SV\nA = 2\nB = A*3 = 6\n");
}

TEST_F(CalculatorDialogTest, ShowVariablesFormatsWithTheSettings) {
    Enter("P=0.5");
    Enter("Q=2/3");
    calc.SetSignificantDigits(3);
    display.SetText("");
    Enter("SV");
    EXPECT_EQ(display.Text(), "SV\nP = 0.5\nQ = 2/3 = 0.667\n");
}

TEST_F(CalculatorDialogTest, ListingInAnotherBaseEvaluatesPlainNumbers) {
    // "10" typed in base 16 is sixteen; the listing must not read it as ten.
    calc.SetNumberBase(16);
    Enter("B=10");
    EXPECT_EQ(calc.lastResult(), 16.0);
    display.SetText("");
    Enter("SV");
    EXPECT_EQ(display.Text(), "SV\nB = 10 = 10\n");

    calc.SetNumberBase(10);
    display.SetText("");
    Enter("SV");
    EXPECT_EQ(display.Text(), "SV\nB = 10\n");
}

TEST_F(CalculatorDialogTest, ListingDoesNotReadNamesAsNumbers) {
    Enter("INF=7");
    Enter("N=INF");
    display.SetText("");
    Enter("SV");
    EXPECT_EQ(display.Text(), "SV\nINF = 7\nN = INF = 7\n");
}

TEST_F(CalculatorDialogTest, ClearVariablesAsksFirst) {
    Enter("A=1");
    prompter.answers = {false, true};
    display.SetText("");
    EXPECT_EQ(Enter("CV"), Outcome::Command);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Delete Variables");
    EXPECT_EQ(prompter.shown[0].text,
              "This will delete all the variables (if any) defined so far.  Proceed?");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_EQ(calc.evaluator().VariableCount(), 1);
    EXPECT_EQ(display.Text(), "CV");

    display.SetText("");
    Enter("clearvars");
    EXPECT_EQ(calc.evaluator().VariableCount(), 0);
    EXPECT_EQ(display.Text(), "clearvars\nVariable list cleared\n");
}

struct RecordingDialogHost : CalculatorDialogHost {
    void HelpTextChanged(const std::string& text) override { seen.push_back(text); }
    void ExitRequested() override { ++exits; }
    std::vector<std::string> seen;
    int exits = 0;
};

TEST_F(CalculatorDialogTest, ExitIsOnlyARequest) {
    RecordingDialogHost host;
    calc.SetHost(&host);
    Enter("1");
    const std::string before = display.Text();
    EXPECT_EQ(Enter("off"), Outcome::Command);
    EXPECT_EQ(host.exits, 1);
    EXPECT_TRUE(calc.exitRequested());
    EXPECT_EQ(display.Text(), before + "off");
}

// A worksheet saved by EXIT ends with it: Enter on the empty line below does
// not read EXIT upward, the caret stays on the empty line, and EXIT on its
// own line still ends the program.
TEST_F(CalculatorDialogTest, EnterOnAnEmptyLineDoesNotRepeatExit) {
    RecordingDialogHost host;
    calc.SetHost(&host);
    for (const char* saved : {"2+2 =\n4\nEXIT\n", "off\n\n"}) {
        display.SetText(saved);
        display.SetCaret(display.TextLength());
        EXPECT_EQ(PressEnter(), Outcome::Nothing) << saved;
        EXPECT_EQ(host.exits, 0) << saved;
        EXPECT_EQ(display.Text(), saved);
        EXPECT_EQ(display.CaretPosition(), display.TextLength()) << saved;
    }
    display.SetCaret(0);
    EXPECT_EQ(PressEnter(), Outcome::Command);
    EXPECT_EQ(host.exits, 1);
}

TEST_F(CalculatorDialogTest, AnswersFollowTheBaseAndDigitSettings) {
    calc.SetNumberBase(16);
    Enter("#FF+1");
    EXPECT_EQ(display.Text(), "#FF+1 =\n100\n");
    EXPECT_EQ(calc.lastResult(), 256.0);

    calc.SetNumberBase(10);
    calc.SetSignificantDigits(0);
    display.SetText("");
    Enter("1/3");
    EXPECT_EQ(display.Text(), "1/3 =\n0.333333333333333\n");

    calc.SetNumberFormat(kScientificFormat);
    calc.SetSignificantDigits(1);
    display.SetText("");
    Enter("1234");
    EXPECT_EQ(display.Text(), "1234 =\n1E+003\n");
}

TEST_F(CalculatorDialogTest, ConvertUsesTheRunsConversionList) {
    EXPECT_EQ(Enter("convert(2,\"km\",\"m\")"), Outcome::Answer);
    EXPECT_EQ(calc.lastResult(), 2000.0);
    EXPECT_EQ(Enter("convert(1,\"km\",\"nosuchunit\")"), Outcome::Failed);
    // The help line names the unit that was not understood.
    EXPECT_EQ(calc.helpText(), "  Error: Bad argument: the unit \"nosuchunit\" is not understood");
}

TEST_F(CalculatorDialogTest, UserFunctionsAreCalledAndTheirNamesRefused) {
    UserDefinitions& defs = calc.userDefinitions();
    defs.functions().push_back({"Hyp", 2, 2, "a, b", "hypotenuse", "sqrt(a^2+b^2)"});
    defs.MarkFunctionsChanged();
    EXPECT_EQ(Enter("hyp(3,4)"), Outcome::Answer);
    EXPECT_EQ(calc.lastResult(), 5.0);
    EXPECT_EQ(Enter("HYP = 2"), Outcome::Failed);
    EXPECT_EQ(calc.helpText(), "  Invalid variable name");
    EXPECT_EQ(calc.evaluator().VariableCount(), 0);
}

TEST_F(CalculatorDialogTest, HostSeesEveryHelpLineMessageAndTheTips) {
    RecordingDialogHost host;
    calc.SetHost(&host);
    TipRotation tips;
    calc.SetTipRotation(&tips);
    Enter("t = 1");
    Enter("2");
    ASSERT_EQ(host.seen.size(), 2u);
    EXPECT_EQ(host.seen[0], "  Invalid variable name");
    EXPECT_EQ(tips.counter(), 1);  // the answer shows the next tip
    EXPECT_EQ(host.seen[1], calc.helpText());
}

}  // namespace
}  // namespace quorvix
