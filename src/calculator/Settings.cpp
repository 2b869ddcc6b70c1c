#include "calculator/Settings.h"

#include <algorithm>
#include <cstdio>

#include "platform/Locations.h"
#include "platform/RunAtLogon.h"
#include "platform/SettingsStore.h"

namespace quorvix {

namespace {
constexpr const char* kOptions = "Options";
constexpr const char* kCustomKeys = "CustomKeys";
constexpr const char* kDisplay = "Display";
constexpr const char* kKeypad = "Keypad";
constexpr std::size_t kMaxFaceNameLength = 31;

void ReadInt(const SettingsStore& store, const char* key, const char* name,
             std::int32_t& value) {
    if (auto stored = store.ReadInt(key, name)) value = *stored;
}
void ReadBool(const SettingsStore& store, const char* key, const char* name, bool& value) {
    if (auto stored = store.ReadInt(key, name)) value = *stored != 0;
}
void ReadColor(const SettingsStore& store, const char* key, const char* name,
               std::uint32_t& value) {
    if (auto stored = store.ReadInt(key, name)) value = static_cast<std::uint32_t>(*stored);
}
void ReadString(const SettingsStore& store, const char* key, const char* name,
                std::string& value) {
    if (auto stored = store.ReadString(key, name)) value = std::move(*stored);
}

std::string CustomKeyName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "Key%d", index);
    return name;
}

// Options up to and including "FirstUse", then "DisplayFile".
void ReadOptions(const SettingsStore& store, const SettingsContext& context, Settings& s) {
    ReadInt(store, kOptions, "Mode", s.mode);
    ReadInt(store, kOptions, "AngleUnit", s.angleUnit);
    ReadInt(store, kOptions, "NumberBase", s.numberBase);
    if (s.numberBase < 2 || s.numberBase > 36) s.numberBase = 10;
    ReadBool(store, kOptions, "AlwaysOnTop", s.alwaysOnTop);
    ReadBool(store, kOptions, "HideKeypad", s.hideKeypad);
    ReadBool(store, kOptions, "SaveDisplay", s.saveDisplay);
    ReadBool(store, kOptions, "ShowFinanceBox", s.showFinanceBox);
    ReadBool(store, kOptions, "ShowUnitConverter", s.showUnitConverter);
    ReadInt(store, kOptions, "UseLargeFont", s.useLargeFont);
    ReadBool(store, kOptions, "NewLine", s.newLine);
    ReadInt(store, kOptions, "NumberFormat", s.numberFormat);
    ReadInt(store, kOptions, "DecimalPlaces", s.decimalPlaces);
    ReadBool(store, kOptions, "ShowPopupHelp", s.showPopupHelp);
    ReadBool(store, kOptions, "RunAtStartup", s.runAtStartup);
    ReadBool(store, kOptions, "FirstUse", s.firstUse);

    ReadString(store, kOptions, "DisplayFile", s.displayFile);
    // Only the exact default name moves into the program's directory; any
    // other spelling is a path of the user's own, relative to the current
    // directory.
    if (s.displayFile == kDefaultWorksheetName && context.locations != nullptr)
        s.displayFile = JoinPath(context.locations->ProgramDirectory(), s.displayFile);
}

void ReadFont(const SettingsStore& store, const char* key, int dotsPerInchY, FontRecord& font) {
    ReadString(store, key, "FontFaceName", font.faceName);
    if (font.faceName.size() > kMaxFaceNameLength) font.faceName = "MS Sans Serif";
    // A missing or unreadable height reads as 0, which stands for the
    // default character height (-10 at 96 dpi), not the record's initial one.
    std::int32_t height = 0;
    ReadInt(store, key, "FontHeight", height);
    font.height = height != 0 ? LimitFontHeight(height, dotsPerInchY)
                              : -static_cast<std::int32_t>(dotsPerInchY * 0.1111111111111111);
    ReadInt(store, key, "FontWeight", font.weight);
    ReadBool(store, key, "FontItalic", font.italic);
    ReadBool(store, key, "FontUnderline", font.underline);
    ReadBool(store, key, "FontStrikeOut", font.strikeOut);
}

// Everything after the first-use handling: window size, custom captions,
// colours, sizes and fonts.
void ReadRemaining(const SettingsStore& store, const SettingsContext& context, Settings& s) {
    ReadInt(store, kOptions, "Width", s.width);
    ReadInt(store, kOptions, "Height", s.height);

    for (int k = 0; k < kCustomKeyCount; ++k)
        ReadString(store, kCustomKeys, CustomKeyName(k).c_str(), s.customKeys[k]);

    ReadColor(store, kDisplay, "ForeColor", s.foreColor);
    ReadColor(store, kDisplay, "BackColor", s.backColor);
    ReadBool(store, kDisplay, "HighlightSyntax", s.highlightSyntax);
    // An unknown scheme (a later version's, a hand edit) reads as none.
    std::int32_t scheme = 0;
    ReadInt(store, kDisplay, "ColorScheme", scheme);
    if (scheme == static_cast<std::int32_t>(WindowColors::Dark) ||
        scheme == static_cast<std::int32_t>(WindowColors::System))
        s.colorScheme = static_cast<WindowColors>(scheme);
    ReadColor(store, kKeypad, "NumberColor", s.numberColor);
    ReadInt(store, kKeypad, "NumberSize", s.numberSize);
    ReadColor(store, kKeypad, "OperatorColor", s.operatorColor);
    ReadInt(store, kKeypad, "OperatorSize", s.operatorSize);
    ReadColor(store, kKeypad, "FunctionColor", s.functionColor);
    ReadInt(store, kKeypad, "FunctionSize", s.functionSize);
    // Sizes the options dialog would refuse (a hand-edited file) are held to
    // its limits: a size of 0 draws blank keys, a huge one unreadable ones.
    for (std::int32_t* size : {&s.numberSize, &s.operatorSize, &s.functionSize})
        *size = std::clamp<std::int32_t>(*size, kMinKeyFontSize, kMaxKeyFontSize);

    s.displayFont = InitialFontRecord(context.dotsPerInchY);
    s.keypadFont = InitialFontRecord(context.dotsPerInchY);
    ReadFont(store, kDisplay, context.dotsPerInchY, s.displayFont);
    ReadFont(store, kKeypad, context.dotsPerInchY, s.keypadFont);
}

