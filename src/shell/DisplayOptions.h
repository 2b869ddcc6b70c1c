#pragma once
// The "Display and Keypad Options" dialog's logic. It works on a copy of the
// display's colours and font, the keypad font and the colour and size of the
// three key groups. Font choices are taken the moment the font dialog is
// confirmed; the size fields and the colour pickers are read only by
// "&Close" (or the close box), so Escape discards what was typed or picked.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/FontRecord.h"
#include "calculator/Settings.h"

namespace quorvix {

struct Settings;
class Prompter;

enum class KeyGroup { Number = 0, Operator = 1, Function = 2 };
inline constexpr int kKeyGroupCount = 3;

struct KeyGroupOptions {
    std::uint32_t colour = 0;  // 0x00BBGGRR
    std::int32_t size = 0;     // points
    bool operator==(const KeyGroupOptions&) const = default;
};

// Everything the dialog edits; colours are 0x00BBGGRR.
struct DisplayOptionsValues {
    std::uint32_t foreColor = 0;
    std::uint32_t backColor = 0;
    FontRecord displayFont;
    FontRecord keypadFont;
    std::array<KeyGroupOptions, kKeyGroupCount> keys{};  // indexed by KeyGroup
    WindowColors colorScheme = WindowColors::Stored;
    bool highlightSyntax = true;

    KeyGroupOptions& Key(KeyGroup group) { return keys[static_cast<std::size_t>(group)]; }
    const KeyGroupOptions& Key(KeyGroup group) const {
        return keys[static_cast<std::size_t>(group)];
    }
    bool operator==(const DisplayOptionsValues&) const = default;
};

DisplayOptionsValues TakeDisplayOptions(const Settings& settings);
// Copies every value back into the settings (the window does this however
// the dialog was closed, then remakes the key fonts and the display format).
void PutDisplayOptions(const DisplayOptionsValues& values, Settings& settings);

// A key font size as typed: blanks around it allowed, an optional sign, then
// digits only, within 1..40. True and sets size when valid.
bool ParseKeyFontSize(std::string_view text, std::int32_t& size);

// "Please enter an integer between 1 and 40."
std::string KeyFontSizeRangeMessage();

class DisplayOptions {
public:
    explicit DisplayOptions(const DisplayOptionsValues& initial) : values_(initial) {}

    const DisplayOptionsValues& values() const { return values_; }

    // What the fields show when the dialog opens. A stored size outside
    // 1..40 (a hand-edited settings file) shows as the nearest valid size,
    // so "&Close" on an untouched dialog never complains about it. Colours
    // come without the unused top byte.
    std::string SizeText(KeyGroup group) const;
    std::uint32_t BackgroundColour() const { return values_.backColor & 0xFFFFFF; }
    std::uint32_t TextColour() const { return values_.foreColor & 0xFFFFFF; }
    std::uint32_t KeyColour(KeyGroup group) const { return values_.Key(group).colour & 0xFFFFFF; }

    // Confirmed font dialogs: taken at once and kept even when the dialog is
    // then left with Escape.
    void TakeDisplayFont(const FontRecord& font) { values_.displayFont = font; }
    void TakeKeypadFont(const FontRecord& font) { values_.keypadFont = font; }
    // The display's text colour belongs to the display font's choices. A
    // text colour of one's own ends the system colours (the window keeps
    // its palette: the system colours are drawn on the desktop's).
    void TakeTextColour(std::uint32_t colour);
    // A scheme from the chooser, and the highlighting switch: applied to
    // the window at once, so they too stay when the dialog is left with
    // Escape. For the system colours, the colours derived from the desktop.
    void TakeScheme(WindowColors windows, std::uint32_t text, std::uint32_t background,
                    const std::array<std::uint32_t, kKeyGroupCount>& keys);
    void TakeHighlightSyntax(bool on) { values_.highlightSyntax = on; }

    // The fields "&Close" reads: three size texts and four picker colours.
    struct Fields {
        std::array<std::string, kKeyGroupCount> sizes;  // indexed by KeyGroup
        std::uint32_t background = 0;
        std::array<std::uint32_t, kKeyGroupCount> keyColours{};
    };
    // "&Close" or the close box: the sizes are read in the order function,
    // number, operator keys; the first one that is not a whole number from 1
    // to 40 shows the range message (application title, exclamation icon),
    // and it and those after it keep their values. The colours are taken in
    // any case and the dialog closes either way; colours of one's own end
    // the system colours. False when a size was refused.
    bool Close(const Fields& fields, Prompter& prompter);

    static constexpr const char* kCaption = "Display and Keypad Options";
    static constexpr const char* kDisplayGroup = "Display";
    static constexpr const char* kBackgroundLabel = "&Background Color:";
    static constexpr const char* kDisplayFontButton = "Display &Font...";
    static constexpr const char* kTextColourLabel = "&Text Color:";
    static constexpr const char* kKeypadGroup = "Keypad";
    static constexpr const char* kKeypadFontButton = "&Keypad Font...";
    static constexpr const char* kSizeLabel = "Font Size:";
    static constexpr const char* kColourLabel = "Font Color:";
    static constexpr const char* kCloseButton = "&Close";
    // The colour scheme chooser, and what it shows for colours of no scheme.
    static constexpr const char* kSchemeLabel = "Color &Scheme:";
    static constexpr const char* kCustomScheme = "Custom colors";
    static constexpr const char* kHighlightBox = "&Highlight syntax";
    static constexpr const char* kHelpKeyword = "Display";
    static const char* GroupCaption(KeyGroup group);

private:
    DisplayOptionsValues values_;
};

}  // namespace quorvix
