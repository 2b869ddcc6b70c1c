// Parses and evaluates hostile expressions, with the settings, separators,
// variables and one user function taken from the input. Every line must
// end in a result or an error code, within bounded time and memory.
//
// Input layout: byte 0 picks the angle unit, byte 1 the number base, byte 2
// the separators and unit mode; the rest is split at '\n' into the
// expression (first line), up to four variable formulas A..D and the body of
// a user function F(a, b).

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "engine/Cancellation.h"
#include "engine/Evaluator.h"
#include "engine/UnitConversionService.h"

namespace {

using namespace quorvix;

class AnyUnits : public UnitConversionService {
public:
    EvalError ConvertUnits(double value, std::string_view from, std::string_view to,
                           double& result) override {
        if (from.empty() || to.empty()) return kBadArgument;
        result = value * static_cast<double>(from.size()) / static_cast<double>(to.size());
        return kNoError;
    }
};

// A solver asked for a huge number of samples is stopped by the flag.
void OnAlarm(int) { RequestEvaluationCancel(); }

// Solvers leave their last sample in t, so t is set again before each run.
void ResetT(Evaluator& e, std::vector<UserFunctionEntry>& functions) {
    e.SetSlotValue(0, 0.5);
    for (UserFunctionEntry& f : functions) f.evaluator->SetSlotValue(0, 0.25);
}

void Check(Evaluator& e, std::vector<UserFunctionEntry>& functions, bool random) {
    const EvalError parsed = e.Parse();
    if (parsed != kNoError) {
        const int position = e.ErrorPosition();
        const int length = e.ErrorLength();
        if (position < 0 || position > static_cast<int>(e.Expression().size()) || length < 1)
            __builtin_trap();
        return;
    }
    ResetT(e, functions);
    const double first = e.Evaluate();
    const EvalError firstCode = e.LastError();
    ResetT(e, functions);
    e.Evaluate();
    ResetT(e, functions);
    const double third = e.Evaluate();  // compiled by now, where possible
    if (EvaluationCancelRequested()) return;
    // Evaluation must not depend on whether the tree was compiled. RAND
    // differs between calls, so nothing is compared when it may be used.
    if (!random) {
        if (e.LastError() != firstCode) __builtin_trap();
        if (firstCode == kNoError && !(first == third || (first != first && third != third)))
            __builtin_trap();
    }
    if (firstCode != kNoError && first != 0.0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool installed = false;
    if (!installed) {
        std::signal(SIGALRM, OnAlarm);
        installed = true;
    }
    if (size < 3 || size > 20000) return 0;
    const int angle = data[0] % 3;
    const int base = 2 + data[1] % 35;
    const bool commaDecimal = data[2] & 1;
    const bool unitMode = (data[2] & 0x0E) == 0x0E;
    SetSeparators(commaDecimal ? ',' : '.', commaDecimal ? ';' : ',');

    std::vector<std::string> lines(1);
    for (std::size_t i = 3; i < size; ++i) {
        if (data[i] == '\n' && lines.size() < 6) lines.emplace_back();
        else lines.back().push_back(static_cast<char>(data[i]));
    }

    std::vector<UserFunctionEntry> functions;
    if (lines.size() > 5) {
        UserFunctionEntry f;
        f.upperName = "F";
        f.evaluator = std::make_unique<Evaluator>();
        f.evaluator->SetSlotCount(3);
        f.evaluator->SetSlotName(0, "t");
        f.evaluator->SetSlotName(1, "a");
        f.evaluator->SetSlotName(2, "b");
        f.evaluator->SetExpression(lines[5]);
        functions.push_back(std::move(f));
    }

    AnyUnits units;
    Evaluator e;
    e.SetSlotCount(2);
    e.SetSlotName(0, "t");
    e.SetSlotName(1, "ANS");
    e.SetSlotValue(0, 0.5);
    e.SetSlotValue(1, 3.0);
    e.setAngleUnit(angle);
    e.setNumberBase(data[1] < 128 ? 10 : base);
    e.setUnitMode(unitMode);
    e.setUnitConversion(&units);
    e.setUserFunctions(&functions);
    static const char* const kNames[] = {"A", "B", "C", "D"};
    for (std::size_t i = 1; i < lines.size() && i <= 4; ++i) e.SetVariable(kNames[i - 1], lines[i]);

    ClearEvaluationCancel();
    alarm(2);
    e.SetExpression(lines[0]);
    std::string all(reinterpret_cast<const char*>(data), size);
    for (char& c : all) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    const bool random = all.find("RAND") != std::string::npos || all.find("RND") != std::string::npos;
    Check(e, functions, random);
    alarm(0);
    ClearEvaluationCancel();
    SetSeparators('.', ',');
    return 0;
}
