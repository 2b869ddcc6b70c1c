#include "units/UnitConversionEngine.h"

#include <string>
#include <vector>

#include "engine/Evaluator.h"
#include "engine/TextRules.h"
#include "units/ConversionList.h"
#include "units/TemperatureScales.h"
#include "units/UnitTree.h"

namespace quorvix {
namespace {

// Copies a parsed tree into post-order without recursion: a run of
// operators in a unit text ("m*m*m*...") parses as a long left spine.
void CollectTerms(const ExprNode& root, UnitTree& tree) {
    struct Pending {
        const ExprNode* node;
        bool childrenDone;
    };
    tree.terms.clear();
    std::vector<Pending> pending{{&root, false}};
    std::vector<int> finished;  // positions of completed subtrees, in order
    while (!pending.empty()) {
        const Pending item = pending.back();
        pending.pop_back();
        const ExprNode& node = *item.node;
        if (!item.childrenDone) {
            pending.push_back({&node, true});
            if (node.right) pending.push_back({node.right.get(), false});
            if (node.left) pending.push_back({node.left.get(), false});
            continue;
        }
        UnitTerm term;
        term.kind = node.kind;
        term.functionId = node.functionId;
        term.value = node.value;
        if (node.kind == kSlotNode) term.name = node.token;
        if (node.right) {
            term.right = finished.back();
            finished.pop_back();
        }
        if (node.left) {
            term.left = finished.back();
            finished.pop_back();
        }
        finished.push_back(static_cast<int>(tree.terms.size()));
        tree.terms.push_back(std::move(term));
    }
}

std::unique_ptr<Evaluator> MakeUnitParser() {
    auto evaluator = std::make_unique<Evaluator>();
    evaluator->setUnitMode(true);
    return evaluator;
}

}  // namespace

UnitConversionEngine::UnitConversionEngine(const ConversionList& list)
    : list_(list), fromParser_(MakeUnitParser()), toParser_(MakeUnitParser()) {}

UnitConversionEngine::~UnitConversionEngine() = default;

const UnitGraph& UnitConversionEngine::Graph() {
    // The index is rebuilt whenever the list changed since it was built, so
    // every conversion sees the list as it is now.
    if (!graph_ || graphRevision_ != list_.revision()) {
        graph_ = std::make_unique<UnitGraph>(list_);
        graphRevision_ = list_.revision();
    }
    return *graph_;
}

bool UnitConversionEngine::ParseUnit(Evaluator& evaluator, std::string_view text,
                                     UnitTree& tree) {
    evaluator.SetExpression(text);
    if (evaluator.Parse() != kNoError) return false;
    CollectTerms(evaluator.Root(), tree);
    return true;
}

EvalError UnitConversionEngine::ConvertUnits(double value, std::string_view fromText,
                                             std::string_view toText, double& result) {
    result = 0.0;
    lastSearchCost_ = 0;
    const std::string_view from = TrimSpaces(fromText);
    const std::string_view to = TrimSpaces(toText);
    // An absolute temperature below absolute zero is refused on every scale,
    // before equal texts could pass it through unchanged.
    if (IsTemperatureBelowAbsoluteZero(value, from, to)) return kBadArgument;
    // Texts that differ at most in case give the value unchanged, known
    // units or not, unless a case-sensitive name tells two units apart ("g"
    // against "G"): such texts go on to be converted, and only a text that
    // does not parse still gives the value unchanged.
    const bool sameIgnoringCase = EqualsIgnoringCase(from, to);
    if (sameIgnoringCase && from == to) {
        result = value;
        return kNoError;
    }

    const TemperatureScale fromScale = ClassifyTemperatureScale(from);
    const TemperatureScale toScale = ClassifyTemperatureScale(to);
    if (fromScale != TemperatureScale::kNone && toScale != TemperatureScale::kNone) {
        result = ConvertTemperature(value, fromScale, toScale);
        return kNoError;
    }

    // Parsing only builds trees (the unit parsers evaluate nothing and have no
    // conversion service), so no conversion can start inside another one and
    // the two member parsers serve every call.
    UnitTree fromTree, toTree;
    if (!ParseUnit(*fromParser_, from, fromTree) || !ParseUnit(*toParser_, to, toTree)) {
        if (!sameIgnoringCase) return kBadArgument;
        result = value;
        return kNoError;
    }
    if (!SameUnitShape(fromTree, toTree)) return kBadArgument;

    std::int64_t budget = searchBudget_;
    double factor = 1.0;
    const UnitFactorResult found = UnitTreeFactor(Graph(), fromTree, toTree, factor, budget);
    lastSearchCost_ = searchBudget_ - budget;
    if (found == UnitFactorResult::kCancelled) return kEvaluationCancelled;
    if (found != UnitFactorResult::kOk) return kBadArgument;
    result = value * factor;
    return kNoError;
}

}  // namespace quorvix
