#pragma once
// The expression engine as one object: holds one expression text, parses it
// into a tree of ExprNode, evaluates the tree to a double, and owns the value
// slots (t, ANS, user-function parameters) and the user's variables.
//
// PUBLIC API CONTRACT: the methods below are what the other layers call.
// The engine's owner may add members and private helpers, but keeps these
// signatures (other layers are written against them).

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/EvalError.h"
#include "engine/ExprNode.h"

namespace quorvix {

using AngleUnit = int;   // 0 degrees, 1 radians, 2 gradians
using NumberBase = int;  // radix 2..36

class Evaluator;
class UnitConversionService;

// One compiled user function: its upper-cased name and its own Evaluator
// (slots t, a, b, ...; the argument count is the slot count - 1).
struct UserFunctionEntry {
    std::string upperName;
    std::unique_ptr<Evaluator> evaluator;
};

struct ValueSlot {
    std::string name;
    double value = 0.0;
};

struct Variable {
    std::string name;        // as the user typed it
    std::string expression;  // the right-hand side as typed
};

// The two separators, global to the program. Default '.' and ','.
char DecimalSeparator();
char ArgumentSeparator();
// Sets '.' ',' or ',' ';' by the decimal point of the given C locale name
// ("" = the user's environment). Also adopts that locale for all categories.
void InitSeparatorsFromLocale(const char* localeName = "");
// For tests: set the separators directly (decimal must be '.' or ',').
void SetSeparators(char decimalSeparator, char argumentSeparator);

class Evaluator {
public:
    Evaluator();
    ~Evaluator();
    Evaluator(const Evaluator&) = delete;
    Evaluator& operator=(const Evaluator&) = delete;

    // Settings.
    AngleUnit angleUnit() const { return angleUnit_; }
    void setAngleUnit(AngleUnit unit);
    NumberBase numberBase() const;
    void setNumberBase(NumberBase base);
    bool unitMode() const;
    void setUnitMode(bool on);
    // The calculator's list of compiled user functions (not owned), searched
    // by name while parsing; null for none.
    void setUserFunctions(const std::vector<UserFunctionEntry>* functions);
    void setUnitConversion(UnitConversionService* service);
    UnitConversionService* unitConversion() const;

    // Evaluating one expression: SetExpression, Parse, Evaluate.
    void SetExpression(std::string_view text);
    const std::string& Expression() const;  // the upper-cased root text
    // The characters of `view` as they were typed, when view lies within
    // Expression(); otherwise view itself. Unit names keep their case this
    // way ("g" is the gram, "G" the gauss).
    std::string_view AsTyped(std::string_view view) const;
    EvalError Parse();
    double Evaluate();
    EvalError LastError() const;  // the root's current error
    int ErrorPosition() const;
    int ErrorLength() const;
    // Message of the code; code 0 means the root's current error. When the
    // code is the root's error and the failing step said more (a unit that
    // CONVERT did not understand), that follows after ": ".
    std::string Message(EvalError code = 0) const;
    // Set by a failing step of the evaluation; cleared by SetExpression and
    // at the start of Evaluate.
    void SetErrorDetail(std::string detail) { errorDetail_ = std::move(detail); }
    const std::string& ErrorDetail() const { return errorDetail_; }
    bool HasTextResult() const;
    std::string ResultText() const;

    // Value slots.
    void SetSlotCount(int n);
    int SlotCount() const;
    void SetSlotName(int index, std::string_view name);
    double SlotValue(int index) const;
    void SetSlotValue(int index, double value);

    // Variables (named formulas).
    std::string FindVariable(std::string_view name) const;  // "" if none
    int SetVariable(std::string_view name, std::string_view expression);
    void SetVariableText(int index, std::string_view text);
    void RemoveVariable(int index);
    void ClearVariables();
    int VariableCount() const;
    const Variable& VariableAt(int index) const;

    static bool IsValidName(std::string_view name);

    // For the parser, the function groups and the unit layer (which walks
    // the tree of a unit text parsed in unit mode).
    ExprNode& Root() { return root_; }
    const ExprNode& Root() const { return root_; }
    std::vector<ValueSlot>& Slots() { return slots_; }
    const std::vector<UserFunctionEntry>* UserFunctions() const { return userFunctions_; }
    // Index of the variable named `name` (case ignored), or -1.
    int FindVariableIndex(std::string_view name) const;

private:
    ExprNode root_;
    AngleUnit angleUnit_ = 1;
    NumberBase numberBase_ = 10;
    std::vector<ValueSlot> slots_;
    std::vector<Variable> variables_;
    // Upper-cased variable name to its index, so that expanding a long chain
    // of variables does not search the whole list at every step.
    std::unordered_map<std::string, int> variableIndex_;
    void RebuildVariableIndex();
    const std::vector<UserFunctionEntry>* userFunctions_ = nullptr;
    bool unitMode_ = false;
    UnitConversionService* unitService_ = nullptr;
    std::string expression_;
    std::string typed_;  // the expression as given, before upper-casing
    int errorLength_ = 1;
    std::string errorDetail_;
};

}  // namespace quorvix
