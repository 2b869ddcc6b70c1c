#pragma once
// Turns the text of a node into a tree (split at the loosest operator, then
// postfix, group, literal or name).

#include "engine/ExprNode.h"

namespace quorvix {

class Evaluator;

// Parses `node` (normally the owner's root). On failure the node's error and
// errorPosition are set and errorLength tells how many characters to mark.
EvalError ParseTree(Evaluator& owner, ExprNode& node, int& errorLength);

// Limits that keep hostile input bounded, checked before the text is
// parsed: parentheses nested deeper than kMaxParenDepth fail with
// "Unbalanced parenthesis" at the first parenthesis too deep, a run of more
// than kMaxPostfixRun postfix operators with "Unexpected character" at the
// first one too many. kMaxParseDepth is the last line of defence for the
// recursion (nesting through variables). A tree that grows past the budgets
// (variables that use each other repeatedly) fails with "Overflow".
constexpr int kMaxParenDepth = 200;
constexpr int kMaxPostfixRun = 200;
constexpr int kMaxParseDepth = 1000;
constexpr long kMaxParseNodes = 200000;
constexpr long kMaxExpandedCharacters = 4000000;

}  // namespace quorvix
