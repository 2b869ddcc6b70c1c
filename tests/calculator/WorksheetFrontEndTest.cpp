#include "calculator/WorksheetFrontEnd.h"

#include <gtest/gtest.h>

#include "WorksheetTestFiles.h"
#include "calculator/CalculatorDialog.h"
#include "calculator/Settings.h"
#include "calculator/SettingsBinding.h"
#include "calculator/TextDisplay.h"
#include "platform/MemoryPrompter.h"

namespace quorvix {
namespace {

// Writes a worksheet with the text and one variable; returns its bytes.
std::string StoreSheet(const std::string& path, const std::string& text, const std::string& name,
                       const std::string& formula) {
    MemoryWorksheetVariables stored;
    stored.Append(name, formula);
    EXPECT_TRUE(WriteWorksheetFile(path, text, stored));
    return ReadBytes(path);
}

TEST(WorksheetFrontEnd, VariablesAreLoadedAndTheFileIsLeftAlone) {
    TempDir dir;
    const std::string path = dir.File("Quorvix.qws");
    const std::string before = StoreSheet(path, "old text", "R", "0.05");

    Evaluator evaluator;
    evaluator.SetVariable("Gone", "1");
    EXPECT_EQ(LoadWorksheetVariables(path, evaluator), WorksheetReadResult::Loaded);
    EXPECT_EQ(evaluator.VariableCount(), 1);
    EXPECT_EQ(evaluator.FindVariable("R"), "0.05");
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(LoadWorksheetVariables(dir.File("missing.qws"), evaluator),
              WorksheetReadResult::NotOpened);
    EXPECT_EQ(evaluator.VariableCount(), 1);
}

TEST(WorksheetFrontEnd, ManyVariablesComeBackWholeWithTheLastFormulaPerName) {
    TempDir dir;
    const std::string path = dir.File("many.qws");
    MemoryWorksheetVariables stored;
    for (int i = 0; i < 6000; ++i)
        stored.Append(std::string("V").append(std::to_string(i)), std::to_string(i));
    stored.Append("v17", "later");  // names match without regard to case
    ASSERT_TRUE(WriteWorksheetFile(path, "", stored));

    Evaluator evaluator;
    ASSERT_EQ(LoadWorksheetVariables(path, evaluator), WorksheetReadResult::Loaded);
    ASSERT_EQ(evaluator.VariableCount(), 6000);
    EXPECT_EQ(evaluator.VariableAt(5999).name, "V5999");
    EXPECT_EQ(evaluator.VariableAt(17).expression, "later");
}

TEST(WorksheetFrontEnd, ASecondRunOnTheSameWorksheetIsRefusedAndWritesNothing) {
    TempDir dir;
    const std::string path = dir.File("shared.qws");
    const std::string before = StoreSheet(path, "A=1 =\n1", "A", "1");

    Evaluator first;
    Evaluator second;
    WorksheetRunFile holder(path, first);
    EXPECT_EQ(holder.Open(), "A=1 =\n1\n");
    EXPECT_FALSE(holder.inUse());
    {
        WorksheetRunFile other(path, second);
        EXPECT_EQ(other.Open(), "");
        EXPECT_TRUE(other.inUse());
        EXPECT_EQ(second.VariableCount(), 0);
        std::string error;
        EXPECT_FALSE(other.Save("lost", &error));
        EXPECT_NE(error.find("in use"), std::string::npos);
        EXPECT_EQ(ReadBytes(path), before);
    }
    // The holder still writes; once it is gone the file is free again.
    EXPECT_TRUE(holder.Save("A=1 =\n1\nA =\n1"));
}

TEST(WorksheetFrontEnd, ContinuedTextStandsOnAFreshLine) {
    EXPECT_EQ(ContinuedWorksheetText(""), "");
    EXPECT_EQ(ContinuedWorksheetText("1 =\n1"), "1 =\n1\n");
    EXPECT_EQ(ContinuedWorksheetText("1 =\n1\n"), "1 =\n1\n");
}

TEST(WorksheetFrontEnd, RunAppendsItsLinesAndAnswersAndWritesBack) {
    TempDir dir;
    const std::string path = dir.File("sheet.qws");
    MemoryWorksheetVariables stored;
    stored.Append("A", "20");
    ASSERT_TRUE(WriteWorksheetFile(path, "A = 20\n20", stored));

    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calculator(display, prompter);
    Settings settings;
    ApplySettingsToCalculator(settings, calculator);
    WorksheetRunFile file(path, calculator.evaluator());
    display.SetText(file.Open());
    display.TypeText("A+1");
    calculator.EvaluateCurrentLine();
    display.ProcessQueuedInput();
    display.TypeText("B=2");
    calculator.EvaluateCurrentLine();
    display.ProcessQueuedInput();
    ASSERT_TRUE(file.Save(display.Text()));

    std::string text;
    MemoryWorksheetVariables saved;
    ASSERT_EQ(ReadWorksheetFile(path, text, saved), WorksheetReadResult::Loaded);
    EXPECT_EQ(text, "A = 20\n20\nA+1 =\n21\nB=2 =\n2");
    ASSERT_EQ(saved.list.size(), 2u);
    EXPECT_EQ(saved.list[1], (WorksheetVariable{"B", "2"}));
}

TEST(WorksheetFrontEnd, AFileThatCannotBeReadCompletelyIsNeverWrittenOver) {
    TempDir dir;
    MemoryWorksheetVariables stored;
    stored.Append("A", "20");
    stored.Append("B", "30");
    const std::string whole = EncodeWorksheet("A = 20\n20", stored);
    // Cut inside the second variable: the reader keeps no variables.
    const std::string damagedPath = dir.File("damaged.qws");
    const std::string damaged = whole.substr(0, whole.size() - 2);
    WriteBytes(damagedPath, damaged);
    Evaluator evaluator;
    WorksheetRunFile file(damagedPath, evaluator);
    file.Open();
    EXPECT_FALSE(file.readable());
    EXPECT_FALSE(file.Save("new text"));
    EXPECT_EQ(ReadBytes(damagedPath), damaged);

    // A path that is not a file cannot be opened and is left alone too.
    WorksheetRunFile directory(dir.path(), evaluator);
    directory.Open();
    EXPECT_FALSE(directory.readable());
    EXPECT_FALSE(directory.Save("new text"));

    // No file yet: it is created.
    WorksheetRunFile fresh(dir.File("fresh.qws"), evaluator);
    EXPECT_EQ(fresh.Open(), "");
    EXPECT_TRUE(fresh.readable());
    EXPECT_TRUE(fresh.Save("1 =\n1"));

    // An empty file holds nothing to lose: it is written too.
    const std::string emptyPath = dir.File("empty.qws");
    WriteBytes(emptyPath, "");
    WorksheetRunFile empty(emptyPath, evaluator);
    EXPECT_EQ(empty.Open(), "");
    EXPECT_TRUE(empty.readable());
    EXPECT_TRUE(empty.Save("2 =\n2"));
    EXPECT_EQ(ReadBytes(emptyPath), EncodeWorksheet("2 =\n2", MemoryWorksheetVariables()));
}

TEST(SettingsBinding, CalculatorTakesAndGivesBackItsOptions) {
    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog calculator(display, prompter);
    Settings settings;
    settings.angleUnit = 0;
    settings.numberBase = 16;
    settings.numberFormat = 1;
    settings.decimalPlaces = 4;
    settings.newLine = false;
    ApplySettingsToCalculator(settings, calculator);
    EXPECT_EQ(calculator.evaluator().angleUnit(), 0);
    EXPECT_EQ(calculator.evaluator().numberBase(), 16);
    EXPECT_EQ(calculator.numberPattern(), "%.3e");
    EXPECT_FALSE(calculator.newLineAfterCalculation());

    Settings collected;
    CollectSettingsFromCalculator(calculator, collected);
    EXPECT_EQ(collected.angleUnit, 0);
    EXPECT_EQ(collected.numberBase, 16);
    EXPECT_EQ(collected.numberFormat, 1);
    EXPECT_EQ(collected.decimalPlaces, 4);
    EXPECT_FALSE(collected.newLine);
}

}  // namespace
}  // namespace quorvix
