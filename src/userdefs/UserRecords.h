#pragma once
// The three kinds of user definitions and their limits. User conversions are
// rows of the shared conversion list; user functions share the shape of the
// built-in function help rows so that menus and help treat both alike.

#include <cstddef>
#include <cstdint>
#include <string>

#include "units/UnitRecord.h"
#include "userdefs/FunctionInfo.h"

namespace quorvix {

struct UserConstant {
    std::string name;  // at most kMaxConstantName characters
    std::string unit;  // at most kMaxConstantUnit characters; may be empty
    double value = 0.0;

    bool operator==(const UserConstant&) const = default;
};

// "1 name = factor base"; name and base at most kMaxConversionUnit characters.
using UserConversion = UnitRecord;

// name, argument counts (the engine uses minArgs), syntax, description and
// the expression in the argument slots a, b, c, ... and t.
using UserFunction = FunctionInfo;

// Most records of each kind a list holds and a file is read for.
inline constexpr int kMaxUserRecords = 1000;

inline constexpr std::size_t kMaxConstantName = 50;
inline constexpr std::size_t kMaxConstantUnit = 20;
inline constexpr std::size_t kMaxConversionUnit = 50;
inline constexpr std::size_t kMaxFunctionName = 50;
inline constexpr std::size_t kMaxFunctionSyntax = 100;
inline constexpr std::size_t kMaxFunctionDescription = 255;
inline constexpr std::size_t kMaxFunctionExpression = 255;
// Argument counts a user function may declare in a file; the editor allows
// fewer (kMaxEditorArguments).
inline constexpr std::int32_t kMaxFunctionArguments = 30;

}  // namespace quorvix
