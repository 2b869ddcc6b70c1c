#pragma once
// The unit conversion behind CONVERT, the unit converter window and the
// user conversions dialog. It converts a value between two unit texts:
// equal texts give the value unchanged, absolute temperatures on the
// Celsius, Kelvin and Fahrenheit scales go by formula, and everything else
// is parsed as a product, quotient or power of unit names and numbers, and
// converted by the factors of chains of conversion-list rows. Names are
// compared by the case rule of units/UnitText.h ("g" gram, "G" gauss), so
// texts keep the case they were typed in.
//
// Unit texts are parsed by the engine's parser on this object's own
// Evaluators in unit mode, so the user's Evaluator, its variables and
// settings are never touched. Connect it to an Evaluator with
// evaluator.setUnitConversion(&engine).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/UnitConversionService.h"
#include "units/UnitGraph.h"

namespace quorvix {

class ConversionList;
class Evaluator;
struct UnitTree;

class UnitConversionEngine final : public UnitConversionService {
public:
    // The list must outlive this object; it is read at every conversion,
    // so user conversions added later take part.
    explicit UnitConversionEngine(const ConversionList& list);
    ~UnitConversionEngine() override;
    UnitConversionEngine(const UnitConversionEngine&) = delete;
    UnitConversionEngine& operator=(const UnitConversionEngine&) = delete;

    // Returns 0 and sets result, or kBadArgument (11) with result 0 when a
    // unit text does not parse, the two texts differ in shape, a name has
    // no chain to its counterpart, the search budget runs out, or both texts
    // name temperature scales and the value lies below absolute zero;
    // kEvaluationCancelled (17) when a cancel request stopped the search.
    EvalError ConvertUnits(double value, std::string_view from, std::string_view to,
                           double& result) override;
    std::string FailureText() const override { return failure_; }

    // Row visits one conversion may spend searching for chains.
    void setSearchBudget(std::int64_t budget) { searchBudget_ = budget; }
    std::int64_t searchBudget() const { return searchBudget_; }
    // Row visits the last conversion spent (for tests and benchmarks).
    std::int64_t lastSearchCost() const { return lastSearchCost_; }

private:
    const UnitGraph& Graph();
    bool ParseUnit(Evaluator& evaluator, std::string_view text, UnitTree& tree);
    // One attempt over two trimmed texts that are not temperature scales;
    // sets failure_ when it fails.
    EvalError ConvertParsed(double value, std::string_view from, std::string_view to,
                            bool sameIgnoringCase, double& result);
    std::string NameFailure(std::string_view from, std::string_view to);

    const ConversionList& list_;
    std::unique_ptr<UnitGraph> graph_;
    std::uint64_t graphRevision_ = 0;
    std::unique_ptr<Evaluator> fromParser_;
    std::unique_ptr<Evaluator> toParser_;
    std::int64_t searchBudget_ = kDefaultUnitSearchBudget;
    std::int64_t lastSearchCost_ = 0;
    std::string failure_;
};

}  // namespace quorvix
