#pragma once
// The calculator window's logic, free of any widget: it owns the main
// Evaluator with the run's conversion list and unit conversion (for CONVERT)
// and the user definitions (whose compiled functions the Evaluator calls),
// reads expressions from the worksheet display, recognises the display
// commands and assignments, writes answers back through the display's input
// queue and reports failures on the help line.

#include <string>
#include <string_view>
#include <vector>

#include "calculator/CalculatorDisplay.h"
#include "engine/Evaluator.h"
#include "platform/MenuModel.h"
#include "units/ConversionList.h"
#include "units/UnitConversionEngine.h"
#include "userdefs/UserDefinitions.h"

namespace quorvix {

class Prompter;
class TipRotation;
struct ClassifiedLine;

// What the logic tells the program around it. Every answer is required, so
// a host that forgets one does not compile; a dialog without a host (the
// terminal front end, most tests) tells nobody.
class CalculatorDialogHost {
public:
    virtual ~CalculatorDialogHost() = default;
    // The help line's new text.
    virtual void HelpTextChanged(const std::string& text) = 0;
    // EXIT or Options "&Exit": run the exit later (not from inside the
    // command that asked).
    virtual void ExitRequested() = 0;
};

class CalculatorDialog {
public:
    // What one EvaluateCurrentLine did.
    enum class LineOutcome {
        Nothing,  // a blank line (or nothing read yet)
        Comment,  // a line starting with an apostrophe
        Command,  // CLEAR, EXIT, CLEARVARS or SHOWVARS
        Answer,   // evaluated; the answer was written under the line
        Failed,   // refused name, syntax error or evaluation error
    };

    static constexpr int kSlotT = 0;
    static constexpr int kSlotAns = 1;
    static constexpr int kLineReadLimit = 1000;

    CalculatorDialog(CalculatorDisplay& display, Prompter& prompter);

    Evaluator& evaluator() { return evaluator_; }
    const Evaluator& evaluator() const { return evaluator_; }
    CalculatorDisplay& display() { return display_; }
    ConversionList& conversions() { return conversions_; }
    UnitConversionService& unitConversion() { return unitConversion_; }
    UserDefinitions& userDefinitions() { return userDefinitions_; }

    // Reads the user definition files of the directory and lets the
    // Evaluator call the compiled user functions.
    void LoadUserDefinitions(const std::string& directory);

    // --- Settings (copied into the Evaluator where it needs them) ----------
    AngleUnit angleUnit() const { return evaluator_.angleUnit(); }
    void SetAngleUnit(AngleUnit unit) { evaluator_.setAngleUnit(unit); }
    NumberBase numberBase() const { return numberBase_; }
    void SetNumberBase(NumberBase base);
    int numberFormat() const { return numberFormat_; }
    void SetNumberFormat(int format);
    int significantDigits() const { return significantDigits_; }
    void SetSignificantDigits(int digits);
    bool newLineAfterCalculation() const { return newLineAfterCalculation_; }
    void SetNewLineAfterCalculation(bool on) { newLineAfterCalculation_ = on; }
    // The compiled user functions the Evaluator calls (not owned); their
    // names are refused as variable names. The user definitions' list is
    // used from the start; null for none.
    void SetUserFunctions(const std::vector<UserFunctionEntry>* functions);

    // --- Formatting ----------------------------------------------------------
    void BuildNumberPattern();
    const std::string& numberPattern() const { return numberPattern_; }
    std::string FormatResult(double value) const;

    // The help line's text for a line longer than kLineReadLimit characters
    // (blanks at its end not counted): such a line is refused, never cut.
    static std::string LineTooLongMessage();

