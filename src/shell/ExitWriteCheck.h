#pragma once
// At an exit the user asked for: which of the files the exit writes could
// not be written, and why. Writers that report their failures (the
// worksheet) give their own reason; for the others the folder is probed:
// every file is replaced through a temporary beside it, so a file is
// writable exactly when its folder lets a new file be made there.

#include <string>
#include <vector>

namespace quorvix {

struct UnwritableFile {
    std::string path;
    std::string reason;
};

std::vector<UnwritableFile> FindUnwritableFiles(const std::vector<std::string>& paths);

// A failed write's error text ("<file>: <reason>", as the file writers
// give it) split into the file and its reason.
UnwritableFile UnwritableFileFromError(const std::string& error);

// The message box text naming each file and its reason.
std::string UnwritableFilesMessage(const std::vector<UnwritableFile>& files);

}  // namespace quorvix
