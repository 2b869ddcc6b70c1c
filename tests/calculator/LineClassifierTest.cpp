#include <gtest/gtest.h>

#include <string>

#include "calculator/LineClassifier.h"

namespace quorvix {
namespace {

struct LineCase {
    const char* line;
    LineKind kind;
    const char* expression;
    bool typedEquals;
    bool ansPrefixed;
    const char* name;
    const char* formula;
    int equalsIndex;
};

// Each row: a line as read from the display and what it asks for.
const LineCase kCases[] = {
    {"", LineKind::Blank, "", false, false, "", "", -1},
    {" \t ", LineKind::Blank, "", false, false, "", "", -1},
    {"  ' a note = 3", LineKind::Comment, "", false, false, "", "", -1},
    {"clr", LineKind::ClearDisplay, "", false, false, "", "", -1},
    {"\tClear  ", LineKind::ClearDisplay, "", false, false, "", "", -1},
    {"Exit", LineKind::Exit, "", false, false, "", "", -1},
    {"OFF", LineKind::Exit, "", false, false, "", "", -1},
    {"clearvars", LineKind::ClearVariables, "", false, false, "", "", -1},
    {"cv", LineKind::ClearVariables, "", false, false, "", "", -1},
    {"ShowVars", LineKind::ShowVariables, "", false, false, "", "", -1},
    {"sv", LineKind::ShowVariables, "", false, false, "", "", -1},
    // A command must be the whole line.
    {"clr 2", LineKind::Expression, "clr 2", false, false, "", "", -1},
    {"2+3", LineKind::Expression, "2+3", false, false, "", "", -1},
    {"  2+3 \t", LineKind::Expression, "  2+3", false, false, "", "", -1},
    {"2+3=", LineKind::Expression, "2+3", true, false, "", "", -1},
    {"2+3 = ", LineKind::Expression, "2+3 ", true, false, "", "", -1},
    {"-3", LineKind::Expression, "ANS-3", false, true, "", "", -1},
    {" *2=", LineKind::Expression, "ANS *2", true, true, "", "", -1},
    {"!", LineKind::Expression, "ANS!", false, true, "", "", -1},
    // An '=' at the very start is no assignment, and no operator.
    {"=5", LineKind::Expression, "=5", false, false, "", "", -1},
    {"=", LineKind::Expression, "", true, false, "", "", -1},
    {"x = 2*3", LineKind::Assignment, "x", false, false, "x", " 2*3", 2},
    {" \tRate=5=", LineKind::Assignment, "Rate", true, false, "Rate", "5", 6},
    {"a=b=c", LineKind::Assignment, "a", false, false, "a", "b=c", 1},
    // A name part of blanks: an assignment whose empty name is refused later.
    {"  = 4", LineKind::Assignment, "", false, false, "", " 4", 2},
    {"-x = 1", LineKind::Assignment, "-x", false, false, "-x", " 1", 3},
};

TEST(LineClassifier, ClassifiesEachKindOfLine) {
    for (const LineCase& c : kCases) {
        SCOPED_TRACE(std::string("line \"") + c.line + "\"");
        const ClassifiedLine got = ClassifyLine(c.line);
        EXPECT_EQ(got.kind, c.kind);
        EXPECT_EQ(got.expression, c.expression);
        EXPECT_EQ(got.typedEquals, c.typedEquals);
        EXPECT_EQ(got.ansPrefixed, c.ansPrefixed);
        EXPECT_EQ(got.name, c.name);
        EXPECT_EQ(got.formula, c.formula);
        EXPECT_EQ(got.equalsIndex, c.equalsIndex);
    }
}

}  // namespace
}  // namespace quorvix
