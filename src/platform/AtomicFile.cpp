#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorvix {

namespace {
// A file descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Writes all bytes from the file's start (or its current position).
bool WriteAll(int fd, std::string_view bytes, bool fromStart) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            fromStart ? ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                 static_cast<off_t>(done))
                      : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool Fail(std::string* error, const std::string& file, const char* reason) {
    if (error != nullptr) *error = file + ": " + reason;
    return false;
}

std::string Directory(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside target, created with the permissions an ordinary new
// file gets (the umask applies); -1 when none can be made.
int CreateTemporary(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".tmp%ld-%u", static_cast<long>(::getpid()),
                      counter.fetch_add(1));
        name = target + suffix;
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// For a file with several names: overwrite it where it is, putting the old
// bytes back when the new ones cannot all be written.
bool RewriteInPlace(const std::string& target, std::string_view bytes, std::string* error) {
    std::string old;
    if (!ReadWholeFile(target, old)) return Fail(error, target, "cannot be read to rewrite it");
    Fd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) return Fail(error, target, std::strerror(errno));
    if (WriteAll(fd.get(), bytes, true) &&
        ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd.get()) == 0)
        return true;
    const int failure = errno;
    (void)(WriteAll(fd.get(), old, true) &&
           ::ftruncate(fd.get(), static_cast<off_t>(old.size())) == 0 && ::fsync(fd.get()) == 0);
    return Fail(error, target, std::strerror(failure));
}

// Why the existing file at target (stat st) may not be replaced, or null.
const char* RefusalOfExisting(const std::string& target, const struct stat& st) {
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return std::strerror(errno);
    // A file that no one may write is read-only on purpose, even for the
    // superuser, whom the check above always lets through.
    if ((st.st_mode & 0222) == 0) return "the file is read-only";
    return nullptr;
}
}  // namespace

std::string WriteRefusal(const std::string& path) {
    const std::string target = ResolveWriteTarget(path);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return std::strerror(errno);
    if (exists) {
        if (const char* refusal = RefusalOfExisting(target, st)) return refusal;
        if (st.st_nlink > 1) return std::string();  // rewritten in place
    }
    // The new bytes go to a temporary beside the target.
    std::string tmpPath;
    const int fd = CreateTemporary(target, tmpPath);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    ::unlink(tmpPath.c_str());
    return std::string();
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    // Non-blocking, so that a FIFO without a writer cannot hold up the open.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) return false;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return false;
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        if (data.size() + static_cast<std::size_t>(n) > maxBytes) return false;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    bytes.swap(data);
    return true;
}

std::string ResolveWriteTarget(const std::string& path) {
    std::string current = path;
    // The same bound on a chain of links as the kernel's.
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        char link[4096];
        const ssize_t n = ::readlink(current.c_str(), link, sizeof link);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof link) return current;
        const std::string target(link, static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : Directory(current) + "/" + target;
    }
    return current;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    const std::string target = ResolveWriteTarget(path);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return Fail(error, target, std::strerror(errno));
    if (exists) {
        if (const char* refusal = RefusalOfExisting(target, st)) return Fail(error, target, refusal);
        if (st.st_nlink > 1) return RewriteInPlace(target, bytes, error);
    }

    std::string tmpPath;
    Fd fd(CreateTemporary(target, tmpPath));
    if (fd.get() < 0) return Fail(error, target, std::strerror(errno));
    if (exists) {
        // The group first: changing it may clear set-id bits that the mode
        // then puts back. Either may be refused; the file is written anyway.
        if (st.st_gid != ::getegid()) (void)::fchown(fd.get(), static_cast<uid_t>(-1), st.st_gid);
        (void)::fchmod(fd.get(), st.st_mode & 07777);
    }
    const bool written = WriteAll(fd.get(), bytes, false) && ::fsync(fd.get()) == 0;
    int failure = errno;
    const bool closed = ::close(fd.release()) == 0;
    if (written && !closed) failure = errno;
    if (!written || !closed || std::rename(tmpPath.c_str(), target.c_str()) != 0) {
        if (written && closed) failure = errno;
        ::unlink(tmpPath.c_str());
        return Fail(error, target, std::strerror(failure));
    }
    // Make the rename itself durable; a folder that cannot be synced still
    // holds the new file.
    Fd folder(::open(Directory(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) (void)::fsync(folder.get());
    return true;
}

}  // namespace quorvix
