#pragma once
// The real per-user locations on Linux: user files live in the per-user data
// directory (~/.local/share/Daltrane/Quorvix), unless a data directory is
// given, which then holds everything.

#include <string>

#include "platform/Locations.h"

namespace quorvix {

class QtLocations : public Locations {
public:
    // createDirectory: a program that writes state (the window, a run that
    // continues a worksheet) has the directory made on first use; one that
    // only reads takes a missing directory as holding nothing.
    explicit QtLocations(std::string dataDir = {}, bool createDirectory = true);
    std::string ProgramDirectory() const override;
    // The running executable when a Qt application object exists, else "quorvix".
    std::string ProgramPath() const override;

private:
    std::string dataDir_;
    bool createDirectory_;
};

}  // namespace quorvix
