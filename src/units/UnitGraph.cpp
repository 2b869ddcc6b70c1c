#include "units/UnitGraph.h"

#include "engine/Cancellation.h"
#include "units/ConversionList.h"
#include "units/UnitAliases.h"
#include "units/UnitText.h"

namespace quorvix {

namespace {
constexpr std::int64_t kRowsPerCancelCheck = 4096;
}  // namespace

UnitGraph::UnitGraph(const ConversionList& list) {
    // The conversion list, then the common aliases (units/UnitAliases.h).
    const int rows = list.size() + kNamedAliasCount;
    rowName_.reserve(static_cast<std::size_t>(rows));
    rowBase_.reserve(static_cast<std::size_t>(rows));
    rowFactor_.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        if (r < list.size()) {
            const UnitRecord& record = list.at(r);
            rowName_.push_back(InternUnit(record.name));
            rowBase_.push_back(InternUnit(record.base));
            rowFactor_.push_back(record.factor);
        } else {
            const CatalogueRow& alias = NamedAliasAt(r - list.size());
            rowName_.push_back(InternUnit(alias.name));
            rowBase_.push_back(InternUnit(alias.base));
            rowFactor_.push_back(alias.factor);
        }
    }
    // Rows per unit, counted then filled in index order.
    const std::size_t units = unitNames_.size();
    unitStart_.assign(units + 1, 0);
    for (int r = 0; r < rows; ++r) {
        ++unitStart_[static_cast<std::size_t>(rowName_[r]) + 1];
        if (rowBase_[r] != rowName_[r]) ++unitStart_[static_cast<std::size_t>(rowBase_[r]) + 1];
    }
    for (std::size_t u = 0; u < units; ++u) unitStart_[u + 1] += unitStart_[u];
    rowsOfUnit_.assign(static_cast<std::size_t>(unitStart_[units]), 0);
    std::vector<int> fill(unitStart_.begin(), unitStart_.end() - 1);
    for (int r = 0; r < rows; ++r) {
        rowsOfUnit_[static_cast<std::size_t>(fill[static_cast<std::size_t>(rowName_[r])]++)] = r;
        if (rowBase_[r] != rowName_[r]) {
            rowsOfUnit_[static_cast<std::size_t>(fill[static_cast<std::size_t>(rowBase_[r])]++)] = r;
        }
    }
    onPath_.assign(static_cast<std::size_t>(rows), 0);
}

int UnitGraph::InternUnit(std::string_view text) {
    auto [it, inserted] = unitIds_.try_emplace(UnitNameKey(text), static_cast<int>(unitNames_.size()));
    if (inserted) unitNames_.emplace_back(text);
    return it->second;
}

int UnitGraph::FindUnit(std::string_view text) const {
    const auto it = unitIds_.find(UnitNameKey(text));
    return it == unitIds_.end() ? -1 : it->second;
}

UnitLookupResult UnitGraph::Lookup(std::string_view from, std::string_view to, double& factor,
                                   std::int64_t& budget) const {
    if (UnitNamesMatch(from, to)) {
        factor = 1.0;
        return UnitLookupResult::kFound;
    }
    const int start = FindUnit(from);
    if (start < 0) return UnitLookupResult::kNotFound;
    const int target = FindUnit(to);  // -1: no row can end the chain

    // Each stack level is one recursive lookup (unit, to) of the classic
    // formulation; the rows on the stack form the search path.
    stack_.clear();
    stack_.push_back(Frame{start, unitStart_[static_cast<std::size_t>(start)], -1, 1.0});
    UnitLookupResult result = UnitLookupResult::kNotFound;
    while (!stack_.empty()) {
        Frame& frame = stack_.back();
        if (frame.next == unitStart_[static_cast<std::size_t>(frame.unit) + 1]) {
            if (frame.viaRow >= 0) onPath_[static_cast<std::size_t>(frame.viaRow)] = 0;
            stack_.pop_back();
            continue;
        }
        if (budget <= 0) {
            result = UnitLookupResult::kBudgetExhausted;
            break;
        }
        // Every few thousand rows: a search that is about to exhaust a
        // large budget takes long enough to be worth stopping.
        if ((budget & (kRowsPerCancelCheck - 1)) == 0 && EvaluationCancelRequested()) {
            result = UnitLookupResult::kCancelled;
            break;
        }
        --budget;
        const int row = rowsOfUnit_[static_cast<std::size_t>(frame.next++)];
        if (onPath_[static_cast<std::size_t>(row)]) continue;

        // The name side is tried first; when it matches, the base side of
        // the same row is not tried.
        const bool forward = rowName_[static_cast<std::size_t>(row)] == frame.unit;
        const int other = forward ? rowBase_[static_cast<std::size_t>(row)]
                                  : rowName_[static_cast<std::size_t>(row)];
        const double step = forward ? rowFactor_[static_cast<std::size_t>(row)]
                                    : 1.0 / rowFactor_[static_cast<std::size_t>(row)];
        if (other == target) {
            // Multiply back up the chain, innermost first, as the recursive
            // formulation does: f1 * (f2 * (... * fn)).
            double f = step;
            for (std::size_t level = stack_.size(); level-- > 1;) f = stack_[level].step * f;
            factor = f;
            result = UnitLookupResult::kFound;
            break;
        }
        onPath_[static_cast<std::size_t>(row)] = 1;
        stack_.push_back(Frame{other, unitStart_[static_cast<std::size_t>(other)], row, step});
    }
    // Leave the path marks clean for the next lookup.
    for (const Frame& frame : stack_) {
        if (frame.viaRow >= 0) onPath_[static_cast<std::size_t>(frame.viaRow)] = 0;
    }
    stack_.clear();
    return result;
}

}  // namespace quorvix
