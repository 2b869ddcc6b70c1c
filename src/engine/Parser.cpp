#include "engine/Parser.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "engine/BuiltinNames.h"
#include "engine/Cancellation.h"
#include "engine/Evaluator.h"
#include "engine/TextRules.h"

namespace quorvix {

namespace {

constexpr double kPi = 3.141592653589793;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsNameChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

int FunctionIdOfOperator(char op) {
    switch (op) {
        case '+': return kAdd;
        case '-': return kSubtract;
        case '*': return kMultiply;
        case '/': return kDivide;
        default: return kPower;
    }
}

// Offset of a view inside the text it was cut from.
int OffsetIn(std::string_view outer, std::string_view inner) {
    return static_cast<int>(inner.data() - outer.data());
}

// Text between double quotes is not scanned for operators, separators or
// parentheses, so a unit such as "km/h" stays one string. When the quotes
// of a text do not pair up, they are ignored and the unclosed one is
// reported by the string literal step.
bool QuotesPairUp(std::string_view t) {
    int n = 0;
    bool any = false;
    for (char c : t) {
        if (c == '"') {
            ++n;
            any = true;
        }
    }
    return any && n % 2 == 0;
}

// Tells, character by character in scanning order, whether a character
// stands outside the quoted parts of a text (see QuotesPairUp).
class QuoteFilter {
public:
    explicit QuoteFilter(std::string_view text) : active_(QuotesPairUp(text)) {}
    bool Outside(char c) {
        if (active_ && c == '"') {
            inside_ = !inside_;
            return false;
        }
        return !inside_;
    }

private:
    bool active_;
    bool inside_ = false;
};

struct Context {
    explicit Context(Evaluator& evaluator) : owner(evaluator) {}
    Evaluator& owner;
    int errorLength = 1;
    long nodesLeft = kMaxParseNodes;
    long charsLeft = kMaxExpandedCharacters;
    // The variables being expanded on the path from the root to the node
    // being parsed. The tree is parsed depth first, so this one stack serves
    // every node; a copy per node would cost the depth of the expansion for
    // each of up to kMaxParseNodes nodes.
    std::vector<std::uint16_t> expanding;
    unsigned expansions = 0;
};

// Where one pass over a node's text has got to, once it examines the text
// from its first non-blank character on (postfix operator, group, literal,
// string or name): the index of the character looked at, and that
// character (0 past the end). It lives only during that pass.
struct Scanner {
    std::size_t position = 0;
    char current = 0;
};

// How many variable expansions pass between two looks at the cancel flag.
constexpr unsigned kExpansionsPerCancelCheck = 64;

EvalError ParseNodeAt(ExprNode& node, Context& ctx, int depth);

EvalError Fail(ExprNode& node, Context& ctx, EvalError code, int position, int length) {
    node.error = code;
    node.errorPosition = position;
    ctx.errorLength = length < 1 ? 1 : length;
    return code;
}

std::unique_ptr<ExprNode> MakeChild(const ExprNode& parent, std::string_view text, bool listMode,
                                    Context& ctx) {
    if (--ctx.nodesLeft < 0) return nullptr;
    auto child = std::make_unique<ExprNode>();
    child->owner = parent.owner;
    child->valueSlots = parent.valueSlots;
    child->text = text;
    child->listMode = listMode;
    return child;
}

// Refuses a text whose parentheses nest, or whose postfix operators repeat,
// too deeply to be parsed and evaluated with bounded recursion. One pass, so
// that a long hostile line is refused quickly.
EvalError CheckNesting(ExprNode& node, Context& ctx) {
    const std::string_view t = node.text;
    QuoteFilter quotes(t);
    int parenDepth = 0;
    int postfixRun = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (!quotes.Outside(c)) continue;
        if (c == '(' && ++parenDepth > kMaxParenDepth)
            return Fail(node, ctx, kUnbalancedParenthesis, static_cast<int>(i), 1);
        if (c == ')') --parenDepth;
        if (c == '!' || c == '%') {
            if (++postfixRun > kMaxPostfixRun)
                return Fail(node, ctx, kUnexpectedCharacter, static_cast<int>(i), 1);
        } else if (!IsSpace(c)) {
            postfixRun = 0;
        }
    }
    return kNoError;
}

// True when the digit at j ends a name (R2 in "R2D"): the run of name
// characters that holds it starts with a letter or '_' that is not the
// first digit of a radix literal after '#'.
bool DigitEndsName(std::string_view t, std::size_t j) {
    std::size_t s = j;
    while (s > 0 && IsNameChar(t[s - 1])) --s;
    if (IsDigit(t[s])) return false;
    return s == 0 || t[s - 1] != '#';
}

// A '+' or '-' at i that belongs to an exponent (1.5E-3): a digit follows,
// and before it stand an 'E' or 'D' and then a digit or decimal separator
// of a number literal. In "R2D-1" or "A1E-5" the letter ends a name, and
// the sign is an operator.
bool IsExponentSign(std::string_view t, std::size_t i, std::size_t end) {
    std::size_t j = i + 1;
    while (j < end && IsSpace(t[j])) ++j;
    if (j >= end || !IsDigit(t[j])) return false;
    std::size_t k = i;
    while (k > 0 && IsSpace(t[k - 1])) --k;
    if (k == 0 || (t[k - 1] != 'E' && t[k - 1] != 'D')) return false;
    --k;
    while (k > 0 && IsSpace(t[k - 1])) --k;
    if (k == 0) return false;
    if (t[k - 1] == DecimalSeparator()) return true;
    return IsDigit(t[k - 1]) && !DigitEndsName(t, k - 1);
}

bool HasNonBlank(std::string_view t, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (!IsSpace(t[i])) return true;
    }
    return false;
}

