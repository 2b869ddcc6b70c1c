#pragma once
// A parsed unit text in the form the conversion needs: the parse tree's
// nodes in post-order (children before their parent), so that two trees of
// the same shape have their corresponding nodes at the same positions, and
// no walk over a deep tree needs recursion.

#include <cstdint>
#include <string>
#include <vector>

#include "units/UnitGraph.h"

namespace quorvix {

struct UnitTerm {
    // The parser's node kinds and operator ids that a unit may contain.
    static constexpr int kNumber = 1;
    static constexpr int kName = 2;
    static constexpr int kCall = 3;
    static constexpr int kMultiply = 3;
    static constexpr int kDivide = 4;
    static constexpr int kPower = 5;

    int kind = 0;
    int functionId = 0;   // for calls
    double value = 0.0;   // for numbers
    std::string name;     // for names
    int left = -1;        // operand positions in the tree, -1 for none
    int right = -1;
};

struct UnitTree {
    std::vector<UnitTerm> terms;  // post-order; the last one is the root
};

// Whether the two trees have the same shape: same kinds throughout, names
// match any name, numbers match equal numbers, and calls match when both
// are the same one of multiplication, division or power with two operands
// each (a power's exponents must be equal numbers). Any other call, and
// any other node kind, fails.
bool SameUnitShape(const UnitTree& from, const UnitTree& to);

enum class UnitFactorResult { kOk, kNoChain, kBudgetExhausted, kCancelled };

// The factor that converts a quantity in the from-units into the to-units,
// for two trees that passed SameUnitShape: numbers contribute 1, each name
// pair the looked-up factor (with the plural/period retry), products and
// quotients combine their operands' factors, and a power raises its base's
// factor to the exponent. When a name pair has no chain, failedTerm (if
// given) receives its position.
UnitFactorResult UnitTreeFactor(const UnitGraph& graph, const UnitTree& from, const UnitTree& to,
                                double& factor, std::int64_t& budget, int* failedTerm = nullptr);

// Name lookup with the plural/period retry: when (from, to) has no chain,
// each name is stripped once (a final 's' on a name longer than 3
// characters, else a final '.') and, if either changed, looked up again.
UnitLookupResult LookupUnitName(const UnitGraph& graph, std::string_view from,
                                std::string_view to, double& factor, std::int64_t& budget);

}  // namespace quorvix
