#include "platform/BinaryIO.h"

#include <cstring>

namespace quorvix {

namespace {
template <typename T>
void AppendLittleEndian(std::string& out, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
    }
}

template <typename T>
T FromLittleEndian(const char* data) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    return static_cast<T>(v);
}
}  // namespace

void ByteWriter::WriteInt32(std::int32_t value) {
    AppendLittleEndian(bytes_, static_cast<std::uint32_t>(value));
}

void ByteWriter::WriteUInt16(std::uint16_t value) { AppendLittleEndian(bytes_, value); }

void ByteWriter::WriteByte(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }

void ByteWriter::WriteDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    AppendLittleEndian(bytes_, bits);
}

void ByteWriter::WriteText(std::string_view text) {
    const std::size_t n = text.size();
    if (n < 255) {
        WriteByte(static_cast<std::uint8_t>(n));
    } else if (n < 65534) {
        WriteByte(0xFF);
        WriteUInt16(static_cast<std::uint16_t>(n));
    } else {
        WriteByte(0xFF);
        WriteUInt16(0xFFFF);
        AppendLittleEndian(bytes_, static_cast<std::uint32_t>(n));
    }
    bytes_.append(text.data(), n);
}

bool ByteReader::Take(std::size_t n, const char*& data) {
    if (!ok_ || n > remaining()) {
        ok_ = false;
        return false;
    }
    data = bytes_.data() + pos_;
    pos_ += n;
    return true;
}

bool ByteReader::ReadInt32(std::int32_t& value) {
    const char* d;
    if (!Take(4, d)) return false;
    value = static_cast<std::int32_t>(FromLittleEndian<std::uint32_t>(d));
    return true;
}

bool ByteReader::ReadUInt16(std::uint16_t& value) {
    const char* d;
    if (!Take(2, d)) return false;
    value = FromLittleEndian<std::uint16_t>(d);
    return true;
}

bool ByteReader::ReadByte(std::uint8_t& value) {
    const char* d;
    if (!Take(1, d)) return false;
    value = static_cast<std::uint8_t>(*d);
    return true;
}

bool ByteReader::ReadDouble(double& value) {
    const char* d;
    if (!Take(8, d)) return false;
    const std::uint64_t bits = FromLittleEndian<std::uint64_t>(d);
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::ReadTextLength(std::uint32_t& length) {
    std::uint8_t first;
    if (!ReadByte(first)) return false;
    if (first != 0xFF) {
        length = first;
        return true;
    }
    std::uint16_t mid;
    if (!ReadUInt16(mid)) return false;
    if (mid != 0xFFFF) {
        length = mid;
        return true;
    }
    const char* d;
    if (!Take(4, d)) return false;
    length = FromLittleEndian<std::uint32_t>(d);
    return true;
}

bool ByteReader::ReadText(std::string& text) {
    return ReadTextLimited(text, static_cast<std::size_t>(-1));
}

bool ByteReader::ReadTextLimited(std::string& text, std::size_t maxLength) {
    std::uint32_t length;
    if (!ReadTextLength(length)) return false;
    const char* d;
    // The length is checked against what is left before anything is copied.
    if (!Take(length, d)) return false;
    if (length > maxLength) {
        text.clear();
    } else {
        text.assign(d, length);
    }
    return true;
}

}  // namespace quorvix
