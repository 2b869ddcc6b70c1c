#pragma once
// At an exit the user asked for: which of the files the exit writes could
// not be written, and why. Writers that report their failures (the
// worksheet, the user definition files) give their own reason; the others
// are checked file by file as the atomic writer would: a file there must be
// a regular file the user may write (and not read-only), and its folder must
// let the temporary that replaces it be made.

#include <string>
#include <vector>

namespace quorvix {

struct UnwritableFile {
    std::string path;
    std::string reason;
    bool operator==(const UnwritableFile&) const = default;
};

std::vector<UnwritableFile> FindUnwritableFiles(const std::vector<std::string>& paths);

// A failed write's error text ("<file>: <reason>", as the file writers
// give it) split into the file and its reason.
UnwritableFile UnwritableFileFromError(const std::string& error);

// Adds file unless the same file is named already.
void AddUnwritableFile(std::vector<UnwritableFile>& files, UnwritableFile file);

// The message box text naming each file and its reason.
std::string UnwritableFilesMessage(const std::vector<UnwritableFile>& files);

}  // namespace quorvix
