#include "cli/BoundedLineReader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quorvix {

int BoundedLineReader::Next() {
    if (position_ == filled_) {
        ssize_t n;
        do {
            n = ::read(fd_, buffer_, sizeof buffer_);
        } while (n < 0 && errno == EINTR);
        if (n <= 0) return -1;
        position_ = 0;
        filled_ = static_cast<std::size_t>(n);
    }
    return static_cast<unsigned char>(buffer_[position_++]);
}

bool BoundedLineReader::ReadLine(std::string& line) {
    line.clear();
    bool readAny = false;
    bool tooLong = false;
    // Blanks are kept only once something follows them, so trailing ones
    // never count against the limit.
    std::size_t blanks = 0;
    for (int c = Next(); c >= 0; c = Next()) {
        readAny = true;
        if (c == '\n') break;
        if (tooLong) continue;
        if (c == ' ' || c == '\t') {
            ++blanks;
            continue;
        }
        if (c < 0x20 || c == 0x7F) continue;
        const std::size_t room = limit_ - line.size();
        line.append(std::min(blanks, room), ' ');
        if (blanks > room) {
            tooLong = true;
            line.push_back(static_cast<char>(c));
            continue;
        }
        blanks = 0;
        line.push_back(static_cast<char>(c));
        tooLong = line.size() > limit_;
    }
    if (!tooLong) line.append(std::min(blanks, limit_ - line.size()), ' ');
    return readAny;
}

}  // namespace quorvix