void WriteFont(SettingsStore& store, const char* key, const FontRecord& font) {
    store.WriteString(key, "FontFaceName", font.faceName);
    store.WriteInt(key, "FontHeight", font.height);
    store.WriteInt(key, "FontWeight", font.weight);
    store.WriteInt(key, "FontItalic", font.italic ? 1 : 0);
    store.WriteInt(key, "FontUnderline", font.underline ? 1 : 0);
    store.WriteInt(key, "FontStrikeOut", font.strikeOut ? 1 : 0);
}

std::int32_t AsInt(bool value) { return value ? 1 : 0; }
std::int32_t AsInt(std::uint32_t color) { return static_cast<std::int32_t>(color); }
}  // namespace

const std::array<std::string, kCustomKeyCount>& MathKeyCaptions() {
    static const std::array<std::string, kCustomKeyCount> captions = {
        "fint", "fdiff", "^2", "sin", "cos", "tan", "fzero", "sqrt", "^3", "csc", "sec",
        "cot",  "pi",    "x",  "t",   "log", "ln",  "exp",  "E",     "y",    "="};
    return captions;
}

Settings ReadSettings(const SettingsStore& store, const SettingsContext& context) {
    Settings settings;
    ReadOptions(store, context, settings);
    ReadRemaining(store, context, settings);
    return settings;
}

Settings LoadSettings(SettingsStore& store, const SettingsContext& context,
                      RunAtLogon* runAtLogon) {
    Settings settings;
    ReadOptions(store, context, settings);
    if (settings.firstUse) {
        store.WriteInt(kOptions, "FirstUse", 0);
        UpdateRunAtStartup(settings, context.locations, runAtLogon);
    }
    ReadRemaining(store, context, settings);
    return settings;
}

void SaveSettings(const Settings& s, SettingsStore& store) {
    store.WriteInt(kOptions, "Mode", s.mode);
    store.WriteInt(kOptions, "AngleUnit", s.angleUnit);
    store.WriteInt(kOptions, "NumberBase", s.numberBase);
    store.WriteInt(kOptions, "AlwaysOnTop", AsInt(s.alwaysOnTop));
    store.WriteInt(kOptions, "HideKeypad", AsInt(s.hideKeypad));
    store.WriteInt(kOptions, "SaveDisplay", AsInt(s.saveDisplay));
    store.WriteInt(kOptions, "ShowFinanceBox", AsInt(s.showFinanceBox));
    store.WriteInt(kOptions, "ShowUnitConverter", AsInt(s.showUnitConverter));
    store.WriteInt(kOptions, "NewLine", AsInt(s.newLine));
    store.WriteInt(kOptions, "UseLargeFont", s.useLargeFont);
    store.WriteInt(kOptions, "NumberFormat", s.numberFormat);
    store.WriteInt(kOptions, "DecimalPlaces", s.decimalPlaces);
    store.WriteInt(kOptions, "ShowPopupHelp", AsInt(s.showPopupHelp));
    store.WriteInt(kOptions, "RunAtStartup", AsInt(s.runAtStartup));
    store.WriteInt(kOptions, "Width", s.width);
    store.WriteInt(kOptions, "Height", s.height);
    store.WriteString(kOptions, "DisplayFile", s.displayFile);

    for (int k = 0; k < kCustomKeyCount; ++k)
        store.WriteString(kCustomKeys, CustomKeyName(k), s.customKeys[k]);

    store.WriteInt(kDisplay, "ForeColor", AsInt(s.foreColor));
    store.WriteInt(kDisplay, "BackColor", AsInt(s.backColor));
    store.WriteInt(kKeypad, "NumberColor", AsInt(s.numberColor));
    store.WriteInt(kKeypad, "NumberSize", s.numberSize);
    store.WriteInt(kKeypad, "OperatorColor", AsInt(s.operatorColor));
    store.WriteInt(kKeypad, "OperatorSize", s.operatorSize);
    store.WriteInt(kKeypad, "FunctionColor", AsInt(s.functionColor));
    store.WriteInt(kKeypad, "FunctionSize", s.functionSize);
    WriteFont(store, kDisplay, s.displayFont);
    WriteFont(store, kKeypad, s.keypadFont);
    // Keys added later than the ones above go last, so the order of the
    // older keys stays as it always was.
    store.WriteInt(kDisplay, "HighlightSyntax", AsInt(s.highlightSyntax));
    store.WriteInt(kDisplay, "ColorScheme", static_cast<std::int32_t>(s.colorScheme));
    store.Flush();
}

void UpdateRunAtStartup(const Settings& settings, const Locations* locations,
                        RunAtLogon* runAtLogon) {
    if (runAtLogon == nullptr) return;
    if (settings.runAtStartup) {
        // A build tree keeps the setting but gets no entry: the entry would
        // start whatever is built there next, or nothing once it is gone.
        if (locations != nullptr && locations->RunsFromBuildTree()) return;
        const std::string program = locations != nullptr ? locations->ProgramPath() : "quorvix";
        runAtLogon->Register(program, "/i");
    } else {
        runAtLogon->Unregister();
    }
}

}  // namespace quorvix
