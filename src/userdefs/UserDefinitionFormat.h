#pragma once
// Byte layouts of "user.cst", "user.cnv" and "user.fct": a 32-bit count and
// that many records, no header. Readers treat the bytes as hostile: a count
// of 0 or less reads nothing, counts above 1000 read 1000 records, a text
// longer than its field's limit reads as empty, and a file that ends early
// keeps the records read completely before the fault.

#include <string>
#include <string_view>
#include <vector>

#include "userdefs/UserRecords.h"

namespace quorvix {

inline constexpr const char* kUserConstantsFile = "user.cst";
inline constexpr const char* kUserConversionsFile = "user.cnv";
inline constexpr const char* kUserFunctionsFile = "user.fct";

// Per constant: name, unit (texts), value (double).
std::vector<UserConstant> DecodeUserConstants(std::string_view bytes);
std::string EncodeUserConstants(const std::vector<UserConstant>& constants);

// Per conversion: from, to (texts), factor (double).
std::vector<UserConversion> DecodeUserConversions(std::string_view bytes);
std::string EncodeUserConversions(const std::vector<UserConversion>& conversions);

// Per function: name, expression, syntax, description (texts), minimum and
// maximum argument count (32-bit). Counts are kept within 0..30.
std::vector<UserFunction> DecodeUserFunctions(std::string_view bytes);
std::string EncodeUserFunctions(const std::vector<UserFunction>& functions);

}  // namespace quorvix
