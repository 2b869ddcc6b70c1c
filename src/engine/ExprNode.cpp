#include "engine/ExprNode.h"

#include <cerrno>

#include "engine/CompiledProgram.h"

namespace quorvix {

ExprNode::ExprNode() = default;

ExprNode::~ExprNode() { FreeChildren(); }

void ExprNode::FreeChildren() {
    // Operator chains hang off the left, and can be tens of thousands long.
    // Detach each left child before freeing its node so that no destructor
    // recurses further than the nesting of parentheses.
    std::unique_ptr<ExprNode> l = std::move(left);
    while (l) {
        std::unique_ptr<ExprNode> next = std::move(l->left);
        l.reset();
        l = std::move(next);
    }
    right.reset();
}

void ExprNode::Reset() {
    FreeChildren();
    kind = kNumberNode;
    value = 0.0;
    token.clear();
    functionId = 0;
    index = 0;
    resultText.clear();
    parsed = false;
    errorPosition = 0;
    error = kNoError;
    hasText = false;
    chainParent = nullptr;
    program.reset();
    evaluations = 0;
    errno = 0;
}

}  // namespace quorvix