bool HasNonBlankBefore(std::string_view t, std::size_t i) {
    while (i > 0) {
        if (!IsSpace(t[--i])) return true;
    }
    return false;
}

// Splits at every operator of one precedence level, as a left-deep chain:
// "a-b+c" becomes (a-b)+c, with the same checks, positions and order of
// reports as splitting at the rightmost operator and parsing the left part
// again, but in one pass over the text. `found` tells whether it split.
EvalError SplitOperators(ExprNode& node, Context& ctx, int depth, std::string_view ops,
                         bool& found) {
    const std::string_view t = node.text;
    QuoteFilter quotes(t);
    const bool plusMinus = ops[0] == '+';
    std::vector<int> splits;  // right to left
    std::size_t segmentEnd = t.size();
    int parenDepth = 0;
    int firstClose = -1;
    for (std::size_t i = t.size(); i-- > 0;) {
        const char c = t[i];
        if (!quotes.Outside(c)) continue;
        if (c == ')') {
            if (firstClose < 0) firstClose = static_cast<int>(i);
            ++parenDepth;
        } else if (c == '(') {
            if (--parenDepth < 0) return Fail(node, ctx, kUnbalancedParenthesis, static_cast<int>(i), 1);
        } else if (parenDepth == 0 && ops.find(c) != std::string_view::npos) {
            if (plusMinus && IsExponentSign(t, i, segmentEnd)) continue;
            if ((!plusMinus && !HasNonBlankBefore(t, i)) || !HasNonBlank(t, i + 1, segmentEnd))
                return Fail(node, ctx, kDanglingOperator, static_cast<int>(i), 1);
            splits.push_back(static_cast<int>(i));
            segmentEnd = i;
            firstClose = -1;
        }
    }
    if (parenDepth > 0) return Fail(node, ctx, kUnbalancedParenthesis, firstClose, 1);
    found = !splits.empty();
    if (!found) return kNoError;

    // splits[0] is the rightmost operator: this node. Each further split
    // is the left child of the one before it.
    const std::size_t n = splits.size();
    std::vector<ExprNode*> chain(n);
    ExprNode* chainNode = &node;
    for (std::size_t s = 0; s < n; ++s) {
        const std::size_t k = static_cast<std::size_t>(splits[s]);
        chain[s] = chainNode;
        chainNode->kind = kCallNode;
        chainNode->token.assign(1, t[k]);
        chainNode->functionId = FunctionIdOfOperator(t[k]);
        const std::size_t rightEnd = s == 0 ? t.size() : static_cast<std::size_t>(splits[s - 1]);
        chainNode->right = MakeChild(node, t.substr(k + 1, rightEnd - k - 1), false, ctx);
        chainNode->left = MakeChild(node, t.substr(0, k), false, ctx);
        if (!chainNode->left || !chainNode->right) return Fail(node, ctx, kOverflow, 0, 1);
        if (s + 1 < n) chainNode->left->chainParent = chainNode;
        chainNode = chainNode->left.get();
    }
    // chainNode is the leftmost operand. Parse the operands left to right.
    EvalError code = ParseNodeAt(*chainNode, ctx, depth + 1);
    if (code != kNoError) return Fail(node, ctx, code, chainNode->errorPosition, ctx.errorLength);
    for (std::size_t s = n; s-- > 0;) {
        ExprNode& operand = *chain[s]->right;
        code = ParseNodeAt(operand, ctx, depth + 1);
        if (code != kNoError)
            return Fail(node, ctx, code, operand.errorPosition + splits[s] + 1, ctx.errorLength);
        chain[s]->parsed = true;
    }
    return kNoError;
}

