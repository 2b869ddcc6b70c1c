#pragma once
// Whole-file reading and writing. Writes go to a temporary file beside the
// target that is then renamed over it, so a crash or a full disk never leaves
// a half-written file behind: the target holds either the old or the new bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvix {

// Reads the whole file into bytes. False (bytes untouched) when it cannot be
// opened or read, or when it is larger than maxBytes.
bool ReadWholeFile(const std::string& path, std::string& bytes,
                   std::size_t maxBytes = std::size_t{1} << 30);

// Replaces the file at path with bytes, atomically. False on any failure, in
// which case the old file (if any) is unchanged and no temporary is left.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quorvix
