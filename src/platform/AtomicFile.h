#pragma once
// Whole-file reading and writing, shared by every file the program keeps
// (worksheets, user definition files, Recent.cnv, the autostart entry).
//
// Reading never blocks on an odd file: a FIFO, device or directory under a
// file's name is reported unreadable instead of being waited on.
//
// Writing replaces what the user named, not the name itself: a symbolic link
// is followed and its target written; the target keeps its permission bits
// (and its group where the user may set it). A file the user may not write
// (or that no one may write: read-only on purpose), or something that is not
// a regular file, is refused. The new bytes go to a
// temporary file in the target's folder that is synced and then renamed over
// the target, so a crash or a full disk leaves either the old or the new
// bytes. The one exception is a file with several hard links: renaming
// would split it from its other names, so it is rewritten in place (and the
// old bytes are put back when that fails part-way).

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvix {

// Reads the whole file into bytes. False (bytes untouched) when it cannot be
// opened or read, is not a regular file, or is larger than maxBytes.
bool ReadWholeFile(const std::string& path, std::string& bytes,
                   std::size_t maxBytes = std::size_t{1} << 30);

// The file that writing to path changes: path itself, or the final target
// of a chain of symbolic links (which need not exist yet).
std::string ResolveWriteTarget(const std::string& path);

// Why WriteFileAtomically(path, ...) would be refused before writing (the
// system's reason or one of the refusals above), or empty when it may go
// ahead. A full disk may still make the write fail.
std::string WriteRefusal(const std::string& path);

// Replaces the file at path with bytes as described above. False on any
// failure, in which case the old file (if any) is unchanged, no temporary is
// left, and error (when given) names the file and says what went wrong.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

}  // namespace quorvix
