#pragma once
// Turns the user function records into the engine's compiled user functions:
// one Evaluator per record, in list order, holding the record's expression
// and argument count + 1 value slots named "t", "a", "b", ... (all 0).

#include <string>
#include <string_view>
#include <vector>

#include "engine/Evaluator.h"
#include "userdefs/UserRecords.h"

namespace quorvix {

// Name of value slot k of a compiled user function: "t" for 0, then the
// k-th lower-case letter (beyond 'z' the characters that follow it, which no
// expression can name).
std::string UserFunctionSlotName(int k);

// True when an expression can call a user function of this name: a valid
// name that is not reserved and is not a value slot of the main evaluator
// ("T", "ANS"). Other records stay in the list but never match.
bool IsCallableUserFunctionName(std::string_view name);

// Replaces the contents of compiled (the object itself stays, so an
// Evaluator pointing at it stays valid) with one entry per record. A record
// whose name is not callable gets an empty name, which no parse matches.
void CompileUserFunctions(const std::vector<UserFunction>& functions,
                          std::vector<UserFunctionEntry>& compiled);

}  // namespace quorvix
