#pragma once
// What the calculator hands a new plot: the worksheet line under the caret
// (the nearest non-empty line above it when that line is empty, as Enter
// would read it), the Evaluator whose settings, variables and user
// functions the plot copies, and the number format of the answers.

#include <string>

#include "calculator/plot/SolverOverlay.h"

namespace quorvix {

class CalculatorDialog;
class Evaluator;

struct PlotRequest {
    std::string line;
    const Evaluator* evaluator = nullptr;
    PlotNumberFormat format;
};

// Reads the request without moving the caret.
PlotRequest PlotRequestOf(CalculatorDialog& calculator);

}  // namespace quorvix
