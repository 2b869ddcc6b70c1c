#include "calculator/DisplayHighlight.h"

#include <algorithm>
#include <cstdint>

#include "calculator/NameCharacters.h"
#include "engine/BuiltinNames.h"
#include "engine/Evaluator.h"
#include "engine/TextRules.h"

namespace quorvix {

namespace {

// The value of a digit of any base up to 36; 99 for no digit.
int DigitValue(char c) {
    if (IsAsciiDigit(c)) return c - '0';
    const char upper = UpperAscii(c);
    if (upper >= 'A' && upper <= 'Z') return upper - 'A' + 10;
    return 99;
}

bool IsOperator(char c, char argumentSeparator) {
    switch (c) {
        case '+': case '-': case '*': case '/': case '^': case '%': case '!':
        case '(': case ')': case '=':
            return true;
        default:
            return c == argumentSeparator;
    }
}

// The lines the variable commands write, shown as answers.
constexpr std::string_view kWrittenMessages[] = {"Empty variable list", "Variable list cleared"};

// Reads the expression part of a line into spans.
class LineReader {
public:
    LineReader(std::string_view text, const HighlightNames& names, std::vector<HighlightSpan>& spans)
        : text_(text), names_(names), spans_(spans) {}

    void Read() {
        MarkAssignedName();
        std::size_t i = 0;
        while (i < text_.size()) {
            const char c = text_[i];
            if (c == '"') {
                // A unit name or other string: its words are no names.
                const std::size_t close = text_.find('"', i + 1);
                i = close == std::string_view::npos ? text_.size() : close + 1;
            } else if (IsAsciiDigit(c) || c == names_.decimalSeparator || c == '#') {
                i = ReadNumber(i);
            } else if (IsNameStart(c)) {
                i = ReadName(i);
            } else if (IsOperator(c, names_.argumentSeparator)) {
                Add(i, 1, HighlightKind::Operator);
                ++i;
            } else {
                ++i;
            }
        }
    }

private:
    // Adds a span, joining it to the previous one of the same kind when
    // they touch ("))", "*(").
    void Add(std::size_t start, std::size_t length, HighlightKind kind) {
        if (!spans_.empty() && spans_.back().kind == kind &&
            spans_.back().start + spans_.back().length == static_cast<int>(start)) {
            spans_.back().length += static_cast<int>(length);
            return;
        }
        spans_.push_back({static_cast<int>(start), static_cast<int>(length), kind});
    }

    // "Name = Formula": the name is a variable, defined or about to be.
    void MarkAssignedName() {
        const std::size_t equals = text_.find('=');
        if (equals == std::string_view::npos || equals == 0) return;
        const std::string_view name = TrimSpacesAndTabs(text_.substr(0, equals));
        if (name.empty() || !IsNameStart(name.front()) ||
            !std::all_of(name.begin(), name.end(), IsNameChar))
            return;
        assignedStart_ = static_cast<std::size_t>(name.data() - text_.data());
        assignedEnd_ = assignedStart_ + name.size();
    }

    std::size_t SkipDigits(std::size_t i) const {
        while (i < text_.size() && IsAsciiDigit(text_[i])) ++i;
        return i;
    }

