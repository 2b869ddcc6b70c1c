#pragma once
// Lines from a file descriptor (piped standard input) with bounded memory.
// A line never holds more than the limit and one character: what the
// worksheet would refuse as too long is not kept, so input without line
// breaks cannot grow memory.

#include <cstddef>
#include <string>

namespace quorvix {

class BoundedLineReader {
public:
    BoundedLineReader(int fd, std::size_t limit) : fd_(fd), limit_(limit) {}

    // The next line without its line break; false at the end of the input
    // (or on a read error) when nothing was read. Characters that cannot be
    // typed (controls other than tab) are dropped; tabs become blanks.
    // Blanks at the end that would take the line over the limit are dropped.
    // A line over the limit otherwise comes back as its first limit + 1
    // characters, and the rest up to the line break is read and discarded.
    bool ReadLine(std::string& line);

private:
    int Next();  // the next byte, or -1 at the end

    int fd_;
    std::size_t limit_;
    char buffer_[65536];
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

}  // namespace quorvix
