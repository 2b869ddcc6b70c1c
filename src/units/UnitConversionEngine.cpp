#include "units/UnitConversionEngine.h"

#include <string>
#include <vector>

#include "engine/Evaluator.h"
#include "engine/TextRules.h"
#include "units/ConversionList.h"
#include "units/TemperatureScales.h"
#include "units/UnitAliases.h"
#include "units/UnitText.h"
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

std::string NotUnderstood(std::string_view unit) {
    std::string text = "the unit \"";
    text.append(unit).append("\" is not understood");
    return text;
}

bool IsNotUnderstood(std::string_view failure) { return failure.starts_with("the unit "); }

std::string CannotConvert(std::string_view from, std::string_view to) {
    std::string text = "\"";
    text.append(from).append("\" cannot be converted to \"").append(to).append("\"");
    return text;
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
    failure_.clear();
    const std::string_view from = TrimSpaces(fromText);
    const std::string_view to = TrimSpaces(toText);
    // An absolute temperature below absolute zero is refused on every scale,
    // before equal texts could pass it through unchanged.
    if (IsTemperatureBelowAbsoluteZero(value, from, to)) {
        failure_ = "the temperature is below absolute zero";
        return kBadArgument;
    }
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

    EvalError code = ConvertParsed(value, from, to, sameIgnoringCase, result);
    if (code != kBadArgument) return code;
    // Once more with a compound alias written out ("mph" as mi/h), when
    // either text is one. A unit the first try did not understand is still
    // the failure to report; otherwise the texts as written do not convert.
    const auto fromAlias = ExpandCompoundAlias(from);
    const auto toAlias = ExpandCompoundAlias(to);
    if (!fromAlias && !toAlias) return code;
    const std::int64_t firstCost = lastSearchCost_;
    std::string firstFailure = std::move(failure_);
    code = ConvertParsed(value, fromAlias.value_or(from), toAlias.value_or(to), false, result);
    lastSearchCost_ += firstCost;
    if (code == kBadArgument) {
        failure_ = IsNotUnderstood(firstFailure) ? std::move(firstFailure) : CannotConvert(from, to);
    }
    return code;
}

EvalError UnitConversionEngine::ConvertParsed(double value, std::string_view from,
                                              std::string_view to, bool sameIgnoringCase,
                                              double& result) {
    result = 0.0;
    // Parsing only builds trees (the unit parsers evaluate nothing and have no
    // conversion service), so no conversion can start inside another one and
    // the two member parsers serve every call.
    UnitTree fromTree, toTree;
    const bool fromParsed = ParseUnit(*fromParser_, from, fromTree);
    if (!fromParsed || !ParseUnit(*toParser_, to, toTree)) {
        if (!sameIgnoringCase) {
            failure_ = NotUnderstood(fromParsed ? to : from);
            return kBadArgument;
        }
        result = value;
        return kNoError;
    }
    if (!SameUnitShape(fromTree, toTree)) {
        failure_ = CannotConvert(from, to);
        return kBadArgument;
    }

    std::int64_t budget = searchBudget_;
    double factor = 1.0;
    int failedTerm = -1;
    const UnitFactorResult found =
        UnitTreeFactor(Graph(), fromTree, toTree, factor, budget, &failedTerm);
    lastSearchCost_ = searchBudget_ - budget;
    if (found == UnitFactorResult::kCancelled) return kEvaluationCancelled;
    if (found != UnitFactorResult::kOk) {
        if (failedTerm >= 0) {
            const auto term = static_cast<std::size_t>(failedTerm);
            failure_ = NameFailure(fromTree.terms[term].name, toTree.terms[term].name);
        } else {
            failure_ = "the search for a chain of conversions gave up";
        }
        return kBadArgument;
    }
    result = value * factor;
    return kNoError;
}

std::string UnitConversionEngine::NameFailure(std::string_view from, std::string_view to) {
    const UnitGraph& graph = Graph();
    auto known = [&](std::string_view name) {
        return graph.FindUnit(name) >= 0 || graph.FindUnit(StripPluralOrPeriod(name)) >= 0 ||
               ExpandCompoundAlias(name).has_value();
    };
    if (!known(from)) return NotUnderstood(from);
    if (!known(to)) return NotUnderstood(to);
    return CannotConvert(from, to);
}

}  // namespace quorvix
