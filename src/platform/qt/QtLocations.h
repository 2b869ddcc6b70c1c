#pragma once
// The real per-user locations on Linux: user files live in the per-user data
// directory (~/.local/share/Daltrane/Quorvix), unless a data directory is
// given, which then holds everything.

#include <string>

#include "platform/Locations.h"

namespace quorvix {

class QtLocations : public Locations {
public:
    explicit QtLocations(std::string dataDir = {});
    // Created on first use so that files can be written into it.
    std::string ProgramDirectory() const override;
    // The running executable when a Qt application object exists, else "quorvix".
    std::string ProgramPath() const override;

private:
    std::string dataDir_;
};

}  // namespace quorvix
