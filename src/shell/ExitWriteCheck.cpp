#include "shell/ExitWriteCheck.h"

#include <utility>

#include "platform/AtomicFile.h"

namespace quorvix {

std::vector<UnwritableFile> FindUnwritableFiles(const std::vector<std::string>& paths) {
    std::vector<UnwritableFile> result;
    for (const std::string& path : paths) {
        if (path.empty()) continue;
        const std::string reason = WriteRefusal(path);
        if (!reason.empty()) AddUnwritableFile(result, {path, reason});
    }
    return result;
}

UnwritableFile UnwritableFileFromError(const std::string& error) {
    // File names may hold ": " themselves; the reasons never do.
    const std::size_t colon = error.rfind(": ");
    if (colon == std::string::npos) return {error, "could not be written"};
    return {error.substr(0, colon), error.substr(colon + 2)};
}

void AddUnwritableFile(std::vector<UnwritableFile>& files, UnwritableFile file) {
    for (const UnwritableFile& named : files)
        if (named.path == file.path) return;
    files.push_back(std::move(file));
}

std::string UnwritableFilesMessage(const std::vector<UnwritableFile>& files) {
    std::string text = "These files could not be saved; they keep what they held before:";
    for (const UnwritableFile& file : files) text += "\n" + file.path + ": " + file.reason;
    return text;
}

}  // namespace quorvix
