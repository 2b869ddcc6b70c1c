#pragma once
// Every command id of the program in one place: the keypad's controls, the
// catalogue menu entries, the user-defined submenus, the menu bar commands
// and the tray menu. Keys, menu entries and tray entries reach the logic as
// these integers; the range helpers below tell the groups apart.
//
// It sits in platform, the lowest layer that menus and logic share, so the
// user-definition library includes it for its own ids without an upward
// include: it is constants only and links nothing.

namespace quorvix {

// --- Keypad controls: the frame, indicators, check boxes and 48 keys -------
inline constexpr int kKeypadFrameId = 9989;
inline constexpr int kBaseIndicatorId = 9990;
inline constexpr int kAngleIndicatorId = 9991;
inline constexpr int kInvCheckBoxId = 9992;
inline constexpr int kHypCheckBoxId = 9993;

inline constexpr int kExeKeyId = 9994;
inline constexpr int kAnsKeyId = 9995;
inline constexpr int kBackspaceKeyId = 9996;
inline constexpr int kClearKeyId = 9997;
inline constexpr int kArgumentSeparatorKeyId = 9998;
inline constexpr int kDecimalSeparatorKeyId = 9999;
inline constexpr int kDigitZeroKeyId = 10000;      // digits 0..9 are 10000..10009
inline constexpr int kFirstOperatorKeyId = 10010;  // * / + - ^ % ( )
inline constexpr int kLastOperatorKeyId = 10017;
inline constexpr int kFirstLayoutKeyId = 10018;    // 21 keys whose captions follow the layout
inline constexpr int kLastLayoutKeyId = 10038;
inline constexpr int kExponentKeyId = 10036;       // layout position 18
inline constexpr int kConstKeyId = 10039;
inline constexpr int kConvKeyId = 10040;
inline constexpr int kFuncKeyId = 10041;

inline constexpr int kFirstKeyId = kExeKeyId;
inline constexpr int kLastKeyId = kFuncKeyId;
inline constexpr int kKeyCount = kLastKeyId - kFirstKeyId + 1;  // 48
// Everything shown only with the keypad: frame, indicators, Inv/Hyp, keys.
inline constexpr int kFirstKeypadControlId = kKeypadFrameId;
inline constexpr int kLastKeypadControlId = kLastKeyId;

// --- Catalogue menus (constants, conversions, functions) ------------------
inline constexpr int kFirstConstantCommand = 20000;         // 35 constants
inline constexpr int kFirstEnglishToMetricCommand = 20035;  // 14 conversions
inline constexpr int kFirstMetricToEnglishCommand = 20049;  // the same 14, reversed
inline constexpr int kFirstFunctionCommand = 20063;         // 99 catalogue functions
inline constexpr int kLastFunctionCommand = 20161;
inline constexpr int kFirstCatalogueCommand = kFirstConstantCommand;
inline constexpr int kLastCatalogueCommand = kLastFunctionCommand;

// --- User-defined submenus -------------------------------------------------
// The "&Edit..." entries (they open the editing dialogs).
inline constexpr int kEditUserConstantsCommand = 128;
inline constexpr int kEditUserConversionsCommand = 129;
inline constexpr int kEditUserFunctionsCommand = 130;
// First command of each kind's entries; entry k has first + k. Each kind
// owns the thousand ids from its first one.
inline constexpr int kFirstUserConstantCommand = 25000;
inline constexpr int kFirstUserConversionCommand = 26000;
inline constexpr int kFirstUserFunctionCommand = 27000;
inline constexpr int kUserCommandRangeSize = 1000;

// --- Menu bar: Options -------------------------------------------------------
inline constexpr int kCmdAlwaysOnTop = 32771;
inline constexpr int kCmdNumberFormatGeneral = 32773;
inline constexpr int kCmdNumberFormatScientific = 32774;
inline constexpr int kCmdDigitsDefault = 32775;  // "Default", then "1" .. "11"
inline constexpr int kCmdDigitsLast = 32786;     // "11"
inline constexpr int kCmdShowFinanceBox = 32787;
inline constexpr int kCmdHideKeypad = 32788;
inline constexpr int kCmdNewLineAfterCalculation = 32789;
inline constexpr int kCmdSaveWorksheetOnExit = 32790;
inline constexpr int kCmdBaseDecimal = 32793;
inline constexpr int kCmdBaseBinary = 32794;
inline constexpr int kCmdBaseOctal = 32795;
inline constexpr int kCmdBaseHexadecimal = 32796;
inline constexpr int kCmdBaseOther = 32797;
inline constexpr int kCmdAngleDegrees = 32798;
inline constexpr int kCmdAngleRadians = 32799;
inline constexpr int kCmdAngleGradients = 32800;
inline constexpr int kCmdLayoutMath = 32801;
inline constexpr int kCmdLayoutFinance = 32802;
inline constexpr int kCmdLayoutCustom = 32803;
inline constexpr int kCmdDefineCustomKeys = 32804;
inline constexpr int kCmdShowPopupHelp = 32805;
inline constexpr int kCmdExit = 32814;
inline constexpr int kCmdShowUnitConverter = 32829;
inline constexpr int kCmdRunAtStartup = 32834;
inline constexpr int kCmdSaveWorksheet = 32839;
inline constexpr int kCmdLoadWorksheet = 32840;
inline constexpr int kCmdSaveWorksheetAs = 32841;
inline constexpr int kCmdDisplayOptions = 32852;

// --- Menu bar: Commands (the display commands CLR, ClearVars, ShowVars) ----
inline constexpr int kCmdClearDisplay = 32806;
inline constexpr int kCmdClearVariables = 32807;
inline constexpr int kCmdShowVariables = 32808;
inline constexpr int kCmdPlot = 32809;  // "&Plot...": a plot of the caret's line
inline constexpr int kCmdCopyAnswer = 32845;  // the last answer, without " ="
inline constexpr int kCmdCopyLine = 32846;    // the line under the caret
// The display font one point larger or smaller, or back to its default size.
inline constexpr int kCmdZoomIn = 32847;
inline constexpr int kCmdZoomOut = 32848;
inline constexpr int kCmdZoomReset = 32849;

// --- Menu bar: Functions (before the catalogue submenus) ------------------------
// "&Search...": one search over every function, constant and conversion.
inline constexpr int kCmdSearchCatalogue = 32850;

// --- Display context menu: the clipboard and undo entries (its other entries
// are the menu bar's Clear, Show Variables, Clear Variables and Display Options)
inline constexpr int kCmdDisplayCut = 32856;
inline constexpr int kCmdDisplayCopy = 32857;
inline constexpr int kCmdDisplayPaste = 32858;
inline constexpr int kCmdDisplayUndo = 32859;
inline constexpr int kCmdDisplaySelectAll = 32860;

// --- Menu bar: Help ------------------------------------------------------------
inline constexpr int kCmdHelpContents = 32823;
inline constexpr int kCmdHelpSearch = 32824;
inline constexpr int kCmdHomepage = 32825;
inline constexpr int kCmdAbout = 32826;
inline constexpr int kCmdMailComments = 32827;

// --- Tray menu -------------------------------------------------------------------
inline constexpr int kCmdTrayShowCalculator = 32830;  // the default entry
inline constexpr int kCmdTrayShowFinanceBox = 32831;
inline constexpr int kCmdTrayShowUnitConverter = 32832;
inline constexpr int kCmdTrayExit = 32833;
inline constexpr int kCmdTrayAbout = 32835;
inline constexpr int kCmdTrayMailComments = 32836;
inline constexpr int kCmdTrayHomepage = 32837;

inline constexpr int kFirstMenuCommand = 32771;
inline constexpr int kLastMenuCommand = 32852;

// --- Range helpers ---------------------------------------------------------------
constexpr bool InRange(int id, int first, int last) { return id >= first && id <= last; }

constexpr bool IsKeypadControlId(int id) {
    return InRange(id, kFirstKeypadControlId, kLastKeypadControlId);
}
constexpr bool IsKeyId(int id) { return InRange(id, kFirstKeyId, kLastKeyId); }
constexpr bool IsLayoutKeyId(int id) { return InRange(id, kFirstLayoutKeyId, kLastLayoutKeyId); }
constexpr bool IsCatalogueId(int id) {
    return InRange(id, kFirstCatalogueCommand, kLastCatalogueCommand);
}
constexpr bool IsUserEditCommand(int id) {
    return InRange(id, kEditUserConstantsCommand, kEditUserFunctionsCommand);
}
constexpr bool IsUserConstantCommand(int id) {
    return InRange(id, kFirstUserConstantCommand,
                   kFirstUserConstantCommand + kUserCommandRangeSize - 1);
}
constexpr bool IsUserConversionCommand(int id) {
    return InRange(id, kFirstUserConversionCommand,
                   kFirstUserConversionCommand + kUserCommandRangeSize - 1);
}
constexpr bool IsUserFunctionCommand(int id) {
    return InRange(id, kFirstUserFunctionCommand,
                   kFirstUserFunctionCommand + kUserCommandRangeSize - 1);
}
// An entry of a user-defined submenu (not its "&Edit..." entry).
constexpr bool IsUserMenuId(int id) {
    return IsUserConstantCommand(id) || IsUserConversionCommand(id) ||
           IsUserFunctionCommand(id);
}
constexpr bool IsMenuCommand(int id) { return InRange(id, kFirstMenuCommand, kLastMenuCommand); }
constexpr bool IsTrayCommand(int id) {
    return InRange(id, kCmdTrayShowCalculator, kCmdTrayExit) ||
           InRange(id, kCmdTrayAbout, kCmdTrayHomepage);
}
constexpr bool IsDisplayEditCommand(int id) {
    return InRange(id, kCmdDisplayCut, kCmdDisplaySelectAll);
}
constexpr bool IsDigitsCommand(int id) { return InRange(id, kCmdDigitsDefault, kCmdDigitsLast); }

}  // namespace quorvix
