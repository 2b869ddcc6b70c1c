#pragma once
// One row of the function help catalogue: a function's name, its argument
// range, the argument list shown in help and a one-line description. User
// functions have the same shape and also carry their expression.

#include <cstdint>
#include <string>

namespace quorvix {

struct FunctionInfo {
    std::string name;            // as shown in menus, at most 51 characters
    std::int32_t minArgs = 0;
    std::int32_t maxArgs = 0;
    std::string syntax;          // the argument list without name and parentheses
    std::string description;     // one line for tooltips
    std::string expression;      // empty for built-in functions

    bool operator==(const FunctionInfo&) const = default;
};

// How a call is written in help: "Name(arguments)".
inline std::string CallSyntax(const FunctionInfo& row) {
    return row.name + "(" + row.syntax + ")";
}

}  // namespace quorvix
