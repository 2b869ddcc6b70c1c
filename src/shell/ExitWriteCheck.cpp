#include "shell/ExitWriteCheck.h"

#include <cerrno>
#include <cstring>
#include <stdlib.h>
#include <unistd.h>

namespace quorvix {

namespace {
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Empty when a new file can be made in folder, else the system's reason.
std::string ProbeFolder(const std::string& folder) {
    std::string name = (folder == "/" ? std::string() : folder) + "/.quorvix-probeXXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    ::unlink(name.c_str());
    return std::string();
}
}  // namespace

std::vector<UnwritableFile> FindUnwritableFiles(const std::vector<std::string>& paths) {
    std::vector<UnwritableFile> result;
    for (const std::string& path : paths) {
        if (path.empty()) continue;
        const std::string reason = ProbeFolder(FolderOf(path));
        if (!reason.empty()) result.push_back({path, reason});
    }
    return result;
}

UnwritableFile UnwritableFileFromError(const std::string& error) {
    // File names may hold ": " themselves; the reasons never do.
    const std::size_t colon = error.rfind(": ");
    if (colon == std::string::npos) return {error, "could not be written"};
    return {error.substr(0, colon), error.substr(colon + 2)};
}

std::string UnwritableFilesMessage(const std::vector<UnwritableFile>& files) {
    std::string text = "These files could not be saved; they keep what they held before:";
    for (const UnwritableFile& file : files) text += "\n" + file.path + ": " + file.reason;
    return text;
}

}  // namespace quorvix
