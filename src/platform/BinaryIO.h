#pragma once
// The binary encoding shared by every file the program writes: little-endian
// integers and doubles, and length-prefixed single-byte texts:
//   length < 255           : one length byte
//   255 <= length < 65534  : 0xFF, then a 16-bit length
//   length >= 65534        : 0xFF, 0xFFFF, then a 32-bit length
// followed by the characters without terminator. There are no headers.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvix {

// Builds a file's bytes in memory.
class ByteWriter {
public:
    void WriteInt32(std::int32_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteByte(std::uint8_t value);
    void WriteDouble(double value);
    void WriteText(std::string_view text);

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Reads a file's bytes, treating them as hostile: every read checks what is
// left, and a text whose length claims more than remains fails without
// allocating it. After the first failure every further read fails too.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool ReadInt32(std::int32_t& value);
    bool ReadUInt16(std::uint16_t& value);
    bool ReadByte(std::uint8_t& value);
    bool ReadDouble(double& value);
    bool ReadText(std::string& text);
    // Reads a text but keeps it only when it has at most maxLength characters;
    // a longer (complete) text reads as empty. Fails like ReadText.
    bool ReadTextLimited(std::string& text, std::size_t maxLength);

    bool ok() const { return ok_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

private:
    bool Take(std::size_t n, const char*& data);
    bool ReadTextLength(std::uint32_t& length);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace quorvix
