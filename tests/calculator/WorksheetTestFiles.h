#pragma once
// A fresh temporary directory per test, removed afterwards, and helpers to
// read and write whole files.

#include <fstream>
#include <iterator>
#include <string>

#include "../platform/TempDirectory.h"

namespace quorvix {

class TempDir {
public:
    std::string File(const std::string& name) const { return directory_.path + "/" + name; }
    const std::string& path() const { return directory_.path; }

private:
    TempDirectory directory_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quorvix
