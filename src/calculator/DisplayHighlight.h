#pragma once
// What the display's highlighter shows in its own colours, one worksheet
// line at a time: answers, function and variable names, numbers and
// operators. Toolkit-free: it reads a line's text and the names known now
// and returns spans; the view only formats them. The text is never changed.
//
// An answer is the line under a line that ends with '=' (an evaluation
// writes " =" after its expression, or the user typed the '='), unless the
// line ends with '=' itself (then it was evaluated again: an expression).
// An answer ending with ':' heads a list (the roots FZEROS found): the
// plain numbers under it belong to the answer. The variable listing's lines
// "Name = Formula = Value" show their value as an answer. Each line's state
// tells the line under it which of these it is.

#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "userdefs/FunctionInfo.h"

namespace quorvix {

class Evaluator;

enum class HighlightKind { Answer, Function, Variable, Number, Operator };

struct HighlightSpan {
    int start = 0;
    int length = 0;
    HighlightKind kind = HighlightKind::Answer;
    bool operator==(const HighlightSpan&) const = default;
};

// What a line leaves for the line under it.
enum class LineState : int {
    Plain = 0,
    AwaitsAnswer = 1,  // ends with '=': the next line is its answer
    AnswerList = 2,    // an answer heading a list of numbers
};

// The names and number rules a line is read with. Names are upper case.
struct HighlightNames {
    std::unordered_set<std::string> userFunctions;
    std::unordered_set<std::string> variables;
    int numberBase = 10;
    char decimalSeparator = '.';
    char argumentSeparator = ',';
    bool operator==(const HighlightNames&) const = default;
};

// The names and rules the calculator reads its lines with now: the
// evaluator's variables and number base, the user functions, the separators.
HighlightNames CollectHighlightNames(const Evaluator& evaluator,
                                     std::span<const FunctionInfo> userFunctions);

// What a change of the names means for the lines already highlighted:
// those that use an added or removed name read differently; every line
// may when the number base or a separator changed.
struct NamesChange {
    bool everything = false;
    std::unordered_set<std::string> names;  // upper case
};
NamesChange CompareHighlightNames(const HighlightNames& before, const HighlightNames& after);

// Longer lines are left plain (their state is still told): nobody reads a
// line this long, and the evaluation reads far less of it.
inline constexpr int kMaxHighlightedLineLength = 4000;

struct LineHighlight {
    std::vector<HighlightSpan> spans;  // in order, not overlapping
    LineState state = LineState::Plain;
};

// One line without its line break, read after a line that left previous.
// Linear in the line's length.
LineHighlight HighlightLine(std::string_view line, LineState previous, const HighlightNames& names);

// The numbers of the lines of text (separated by '\n') short enough to be
// highlighted that use one of the upper-case names outside strings.
std::vector<int> LinesMentioning(std::string_view text,
                                 const std::unordered_set<std::string>& names);

}  // namespace quorvix
