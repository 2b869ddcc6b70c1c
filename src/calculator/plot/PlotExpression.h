#pragma once
// The expression a plot draws, parsed once into its own Evaluator with the
// calculator's settings, variables, user functions, unit conversion and the
// values of t and ANS copied in - so the plot computes what the line would,
// and the calculator's next line cannot disturb the plot's tree.
//
// On a solver line (FINT, FDIFF, FZERO, FZEROS, FSUM anywhere in it, the
// first one found) the plotted function is the solver's first argument;
// otherwise it is the whole expression.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/plot/CurveSampler.h"
#include "engine/Evaluator.h"

namespace quorvix {

enum class PlotSolver { None, Fint, Fdiff, Fzero, Fzeros, Fsum };

// The text a worksheet line plots: its expression (with the ANS prefix the
// calculator would put before an operator), or an assignment's formula.
// Nothing for blank lines, comments and commands.
std::optional<std::string> PlotTextOfLine(std::string_view line);

class PlotExpression : public PlotFunction {
public:
    explicit PlotExpression(const Evaluator& calculator);
    PlotExpression(const PlotExpression&) = delete;
    PlotExpression& operator=(const PlotExpression&) = delete;

    // Parses text; the calculator's "Syntax error: ..." message on failure.
    std::optional<std::string> Parse(std::string_view text);
    const std::string& text() const { return evaluator_.Expression(); }

    PlotSolver solver() const { return solver_; }
    // The solver's numeric arguments, evaluated, in order (not padded);
    // empty when one of them fails.
    const std::vector<double>& solverArguments() const { return arguments_; }
    // Runs the solver call as the line would: its value, or its error code;
    // FZEROS also gives its text.
    EvalError EvaluateSolver(double& value, std::string& text);

    bool Sample(double t, double& y) override;
    // The error of the last failed Sample.
    EvalError lastError() const { return lastError_; }
    std::string Message(EvalError code) const { return evaluator_.Message(code); }

    // A number typed into the plot (a range end): any expression, read with
    // the same settings except that literals are decimal (the fields show
    // decimal numbers); the calculator's message when it fails.
    std::optional<double> EvaluateNumber(std::string_view text, std::string& message);

private:
    static void CopySettings(const Evaluator& from, Evaluator& to);

    Evaluator evaluator_;
    Evaluator scratch_;  // range ends are evaluated here, away from the plot's tree
    ExprNode* function_ = nullptr;
    ExprNode* solverCall_ = nullptr;
    PlotSolver solver_ = PlotSolver::None;
    std::vector<double> arguments_;
    EvalError lastError_ = kNoError;
};

}  // namespace quorvix
