#pragma once
// What a worksheet line asks for, decided from its text alone: nothing, a
// comment, one of the display commands, an expression or an assignment
// "Name = Value". The calculator window acts on the result.

#include <string>
#include <string_view>

namespace quorvix {

enum class LineKind {
    Blank,           // nothing but spaces and tabs
    Comment,         // starts with an apostrophe
    ClearDisplay,    // "CLR", "CLEAR"
    Exit,            // "EXIT", "OFF"
    ClearVariables,  // "CLEARVARS", "CV"
    ShowVariables,   // "SHOWVARS", "SV"
    Expression,
    Assignment,
};

struct ClassifiedLine {
    LineKind kind = LineKind::Blank;
    // The text to evaluate: the line without trailing blanks and without a
    // final '='; "ANS" put before a line that starts with an operator; for
    // an assignment, the variable's name.
    std::string expression;
    bool typedEquals = false;  // the line ended with '=' (no " =" is written)
    bool ansPrefixed = false;  // "ANS" was put before the line
    // Assignment: the name (blanks around it removed), the formula after
    // the first '=', and that '=''s index in the line (the name part of the
    // line is the characters before it).
    std::string name;
    std::string formula;
    int equalsIndex = -1;
};

// Commands are whole lines, compared ignoring case; blanks are spaces and
// tabs. An '=' at index 0 makes no assignment.
ClassifiedLine ClassifyLine(std::string_view line);

}  // namespace quorvix