// The first argument separator outside parentheses (and quotes), from the
// left. Returns its index, -1 when there is none, or fails.
EvalError FindSeparator(ExprNode& node, Context& ctx, int& where) {
    const std::string_view t = node.text;
    const char sep = ArgumentSeparator();
    QuoteFilter quotes(t);
    int parenDepth = 0;
    int firstOpen = -1;
    where = -1;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (!quotes.Outside(c)) continue;
        if (c == '(') {
            if (firstOpen < 0) firstOpen = static_cast<int>(i);
            ++parenDepth;
        } else if (c == ')') {
            if (--parenDepth < 0) return Fail(node, ctx, kUnbalancedParenthesis, static_cast<int>(i), 1);
        } else if (c == sep && parenDepth == 0) {
            where = static_cast<int>(i);
            return kNoError;
        }
    }
    if (parenDepth > 0) return Fail(node, ctx, kUnbalancedParenthesis, firstOpen, 1);
    return kNoError;
}

// "a, b, c" in list mode: a list node whose left is a and whose right is the
// list "b, c" (or the last argument alone).
EvalError SplitList(ExprNode& node, Context& ctx, int depth, int k) {
    const std::string_view t = node.text;
    const std::size_t at = static_cast<std::size_t>(k);
    node.kind = kListNode;
    node.token.assign(1, t[at]);
    node.left = MakeChild(node, t.substr(0, at), true, ctx);
    node.right = MakeChild(node, t.substr(at + 1), true, ctx);
    if (!node.left || !node.right) return Fail(node, ctx, kOverflow, 0, 1);
    EvalError code = ParseNodeAt(*node.left, ctx, depth + 1);
    if (code != kNoError) return Fail(node, ctx, code, node.left->errorPosition, ctx.errorLength);
    code = ParseNodeAt(*node.right, ctx, depth + 1);
    if (code != kNoError) return Fail(node, ctx, code, node.right->errorPosition + k + 1, ctx.errorLength);
    node.parsed = true;
    return kNoError;
}

// Separators at parenthesis depth 0 (outside quotes).
int CountSeparators(std::string_view t) {
    const char sep = ArgumentSeparator();
    QuoteFilter quotes(t);
    int parenDepth = 0;
    int count = 0;
    for (char c : t) {
        if (!quotes.Outside(c)) continue;
        if (c == '(') ++parenDepth;
        else if (c == ')') --parenDepth;
        else if (c == sep && parenDepth == 0) ++count;
    }
    return count;
}

