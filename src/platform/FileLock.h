#pragma once
// An advisory lock that marks a file as being written by one program run.
//
// A program that will write a file later (a worksheet it saves at the end
// of the run, or that the window saves while it is open) takes the lock
// before it reads the file and holds it until its last write:
//
//     FileLock lock;
//     switch (lock.Acquire(worksheetPath)) {
//         case FileLock::Result::Locked:  // read, work, write, then let go
//         case FileLock::Result::Failed:  // no lock possible (say, a read-only
//             break;                      // folder): go on, the write reports
//         case FileLock::Result::InUse:   // another run writes it: stop now,
//             return;                     // without touching the file
//     }
//
// Readers that never write need no lock: writes replace files whole, so a
// reader sees either the old or the new file.
//
// The lock is flock() on a sibling file "<target>.lock", where target is
// the file a write would change (symbolic links followed), so two names for
// one file share one lock. The lock is per open file, so two FileLocks on
// one file conflict even inside one process; it ends with the process, and
// Release (or the destructor) also removes the lock file.

#include <string>

namespace quorvix {

class FileLock {
public:
    enum class Result { Locked, InUse, Failed };

    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock for path without waiting. A lock already held is
    // released first.
    Result Acquire(const std::string& path);
    void Release();

    bool held() const { return fd_ >= 0; }
    // The lock file while held; what went wrong after Failed.
    const std::string& lockPath() const { return lockPath_; }
    const std::string& error() const { return error_; }

private:
    int fd_ = -1;
    std::string lockPath_;
    std::string error_;
};

}  // namespace quorvix
