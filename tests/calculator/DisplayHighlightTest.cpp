#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/DisplayHighlight.h"

namespace quorvix {
namespace {

// The spans of a line drawn as one letter a character: A answer,
// F function, V variable, N number, O operator, '.' plain.
std::string Drawn(const std::string& line, const std::vector<HighlightSpan>& spans) {
    std::string drawn(line.size(), '.');
    for (const HighlightSpan& span : spans)
        for (int i = span.start; i < span.start + span.length; ++i)
            drawn.at(static_cast<std::size_t>(i)) = "AFVNO"[static_cast<int>(span.kind)];
    return drawn;
}

struct HighlightCase {
    const char* why;
    std::string line;
    LineState previous;
    int base;
    bool commaLocale;  // ',' decimal separator, ';' between arguments
    std::string drawn;
    LineState state;
};

constexpr LineState kPlain = LineState::Plain;
constexpr LineState kAwaits = LineState::AwaitsAnswer;
constexpr LineState kList = LineState::AnswerList;

const HighlightCase kCases[] = {
    {"expression written with ' ='", "sin(pi/3) =", kPlain, 10, false, "FFFOVVONO.O", kAwaits},
    {"its answer", "0.8660254038", kAwaits, 10, false, "AAAAAAAAAAAA", kPlain},
    {"answer with a truncation warning", "FF  (Warning: x)", kAwaits, 16, false,
     "AAAAAAAAAAAAAAAA", kPlain},
    {"an answer evaluated again is an expression", "42 =", kAwaits, 10, false, "NN.O", kAwaits},
    {"user function and variable", "area(x; 2)", kPlain, 10, true, "FFFFOVO.NO", kPlain},
    {"ANS, t, RND and unknown names", "ans+t*rnd-foo", kPlain, 10, false, "VVVOVOFFFO...", kPlain},
    {"assigned name is a variable", "y = 2^10", kPlain, 10, false, "V.O.NONN", kPlain},
    {"scientific notation", "1.5E-3*2D+2", kPlain, 10, false, "NNNNNNONNNN", kPlain},
    {"literal running into letters is no number", "2x+1", kPlain, 10, false, "..ON", kPlain},
    {"comma decimal separator", "max(1,5;2)", kPlain, 10, true, "FFFONNNONO", kPlain},
    {"base 16: # and digit-led literals; FF is a name", "#FF+1F-FF*0x1a", kPlain, 16, false,
     "NNNONNO..ONNNN", kPlain},
    {"base 2: a 2 is no digit", "102+1", kPlain, 2, false, "...ON", kPlain},
    {"unit names in quotes are no names", "convert(1,\"m\",\"x\")", kPlain, 10, false,
     "FFFFFFFONO...O...O", kPlain},
    {"variable listing with a value", "B = x*3 = 6", kPlain, 10, false, "V.O.VON.O.A", kPlain},
    {"variable listing with an error", "X = 1/0 = Error", kPlain, 10, false, "V.O.NON.O.AAAAA",
     kPlain},
    {"listing message", "Empty variable list", kPlain, 10, false, "AAAAAAAAAAAAAAAAAAA", kPlain},
    {"comment, even ending with =", "  'sin(1) =", kPlain, 10, false, "...........", kPlain},
    {"answer heading a list", "2 zero(s) found in [-5, 5]: ", kAwaits, 10, false,
     "AAAAAAAAAAAAAAAAAAAAAAAAAAA.", kList},
    {"a number in the list", " -2", kList, 10, false, ".AA", kList},
    {"after the list", "x", kList, 10, false, "V", kPlain},
    {"blank line after ' =' passes nothing on", "  ", kAwaits, 10, false, "..", kPlain},
    {"overlong line is plain but still awaits", std::string(5000, '1') + "+2 =", kPlain, 10,
     false, std::string(5004, '.'), kAwaits},
    {"overlong answer is plain", std::string(5000, '9'), kAwaits, 10, false,
     std::string(5000, '.'), kPlain},
};

TEST(DisplayHighlightTest, LinesAreReadIntoSpansAndAState) {
    for (const HighlightCase& c : kCases) {
        HighlightNames names;
        names.userFunctions = {"AREA"};
        names.variables = {"X"};
        names.numberBase = c.base;
        if (c.commaLocale) {
            names.decimalSeparator = ',';
            names.argumentSeparator = ';';
        }
        const LineHighlight result = HighlightLine(c.line, c.previous, names);
        EXPECT_EQ(Drawn(c.line, result.spans), c.drawn) << c.why;
        EXPECT_EQ(result.state, c.state) << c.why;
    }
}

TEST(DisplayHighlightTest, ANameChangeFindsOnlyTheLinesThatUseIt) {
    HighlightNames before;
    before.variables = {"X", "RATE"};
    before.userFunctions = {"AREA"};
    HighlightNames after = before;
    after.variables = {"X", "Y"};  // RATE gone, Y new
    const NamesChange change = CompareHighlightNames(before, after);
    EXPECT_FALSE(change.everything);
    EXPECT_EQ(change.names, (std::unordered_set<std::string>{"RATE", "Y"}));
    after.numberBase = 16;
    EXPECT_TRUE(CompareHighlightNames(before, after).everything);

    const std::string text = "x+1 =\n2*y\nrate\nconvert(1,\"y\",\"m\")\nyy+y2\n" +
                             std::string(5000, '+') + "y";
    EXPECT_EQ(LinesMentioning(text, change.names), (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace quorvix
