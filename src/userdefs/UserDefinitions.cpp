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

void WriteUserFile(const std::string& directory, const char* name, const std::string& bytes) {
    WriteFileAtomically(JoinPath(directory, name), bytes);
}

}  // namespace

UserDefinitions::UserDefinitions(ConversionList& conversions) : conversions_(conversions) {}

void UserDefinitions::Load(const std::string& directory) {
    SerializeUserConstants(directory, true);
    SerializeUserConversions(directory, true);
    SerializeUserFunctions(directory, true);
}

void UserDefinitions::Save(const std::string& directory) const {
    if (constantsChanged_) WriteConstants(directory);
    if (conversionsChanged_) WriteConversions(directory);
    if (functionsChanged_) WriteFunctions(directory);
}

void UserDefinitions::WriteConstants(const std::string& directory) const {
    WriteUserFile(directory, kUserConstantsFile, EncodeUserConstants(constants_));
}

void UserDefinitions::WriteConversions(const std::string& directory) const {
    std::vector<UserConversion> user;
    for (int i = ConversionList::kFirstUserIndex; i < conversions_.size(); ++i) {
        user.push_back(conversions_.at(i));
    }
    WriteUserFile(directory, kUserConversionsFile, EncodeUserConversions(user));
}

void UserDefinitions::WriteFunctions(const std::string& directory) const {
    WriteUserFile(directory, kUserFunctionsFile, EncodeUserFunctions(functions_));
}

void UserDefinitions::SerializeUserConstants(const std::string& directory, bool loading) {
    if (!loading) return WriteConstants(directory);
    std::string bytes;
    if (ReadUserFile(directory, kUserConstantsFile, bytes)) constants_ = DecodeUserConstants(bytes);
}

void UserDefinitions::SerializeUserConversions(const std::string& directory, bool loading) {
    if (!loading) return WriteConversions(directory);
    std::string bytes;
    if (!ReadUserFile(directory, kUserConversionsFile, bytes)) return;
    conversions_.ClearUserConversions();
    for (const UserConversion& c : DecodeUserConversions(bytes)) {
        conversions_.AppendUserConversion(c.name, c.base, c.factor);
    }
}

void UserDefinitions::SerializeUserFunctions(const std::string& directory, bool loading) {
    if (!loading) return WriteFunctions(directory);
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
