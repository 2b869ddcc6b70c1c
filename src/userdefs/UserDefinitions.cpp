#include "userdefs/UserDefinitions.h"

#include "platform/AtomicFile.h"
#include "platform/Locations.h"
#include "userdefs/UserDefinitionFormat.h"
#include "userdefs/UserFunctionCompiler.h"

namespace quorvix {

namespace {

// No file the program writes comes near this size (1000 of the largest
// records are under 1 MB); a larger one is not read at all.
constexpr std::size_t kMaxUserFileBytes = std::size_t{16} << 20;

bool ReadUserFile(const std::string& directory, const char* name, std::string& bytes) {
    return ReadWholeFile(JoinPath(directory, name), bytes, kMaxUserFileBytes);
}

bool WriteUserFile(const std::string& directory, const char* name, const std::string& bytes,
                   std::string* error) {
    return WriteFileAtomically(JoinPath(directory, name), bytes, error);
}

}  // namespace

UserDefinitions::UserDefinitions(ConversionList& conversions) : conversions_(conversions) {}

void UserDefinitions::Load(const std::string& directory) {
    SerializeUserConstants(directory, true);
    SerializeUserConversions(directory, true);
    SerializeUserFunctions(directory, true);
}

std::vector<std::string> UserDefinitions::Save(const std::string& directory) const {
    std::vector<std::string> errors;
    std::string error;
    if (constantsChanged_ && !WriteConstants(directory, &error)) errors.push_back(error);
    if (conversionsChanged_ && !WriteConversions(directory, &error)) errors.push_back(error);
    if (functionsChanged_ && !WriteFunctions(directory, &error)) errors.push_back(error);
    return errors;
}

bool UserDefinitions::WriteConstants(const std::string& directory, std::string* error) const {
    return WriteUserFile(directory, kUserConstantsFile, EncodeUserConstants(constants_), error);
}

bool UserDefinitions::WriteConversions(const std::string& directory, std::string* error) const {
    std::vector<UserConversion> user;
    for (int i = ConversionList::kFirstUserIndex; i < conversions_.size(); ++i) {
        user.push_back(conversions_.at(i));
    }
    return WriteUserFile(directory, kUserConversionsFile, EncodeUserConversions(user), error);
}

bool UserDefinitions::WriteFunctions(const std::string& directory, std::string* error) const {
    return WriteUserFile(directory, kUserFunctionsFile, EncodeUserFunctions(functions_), error);
}

void UserDefinitions::SerializeUserConstants(const std::string& directory, bool loading) {
    if (!loading) return (void)WriteConstants(directory);
    std::string bytes;
    if (ReadUserFile(directory, kUserConstantsFile, bytes)) constants_ = DecodeUserConstants(bytes);
}

void UserDefinitions::SerializeUserConversions(const std::string& directory, bool loading) {
    if (!loading) return (void)WriteConversions(directory);
    std::string bytes;
    if (!ReadUserFile(directory, kUserConversionsFile, bytes)) return;
    conversions_.ClearUserConversions();
    for (const UserConversion& c : DecodeUserConversions(bytes)) {
        conversions_.AppendUserConversion(c.name, c.base, c.factor);
    }
}

void UserDefinitions::SerializeUserFunctions(const std::string& directory, bool loading) {
    if (!loading) return (void)WriteFunctions(directory);
    std::string bytes;
    if (ReadUserFile(directory, kUserFunctionsFile, bytes)) functions_ = DecodeUserFunctions(bytes);
    RebuildUserFunctions();
}

void UserDefinitions::RebuildUserFunctions() { CompileUserFunctions(functions_, compiled_); }

void UserDefinitions::MarkFunctionsChanged() {
    functionsChanged_ = true;
    RebuildUserFunctions();
}

UserSubmenu UserDefinitions::BuildUserConstantsMenu() const {
    return quorvix::BuildUserConstantsMenu(constants_);
}

UserSubmenu UserDefinitions::BuildUserConversionsMenu() const {
    return quorvix::BuildUserConversionsMenu(conversions_);
}

UserSubmenu UserDefinitions::BuildUserFunctionsMenu() const {
    return quorvix::BuildUserFunctionsMenu(functions_);
}

std::optional<UserMenuInsertion> UserDefinitions::CommandInsertion(int command) const {
    return UserMenuCommandInsertion(command, constants_, conversions_, functions_);
}

}  // namespace quorvix
