#include "calculator/SettingsLifecycle.h"

#include <gtest/gtest.h>

#include "WorksheetTestFiles.h"
#include "calculator/TextDisplay.h"
#include "calculator/WorksheetDocument.h"
#include "calculator/WorksheetEvaluatorVariables.h"
#include "engine/Evaluator.h"
#include "platform/Locations.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RunAtLogon.h"

namespace quorvix {
namespace {

struct LifecycleFixture : ::testing::Test {
    TempDir dir;
    FixedLocations locations{dir.path()};
    MemorySettingsStore store;
    MemoryRunAtLogon runAtLogon;
    Settings settings;
    Evaluator evaluator;
    WorksheetEvaluatorVariables variables{evaluator};
    WorksheetDocument worksheet{settings.displayFile, variables};
    TextDisplay display;
};

TEST_F(LifecycleFixture, OneRunToTheNextKeepsDisplayAndVariables) {
    std::vector<std::string> order;
    LoadCalculatorState(store, {&locations, 96}, &runAtLogon, settings,
                        [&] { order.push_back("user files"); }, worksheet);
    EXPECT_EQ(settings.displayFile, dir.File("Quorvix.qws"));
    EXPECT_EQ(worksheet.path(), dir.File("Quorvix.qws"));
    worksheet.PutIntoDisplay(display);
    EXPECT_EQ(display.Text(), "");

    display.SetText("2+3 =\n5\n");
    evaluator.SetVariable("A", "2");
    evaluator.SetVariable("B", " A*3");
    settings.numberBase = 8;
    SaveCalculatorState(settings, false, true, store, [&] { order.push_back("user saves"); },
                        worksheet, display);
    EXPECT_EQ(order, (std::vector<std::string>{"user files", "user saves"}));
    EXPECT_EQ(store.ReadInt("Options", "ShowFinanceBox"), 0);
    EXPECT_EQ(store.ReadInt("Options", "ShowUnitConverter"), 1);

    // The next run.
    Settings next;
    Evaluator nextEvaluator;
    nextEvaluator.SetVariable("Stale", "1");
    WorksheetEvaluatorVariables nextVariables(nextEvaluator);
    WorksheetDocument nextWorksheet(next.displayFile, nextVariables);
    LoadCalculatorState(store, {&locations, 96}, &runAtLogon, next, {}, nextWorksheet);
    EXPECT_EQ(next.numberBase, 8);
    EXPECT_EQ(nextWorksheet.worksheetText, "2+3 =\n5");
    ASSERT_EQ(nextEvaluator.VariableCount(), 2);
    EXPECT_EQ(nextEvaluator.FindVariable("B"), " A*3");
    EXPECT_EQ(nextEvaluator.FindVariable("Stale"), "");
}

TEST_F(LifecycleFixture, SaveDisplayOffStillKeepsTheVariables) {
    LoadCalculatorState(store, {&locations, 96}, &runAtLogon, settings, {}, worksheet);
    settings.saveDisplay = false;
    display.SetText("7*6 =\n42\n");
    evaluator.SetVariable("X", "1/0");
    SaveCalculatorState(settings, true, false, store, {}, worksheet, display);
    std::string text = "not read";
    MemoryWorksheetVariables saved;
    ASSERT_EQ(ReadWorksheetFile(dir.File("Quorvix.qws"), text, saved),
              WorksheetReadResult::Loaded);
    EXPECT_EQ(text, "");
    ASSERT_EQ(saved.list.size(), 1u);
    EXPECT_EQ(saved.list[0], (WorksheetVariable{"X", "1/0"}));
}

TEST(WorksheetEvaluatorVariables, RepeatedNamesTakeTheLaterFormula) {
    Evaluator evaluator;
    WorksheetEvaluatorVariables variables(evaluator);
    variables.Append("A", "1");
    variables.Append("a", "2");
    variables.Append("B", "3");
    ASSERT_EQ(variables.Count(), 2);
    EXPECT_EQ(variables.At(0).formula, "2");
    EXPECT_EQ(variables.At(1), (WorksheetVariable{"B", "3"}));
    variables.Clear();
    EXPECT_EQ(evaluator.VariableCount(), 0);
}

}  // namespace
}  // namespace quorvix