// The arguments of a call (or the operand of a postfix operator).
EvalError ParseArguments(ExprNode& node, Context& ctx, int depth, const Scanner& scan, int minArgs,
                         int maxArgs) {
    const std::string_view t = node.text;
    std::string_view args;
    if (scan.current == '(') {
        // Between the '(' and the last character (the closing parenthesis).
        const std::size_t from = scan.position + 1;
        args = from < t.size() ? t.substr(from, t.size() - 1 - from) : t.substr(t.size());
    } else {
        args = t.substr(scan.position);
    }
    args = TrimSpaces(args);
    const int afterParen = static_cast<int>(scan.position) + 1;
    if (args.empty()) {
        if (minArgs <= 0 && maxArgs >= 0) {
            node.parsed = true;
            return kNoError;
        }
        return Fail(node, ctx, kWrongArgumentCount, afterParen, 1);
    }
    const int count = 1 + CountSeparators(args);
    if (count < minArgs || count > maxArgs)
        return Fail(node, ctx, kWrongArgumentCount, afterParen, static_cast<int>(args.size()));
    node.left = MakeChild(node, args, true, ctx);
    if (!node.left) return Fail(node, ctx, kOverflow, 0, 1);
    const EvalError code = ParseNodeAt(*node.left, ctx, depth + 1);
    if (code != kNoError)
        return Fail(node, ctx, code, node.left->errorPosition + OffsetIn(t, args), ctx.errorLength);
    node.parsed = true;
    return kNoError;
}

// A literal in base 10: digits, one decimal separator, an exponent after
// 'E' or 'D' with an optional sign. Underflow to zero or a subnormal is a
// value; overflow is not.
bool ReadDecimal(std::string_view lit, double& value) {
    std::string buffer;
    buffer.reserve(lit.size());
    std::size_t i = 0;
    bool mantissaDigits = false;
    while (i < lit.size() && lit[i] >= '0' && lit[i] <= '9') {
        buffer.push_back(lit[i++]);
        mantissaDigits = true;
    }
    if (i < lit.size() && lit[i] == DecimalSeparator()) {
        buffer.push_back('.');
        ++i;
        while (i < lit.size() && lit[i] >= '0' && lit[i] <= '9') {
            buffer.push_back(lit[i++]);
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits) return false;
    if (i < lit.size() && (lit[i] == 'E' || lit[i] == 'D')) {
        buffer.push_back('e');
        ++i;
        if (i < lit.size() && (lit[i] == '+' || lit[i] == '-')) buffer.push_back(lit[i++]);
        bool exponentDigits = false;
        while (i < lit.size() && lit[i] >= '0' && lit[i] <= '9') {
            buffer.push_back(lit[i++]);
            exponentDigits = true;
        }
        if (!exponentDigits) return false;
    }
    if (i != lit.size()) return false;
    const char* first = buffer.data();
    const char* last = first + buffer.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (end != last) return false;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; tell underflow from overflow.
        value = std::strtod(buffer.c_str(), nullptr);
        errno = 0;
        return std::isfinite(value) && std::fabs(value) < 1.0;
    }
    return ec == std::errc();
}

// A literal in another base: digits 0-9 and A-Z below the base, a 32-bit
// signed result, and in base 16 an optional "0X" prefix.
bool ReadRadix(std::string_view lit, int base, double& value) {
    if (base < 2 || base > 36) return false;
    std::size_t i = 0;
    if (base == 16 && lit.size() > 2 && lit[0] == '0' && lit[1] == 'X') i = 2;
    if (i >= lit.size()) return false;
    long long v = 0;
    for (; i < lit.size(); ++i) {
        const char c = lit[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'A' && c <= 'Z') d = c - 'A' + 10;
        else return false;
        if (d >= base) return false;
        v = v * base + d;
        if (v > 2147483647LL) return false;
    }
    value = static_cast<double>(v);
    return true;
}

EvalError ParseNumber(ExprNode& node, Context& ctx, const Scanner& scan) {
    const std::string_view t = node.text;
    const int textLength = static_cast<int>(t.size());
    const int at = static_cast<int>(scan.position);
    std::string_view lit = t.substr(scan.position);
    if (scan.current == '#') {
        lit.remove_prefix(1);
        if (lit.empty()) return Fail(node, ctx, kInvalidNumber, at, textLength);
    }
    double value = 0.0;
    const int base = ctx.owner.numberBase();
    const bool ok = base == 10 ? ReadDecimal(lit, value) : ReadRadix(lit, base, value);
    errno = 0;
    if (!ok) return Fail(node, ctx, kInvalidNumber, at, textLength);
    node.kind = kNumberNode;
    node.value = value;
    node.token.assign(lit);
    node.parsed = true;
    return kNoError;
}

