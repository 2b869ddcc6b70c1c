#pragma once
// The real per-user locations on Linux without Qt, the same folders as
// QtLocations: user files live in the per-user data directory
// (DATA/Daltrane/Quorvix, DATA being $XDG_DATA_HOME or ~/.local/share),
// unless a data directory is given, which then holds everything.

#include <string>

#include "platform/Locations.h"

namespace quorvix {

class XdgLocations : public Locations {
public:
    // createDirectory: a program that writes state has the directory made on
    // first use; one that only reads takes a missing directory as empty.
    explicit XdgLocations(std::string dataDir = {}, bool createDirectory = true);
    std::string ProgramDirectory() const override;
    // "quorvix": only the window registers itself to run at log-on.
    std::string ProgramPath() const override { return "quorvix"; }

private:
    std::string dataDir_;
    bool createDirectory_;
};

}  // namespace quorvix
