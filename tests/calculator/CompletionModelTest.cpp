#include <gtest/gtest.h>

#include "calculator/CompletionModel.h"

namespace quorvix {
namespace {

std::vector<std::string> Names(const std::vector<Completion>& completions) {
    std::vector<std::string> names;
    for (const Completion& c : completions) names.push_back(c.name);
    return names;
}

TEST(CompletionModel, OffersEveryKindOfNameAfterTwoLetters) {
    Evaluator evaluator;
    evaluator.SetVariable("Besty", "2*3");
    evaluator.SetVariable("rate2", "0.05");
    const std::vector<FunctionInfo> user{{"BesselSum", 2, 2, "n, x", "mine", "BesselJ(n,x)+1"}};
    const CompletionNames names{user, &evaluator};
    struct Row {
        std::string_view prefix;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"b", {}},  // one letter is not enough
        {"", {}},
        {"BesselJ", {"BesselJ", "BesselJS"}},
        {"bes", {"BesselI", "BesselJ", "BesselJS", "BesselK", "BesselY", "BesselYS", "BesselSum",
                 "Besty"}},
        {"pi", {"PI"}},
        {"an", {"And", "ANS"}},
        {"RA", {"RadToDeg", "Rand", "RATE", "rate2"}},
        {"conv", {"Convert"}},
        {"zz", {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Names(CompletionsFor(row.prefix, names)), row.expected) << row.prefix;
    }
    const auto mod = CompletionsFor("mo", names);
    ASSERT_EQ(mod.size(), 1u);
    EXPECT_EQ(mod[0].syntax, "Mod(number, modulus)");
    EXPECT_EQ(mod[0].kind, CompletionKind::Function);
    const auto variable = CompletionsFor("bEST", names);
    ASSERT_EQ(variable.size(), 1u);
    EXPECT_EQ(variable[0].kind, CompletionKind::Variable);
    EXPECT_EQ(variable[0].syntax, "Besty = 2*3");
}

TEST(CompletionModel, ReplacesTheTypedLettersAndPutsTheCaretInsideACall) {
    struct Row {
        std::string_view line;
        int caret;
        Completion chosen;
        std::string_view completed;
        int caret_after;
    };
    const Completion sin{"Sin", CompletionKind::Function, "Sin(x)", ""};
    const Completion mine{"Mine", CompletionKind::UserDefinedFunction, "Mine(a)", ""};
    const Completion pi{"PI", CompletionKind::Constant, "PI", ""};
    const Row rows[] = {
        {"si", 2, sin, "Sin()", 4},
        {"2*si+1", 4, sin, "2*Sin()+1", 6},
        {"2si", 3, sin, "2Sin()", 5},  // a number before the name stays
        {"x=mi", 4, mine, "x=Mine()", 7},
        {"3*pi", 4, pi, "3*PI", 4},
        {"sinus", 2, sin, "Sin()nus", 4},  // only the letters before the caret
    };
    for (const Row& row : rows) {
        const CompletedLine done = ApplyCompletion(row.line, row.caret, row.chosen);
        EXPECT_EQ(done.line, row.completed) << row.line;
        EXPECT_EQ(done.caret, row.caret_after) << row.line;
    }
    EXPECT_EQ(NameBeforeCaret("1+ab_2", 6).text, "ab_2");
    EXPECT_EQ(NameBeforeCaret("1+ab_2", 6).start, 2);
    EXPECT_EQ(NameBeforeCaret("12", 2).text, "");
    EXPECT_EQ(CompletionInsertion(sin).tip, "Syntax: Sin(x)");
}

}  // namespace
}  // namespace quorvix