EvalError ParseString(ExprNode& node, Context& ctx, const Scanner& scan) {
    const std::string_view t = node.text;
    if (t.back() != '"') return Fail(node, ctx, kUnclosedString, 0, static_cast<int>(t.size()));
    const std::size_t open = scan.position;
    node.kind = kStringNode;
    node.text = open + 1 < t.size() ? t.substr(open + 1, t.size() - open - 2) : t.substr(t.size());
    node.token.assign(ctx.owner.AsTyped(node.text));
    node.parsed = true;
    return kNoError;
}

// ---- Names -----------------------------------------------------------------
// A name is looked up in this order, the first match deciding: PI and
// RAND/RND, the built-in functions, the owner's user functions, its value
// slots, its variables. In unit mode nothing is looked up.

// Moves the scanner over the name that starts at it (letters, digits, '_'
// and the blanks between them) and returns the name without the blanks
// around it. "A B" is one name, which matches nothing.
std::string_view ScanName(std::string_view t, Scanner& scan) {
    const std::size_t start = scan.position;
    std::size_t end = start;
    while (end < t.size() && (IsNameChar(t[end]) || IsSpace(t[end]))) ++end;
    scan.position = end;
    scan.current = end < t.size() ? t[end] : 0;
    return TrimSpaces(t.substr(start, end - start));
}

// A unit text's name (SQUARE METER): a leaf that only carries its token.
EvalError MakeNameLeaf(ExprNode& node) {
    node.kind = kSlotNode;
    node.index = -1;
    node.parsed = true;
    return kNoError;
}

// PI (a number) and RAND or RND (a call without arguments) need no
// parentheses; whatever follows them in the operand is not examined.
bool ParseBareName(ExprNode& node, std::string_view name) {
    if (name == "PI") {
        node.kind = kNumberNode;
        node.value = kPi;
        node.parsed = true;
        return true;
    }
    if (name == "RAND" || name == "RND") {
        node.kind = kCallNode;
        node.functionId = kRand;
        node.parsed = true;
        return true;
    }
    return false;
}

// A function name found by the lookups: its functionId, its argument range
// and, for a user function, its index in the owner's list.
struct FunctionRef {
    int id = 0;
    int minArgs = 0;
    int maxArgs = 0;
    int index = 0;
};

std::optional<FunctionRef> FindBuiltin(std::string_view name) {
    const BuiltinFunction* f = FindBuiltinFunction(name);
    if (f == nullptr) return std::nullopt;
    return FunctionRef{f->id, f->minArgs, f->maxArgs, 0};
}

// The owner's user function of that (upper-case) name, whose arguments are
// its slots except t. Its own body is parsed here, on first use, unless the
// function is the owner itself.
std::optional<FunctionRef> FindUserFunction(Evaluator& owner, std::string_view name) {
    const std::vector<UserFunctionEntry>* list = owner.UserFunctions();
    if (list == nullptr) return std::nullopt;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const UserFunctionEntry& entry = (*list)[i];
        if (!entry.evaluator || entry.upperName != name) continue;
        if (!Evaluator::IsValidName(name) || name == "T" || name == "ANS") continue;
        const int argumentCount = entry.evaluator->SlotCount() - 1;
        if (entry.evaluator.get() != &owner) entry.evaluator->Parse();
        return FunctionRef{kUserFunction, argumentCount, argumentCount, static_cast<int>(i)};
    }
    return std::nullopt;
}

// The index of the owner's value slot of that name (ignoring case), or -1.
int FindSlot(Evaluator& owner, std::string_view name) {
    const std::vector<ValueSlot>& valueSlots = owner.Slots();
    for (std::size_t i = 0; i < valueSlots.size(); ++i) {
        const std::string& slotName = valueSlots[i].name;
        if (!slotName.empty() && EqualsIgnoringCase(slotName, name)) return static_cast<int>(i);
    }
    return -1;
}

// "NAME(arguments)": the '(' must follow the name (blanks allowed) and the
// operand must end with ')'.
EvalError ParseCall(ExprNode& node, Context& ctx, int depth, const Scanner& scan,
                    const FunctionRef& function) {
    const std::string_view t = node.text;
    if (scan.current != '(')
        return Fail(node, ctx, kMissingParenthesis, static_cast<int>(scan.position), 1);
    if (t.back() != ')') return Fail(node, ctx, kMissingParenthesis, static_cast<int>(t.size()) - 1, 1);
    node.kind = kCallNode;
    node.functionId = function.id;
    node.index = function.index;
    return ParseArguments(node, ctx, depth, scan, function.minArgs, function.maxArgs);
}

