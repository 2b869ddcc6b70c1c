#pragma once
// Turns the text of a node into a tree (split at the loosest operator, then
// postfix, group, literal or name).

#include "engine/ExprNode.h"

namespace quorvix {

class Evaluator;

// Parses `node` (normally the owner's root). On failure the node's error and
// errorPosition are set and errorLength tells how many characters to mark.
EvalError ParseTree(Evaluator& owner, ExprNode& node, int& errorLength);

// Limits that keep hostile input bounded. Deeper nesting fails with
// "Unbalanced parenthesis"; a tree (for example through variables that use
// each other repeatedly) that grows past the budgets fails with "Overflow".
constexpr int kMaxParseDepth = 400;
constexpr long kMaxParseNodes = 200000;
constexpr long kMaxExpandedCharacters = 4000000;

}  // namespace quorvix
