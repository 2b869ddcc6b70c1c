#pragma once
// The help catalogue of the built-in functions: 99 rows in 11 groups. Each
// group is one submenu of the Functions menu with a consecutive range of
// command ids (row k of a group has the group's first id + k).

#include <optional>
#include <span>
#include <string_view>

#include "platform/CommandIds.h"
#include "userdefs/FunctionInfo.h"

namespace quorvix {

enum class FunctionGroup {
    Algebraic,
    Trigonometric,
    InverseTrigonometric,
    Hyperbolic,
    InverseHyperbolic,
    Financial,
    Special,
    Solver,
    Statistical,
    Bitwise,
    BaseConversion,
};

inline constexpr int kFunctionGroupCount = 11;
inline constexpr int kFunctionCatalogueSize = 99;

struct FunctionGroupInfo {
    FunctionGroup group;
    const char* caption;
    int firstCommand;
    std::span<const FunctionInfo> rows;
};

// The group's caption, command range and rows.
const FunctionGroupInfo& FunctionGroupAt(FunctionGroup group);

// All 99 rows in command order (algebraic first, base conversion last).
std::span<const FunctionInfo> FunctionCatalogue();

// The row behind a command id 20063..20161, or null.
const FunctionInfo* FunctionForCommand(int command);

// Finds the first row whose name equals name ignoring case. Searches the
// trigonometric, algebraic, financial, special, solver, statistical, bitwise
// and base-conversion groups in that order, then the user functions in list
// order. The inverse and hyperbolic groups are not searched, so those names
// get no syntax help and no parentheses from the function keys.
std::optional<FunctionInfo> LookUpFunction(std::string_view name,
                                           std::span<const FunctionInfo> userFunctions = {});

}  // namespace quorvix