// Parses the variable's formula in place of its name, as this same node.
// Every failure inside, and a variable that is already being expanded on
// the way here (a circular reference), is reported at the name.
EvalError ExpandVariable(ExprNode& node, Context& ctx, int depth, int variable, int nameStart,
                         int nameLength) {
    for (std::uint16_t expanding : ctx.expanding) {
        if (expanding == variable) return Fail(node, ctx, kCircularReference, nameStart, nameLength);
    }
    // Expansions are where a parse grows long: poll for a cancel request
    // here, at a cost that does not show.
    if ((++ctx.expansions & (kExpansionsPerCancelCheck - 1)) == 0 && EvaluationCancelRequested())
        return Fail(node, ctx, kEvaluationCancelled, nameStart, nameLength);
    const std::string& formula = ctx.owner.VariableAt(variable).expression;
    ctx.charsLeft -= static_cast<long>(formula.size());
    if (ctx.charsLeft < 0 || --ctx.nodesLeft < 0 || variable > 65535)
        return Fail(node, ctx, kOverflow, nameStart, nameLength);
    // The node has no children now, so nothing views its old ownText.
    node.ownText = UpperCaseText(formula);
    node.text = node.ownText;
    ctx.expanding.push_back(static_cast<std::uint16_t>(variable));
    EvalError code = CheckNesting(node, ctx);
    if (code == kNoError) code = ParseNodeAt(node, ctx, depth + 1);
    ctx.expanding.pop_back();
    if (code != kNoError) return Fail(node, ctx, code, nameStart, nameLength);
    return kNoError;
}

EvalError ParseName(ExprNode& node, Context& ctx, int depth, Scanner scan) {
    const int nameStart = static_cast<int>(scan.position);
    const std::string_view name = ScanName(node.text, scan);
    node.token.assign(name);
    const int nameLength = static_cast<int>(name.size());

    Evaluator& owner = *node.owner;
    if (owner.unitMode()) {
        node.token.assign(owner.AsTyped(name));
        return MakeNameLeaf(node);
    }
    if (ParseBareName(node, name)) return kNoError;
    std::optional<FunctionRef> function = FindBuiltin(name);
    if (!function) function = FindUserFunction(owner, name);
    if (function) return ParseCall(node, ctx, depth, scan, *function);
    if (const int slot = FindSlot(owner, name); slot >= 0) {
        node.kind = kSlotNode;
        node.index = slot;
        node.parsed = true;
        return kNoError;
    }
    if (const int variable = owner.FindVariableIndex(name); variable >= 0)
        return ExpandVariable(node, ctx, depth, variable, nameStart, nameLength);
    return Fail(node, ctx, kUnrecognizedFunction, 0, nameLength);
}

// ---- One node --------------------------------------------------------------

// Where nesting is too deep to follow: a parenthesis of the text if it has
// one, else its last character (a run of postfix operators).
EvalError RefuseDeepNesting(ExprNode& node, Context& ctx) {
    const std::size_t open = node.text.find('(');
    if (open != std::string_view::npos)
        return Fail(node, ctx, kUnbalancedParenthesis, static_cast<int>(open), 1);
    return Fail(node, ctx, kUnexpectedCharacter, static_cast<int>(node.text.size()) - 1, 1);
}

// What one pass over a node's text came to: finished (with success or an
// error code), or a parenthesized group whose inside is to be parsed next
// as the same node.
struct PassResult {
    PassResult(EvalError c) : code(c) {}  // NOLINT: every parse step's code is a result
    static PassResult Group(std::string_view inside) {
        PassResult result(kNoError);
        result.group = inside;
        return result;
    }
    EvalError code;
    std::optional<std::string_view> group;
};

