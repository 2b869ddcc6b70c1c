#pragma once
// Every persisted option of the calculator window with its default, and the
// operations that read and write them through a SettingsStore. Values are
// grouped under the keys "Options", "CustomKeys", "Display" and "Keypad".

#include <array>
#include <cstdint>
#include <string>

#include "calculator/FontRecord.h"

namespace quorvix {

class SettingsStore;
class Locations;
class RunAtLogon;

inline constexpr int kCustomKeyCount = 21;
inline constexpr const char* kDefaultWorksheetName = "Quorvix.qws";
inline constexpr int kDefaultDotsPerInch = 96;

// The captions of the 21 layout keys in the Math layout; also the defaults of
// the custom captions.
const std::array<std::string, kCustomKeyCount>& MathKeyCaptions();

// How the window is coloured ("Display" value "ColorScheme"). Stored: the
// desktop's palette with the stored display and caption colours, as before
// the value existed. Dark: the program's own dark palette for every window,
// with the stored colours. System: the desktop's palette throughout; the
// display and caption colours are derived from it whenever it is applied.
enum class WindowColors : std::int32_t { Stored = 0, Dark = 1, System = 2 };

struct Settings {
    // "Options"
    std::int32_t mode = 0;        // keypad layout: 0 Math, 1 Finance, 2 Custom
    std::int32_t angleUnit = 1;   // 0 degrees, 1 radians, 2 gradians
    std::int32_t numberBase = 10; // 2..36
    bool alwaysOnTop = false;
    bool hideKeypad = false;
    bool saveDisplay = true;
    bool showFinanceBox = true;
    bool showUnitConverter = false;
    std::int32_t useLargeFont = 0;  // kept and written back as read
    bool newLine = true;
    std::int32_t numberFormat = 0;   // 0 general, 1 scientific
    std::int32_t decimalPlaces = 10; // significant digits, 0 = default
    bool showPopupHelp = true;
    bool runAtStartup = true;
    bool firstUse = true;
    std::string displayFile = kDefaultWorksheetName;
    std::int32_t width = 500;
    std::int32_t height = 400;

    // "CustomKeys"
    std::array<std::string, kCustomKeyCount> customKeys = MathKeyCaptions();

    // "Display" colours, 0x00BBGGRR
    std::uint32_t foreColor = 0xFF0000;
    std::uint32_t backColor = 0xF2FFFF;
    // Colours the display's answers, names, numbers and operators (view only:
    // the worksheet text is never changed by it).
    bool highlightSyntax = true;
    WindowColors colorScheme = WindowColors::Stored;
    // "Keypad" caption colours and sizes in points
    std::uint32_t numberColor = 0xFF;
    std::int32_t numberSize = 10;
    std::uint32_t operatorColor = 0xFFFF;
    std::int32_t operatorSize = 13;
    std::uint32_t functionColor = 0xFF0000;
    std::int32_t functionSize = 8;

    FontRecord displayFont;
    FontRecord keypadFont;
};

// What the settings need from the host besides the store.
struct SettingsContext {
    const Locations* locations = nullptr;  // the program's directory and path
    int dotsPerInchY = kDefaultDotsPerInch;
};

// Reads every value without writing anything (for front ends that only
// look). Missing or unreadable values keep their defaults. A "DisplayFile"
// equal to the default name (case matters) is placed in the program's
// directory.
Settings ReadSettings(const SettingsStore& store, const SettingsContext& context);

// The start-up read: as ReadSettings, and on the first use also records
// "FirstUse" = 0 and applies the run-at-log-on choice.
Settings LoadSettings(SettingsStore& store, const SettingsContext& context,
                      RunAtLogon* runAtLogon);

// Writes every value except "FirstUse", in a fixed order.
void SaveSettings(const Settings& settings, SettingsStore& store);

// Creates or removes the run-at-log-on entry for the setting, at once. The
// entry starts the program hidden in the tray (argument "/i"). A program run
// from its build tree writes no entry (an existing one is left alone).
void UpdateRunAtStartup(const Settings& settings, const Locations* locations,
                        RunAtLogon* runAtLogon);

}  // namespace quorvix
