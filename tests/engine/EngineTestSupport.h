#pragma once
// Helpers shared by the engine tests: one evaluator set up like the
// calculator's main one (slots t and ANS), and one-call evaluation.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/Evaluator.h"

namespace quorvix::test {

struct Outcome {
    EvalError code = kNoError;  // parse code, or evaluation code when parsing succeeded
    bool parsed = false;
    int position = 0;
    int length = 0;
    double value = 0.0;
    bool hasText = false;
    std::string text;
};

inline void MakeMainEvaluator(Evaluator& e) {
    e.SetSlotCount(2);
    e.SetSlotName(0, "t");
    e.SetSlotName(1, "ANS");
}

inline Outcome Calc(Evaluator& e, std::string_view expression) {
    Outcome o;
    e.SetExpression(expression);
    o.code = e.Parse();
    o.parsed = o.code == kNoError;
    if (!o.parsed) {
        o.position = e.ErrorPosition();
        o.length = e.ErrorLength();
        return o;
    }
    o.value = e.Evaluate();
    o.code = e.LastError();
    o.hasText = e.HasTextResult();
    o.text = e.ResultText();
    return o;
}

// A fixture with a main evaluator and the default separators.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSeparators('.', ',');
        MakeMainEvaluator(e);
    }
    // The value of a text that must evaluate without error.
    double Value(std::string_view text) {
        const Outcome o = Calc(e, text);
        EXPECT_EQ(o.code, kNoError) << text;
        return o.value;
    }
    EvalError Code(std::string_view text) { return Calc(e, text).code; }
    Evaluator e;
};

}  // namespace quorvix::test
