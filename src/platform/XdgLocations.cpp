#include "platform/XdgLocations.h"

#include "platform/XdgPaths.h"

namespace quorvix {

XdgLocations::XdgLocations(std::string dataDir, bool createDirectory)
    : dataDir_(std::move(dataDir)), createDirectory_(createDirectory) {}

std::string XdgLocations::ProgramDirectory() const {
    std::string dir = dataDir_.empty() ? DataHome() + "/Daltrane/Quorvix" : dataDir_;
    if (createDirectory_) MakePath(dir);
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

}  // namespace quorvix
