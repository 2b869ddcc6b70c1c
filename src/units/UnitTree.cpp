#include "units/UnitTree.h"

#include <cmath>

#include "units/UnitText.h"

namespace quorvix {
namespace {

bool IsUnitOperator(const UnitTerm& term) {
    return term.kind == UnitTerm::kCall &&
           (term.functionId == UnitTerm::kMultiply || term.functionId == UnitTerm::kDivide ||
            term.functionId == UnitTerm::kPower);
}

}  // namespace

bool SameUnitShape(const UnitTree& from, const UnitTree& to) {
    // Post-order positions encode the shape, so equal shapes have equal
    // operand positions everywhere.
    if (from.terms.empty() || from.terms.size() != to.terms.size()) return false;
    for (std::size_t i = 0; i < from.terms.size(); ++i) {
        const UnitTerm& a = from.terms[i];
        const UnitTerm& b = to.terms[i];
        if (a.kind != b.kind) return false;
        switch (a.kind) {
            case UnitTerm::kName:
                break;
            case UnitTerm::kNumber:
                if (!(a.value == b.value)) return false;
                break;
            case UnitTerm::kCall:
                if (!IsUnitOperator(a) || a.functionId != b.functionId) return false;
                if (a.left < 0 || a.right < 0 || a.left != b.left || a.right != b.right) return false;
                if (a.functionId == UnitTerm::kPower &&
                    (from.terms[static_cast<std::size_t>(a.right)].kind != UnitTerm::kNumber ||
                     to.terms[static_cast<std::size_t>(b.right)].kind != UnitTerm::kNumber)) {
                    return false;
                }
                break;
            default:
                return false;
        }
    }
    return true;
}

UnitLookupResult LookupUnitName(const UnitGraph& graph, std::string_view from,
                                std::string_view to, double& factor, std::int64_t& budget) {
    const UnitLookupResult first = graph.Lookup(from, to, factor, budget);
    if (first != UnitLookupResult::kNotFound) return first;
    const std::string_view strippedFrom = StripPluralOrPeriod(from);
    const std::string_view strippedTo = StripPluralOrPeriod(to);
    if (strippedFrom.size() == from.size() && strippedTo.size() == to.size()) return first;
    return graph.Lookup(strippedFrom, strippedTo, factor, budget);
}

UnitFactorResult UnitTreeFactor(const UnitGraph& graph, const UnitTree& from, const UnitTree& to,
                                double& factor, std::int64_t& budget, int* failedTerm) {
    std::vector<double> factors(from.terms.size(), 1.0);
    for (std::size_t i = 0; i < from.terms.size(); ++i) {
        const UnitTerm& a = from.terms[i];
        double& f = factors[i];
        if (a.kind == UnitTerm::kName) {
            switch (LookupUnitName(graph, a.name, to.terms[i].name, f, budget)) {
                case UnitLookupResult::kFound:
                    break;
                case UnitLookupResult::kNotFound:
                    if (failedTerm) *failedTerm = static_cast<int>(i);
                    return UnitFactorResult::kNoChain;
                case UnitLookupResult::kBudgetExhausted:
                    return UnitFactorResult::kBudgetExhausted;
                case UnitLookupResult::kCancelled:
                    return UnitFactorResult::kCancelled;
            }
        } else if (a.kind == UnitTerm::kCall) {
            const double left = factors[static_cast<std::size_t>(a.left)];
            const double right = factors[static_cast<std::size_t>(a.right)];
            if (a.functionId == UnitTerm::kMultiply) {
                f = left * right;
            } else if (a.functionId == UnitTerm::kDivide) {
                f = left / right;
            } else {
                f = std::pow(left, from.terms[static_cast<std::size_t>(a.right)].value);
            }
        }
    }
    factor = factors.empty() ? 1.0 : factors.back();
    return UnitFactorResult::kOk;
}

}  // namespace quorvix
