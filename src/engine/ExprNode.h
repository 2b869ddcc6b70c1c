#pragma once
// One node of a parsed expression. The parser fills it from its text (its
// scanning state stays in the parser); the evaluator computes it
// (repeatedly, if needed) into `value`.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EvalError.h"

namespace quorvix {

class CompiledProgram;
class Evaluator;
struct ValueSlot;

enum NodeKind : std::int32_t {
    kNumberNode = 1,  // value is final
    kSlotNode = 2,    // reads slot `index` (in unit mode: a bare name leaf)
    kCallNode = 3,    // operator or function `functionId`
    kListNode = 4,    // argument list: left = first argument, right = the rest
    kStringNode = 5,  // quoted text: `text` holds the characters between the quotes
};

class ExprNode {
public:
    ExprNode();
    ~ExprNode();
    ExprNode(const ExprNode&) = delete;
    ExprNode& operator=(const ExprNode&) = delete;

    // Back to an unparsed number 0: frees the children and clears the parse
    // state and errno. listMode is kept.
    void Reset();
    // Frees both subtrees without recursing down long left spines.
    void FreeChildren();

    // --- The tree: what the parser made of the text ------------------------
    std::int32_t kind = kNumberNode;
    double value = 0.0;  // a number's value; after evaluation, the result
    // Literal text, operator character or name; for a string node and for a
    // unit-mode name, the characters as they were typed (case kept).
    std::string token;
    std::int32_t functionId = 0;  // for calls
    std::unique_ptr<ExprNode> left;
    std::unique_ptr<ExprNode> right;
    std::int32_t index = 0;  // slot index, or the user function's list index
    bool listMode = false;   // parsed as an argument list: separators split

    // --- The text the node was parsed from ---------------------------------
    // The source text, upper-cased; for a string node the characters
    // between the quotes. It owns nothing: it views
    //   - the owner Evaluator's expression (valid until its next
    //     SetExpression), or
    //   - this node's ownText, or an ancestor's ownText (valid while that
    //     node lives and keeps its ownText).
    // A node's children never outlive it, and ownText is only replaced on
    // a node that has no children (a variable expanded while parsing), so a
    // parsed tree's views stay valid until the owner sets a new expression.
    std::string_view text;
    std::string ownText;     // storage for a variable's formula expanded here

    // --- Outcome of parsing and of the last evaluation ---------------------
    std::string resultText;  // result of a text-valued function (HEX, FZEROS, ...)
    bool parsed = false;
    std::int32_t errorPosition = 0;  // index into text of a parse failure
    EvalError error = kNoError;
    bool hasText = false;  // resultText is the value (text-valued function)

    // --- Shared by the whole tree ------------------------------------------
    // The owner's value slots (t, ANS, a user function's arguments), which
    // slot nodes read.
    std::vector<ValueSlot>* valueSlots = nullptr;
    Evaluator* owner = nullptr;

    // --- Evaluation aids ---------------------------------------------------
    // A run of operators of one precedence level ("1+2-3+4") is a left-deep
    // chain of binary nodes. Each node of the chain below the top points to
    // the node above it here, so the chain is evaluated and freed by a loop
    // instead of by recursion as deep as the chain is long.
    ExprNode* chainParent = nullptr;

    // A subtree evaluated a second time is compiled into a flat program
    // (when it holds only numbers, slots, operators and plain functions),
    // which later evaluations run instead of walking the tree.
    std::unique_ptr<CompiledProgram> program;
    std::uint8_t evaluations = 0;  // counts up to 2, when compiling is tried
};

}  // namespace quorvix
