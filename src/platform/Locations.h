#pragma once
// Where the program keeps its per-user files. "The program's directory" is
// the folder of the user definition files, Recent.cnv and the default
// worksheet; on Linux it is a per-user data directory because the folder of
// the executable is not writable. A data directory given on the command line
// replaces every location, so tests never touch the real ones.

#include <string>

namespace quorvix {

class Locations {
public:
    virtual ~Locations() = default;
    // Folder for user files and the default worksheet, without a trailing '/'.
    virtual std::string ProgramDirectory() const = 0;
    // The program's own path as started; used by the run-at-log-on entry.
    virtual std::string ProgramPath() const = 0;
    // Whether the program runs from the folder it was built in, where no
    // log-on entry should point (the folder is rebuilt, moved or removed).
    virtual bool RunsFromBuildTree() const { return IsBuildTreeProgram(ProgramPath()); }

    // A program path inside a CMake build tree: the folder above the
    // program's folder holds CMakeCache.txt. An installed program (make
    // install, the package) never has one there.
    static bool IsBuildTreeProgram(const std::string& programPath);
};

// Joins a folder and a file name with one '/'.
std::string JoinPath(const std::string& directory, const std::string& name);

// Fixed locations, for tests and for the data-directory override.
class FixedLocations : public Locations {
public:
    FixedLocations(std::string directory, std::string programPath = "quorvix")
        : directory_(std::move(directory)), programPath_(std::move(programPath)) {}
    std::string ProgramDirectory() const override { return directory_; }
    std::string ProgramPath() const override { return programPath_; }

private:
    std::string directory_;
    std::string programPath_;
};

}  // namespace quorvix
