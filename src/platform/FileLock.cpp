#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/AtomicFile.h"

namespace quorvix {

FileLock::Result FileLock::Acquire(const std::string& path) {
    Release();
    const std::string lockPath = ResolveWriteTarget(path) + ".lock";
    // A run that lets go removes the lock file; one that opened the old file
    // just before that holds a lock on a file without a name. Checking that
    // the name still leads to the locked file after locking rules that out.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(lockPath.c_str(),
                              O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK,
                              0600);
        if (fd < 0) {
            error_ = lockPath + ": " + std::strerror(errno);
            return Result::Failed;
        }
        int locked;
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int failure = errno;
            ::close(fd);
            if (failure == EWOULDBLOCK) return Result::InUse;
            error_ = lockPath + ": " + std::strerror(failure);
            return Result::Failed;
        }
        struct stat opened;
        struct stat named;
        if (::fstat(fd, &opened) == 0 && ::lstat(lockPath.c_str(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            fd_ = fd;
            lockPath_ = lockPath;
            error_.clear();
            return Result::Locked;
        }
        ::close(fd);
    }
    error_ = lockPath + ": keeps changing";
    return Result::Failed;
}

void FileLock::Release() {
    if (fd_ < 0) return;
    // Removed while still locked, so no other run can lock the old file
    // under the name after this.
    ::unlink(lockPath_.c_str());
    ::close(fd_);
    fd_ = -1;
    lockPath_.clear();
}

}  // namespace quorvix