    // A literal from i: '#' and digits of the base; in base 10 a fraction
    // and an exponent ("1.5E-3", "2D+2"). A literal that runs on into
    // letters, digits or a separator it cannot take is no number: left plain.
    std::size_t ReadNumber(std::size_t start) {
        std::size_t i = start;
        if (text_[i] == '#') ++i;
        const std::size_t digitsFrom = i;
        bool anyDigit = false;
        if (names_.numberBase == 10) {
            std::size_t end = SkipDigits(i);
            anyDigit = end > i;
            if (end < text_.size() && text_[end] == names_.decimalSeparator) {
                const std::size_t fraction = SkipDigits(end + 1);
                anyDigit = anyDigit || fraction > end + 1;
                end = fraction;
            }
            if (anyDigit && end < text_.size() && (UpperAscii(text_[end]) == 'E' ||
                                                   UpperAscii(text_[end]) == 'D')) {
                std::size_t exponent = end + 1;
                if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-'))
                    ++exponent;
                if (exponent < text_.size() && IsAsciiDigit(text_[exponent])) end = SkipDigits(exponent);
            }
            i = end;
        } else {
            if (names_.numberBase == 16 && i + 2 < text_.size() && text_[i] == '0' &&
                UpperAscii(text_[i + 1]) == 'X' && DigitValue(text_[i + 2]) < 16)
                i += 2;
            while (i < text_.size() && DigitValue(text_[i]) < names_.numberBase) ++i;
            anyDigit = i > digitsFrom;
        }
        std::size_t junk = i;
        while (junk < text_.size() &&
               (IsNameChar(text_[junk]) || text_[junk] == names_.decimalSeparator))
            ++junk;
        if (anyDigit && junk == i) Add(start, i - start, HighlightKind::Number);
        return std::max(junk, start + 1);
    }

    std::size_t ReadName(std::size_t start) {
        std::size_t end = start;
        while (end < text_.size() && IsNameChar(text_[end])) ++end;
        if (start == assignedStart_ && end == assignedEnd_) {
            Add(start, end - start, HighlightKind::Variable);
            return end;
        }
        const std::string upper = UpperCaseAscii(text_.substr(start, end - start));
        // The parser's order: PI, RAND, the built-ins, user functions, the
        // slots (ANS, t), the variables.
        if (upper == "PI") {
            Add(start, end - start, HighlightKind::Variable);
        } else if (upper == "RAND" || upper == "RND" || FindBuiltinFunction(upper) != nullptr ||
                   names_.userFunctions.count(upper) != 0) {
            Add(start, end - start, HighlightKind::Function);
        } else if (upper == "ANS" || upper == "T" || names_.variables.count(upper) != 0) {
            Add(start, end - start, HighlightKind::Variable);
        }
        return end;
    }

    std::string_view text_;
    const HighlightNames& names_;
    std::vector<HighlightSpan>& spans_;
    std::size_t assignedStart_ = std::string_view::npos;
    std::size_t assignedEnd_ = std::string_view::npos;
};

bool IsPlainNumberLine(std::string_view trimmed) {
    if (trimmed.empty()) return false;
    bool digit = false;
    for (const char c : trimmed) {
        if (IsAsciiDigit(c)) {
            digit = true;
        } else if (c != '.' && c != ',' && c != '-' && c != '+' && UpperAscii(c) != 'E') {
            return false;
        }
    }
    return digit;
}

// Where the value of a listing line "Name = Formula = Value" starts (after
// its last '=', outside strings), or npos for any other line.
std::size_t ListingValueStart(std::string_view text) {
    std::size_t equalsSigns = 0;
    std::size_t last = std::string_view::npos;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') inString = !inString;
        if (text[i] == '=' && !inString) {
            ++equalsSigns;
            last = i;
        }
    }
    if (equalsSigns < 2) return std::string_view::npos;
    return text.find_first_not_of(" \t", last + 1);
}

void AddAnswer(std::vector<HighlightSpan>& spans, std::string_view line, std::string_view part) {
    const std::string_view trimmed = TrimSpacesAndTabs(part);
    if (trimmed.empty()) return;
    spans.push_back({static_cast<int>(trimmed.data() - line.data()),
                     static_cast<int>(trimmed.size()), HighlightKind::Answer});
}

// A quick first look at an identifier: whether any name has its length
// and first letter, before the names are searched.
class NameFilter {
public:
    explicit NameFilter(const std::unordered_set<std::string>& names) {
        for (const std::string& name : names) {
            lengths_ |= std::uint64_t{1} << std::min<std::size_t>(name.size(), 63);
            if (!name.empty()) firsts_[static_cast<unsigned char>(name.front())] = true;
        }
    }
    bool MayBe(std::string_view identifier) const {
        return (lengths_ >> std::min<std::size_t>(identifier.size(), 63) & 1) != 0 &&
               firsts_[static_cast<unsigned char>(UpperAscii(identifier.front()))];
    }

private:
    std::uint64_t lengths_ = 0;
    bool firsts_[256] = {};
};

bool Mentions(std::string_view line, const std::unordered_set<std::string>& names,
              const NameFilter& filter) {
    if (line.size() > kMaxHighlightedLineLength) return false;
    bool inString = false;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == '"') inString = !inString;
        if (inString || !IsNameStart(line[i]) || (i > 0 && IsNameChar(line[i - 1]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && IsNameChar(line[end])) ++end;
        const std::string_view identifier = line.substr(i, end - i);
        if (filter.MayBe(identifier) && names.count(UpperCaseAscii(identifier)) != 0) return true;
        i = end;
    }
    return false;
}

}  // namespace

