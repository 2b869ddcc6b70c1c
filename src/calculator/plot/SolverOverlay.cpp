#include "calculator/plot/SolverOverlay.h"

#include <cmath>
#include <sstream>
#include <utility>

#include "calculator/ResultFormat.h"

namespace quorvix {

namespace {

constexpr double kDefaultLow = -10.0, kDefaultHigh = 10.0;
constexpr double kFdiffHalfWidth = 5.0;

const char* SolverName(PlotSolver kind) {
    switch (kind) {
        case PlotSolver::Fint: return "FINT";
        case PlotSolver::Fdiff: return "FDIFF";
        case PlotSolver::Fzero: return "FZERO";
        case PlotSolver::Fzeros: return "FZEROS";
        case PlotSolver::Fsum: return "FSUM";
        case PlotSolver::None: break;
    }
    return "";
}

// The interval of FINT, FZERO, FSUM and FZEROS as the operator reads it.
bool SolverInterval(const PlotExpression& e, double& low, double& high) {
    const std::vector<double>& a = e.solverArguments();
    if (e.solver() == PlotSolver::Fzeros && a.size() < 2) {
        low = -50.0;
        high = 50.0;
        return true;
    }
    if (a.size() < 2) return false;
    low = a[0];
    high = a[1];
    if (high < low) std::swap(low, high);
    return std::isfinite(low) && std::isfinite(high);
}

// FZEROS's text lists one root a line after its heading.
std::vector<double> RootsOfText(const std::string& text) {
    std::vector<double> roots;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);  // the heading
    while (std::getline(lines, line)) {
        char* end = nullptr;
        const double root = std::strtod(line.c_str(), &end);
        if (end != line.c_str()) roots.push_back(root);
    }
    return roots;
}

}  // namespace

std::string PlotNumberFormat::Write(double value) const {
    return FormatResult(value, numberBase, pattern);
}

void PlotRangeOfLine(const PlotExpression& expression, double& low, double& high) {
    low = kDefaultLow;
    high = kDefaultHigh;
    const std::vector<double>& a = expression.solverArguments();
    if (expression.solver() == PlotSolver::Fdiff) {
        if (!a.empty() && std::isfinite(a[0])) {
            low = a[0] - kFdiffHalfWidth;
            high = a[0] + kFdiffHalfWidth;
        }
    } else if (expression.solver() != PlotSolver::None) {
        double l = 0.0, h = 0.0;
        if (SolverInterval(expression, l, h)) {
            // A little room either side, so the ends and the marks on them show.
            const double margin = h > l ? (h - l) * 0.05 : 1.0;
            low = l - margin;
            high = h + margin;
        }
    }
    if (!(high > low)) {
        low = kDefaultLow;
        high = kDefaultHigh;
    }
}

SolverOverlay ComputeSolverOverlay(PlotExpression& expression, const PlotNumberFormat& format) {
    SolverOverlay o;
    o.kind = expression.solver();
    if (o.kind == PlotSolver::None) return o;
    const std::string name = SolverName(o.kind);
    std::string text;
    const EvalError code = expression.EvaluateSolver(o.value, text);
    if (code != kNoError) {
        o.caption = name + ": Error: " + expression.Message(code);
        return o;
    }
    o.computed = true;
    const std::vector<double>& a = expression.solverArguments();
    const std::string value = format.Write(o.value);
    SolverInterval(expression, o.low, o.high);
    switch (o.kind) {
        case PlotSolver::Fint:
            o.label = value;
            o.caption = name + " from " + format.Write(o.low) + " to " + format.Write(o.high) +
                        ": " + value;
            break;
        case PlotSolver::Fdiff:
            o.x = a.empty() ? 0.0 : a[0];
            if (!expression.Sample(o.x, o.fx)) o.computed = false;
            o.label = "slope " + value;
            o.caption = name + " at " + format.Write(o.x) + ": " + value;
            break;
        case PlotSolver::Fzero:
            o.roots.push_back(o.value);
            o.label = value;
            o.caption = name + ": " + value;
            break;
        case PlotSolver::Fzeros: {
            o.roots = RootsOfText(text);
            const std::string heading = text.substr(0, text.find('\n'));
            o.caption = name + ": " + heading.substr(0, heading.find_last_not_of(": ") + 1);
            break;
        }
        case PlotSolver::Fsum:
            o.step = a.size() >= 3 && a[2] != 0.0 ? std::fabs(a[2]) : 1.0;
            o.label = value;
            o.caption = name + " from " + format.Write(o.low) + " to " + format.Write(o.high) +
                        ": " + value;
            break;
        case PlotSolver::None:
            break;
    }
    return o;
}

}  // namespace quorvix
