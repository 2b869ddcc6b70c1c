#include "platform/Locations.h"

#include <unistd.h>

namespace quorvix {

std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) return name;
    if (directory.back() == '/') return directory + name;
    return directory + "/" + name;
}

bool Locations::IsBuildTreeProgram(const std::string& programPath) {
    const std::size_t slash = programPath.rfind('/');
    if (slash == std::string::npos) return false;  // found on the PATH
    const std::string cache = programPath.substr(0, slash + 1) + "../CMakeCache.txt";
    return ::access(cache.c_str(), F_OK) == 0;
}

}  // namespace quorvix
