#pragma once
// What a solver line's operator computed, for drawing on its plot: FINT's
// area between a and b, FDIFF's tangent at x, FZERO's root, FZEROS's roots,
// FSUM's terms as stems - and the line's own range of t for the plot.

#include <string>
#include <vector>

#include "calculator/plot/PlotExpression.h"

namespace quorvix {

// The calculator's number settings, for the plot's numbers.
struct PlotNumberFormat {
    int numberBase = 10;
    int numberFormat = 0;  // 0 general, 1 scientific
    std::string pattern = "%.10g";
    // A value as the calculator writes an answer.
    std::string Write(double value) const;
};

struct SolverOverlay {
    PlotSolver kind = PlotSolver::None;
    bool computed = false;  // the operator succeeded; else `caption` says why not
    double value = 0.0;     // the operator's value
    double low = 0.0, high = 0.0;  // FINT, FZERO, FZEROS, FSUM: the interval
    double step = 1.0;             // FSUM: the distance between terms
    double x = 0.0, fx = 0.0;      // FDIFF: the point and f there
    std::vector<double> roots;     // FZERO's root, FZEROS's roots
    std::string label;             // drawn on the plot, e.g. "0.3333333333"
    std::string caption;           // e.g. "FINT from 0 to 1: 0.3333333333"
};

// The t range a line plots over: the solver's own interval (FDIFF: x - 5
// to x + 5), else -10 to 10. Always low < high.
void PlotRangeOfLine(const PlotExpression& expression, double& low, double& high);

// Runs the line's solver call and collects what it computed.
SolverOverlay ComputeSolverOverlay(PlotExpression& expression, const PlotNumberFormat& format);

}  // namespace quorvix
