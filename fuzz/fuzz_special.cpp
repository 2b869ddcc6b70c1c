// Calls the special functions through the Evaluator with extreme arguments
// decoded from the input: huge and negative orders (before and after the
// 32-bit wrap), 1e308, tiny and zero values, arguments that fail before the
// call, and arbitrary doubles. Every call must end with either a finite
// value or "Bad argument" - never a crash, a non-finite answer or another
// error code - and give the same outcome when repeated. Long but bounded work
// (a recurrence over a billion orders) must stop when cancelled: each call is
// cancelled after a short deadline, and a cancelled call counts as ended.

#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/Cancellation.h"
#include "engine/Evaluator.h"

using namespace quorvix;

namespace {

struct Special {
    const char* name;
    int args;
};

constexpr Special kFunctions[] = {
    {"AIRYAI", 1},     {"AIRYBI", 1},     {"BICO", 2},       {"BETA", 2},
    {"BETAI", 3},      {"BESSELJ", 2},    {"BESSELY", 2},    {"BESSELK", 2},
    {"BESSELI", 2},    {"BESSELJS", 2},   {"BESSELYS", 2},   {"CARLSONRF", 3},
    {"CARLSONRD", 3},  {"CARLSONRJ", 4},  {"CARLSONRC", 2},  {"DAWSON", 1},
    {"ELLIPTICF", 2},  {"ELLIPTICE", 2},  {"ELLIPTICPI", 3}, {"ELLIPTICSN", 2},
    {"ELLIPTICCN", 2}, {"ELLIPTICDN", 2}, {"ERF", 1},        {"ERFC", 1},
    {"EXPEN", 2},      {"EXPEI", 1},      {"FACTLN", 1},     {"FRESNELS", 1},
    {"FRESNELC", 1},   {"GAMMALN", 1},    {"GAMMAP", 2},     {"GAMMAQ", 2},
    {"COSINT", 1},     {"SININT", 1},
};
constexpr std::size_t kFunctionCount = sizeof(kFunctions) / sizeof(kFunctions[0]);

// Argument texts that stress the routines' edges.
constexpr const char* kExtremes[] = {
    "0",           "1",           "-1",          "2147483647", "-2147483648", "2147483648",
    "3E9",         "4294967298",  "1E20",        "1E308",      "-1E308",      "1E-308",
    "-1E-308",     "1E-300",      "5E-324",      "0.5",        "1.5",         "2",
    "8",           "745.5",       "800",         "1E6",        "1000001",     "1E16",
    "SQRT(-1)",    "1E308*10",    "PI",          "-0.7",       "1E-20",       "30000",
};
constexpr std::size_t kExtremeCount = sizeof(kExtremes) / sizeof(kExtremes[0]);

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    double Double() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits = (bits << 8) | Byte();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

std::string Argument(Reader& in) {
    const std::uint8_t kind = in.Byte();
    if (kind < 160) return kExtremes[kind % kExtremeCount];
    if (kind < 224) {
        // Small integers and halves: the ordinary range of orders.
        const int v = static_cast<int>(in.Byte()) - 64;
        char buf[32];
        std::snprintf(buf, sizeof buf, "(%g)", (kind & 1) ? v + 0.5 : v);
        return buf;
    }
    const double d = in.Double();
    if (!std::isfinite(d)) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "(%.17G)", d);
    return buf;
}

struct Result {
    EvalError code;
    double value;
};

using Clock = std::chrono::steady_clock;
Clock::time_point deadline;

void CancelPastDeadline() {
    if (Clock::now() > deadline) RequestEvaluationCancel();
}

Result Run(Evaluator& e, const std::string& text) {
    ClearEvaluationCancel();
    deadline = Clock::now() + std::chrono::milliseconds(300);
    e.SetExpression(text);
    if (e.Parse() != kNoError) std::abort();  // every text built here is valid
    const double v = e.Evaluate();
    return {e.LastError(), v};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool ready = false;
    static Evaluator e;
    if (!ready) {
        SetSeparators('.', ',');
        e.SetSlotCount(2);
        e.SetSlotName(0, "t");
        e.SetSlotName(1, "ANS");
        e.setAngleUnit(1);
        SetCancellationPollHook(&CancelPastDeadline);
        ready = true;
    }
    Reader in(data, size);
    const Special& f = kFunctions[in.Byte() % kFunctionCount];
    std::string text = f.name;
    text += '(';
    for (int i = 0; i < f.args; ++i) {
        if (i) text += ", ";
        text += Argument(in);
    }
    text += ')';

    const Result first = Run(e, text);
    if (first.code == kEvaluationCancelled) return 0;
    if (first.code != kNoError && first.code != kBadArgument) std::abort();
    if (first.code == kNoError && !std::isfinite(first.value)) std::abort();
    const Result again = Run(e, text);
    if (again.code == kEvaluationCancelled) return 0;
    if (again.code != first.code) std::abort();
    if (first.code == kNoError && std::memcmp(&again.value, &first.value, sizeof(double)) != 0)
        std::abort();
    return 0;
}
