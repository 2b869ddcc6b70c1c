#pragma once
// The user's constants, conversions and functions for one run: the lists,
// their files in the program's directory, the compiled user functions that
// the main Evaluator calls, the submenus, and which kinds were changed (only
// those are written back at exit).
//
// Typical use by the calculator window:
//   UserDefinitions defs(conversionList);
//   defs.Load(dir);                                   // at start-up
//   evaluator.setUserFunctions(&defs.compiledFunctions());
//   ... editors change defs.constants() etc., then defs.MarkConstantsChanged()
//   defs.Save(dir);                                   // at exit

#include <optional>
#include <string>
#include <vector>

#include "engine/Evaluator.h"
#include "units/ConversionList.h"
#include "userdefs/UserMenus.h"
#include "userdefs/UserRecords.h"

namespace quorvix {

class UserDefinitions {
public:
    // The conversion list must outlive this object; user conversions live in
    // it from index 275 on.
    explicit UserDefinitions(ConversionList& conversions);

    // Reads the three files of the directory (constants, conversions,
    // functions) and compiles the functions. A file that cannot be read
    // leaves its list as it is.
    void Load(const std::string& directory);
    // Writes the kinds marked changed, each file replaced whole. Returns
    // the failures, each "<file>: <reason>"; a failed file keeps its old bytes.
    std::vector<std::string> Save(const std::string& directory) const;

    // Read (loading) or write one kind's file in the directory.
    void SerializeUserConstants(const std::string& directory, bool loading);
    void SerializeUserConversions(const std::string& directory, bool loading);
    void SerializeUserFunctions(const std::string& directory, bool loading);

    std::vector<UserConstant>& constants() { return constants_; }
    const std::vector<UserConstant>& constants() const { return constants_; }
    ConversionList& conversions() { return conversions_; }
    const ConversionList& conversions() const { return conversions_; }
    std::vector<UserFunction>& functions() { return functions_; }
    const std::vector<UserFunction>& functions() const { return functions_; }

    // The list that the main Evaluator searches; its address never changes.
    const std::vector<UserFunctionEntry>& compiledFunctions() const { return compiled_; }
    // Recompiles every function (after the function list changed).
    void RebuildUserFunctions();

    // Called when an editing dialog closes reporting a change.
    void MarkConstantsChanged() { constantsChanged_ = true; }
    void MarkConversionsChanged() { conversionsChanged_ = true; }
    void MarkFunctionsChanged();  // also recompiles
    bool constantsChanged() const { return constantsChanged_; }
    bool conversionsChanged() const { return conversionsChanged_; }
    bool functionsChanged() const { return functionsChanged_; }

    UserSubmenu BuildUserConstantsMenu() const;
    UserSubmenu BuildUserConversionsMenu() const;
    UserSubmenu BuildUserFunctionsMenu() const;
    // What a user constant, conversion or function command inserts.
    std::optional<UserMenuInsertion> CommandInsertion(int command) const;

private:
    bool WriteConstants(const std::string& directory, std::string* error = nullptr) const;
    bool WriteConversions(const std::string& directory, std::string* error = nullptr) const;
    bool WriteFunctions(const std::string& directory, std::string* error = nullptr) const;

    ConversionList& conversions_;
    std::vector<UserConstant> constants_;
    std::vector<UserFunction> functions_;
    std::vector<UserFunctionEntry> compiled_;
    bool constantsChanged_ = false;
    bool conversionsChanged_ = false;
    bool functionsChanged_ = false;
};

}  // namespace quorvix
