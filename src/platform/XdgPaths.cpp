#include "platform/XdgPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace quorvix {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The parts of a path between its '/', without empty and "." parts.
std::vector<std::string_view> PathParts(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < path.size()) {
        std::size_t j = path.find('/', i);
        if (j == std::string_view::npos) j = path.size();
        const std::string_view part = path.substr(i, j - i);
        i = j + 1;
        if (!part.empty() && part != ".") parts.push_back(part);
    }
    return parts;
}

}  // namespace

std::string CleanPath(std::string_view path) {
    if (path.empty()) return {};
    const bool absolute = path.front() == '/';
    std::vector<std::string_view> parts;
    for (const std::string_view part : PathParts(path)) {
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..")
                parts.pop_back();
            else if (!absolute)
                parts.push_back(part);
            continue;
        }
        parts.push_back(part);
    }
    if (parts.empty()) return absolute ? "/" : ".";
    std::string out;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k > 0 || absolute) out += '/';
        out += parts[k];
    }
    return out;
}

std::string AbsolutePath(std::string_view path) {
    if (path.empty()) return {};
    std::string joined;
    if (path.front() != '/') {
        std::vector<char> buffer(4096);
        while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
            if (errno != ERANGE || buffer.size() > (1u << 20)) return std::string(path);
            buffer.resize(buffer.size() * 2);
        }
        joined = buffer.data();
    }
    joined += '/';
    joined += path;
    std::string out;
    for (const std::string_view part : PathParts(joined)) {
        out += '/';
        out += part;
    }
    return out.empty() ? "/" : out;
}

std::string HomeDirectory() {
    const std::string home = Environment("HOME");
    return CleanPath(home.empty() ? "/" : home);
}

namespace {

// The variable's value, or the folder below the home directory.
std::string VariableOrHome(const char* variable, const char* belowHome) {
    const std::string value = Environment(variable);
    if (!value.empty()) return value;
    std::string dir = HomeDirectory();
    dir += belowHome;
    return dir;
}

}  // namespace

std::string ConfigHome() { return VariableOrHome("XDG_CONFIG_HOME", "/.config"); }

std::string DataHome() { return VariableOrHome("XDG_DATA_HOME", "/.local/share"); }

bool MakePath(const std::string& path) {
    struct stat info {};
    if (path.empty()) return false;
    if (::stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace quorvix
