#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "../engine/EngineTestSupport.h"
#include "../engine/reference/SolverReference.h"
#include "calculator/ResultFormat.h"
#include "calculator/Settings.h"

// What the user reads: each solver answer, formatted at the default number
// format and significant digits, shows only right digits: the same text as
// the true value, or (where the answer was rounded to the digits its error
// estimate vouches for) a shorter text within half a unit of its last digit.

using namespace quorvix;

namespace {

// Half a unit in the last digit written in text such as "-1.25E-012".
double HalfUnitOfLastDigit(const std::string& text) {
    const std::size_t e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

}  // namespace

TEST(SolverAnswerDigits, AtTheDefaultSettingsEveryShownDigitIsRight) {
    const Settings defaults;
    const std::string pattern = BuildNumberPattern(defaults.numberFormat, defaults.decimalPlaces);
    SetSeparators('.', ',');
    Evaluator ev;
    test::MakeMainEvaluator(ev);
    ev.setAngleUnit(1);
    auto check = [&](const auto& rows) {
        for (const test::SolverReference& row : rows) {
            const test::Outcome o = test::Calc(ev, row.line);
            ASSERT_EQ(o.code, kNoError) << row.line;
            const std::string shown = FormatResult(o.value, 10, pattern);
            const std::string truth = FormatResult(row.value, 10, pattern);
            if (shown == truth) continue;
            EXPECT_LT(shown.size(), truth.size()) << row.line << ": " << shown << " for " << truth;
            EXPECT_LE(std::fabs(std::strtod(shown.c_str(), nullptr) - row.value), HalfUnitOfLastDigit(shown))
                << row.line << ": " << shown << " for " << truth;
        }
    };
    check(test::kFintReference);
    check(test::kFdiffReference);
    check(test::kFzeroReference);
    check(test::kFsumReference);
    check(test::kSumAveReference);
}