    // --- Display commands ----------------------------------------------------
    // Reads the caret's line (or the nearest non-empty one above it) into
    // expressionText; false when that line is too long to be read whole.
    bool ReadCurrentLine();
    LineOutcome EvaluateCurrentLine();
    void InsertText(std::string_view text);
    void ShowHelpText(std::string_view message);
    void ClearEntry();
    void ClearDisplay();
    // Lists the variables with their values; false when a cancel request
    // (engine/Cancellation.h) stopped the listing part way.
    bool ShowVariables();
    void ConfirmClearVariables();
    void RequestExit();

    // --- The display's context menu -------------------------------------------
    // The entries in menu order with their command ids, enabled by the
    // display's current state. The clipboard and undo entries run through
    // RunDisplayEditCommand; the others are menu bar commands.
    MenuItems DisplayContextMenu() const;
    // Runs a clipboard or undo entry (IsDisplayEditCommand); false for
    // other ids.
    bool RunDisplayEditCommand(int id);
    // Copies the last answer as it was written (without " =") to the
    // clipboard; false (nothing copied) before the first answer.
    bool CopyLastAnswer();
    // Copies the text of the caret's line (without its line break).
    void CopyCaretLine();
    // The last answer as written under its line; empty before the first.
    const std::string& lastAnswerText() const { return lastAnswerText_; }

    // --- State -----------------------------------------------------------------
    const std::string& expressionText() const { return expressionText_; }
    int currentLine() const { return currentLine_; }
    bool pendingInsert() const { return pendingInsert_; }
    const std::string& helpKeyword() const { return helpKeyword_; }
    void SetHelpKeyword(std::string keyword) { helpKeyword_ = std::move(keyword); }
    double lastResult() const { return lastResult_; }
    // The help line's whole text, with its two leading blanks.
    const std::string& helpText() const { return helpText_; }
    bool exitRequested() const { return exitRequested_; }

    // --- The host (not owned; null for none) -------------------------------------
    void SetHost(CalculatorDialogHost* host) { host_ = host; }
    // The tips shown after an evaluation or ClearEntry (not owned; null for
    // none).
    void SetTipRotation(TipRotation* tips) { tips_ = tips; }
    // Shows the next tip on the help line.
    void ShowNextTip();

private:
    bool IsRefusedVariableName(const std::string& name) const;
    // Start of the line an expression was read from; the caret's line when
    // reading ran above the first line.
    int CurrentLineStart() const;
    std::string ListingValue(const std::string& formula);
    // The steps of EvaluateCurrentLine after the line is classified.
    LineOutcome ShowVariablesCommand();
    LineOutcome EvaluateLine(const ClassifiedLine& line);
    // Marks a parse failure on the line: the failing characters of an
    // expression, a caret at the failure in an assignment's formula.
    void SelectParseError(const ClassifiedLine& line);
    // Writes " =" (unless typed), the answer and the line breaks, and makes
    // the value the last answer.
    void WriteAnswer(double value, bool typedEquals);

    CalculatorDisplay& display_;
    Prompter& prompter_;
    CalculatorDialogHost* host_ = nullptr;
    TipRotation* tips_ = nullptr;
    // The conversion list outlives the unit conversion and the definitions
    // that refer to it, and the Evaluator that points at both goes first.
    ConversionList conversions_;
    UnitConversionEngine unitConversion_{conversions_};
    UserDefinitions userDefinitions_{conversions_};
    Evaluator evaluator_;
    const std::vector<UserFunctionEntry>* userFunctions_ = nullptr;

    NumberBase numberBase_ = 10;
    int numberFormat_ = 0;
    int significantDigits_ = 10;
    bool newLineAfterCalculation_ = true;
    std::string numberPattern_ = "%.15G";

    std::string expressionText_;
    int currentLine_ = 0;
    // Where the caret stood when Enter read upward from an empty line, or -1.
    int readFromEmptyLineAt_ = -1;
    bool pendingInsert_ = false;
    std::string helpKeyword_;
    double lastResult_ = 0.0;
    std::string lastAnswerText_;
    std::string helpText_;
    bool exitRequested_ = false;
};

}  // namespace quorvix
