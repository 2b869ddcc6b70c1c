#pragma once
// Before an exit the user asked for: which of the files the exit writes
// cannot be written, and why. Every file is replaced through a temporary
// beside it, so a file is writable exactly when its folder lets a new file
// be made there.

#include <string>
#include <vector>

namespace quorvix {

struct UnwritableFile {
    std::string path;
    std::string reason;
};

std::vector<UnwritableFile> FindUnwritableFiles(const std::vector<std::string>& paths);

// The message box text naming each file and its reason.
std::string UnwritableFilesMessage(const std::vector<UnwritableFile>& files);

}  // namespace quorvix