HighlightNames CollectHighlightNames(const Evaluator& evaluator,
                                     std::span<const FunctionInfo> userFunctions) {
    HighlightNames names;
    for (const FunctionInfo& function : userFunctions)
        names.userFunctions.insert(UpperCaseAscii(function.name));
    for (int i = 0; i < evaluator.VariableCount(); ++i)
        names.variables.insert(UpperCaseAscii(evaluator.VariableAt(i).name));
    names.numberBase = evaluator.numberBase();
    names.decimalSeparator = DecimalSeparator();
    names.argumentSeparator = ArgumentSeparator();
    return names;
}

NamesChange CompareHighlightNames(const HighlightNames& before, const HighlightNames& after) {
    NamesChange change;
    change.everything = before.numberBase != after.numberBase ||
                        before.decimalSeparator != after.decimalSeparator ||
                        before.argumentSeparator != after.argumentSeparator;
    if (change.everything) return change;
    auto addMissing = [&change](const std::unordered_set<std::string>& from,
                                const std::unordered_set<std::string>& in) {
        for (const std::string& name : from)
            if (in.count(name) == 0) change.names.insert(name);
    };
    addMissing(before.variables, after.variables);
    addMissing(after.variables, before.variables);
    addMissing(before.userFunctions, after.userFunctions);
    addMissing(after.userFunctions, before.userFunctions);
    return change;
}

std::vector<int> LinesMentioning(std::string_view text,
                                 const std::unordered_set<std::string>& names) {
    std::vector<int> lines;
    if (names.empty()) return lines;
    const NameFilter filter(names);
    int number = 0;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (Mentions(text.substr(start, end - start), names, filter)) lines.push_back(number);
        start = end + 1;
    }
    return lines;
}

LineHighlight HighlightLine(std::string_view line, LineState previous, const HighlightNames& names) {
    LineHighlight result;
    const std::string_view trimmed = TrimTrailingSpacesAndTabs(line);
    const std::string_view content = TrimSpacesAndTabs(trimmed);
    const bool endsWithEquals = !trimmed.empty() && trimmed.back() == '=';
    const bool comment = !content.empty() && content.front() == '\'';
    if (endsWithEquals && !comment) result.state = LineState::AwaitsAnswer;
    if (content.empty() || comment || line.size() > kMaxHighlightedLineLength) return result;

    const bool answer = !endsWithEquals && (previous == LineState::AwaitsAnswer ||
                                            (previous == LineState::AnswerList &&
                                             IsPlainNumberLine(content)));
    if (answer) {
        AddAnswer(result.spans, line, content);
        if (previous == LineState::AnswerList || content.back() == ':')
            result.state = LineState::AnswerList;
        return result;
    }
    if (std::find(std::begin(kWrittenMessages), std::end(kWrittenMessages), content) !=
        std::end(kWrittenMessages)) {
        AddAnswer(result.spans, line, content);
        return result;
    }
    const std::size_t value = endsWithEquals ? std::string_view::npos : ListingValueStart(trimmed);
    const std::string_view expression =
        value == std::string_view::npos ? line : line.substr(0, value);
    LineReader(expression, names, result.spans).Read();
    if (value != std::string_view::npos) AddAnswer(result.spans, line, trimmed.substr(value));
    return result;
}

}  // namespace quorvix
