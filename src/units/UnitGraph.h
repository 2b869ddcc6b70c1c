#pragma once
// The name lookup of the unit conversion: a depth-first search over simple
// chains of conversion-list rows from one unit name to another, trying rows
// in index order and taking the first chain found (not the shortest).
//
// The graph is an index over one state of the conversion list: unit texts,
// compared by the case rule of units/UnitText.h, become small integers, and each unit
// knows the rows that name it (as name or base) in index order, so the
// search visits exactly the rows a full walk of the list would match, in
// the same order, without scanning the rest.
//
// The search is bounded by a budget of row visits shared by all lookups of
// one conversion: a dense graph of user conversions has exponentially many
// simple chains, and a failing lookup would otherwise run for hours.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvix {

class ConversionList;

enum class UnitLookupResult { kFound, kNotFound, kBudgetExhausted, kCancelled };

// Row visits allowed for one conversion. The built-in catalogue needs a few
// hundred at most for any pair of its units.
inline constexpr std::int64_t kDefaultUnitSearchBudget = 2'000'000;

class UnitGraph {
public:
    explicit UnitGraph(const ConversionList& list);

    // The unit's index, or -1 when no row names it.
    int FindUnit(std::string_view text) const;
    int UnitCount() const { return static_cast<int>(unitNames_.size()); }

    // Looks up the factor that converts from -> to: 1 when the names match
    // (known or not; case ignored except for case-sensitive names), else the product of the row
    // factors (or their inverses) along the first chain found. Each examined
    // row costs one unit of budget; when the budget runs out the search
    // stops with kBudgetExhausted. A cancel request (engine/Cancellation.h)
    // stops it with kCancelled.
    UnitLookupResult Lookup(std::string_view from, std::string_view to, double& factor,
                            std::int64_t& budget) const;

private:
    struct Frame {
        int unit;       // the unit this level searches from
        int next;       // next position in the unit's row list
        int viaRow;     // the row that led here, -1 at the start
        double step;    // factor of viaRow in the direction it was taken
    };

    int InternUnit(std::string_view text);

    std::unordered_map<std::string, int> unitIds_;  // UnitNameKey -> index
    std::vector<std::string> unitNames_;
    std::vector<int> rowName_;
    std::vector<int> rowBase_;
    std::vector<double> rowFactor_;
    // Rows naming each unit, in index order: rowsOfUnit_[unitStart_[u] ..
    // unitStart_[u + 1]).
    std::vector<int> unitStart_;
    std::vector<int> rowsOfUnit_;

    mutable std::vector<char> onPath_;
    mutable std::vector<Frame> stack_;
};

}  // namespace quorvix
