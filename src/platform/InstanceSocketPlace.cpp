#include "platform/InstanceSocketPlace.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace quorvix {

namespace {

// Socket paths are limited to 107 bytes; the socket's own name takes 33.
constexpr std::size_t kMaxDirectoryLength = 70;

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

// A folder (not a link) owned by this user that no one else may enter.
bool IsPrivateFolder(const std::string& path, bool closeIfOpen, std::string& problem) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        problem = path + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        problem = path + " is not a folder";
        return false;
    }
    if (info.st_uid != ::geteuid()) {
        problem = path + " belongs to another user";
        return false;
    }
    if ((info.st_mode & 077) != 0) {
        if (!closeIfOpen || ::chmod(path.c_str(), 0700) != 0) {
            problem = path + " is open to other users";
            return false;
        }
    }
    if (path.size() > kMaxDirectoryLength) {
        problem = path + " is too long a path for a socket";
        return false;
    }
    return true;
}

}  // namespace

std::string InstanceSocketDirectory(std::string* problem) {
    std::string why;
    if (const char* runtime = Variable("XDG_RUNTIME_DIR")) {
        const std::string folder(runtime);
        if (IsPrivateFolder(folder, false, why)) return folder;
    }
    const char* temporary = Variable("TMPDIR");
    std::string folder = temporary != nullptr ? temporary : "/tmp";
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    folder += "/quorvix-" + std::to_string(::geteuid());
    // mkdir never follows a link at the last step, and fails on anything
    // already there; what is there is then checked like a new folder.
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        why = folder + ": " + std::strerror(errno);
    } else if (IsPrivateFolder(folder, true, why)) {
        return folder;
    }
    if (problem != nullptr) *problem = why;
    return std::string();
}

bool SocketPeerIsThisUser(int socketDescriptor) {
    struct ucred peer {};
    socklen_t size = sizeof peer;
    if (::getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        size != sizeof peer) {
        return false;
    }
    return peer.uid == ::geteuid();
}

}  // namespace quorvix
