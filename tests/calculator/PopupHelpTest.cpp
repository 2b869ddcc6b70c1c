#include "calculator/PopupHelp.h"

#include <gtest/gtest.h>

#include "KeypadTestHost.h"
#include "calculator/KeypadKeys.h"
#include "platform/HelpViewer.h"

namespace quorvix {
namespace {

// Types text into the display one character at a time, letting the tracker
// see each character first as the display does, and showing syntax help.
void TypeTracked(KeypadTestHost& host, IdentifierTracker& tracker, const std::string& text) {
    for (const char c : text) {
        TrackCharacterForSyntax(tracker, c, host.display, host);
        host.display.TypeCharacter(c);
    }
}

TEST(TipRotation, FirstTipElevenTimesThenTwelveEach) {
    TipRotation tips;
    for (int i = 0; i < 11; ++i) EXPECT_STREQ(tips.Next(), "Press F1 for Help") << i;
    for (int i = 0; i < 12; ++i)
        EXPECT_STREQ(tips.Next(), "Click const for a list of physical constants") << i;
    EXPECT_STREQ(tips.Next(), "Click conv for a list of conversions");
}

TEST(TipRotation, WrapsFromTheLastTipToTheFirst) {
    TipRotation tips;
    const char* last = nullptr;
    for (int i = 0; i < 11 + 12 * 12; ++i) last = tips.Next();
    EXPECT_STREQ(last, "A variable may be used in all subsequent expressions");
    EXPECT_EQ(tips.index(), 12);
    EXPECT_STREQ(tips.Next(), "Press F1 for Help");
    EXPECT_EQ(tips.index(), 0);
}

TEST(SyntaxWhileTyping, OpeningParenthesisShowsSyntaxWithTheNameAsTyped) {
    KeypadTestHost host;
    IdentifierTracker tracker;
    TypeTracked(host, tracker, "2*SUM(");
    EXPECT_EQ(host.helpLine, "  Syntax: SUM(v1, v2, v3, ..., vn)");
    EXPECT_EQ(host.helpKeyword, "SUM");
    EXPECT_FALSE(tracker.tracking());
}

TEST(SyntaxWhileTyping, BlankAfterModShowsItsSyntax) {
    KeypadTestHost host;
    IdentifierTracker tracker;
    TypeTracked(host, tracker, "mod ");
    EXPECT_EQ(host.helpLine, "  Syntax: mod(number, modulus)");
}

TEST(SyntaxWhileTyping, InverseAndHyperbolicNamesShowNothing) {
    KeypadTestHost host;
    IdentifierTracker tracker;
    TypeTracked(host, tracker, "ArcSin(1)+sinh(");
    EXPECT_EQ(host.helpLine, "");
    EXPECT_EQ(host.helpKeyword, "");
}

TEST(SyntaxWhileTyping, DigitsContinueButDoNotStartAnIdentifier) {
    KeypadTestHost host;
    IdentifierTracker tracker;
    TypeTracked(host, tracker, "12");
    EXPECT_FALSE(tracker.tracking());
    TypeTracked(host, tracker, "+_x2");
    EXPECT_TRUE(tracker.tracking());
    EXPECT_EQ(tracker.start(), 3);
    TypeTracked(host, tracker, "-besselj(");
    EXPECT_EQ(host.helpLine, "  Syntax: besselj(n, x)");
}

TEST(SyntaxWhileTyping, BackspaceAtTheStartAndEnterEndTracking) {
    KeypadTestHost host;
    IdentifierTracker tracker;
    TypeTracked(host, tracker, "1+s");
    ASSERT_TRUE(tracker.tracking());
    tracker.BeforeBackspace(3);  // the caret is after the s, not at the start
    EXPECT_TRUE(tracker.tracking());
    host.display.PressKey(DisplayKey::Backspace);
    tracker.BeforeBackspace(host.display.CaretPosition());
    EXPECT_FALSE(tracker.tracking());
    TypeTracked(host, tracker, "cos");
    tracker.OnEnter();
    TypeTracked(host, tracker, "(");
    EXPECT_EQ(host.helpLine, "");
}

TEST(SyntaxWhileTyping, OverlongRunKeepsTracking) {
    KeypadTestHost host;
    IdentifierTracker tracker;
    TypeTracked(host, tracker, std::string(99, 'a'));
    TypeTracked(host, tracker, "(");
    EXPECT_TRUE(tracker.tracking());  // 99 characters: no lookup, still tracking
    IdentifierTracker fresh;
    KeypadTestHost other;
    TypeTracked(other, fresh, std::string(98, 'a') + "(");
    EXPECT_FALSE(fresh.tracking());
}

TEST(SyntaxWhileTyping, UserFunctionsAreFound) {
    KeypadTestHost host;
    host.userFunctions.push_back({"Area", 2, 2, "a, b", "Rectangle area", "a*b"});
    IdentifierTracker tracker;
    TypeTracked(host, tracker, "area(");
    EXPECT_EQ(host.helpLine, "  Syntax: area(a, b)");
}

TEST(Tooltips, FixedTextsAndFunctionDescriptions) {
    EXPECT_EQ(TooltipFor(kBaseIndicatorId, "", {}), "Current numeric base");
    EXPECT_EQ(TooltipFor(kAngleIndicatorId, "RAD", {}), "Current unit for angles");
    EXPECT_EQ(TooltipFor(kInvCheckBoxId, "Inv", {}), "Inverse trigonometric functions");
    EXPECT_EQ(TooltipFor(kHypCheckBoxId, "Hyp", {}), "Hyperbolic functions");
    EXPECT_EQ(TooltipFor(kExeKeyId, "EXE", {}), "Click here to evaluate the expression");
    EXPECT_EQ(TooltipFor(kAnsKeyId, "ANS", {}), "Retrieve the last result");
    EXPECT_EQ(TooltipFor(kConstKeyId, "const", {}), "Click for list of constants");
    EXPECT_EQ(TooltipFor(kConvKeyId, "conv", {}), "Click for list of conversions");
    EXPECT_EQ(TooltipFor(kFuncKeyId, "func", {}), "Click for list of functions");
    EXPECT_EQ(TooltipFor(10021, "sin", {}), "Returns the sine of an angle");
    EXPECT_EQ(TooltipFor(10018, "fint", {}), "Numerically integrates function f(t)");
    EXPECT_EQ(TooltipFor(10030, "pi", {}), "");
    EXPECT_EQ(TooltipFor(10005, "5", {}), "");
    std::vector<FunctionInfo> user = {{"Area", 2, 2, "a, b", "  Rectangle area  ", "a*b"}};
    EXPECT_EQ(TooltipFor(10030, "area", user), "Rectangle area");
}

TEST(KeywordHelp, RunAtOrBeforeTheCaret) {
    TextDisplay display;
    display.SetText("1+gammaln(3)\nx");
    display.SetCaret(9);  // right after "gammaln"
    EXPECT_EQ(HelpKeywordAtCaret(display), "gammaln");
    display.SetCaret(4);  // inside the name
    EXPECT_EQ(HelpKeywordAtCaret(display), "gammaln");
    display.SetCaret(1);  // after "1": a run starting with a digit
    EXPECT_EQ(HelpKeywordAtCaret(display), "");
    display.SetCaret(10);  // after "(": no run
    EXPECT_EQ(HelpKeywordAtCaret(display), "");
    display.SetCaret(14);  // on the second line
    EXPECT_EQ(HelpKeywordAtCaret(display), "x");
    display.SetText("a\n\nb");
    display.SetCaret(2);  // an empty line
    EXPECT_EQ(HelpKeywordAtCaret(display), "");
}

TEST(KeywordHelp, FallsBackToTheOfferedNameThenTheSearch) {
    TextDisplay display;
    MemoryHelpViewer help;
    std::string helpKeyword = "FInt";
    display.SetText("2x");
    ShowKeywordHelp(display, helpKeyword, help);
    EXPECT_EQ(help.requests.back(), "FInt");
    EXPECT_EQ(helpKeyword, "");
    ShowKeywordHelp(display, helpKeyword, help);
    EXPECT_EQ(help.requests.back(), MemoryHelpViewer::kSearch);
    display.SetText("erf");
    ShowKeywordHelp(display, helpKeyword, help);
    EXPECT_EQ(help.requests.back(), "erf");
}

}  // namespace
}  // namespace quorvix
