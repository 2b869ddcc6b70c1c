#include "calculator/CalculatorFrame.h"

#include "calculator/CalculatorDialog.h"
#include "calculator/CatalogueMenus.h"
#include "calculator/FrameIndicators.h"
#include "calculator/Keypad.h"
#include "calculator/KeypadHost.h"
#include "calculator/MakerAddresses.h"
#include "calculator/PopupHelp.h"
#include "calculator/SettingsBinding.h"
#include "calculator/WindowMenus.h"
#include "calculator/WorksheetDocument.h"
#include "platform/HelpViewer.h"

namespace quorvix {

namespace {

// Values the menus cannot show are replaced by the ones that behave the
// same (format, digits, layout) or by the default (angle unit).
void KeepChoicesInRange(Settings& s) {
    if (s.angleUnit < 0 || s.angleUnit > 2) s.angleUnit = 1;
    if (s.numberFormat != 1) s.numberFormat = 0;
    if (s.decimalPlaces < 0 || s.decimalPlaces > kCmdDigitsLast - kCmdDigitsDefault)
        s.decimalPlaces = 0;
    if (s.mode < 0 || s.mode > 2) s.mode = 0;
}

}  // namespace

CalculatorFrame::CalculatorFrame(Settings& settings, CalculatorDialog& calculator, Keypad& keypad,
                                 KeypadHost& keypadHost, WorksheetDocument& worksheet,
                                 FrameServices services, FrameHost& host)
    : settings_(settings),
      calculator_(calculator),
      keypad_(keypad),
      keypadHost_(keypadHost),
      worksheet_(worksheet),
      services_(services),
      host_(host) {}

void CalculatorFrame::ApplySettings() {
    KeepChoicesInRange(settings_);
    ApplySettingsToCalculator(settings_, calculator_);
    keypad_.ApplyKeypadLayout(settings_.mode, settings_.customKeys);
    UpdateIndicators();
}

MenuItems CalculatorFrame::MenuBar() const {
    return BuildWindowMenuBar(settings_, calculator_.userDefinitions());
}

bool CalculatorFrame::IsFrameCommand(int id) const {
    return IsMenuCommand(id) || IsDisplayEditCommand(id) || IsCatalogueId(id) || IsUserMenuId(id) ||
           IsUserEditCommand(id);
}

bool CalculatorFrame::RunCommand(int id) {
    if (!IsFrameCommand(id)) return false;
    if (IsTrayCommand(id)) return true;  // the tray window's own commands
    return RunOptionsCommand(id) || RunHelpCommand(id) || RunInsertingCommand(id);
}

void CalculatorFrame::UpdateIndicators() {
    calculator_.SetNumberBase(settings_.numberBase);
    settings_.numberBase = calculator_.numberBase();  // a base out of range became 10
    calculator_.SetAngleUnit(settings_.angleUnit);
    baseIndicator_ = BaseIndicatorText(settings_.numberBase);
    angleIndicator_ = AngleIndicatorText(settings_.angleUnit);
    keypad_.SetExponentKeyForBase(settings_.numberBase);
}

std::optional<DisplayOnlyLayout> CalculatorFrame::DisplayOnlyResized(Size client,
                                                                     Size restoredWindow,
                                                                     const FrameMetrics& metrics) {
    if (!settings_.hideKeypad) return std::nullopt;
    settings_.width = restoredWindow.width;
    settings_.height = restoredWindow.height;
    return LayOutDisplayOnly(client, metrics);
}

void CalculatorFrame::SetNumberBase(int base) {
    settings_.numberBase = base;
    UpdateIndicators();
}

void CalculatorFrame::SetKeypadLayout(int mode) {
    settings_.mode = mode;
    keypad_.ApplyKeypadLayout(mode, settings_.customKeys);
}

void CalculatorFrame::ShowWorksheetProblem() {
    if (!worksheet_.writeError().empty())
        calculator_.ShowHelpText(worksheet_.writeError());
    else if (!worksheet_.readNotice().empty())
        calculator_.ShowHelpText(worksheet_.readNotice());
    else if (worksheet_.inUse())
        calculator_.ShowHelpText(worksheet_.path() + ": " + kWorksheetInUse);
}

bool CalculatorFrame::RunOptionsCommand(int id) {
    return RunNumberCommand(id) || RunWindowCommand(id) || RunWorksheetCommand(id);
}

// Number base, angle unit, number format, digits.
bool CalculatorFrame::RunNumberCommand(int id) {
    Settings& s = settings_;
    if (IsDigitsCommand(id)) {
        s.decimalPlaces = id - kCmdDigitsDefault;
        calculator_.SetSignificantDigits(s.decimalPlaces);
        return true;
    }
    switch (id) {
        case kCmdBaseDecimal: SetNumberBase(10); return true;
        case kCmdBaseBinary: SetNumberBase(2); return true;
        case kCmdBaseOctal: SetNumberBase(8); return true;
        case kCmdBaseHexadecimal: SetNumberBase(16); return true;
        case kCmdBaseOther:
            if (const std::optional<int> base = host_.AskNumberBase()) SetNumberBase(*base);
            return true;
        case kCmdAngleDegrees:
        case kCmdAngleRadians:
        case kCmdAngleGradients:
            s.angleUnit = id - kCmdAngleDegrees;
            UpdateIndicators();
            return true;
        case kCmdNumberFormatGeneral:
        case kCmdNumberFormatScientific:
            s.numberFormat = id - kCmdNumberFormatGeneral;
            calculator_.SetNumberFormat(s.numberFormat);
            return true;
        default: return false;
    }
}

// The window, the keypad and the tool windows.
bool CalculatorFrame::RunWindowCommand(int id) {
    Settings& s = settings_;
    switch (id) {
        case kCmdAlwaysOnTop:
            s.alwaysOnTop = !s.alwaysOnTop;
            host_.SetOwnerTopmost(s.alwaysOnTop);
            return true;
        case kCmdLayoutMath: SetKeypadLayout(0); return true;
        case kCmdLayoutFinance: SetKeypadLayout(1); return true;
        case kCmdLayoutCustom: SetKeypadLayout(2); return true;
        case kCmdDefineCustomKeys:
            DefineCustomKeys(s, keypad_, [this](auto& captions) { host_.EditCustomKeys(captions); });
            return true;
        case kCmdHideKeypad:
            s.hideKeypad = !s.hideKeypad;
            host_.SetKeypadVisible(!s.hideKeypad);
            return true;
        case kCmdShowPopupHelp:
            s.showPopupHelp = !s.showPopupHelp;
            host_.SetTooltipsEnabled(s.showPopupHelp);
            return true;
        case kCmdDisplayOptions: host_.ShowDisplayOptions(); return true;
        case kCmdShowUnitConverter:
            host_.SetOwnerTopmost(s.alwaysOnTop);
            host_.ShowUnitConverter(calculator_.lastResult());
            return true;
        case kCmdShowFinanceBox:
            host_.SetOwnerTopmost(s.alwaysOnTop);
            host_.ShowFinanceBox();
            return true;
        case kCmdSearchCatalogue: host_.ShowCatalogueSearch(); return true;
        case kCmdRunAtStartup:
            s.runAtStartup = !s.runAtStartup;
            UpdateRunAtStartup(s, services_.locations, services_.runAtLogon);
            return true;
        default: return false;
    }
}

// The worksheet: its file, its display commands, the exit.
bool CalculatorFrame::RunWorksheetCommand(int id) {
    Settings& s = settings_;
    switch (id) {
        case kCmdSaveWorksheet:
            worksheet_.Save(calculator_.display());
            ShowWorksheetProblem();
            return true;
        case kCmdSaveWorksheetAs:
            worksheet_.SaveAs(calculator_.display(), services_.fileDialogs);
            ShowWorksheetProblem();
            return true;
        case kCmdLoadWorksheet:
            worksheet_.Load(calculator_.display(), services_.prompter, services_.fileDialogs);
            ShowWorksheetProblem();
            return true;
        case kCmdSaveWorksheetOnExit: s.saveDisplay = !s.saveDisplay; return true;
        case kCmdNewLineAfterCalculation:
            s.newLine = !s.newLine;
            calculator_.SetNewLineAfterCalculation(s.newLine);
            return true;
        case kCmdExit: calculator_.RequestExit(); return true;
        case kCmdClearDisplay: calculator_.ClearDisplay(); return true;
        case kCmdClearVariables: calculator_.ConfirmClearVariables(); return true;
        case kCmdShowVariables: calculator_.ShowVariables(); return true;
        case kCmdPlot: host_.ShowPlot(); return true;
        case kCmdZoomIn: host_.ZoomDisplay(1); return true;
        case kCmdZoomOut: host_.ZoomDisplay(-1); return true;
        case kCmdZoomReset: host_.ZoomDisplay(0); return true;
        default: return calculator_.RunDisplayEditCommand(id);
    }
}

bool CalculatorFrame::RunHelpCommand(int id) {
    switch (id) {
        case kCmdHelpContents: services_.help.OpenContents(); return true;
        case kCmdHelpSearch: {
            // The menu entry: the search over all pages, with the name F1
            // would open as its query (the user may type over it).
            std::string keyword = HelpKeywordAtCaret(calculator_.display());
            if (keyword.empty()) keyword = calculator_.helpKeyword();
            services_.help.OpenSearch(keyword);
            calculator_.SetHelpKeyword("");
            return true;
        }
        case kCmdHomepage: OpenMakerHomepage(services_.shell, services_.prompter); return true;
        case kCmdMailComments: OpenMakerMail(services_.shell, services_.prompter); return true;
        case kCmdAbout: host_.ShowAbout(); return true;
        default: return false;
    }
}

void CalculatorFrame::KeywordHelp() {
    std::string keyword = calculator_.helpKeyword();
    ShowKeywordHelp(calculator_.display(), keyword, services_.help);
    calculator_.SetHelpKeyword(keyword);
}

bool CalculatorFrame::RunInsertingCommand(int id) {
    if (IsUserEditCommand(id)) {
        host_.EditUserDefinitions(id);
        return true;
    }
    if (IsCatalogueId(id)) return RunCatalogueCommand(id, keypadHost_);
    if (!IsUserMenuId(id)) return false;
    const UserDefinitions& defs = calculator_.userDefinitions();
    if (IsUserFunctionCommand(id)) {
        const auto index = static_cast<std::size_t>(id - kFirstUserFunctionCommand);
        if (index >= defs.functions().size()) return true;  // a stale entry: nothing to do
        InsertFunction(defs.functions()[index], keypadHost_);
        return true;
    }
    if (const std::optional<UserMenuInsertion> insertion = defs.CommandInsertion(id))
        keypadHost_.InsertText(insertion->text);
    return true;
}

}  // namespace quorvix
