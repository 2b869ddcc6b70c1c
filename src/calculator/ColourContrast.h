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

// The colour a fraction t (0..1) of the way from a to b, channel by channel.
std::uint32_t MixColours(std::uint32_t a, std::uint32_t b, double t);

// Whether text on this background is better black than white.
bool IsLightBackground(std::uint32_t background);

// The colour itself when it reads on the background at the given ratio;
// otherwise the nearest step of it towards black (on a light background) or
// white (on a dark one) that does. Black or white always reach 4.5:1, so
// the hue is kept as far as the background allows.
std::uint32_t ReadableOn(std::uint32_t colour, std::uint32_t background,
                         double ratio = kMinTextContrast);

}  // namespace quorvix
