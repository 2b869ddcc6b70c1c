#pragma once
// The colours in which the display shows the parts of its text: answer
// lines, function and variable names, numbers, operators and the part an
// error selected. They are a view of the text only; the worksheet and its
// file stay as typed. Colours are 0x00BBGGRR, like every stored colour.

#include <cstdint>

namespace quorvix {

struct Settings;

struct HighlightColours {
    std::uint32_t answer = 0;
    bool answerBold = true;
    std::uint32_t function = 0;
    std::uint32_t variable = 0;
    std::uint32_t number = 0;
    std::uint32_t operation = 0;  // operators and brackets
    std::uint32_t errorBackground = 0;
};

// The highlight colours that go with the display colours of these settings:
// a set for light displays, one for the high-contrast scheme and one for
// dark displays (the dark scheme, or system colours on a dark desktop).
// Answers take the display's text colour. Every text colour reads at 4.5:1
// or better on the display's background and on the error background; the
// light set on the default colours is used as it is.
HighlightColours HighlightColoursFor(const Settings& settings);

}  // namespace quorvix
