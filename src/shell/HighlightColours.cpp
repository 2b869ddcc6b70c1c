#include "shell/HighlightColours.h"

#include "calculator/ColourContrast.h"
#include "calculator/Settings.h"
#include "shell/ColourSchemes.h"

namespace quorvix {

namespace {

// On the default pale yellow and other light displays.
constexpr HighlightColours kLight = {
    .answer = 0,
    .answerBold = true,
    .function = 0x8B008B,         // RGB(139, 0, 139)
    .variable = 0x6B4A00,         // RGB(0, 74, 107)
    .number = 0x000080,           // RGB(128, 0, 0)
    .operation = 0x404040,
    .errorBackground = 0xC0C0FF,  // light red
};

// Black on white: deep colours and a yellow error mark.
constexpr HighlightColours kHighContrast = {
    .answer = 0,
    .answerBold = true,
    .function = 0x6E006E,         // RGB(110, 0, 110)
    .variable = 0x5A3C00,         // RGB(0, 60, 90)
    .number = 0x000090,           // RGB(144, 0, 0)
    .operation = 0x000000,
    .errorBackground = 0x00FFFF,  // yellow
};

// Light colours on dark displays.
constexpr HighlightColours kDark = {
    .answer = 0,
    .answerBold = true,
    .function = 0xF0AADC,         // RGB(220, 170, 240)
    .variable = 0xFEDC9C,         // RGB(156, 220, 254)
    .number = 0xA8CEB5,           // RGB(181, 206, 168)
    .operation = 0xC8C8C8,
    .errorBackground = 0x28286E,  // RGB(110, 40, 40)
};

bool IsHighContrast(const Settings& s) {
    return s.colorScheme == WindowColors::Stored &&
           FindColourScheme(WindowColors::Stored, s.foreColor, s.backColor,
                            {s.numberColor, s.operatorColor, s.functionColor}) ==
               kHighContrastSchemeIndex;
}

// Readable on both the display and the error mark.
std::uint32_t ReadableOnBoth(std::uint32_t colour, std::uint32_t background,
                             std::uint32_t errorBackground) {
    return ReadableOn(ReadableOn(colour, errorBackground), background);
}

}  // namespace

HighlightColours HighlightColoursFor(const Settings& settings) {
    const std::uint32_t background = settings.backColor & 0xFFFFFF;
    HighlightColours colours = IsHighContrast(settings)      ? kHighContrast
                               : IsLightBackground(background) ? kLight
                                                               : kDark;
    colours.answer = settings.foreColor & 0xFFFFFF;
    for (std::uint32_t* text : {&colours.answer, &colours.function, &colours.variable,
                                &colours.number, &colours.operation})
        *text = ReadableOnBoth(*text, background, colours.errorBackground);
    return colours;
}

}  // namespace quorvix
