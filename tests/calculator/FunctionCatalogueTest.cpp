#include "calculator/FunctionCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvix {
namespace {

TEST(FunctionCatalogue, NinetyNineRowsInElevenConsecutiveGroups) {
    ASSERT_EQ(FunctionCatalogue().size(), 99u);
    int expectedFirst = kFirstFunctionCommand;
    int total = 0;
    for (int g = 0; g < kFunctionGroupCount; ++g) {
        const FunctionGroupInfo& info = FunctionGroupAt(static_cast<FunctionGroup>(g));
        EXPECT_EQ(info.firstCommand, expectedFirst) << info.caption;
        expectedFirst += static_cast<int>(info.rows.size());
        total += static_cast<int>(info.rows.size());
    }
    EXPECT_EQ(total, 99);
    EXPECT_EQ(expectedFirst, kLastFunctionCommand + 1);
    std::set<std::string> names;
    for (const FunctionInfo& row : FunctionCatalogue()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_TRUE(row.expression.empty());
        EXPECT_LE(row.name.size(), 51u);
        EXPECT_LE(row.syntax.size(), 100u);
        EXPECT_LE(row.description.size(), 255u);
        EXPECT_LE(row.minArgs, row.maxArgs);
    }
}

TEST(FunctionCatalogue, GroupCaptionsAndBoundaries) {
    const FunctionGroupInfo& special = FunctionGroupAt(FunctionGroup::Special);
    EXPECT_STREQ(special.caption, "Special functions");
    EXPECT_EQ(special.firstCommand, 20108);
    ASSERT_EQ(special.rows.size(), 34u);
    EXPECT_EQ(special.rows.front().name, "AiryAi");
    EXPECT_EQ(special.rows.back().name, "SinInt");
    EXPECT_STREQ(FunctionGroupAt(FunctionGroup::BaseConversion).caption,
                 "Base-conversion functions");
    EXPECT_STREQ(FunctionGroupAt(FunctionGroup::Bitwise).caption, "Bitwise operations");
    EXPECT_EQ(FunctionForCommand(20063)->name, "Abs");
    EXPECT_EQ(FunctionForCommand(20076)->name, "RadToDeg");
    EXPECT_EQ(FunctionForCommand(20083)->name, "ArcSin");
    EXPECT_EQ(FunctionForCommand(20100)->name, "ArcCoth");
    EXPECT_EQ(FunctionForCommand(20142)->name, "FInt");
    EXPECT_EQ(FunctionForCommand(20161)->name, "Hex");
    EXPECT_EQ(FunctionForCommand(20062), nullptr);
    EXPECT_EQ(FunctionForCommand(20162), nullptr);
}

TEST(FunctionCatalogue, SyntaxAndDescriptionTexts) {
    const auto mod = LookUpFunction("mod");
    ASSERT_TRUE(mod);
    EXPECT_EQ(mod->syntax, "number, modulus");
    EXPECT_EQ(mod->description, "Returns the remainder an integer division");
    const auto rand = LookUpFunction("RAND");
    EXPECT_EQ(rand->minArgs, 0);
    EXPECT_EQ(rand->maxArgs, 0);
    EXPECT_EQ(rand->syntax, "");
    const auto rate = LookUpFunction("Rate");
    EXPECT_EQ(rate->minArgs, 3);
    EXPECT_EQ(rate->maxArgs, 6);
    EXPECT_EQ(rate->syntax, "nper, pmt, pv, [fv=0], [type=0], [guess=1%]");
    EXPECT_EQ(LookUpFunction("fzeros")->syntax,
              "f(t), [lower=-50], [upper=50], [precision=1E-8]");
    EXPECT_EQ(LookUpFunction("fzeros")->minArgs, 1);
    EXPECT_EQ(LookUpFunction("sum")->maxArgs, 100);
    EXPECT_EQ(LookUpFunction("ave")->description, "Returns the average of the arguments");
    EXPECT_EQ(LookUpFunction("not")->syntax, "Number");
    EXPECT_EQ(LookUpFunction("hex")->description, "Converts a number to hexadecimal");
    EXPECT_EQ(LookUpFunction("factln")->syntax, "n");
    EXPECT_EQ(LookUpFunction("lshift")->description, "Performs the bitwise operation LSHIFT");
    EXPECT_EQ(LookUpFunction("sin")->description, "Returns the sine of an angle");
    EXPECT_EQ(LookUpFunction("log")->description, "Returns the base-10 logarithm of a number");
    EXPECT_EQ(LookUpFunction("EllipticPI")->description,
              "Returns Legendre elliptic integral of the third kind, Pi(phi, n, k");
    // The Jacobi functions take the complementary parameter, as stored
    // worksheets do.
    EXPECT_EQ(LookUpFunction("EllipticSN")->syntax, "u, kc²");
    EXPECT_EQ(LookUpFunction("CarlsonRD")->description,
              "Returns Carlson's elliptic integral of the second kind, RD (x, y, z)");
    // Every one-argument row shows the argument as x, except these.
    for (const FunctionInfo& row : FunctionCatalogue()) {
        if (row.minArgs != 1 || row.maxArgs != 1) continue;
        const bool special = row.name == "Not" || row.name == "Bin" || row.name == "Oct" ||
                             row.name == "Dec" || row.name == "Hex" || row.name == "FactLn";
        if (!special) {
            EXPECT_EQ(row.syntax, "x") << row.name;
        }
    }
    const FunctionGroupInfo& inverseHyperbolic = FunctionGroupAt(FunctionGroup::InverseHyperbolic);
    EXPECT_EQ(inverseHyperbolic.rows[0].description,
              "Returns the inverse hyperbolic sine of a number");
}

TEST(LookUpFunction, IgnoresCaseAndSkipsInverseAndHyperbolicGroups) {
    EXPECT_EQ(LookUpFunction("GAMMALN")->name, "GammaLn");
    EXPECT_FALSE(LookUpFunction("ArcSin"));
    EXPECT_FALSE(LookUpFunction("sinh"));
    EXPECT_FALSE(LookUpFunction("arcsinh"));
    EXPECT_FALSE(LookUpFunction("pi"));
    EXPECT_FALSE(LookUpFunction(""));
    EXPECT_FALSE(LookUpFunction("sin "));
}

TEST(LookUpFunction, UserFunctionsComeAfterTheCatalogue) {
    std::vector<FunctionInfo> user = {
        {"Sqrt", 1, 1, "mine", "user version", "a"},
        {"Area", 2, 2, "a, b", "Rectangle area", "a*b"},
        {"AREA", 1, 1, "a", "second", "a"},
    };
    EXPECT_EQ(LookUpFunction("sqrt", user)->syntax, "x");  // the built-in wins
    const auto area = LookUpFunction("area", user);
    ASSERT_TRUE(area);
    EXPECT_EQ(area->description, "Rectangle area");  // the first match in list order
    EXPECT_EQ(area->expression, "a*b");
    EXPECT_FALSE(LookUpFunction("volume", user));
}

}  // namespace
}  // namespace quorvix
