// A plot opened from a worksheet line: the solver's range and what it
// computed, the f(t) range, the read-out, and the lines that cannot be
// plotted.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/ResultFormat.h"
#include "calculator/plot/PlotModel.h"
#include "engine/Evaluator.h"

namespace quorvix {
namespace {

class PlotModelTest : public testing::Test {
protected:
    PlotModelTest() {
        calculator.SetSlotCount(2);
        calculator.SetSlotName(0, "t");
        calculator.SetSlotName(1, "ANS");
        calculator.SetVariable("K", "3");
    }
    std::unique_ptr<PlotModel> Open(const char* line) {
        PlotNumberFormat format;
        format.pattern = BuildNumberPattern(0, 10);
        auto model = std::make_unique<PlotModel>(calculator, format);
        EXPECT_FALSE(model->Open(line).has_value()) << line;
        model->view().SetArea(600, 400);
        EXPECT_TRUE(model->Compute());
        return model;
    }
    Evaluator calculator;
};

TEST_F(PlotModelTest, SolverLinesPlotTheirOwnRangeAndShowTheResult) {
    struct Case {
        const char* line;
        PlotSolver kind;
        double tLow, tHigh;  // the home range
        double value;
        const char* caption;
    };
    const Case cases[] = {
        {"FINT(t^2, 0, 3) =", PlotSolver::Fint, -0.15, 3.15, 9, "FINT from 0 to 3: 9"},
        {"FINT(1/t, 1, K)", PlotSolver::Fint, 0.9, 3.1, std::log(3.0),
         "FINT from 1 to 3: 1.098612289"},  // ln 3, as the line shows it
        {"FZERO(t^2-2, 0, 2)", PlotSolver::Fzero, -0.1, 2.1, std::sqrt(2.0),
         "FZERO: 1.414213562"},
        {"FZEROS(t^2-1, -2, 2)", PlotSolver::Fzeros, -2.2, 2.2, 2,
         "FZEROS: 2 zero(s) found in the interval [-2, 2]"},
        {"FSUM(t, 10, 1)", PlotSolver::Fsum, 0.55, 10.45, 55, "FSUM from 1 to 10: 55"},
        {"FDIFF(t^3, 2)", PlotSolver::Fdiff, -3, 7, 12, "FDIFF at 2: 12"},
        {"2*FINT(t, 0, 1)", PlotSolver::Fint, -0.05, 1.05, 0.5, "FINT from 0 to 1: 0.5"},
        {"SIN(t)", PlotSolver::None, -10, 10, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto model = Open(c.line);
        const SolverOverlay& o = model->overlay();
        EXPECT_EQ(o.kind, c.kind);
        EXPECT_NEAR(model->view().home().tLow, c.tLow, 1e-12);
        EXPECT_NEAR(model->view().home().tHigh, c.tHigh, 1e-12);
        EXPECT_EQ(o.caption, c.caption);
        if (c.kind == PlotSolver::None) continue;
        EXPECT_TRUE(o.computed);
        EXPECT_NEAR(o.value, c.value, 1e-7);
        // Roots and areas sit on y = 0, which the f(t) range shows.
        EXPECT_LT(model->view().range().yLow, 0.0 + (c.kind == PlotSolver::Fdiff ? 100 : 0));
    }
}

TEST_F(PlotModelTest, OverlayDetails) {
    const auto zeros = Open("FZEROS(t^2-1, -2, 2)");
    ASSERT_EQ(zeros->overlay().roots.size(), 2u);
    EXPECT_DOUBLE_EQ(zeros->overlay().roots[0], -1.0);
    EXPECT_DOUBLE_EQ(zeros->overlay().roots[1], 1.0);

    const auto sum = Open("FSUM(t^2, 1, 3)");
    ASSERT_EQ(sum->stems().size(), 3u);
    EXPECT_DOUBLE_EQ(sum->stems()[2].t, 3.0);
    EXPECT_DOUBLE_EQ(sum->stems()[2].y, 9.0);

    const auto tangent = Open("FDIFF(t^3, 2)");
    EXPECT_DOUBLE_EQ(tangent->overlay().fx, 8.0);
    EXPECT_EQ(tangent->overlay().label, "slope 12");

    const auto failed = Open("FZERO(t^2+1, -1, 1)");
    EXPECT_FALSE(failed->overlay().computed);
    EXPECT_EQ(failed->overlay().caption, "FZERO: Error: Bad argument");
}

TEST_F(PlotModelTest, ReadoutShowsASampleUnderTheMouse) {
    const auto model = Open("t^2");
    const double px = model->view().ToPixelX(3.0);
    const std::string text = model->ReadoutAt(px);
    // The nearest sample's own t and f(t), in the calculator's format.
    ASSERT_EQ(text.rfind("t = 3", 0), 0u) << text;
    EXPECT_NE(text.find("f(t) = 9"), std::string::npos) << text;
    const auto root = Open("SQRT(t)");
    EXPECT_EQ(root->ReadoutAt(root->view().ToPixelX(-3.0)), "t = -3    f(t) = undefined");
}

TEST_F(PlotModelTest, RangeField) {
    const auto model = Open("t");
    EXPECT_FALSE(model->SetTRange("-PI", "2*K").has_value());
    EXPECT_DOUBLE_EQ(model->view().range().tLow, -M_PI);
    EXPECT_DOUBLE_EQ(model->view().range().tHigh, 6.0);
    EXPECT_EQ(model->SetTRange("1", "(").value(), "To: Syntax error: Unbalanced parenthesis");
    EXPECT_TRUE(model->SetTRange("2", "1").has_value());
    // The fields show decimal numbers: they are read so in any base.
    calculator.setNumberBase(16);
    const auto hex = Open("t");
    EXPECT_FALSE(hex->SetTRange("-10", "10").has_value());
    EXPECT_DOUBLE_EQ(hex->view().range().tHigh, 10.0);
}

TEST_F(PlotModelTest, LinesThatCannotBePlotted) {
    PlotModel model(calculator, PlotNumberFormat{});
    EXPECT_EQ(model.Open("' a comment").value(), "Nothing to plot on this line");
    EXPECT_EQ(model.Open("CLEAR").value(), "Nothing to plot on this line");
    EXPECT_EQ(model.Open("SIN(").value(), "Syntax error: Unbalanced parenthesis");
    // A constant plots flat, within a range around its value.
    const auto flat = Open("K");
    EXPECT_LT(flat->view().range().yLow, 3.0);
    EXPECT_GT(flat->view().range().yHigh, 3.0);
}

TEST(ChooseYRange, CutsPolesButKeepsSteepCurves) {
    std::vector<double> exp, tan;
    for (int i = 0; i <= 400; ++i) {
        const double t = -10 + i * 0.05;
        exp.push_back(std::exp(t));
        tan.push_back(std::tan(t));
    }
    double low = 0, high = 0;
    ChooseYRange(exp, {}, low, high);
    EXPECT_GT(high, std::exp(10.0));
    ChooseYRange(tan, {}, low, high);
    EXPECT_LT(high, 100.0);
    EXPECT_GT(high, 5.0);
    EXPECT_GT(low, -100.0);
}

}  // namespace
}  // namespace quorvix
