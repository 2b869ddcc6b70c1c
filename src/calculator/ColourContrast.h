#pragma once
// How far two colours stand apart for reading, as the web content
// accessibility guidelines measure it: the ratio of their relative
// luminances (each plus 0.05), from 1 (the same) to 21 (black on white).
// Text wants at least 4.5. Colours are 0x00BBGGRR; the top byte is ignored.

#include <cstdint>

namespace quorvix {

// 0 for black to 1 for white, from the sRGB channels made linear.
double RelativeLuminance(std::uint32_t colour);
double ContrastRatio(std::uint32_t a, std::uint32_t b);

inline constexpr double kMinTextContrast = 4.5;

}  // namespace quorvix