// The operand starts with '(' at `open`: the group up to the matching ')'.
// What follows that ')' is not examined.
PassResult ScanGroup(ExprNode& node, Context& ctx, std::size_t open) {
    const std::string_view t = node.text;
    QuoteFilter quotes(t);
    int parenDepth = 0;
    std::size_t lastOpen = open;
    for (std::size_t i = open; i < t.size(); ++i) {
        const char d = t[i];
        if (!quotes.Outside(d)) continue;
        if (d == '(') {
            ++parenDepth;
            lastOpen = i;
        } else if (d == ')' && --parenDepth == 0) {
            return PassResult::Group(t.substr(open + 1, i - open - 1));
        }
    }
    return Fail(node, ctx, kUnbalancedParenthesis, static_cast<int>(lastOpen), 1);
}

// A text without a splitting operator, examined from its first non-blank
// character: postfix operator, group, number, string or name.
PassResult ParseOperand(ExprNode& node, Context& ctx, int depth) {
    const std::string_view t = node.text;
    Scanner scan;
    while (scan.position < t.size() && IsSpace(t[scan.position])) ++scan.position;
    scan.current = t[scan.position];

    const char last = t.back();
    if (last == '%' || last == '!') {
        node.kind = kCallNode;
        node.functionId = last == '%' ? kPercent : kFact;
        node.token.assign(1, last);
        node.text = t.substr(0, t.size() - 1);
        return ParseArguments(node, ctx, depth, scan, 1, 1);
    }
    const char c = scan.current;
    if (c == '(') return ScanGroup(node, ctx, scan.position);
    if (IsDigit(c) || c == DecimalSeparator() || c == '#') return ParseNumber(node, ctx, scan);
    if (c == '"') return ParseString(node, ctx, scan);
    if (!IsLetter(c) && c != '_')
        return Fail(node, ctx, kUnexpectedCharacter, static_cast<int>(scan.position), 1);
    return ParseName(node, ctx, depth, scan);
}

// One pass of the parse steps over the node's current text (trimmed on the
// right): the empty operand, the splits at operators, then the operand.
PassResult ParseOnce(ExprNode& node, Context& ctx, int depth) {
    if (node.text.empty()) {  // also a text of blanks, trimmed: the operand 0
        node.kind = kNumberNode;
        node.value = 0.0;
        node.parsed = true;
        return kNoError;
    }
    if (depth > kMaxParseDepth) {
        // Inside a variable the depth comes from a long chain of variables
        // (each one using the one before): the tree outgrows the parser,
        // reported at the variable's name by the expansion that holds it.
        if (!ctx.expanding.empty()) return Fail(node, ctx, kOverflow, 0, 1);
        return RefuseDeepNesting(node, ctx);
    }

    if (node.listMode) {
        int separator = -1;
        const EvalError code = FindSeparator(node, ctx, separator);
        if (code != kNoError) return code;
        if (separator >= 0) return SplitList(node, ctx, depth, separator);
    }
    for (std::string_view ops : {std::string_view("+-"), std::string_view("*/"), std::string_view("^")}) {
        bool found = false;
        const EvalError code = SplitOperators(node, ctx, depth, ops, found);
        if (code != kNoError || found) {
            if (code == kNoError) node.parsed = true;
            return code;
        }
    }
    return ParseOperand(node, ctx, depth);
}

EvalError ParseNodeAt(ExprNode& node, Context& ctx, int depth) {
    int offset = 0;  // of the current text within the text the node started with
    for (;;) {
        if (node.parsed) return kNoError;
        node.Reset();
        ctx.errorLength = 1;
        node.text = TrimTrailingSpaces(node.text);
        const PassResult result = ParseOnce(node, ctx, depth);
        if (result.group) {
            // Parse the inside of the parentheses as this same node.
            offset += OffsetIn(node.text, *result.group);
            node.text = *result.group;
            ++depth;
            continue;
        }
        if (result.code != kNoError) node.errorPosition += offset;
        return result.code;
    }
}

}  // namespace

EvalError ParseTree(Evaluator& owner, ExprNode& node, int& errorLength) {
    Context ctx(owner);
    EvalError code = node.parsed ? kNoError : CheckNesting(node, ctx);
    if (code == kNoError) code = ParseNodeAt(node, ctx, 0);
    errorLength = code == kNoError ? 1 : ctx.errorLength;
    return code;
}

}  // namespace quorvix
