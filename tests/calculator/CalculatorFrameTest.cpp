#include "calculator/CalculatorFrame.h"

#include <gtest/gtest.h>

#include "calculator/CalculatorDialog.h"
#include "calculator/FrameIndicators.h"
#include "calculator/Keypad.h"
#include "calculator/KeypadDialogHost.h"
#include "calculator/TextDisplay.h"
#include "calculator/WorksheetDocument.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Locations.h"
#include "platform/MemoryPrompter.h"
#include "platform/RunAtLogon.h"
#include "platform/Shell.h"

namespace quorvix {
namespace {

struct RecordingHost : FrameHost {
    void SetOwnerTopmost(bool on) override { topmost.push_back(on); }
    void SetKeypadVisible(bool shown) override { keypadShown.push_back(shown); }
    void SetTooltipsEnabled(bool on) override { tooltips.push_back(on); }
    void ShowDisplayOptions() override {}
    void ShowUnitConverter(double value) override { converterValues.push_back(value); }
    void ShowFinanceBox() override {}
    void ShowAbout() override {}
    void ShowPlot() override {}
    void ZoomDisplay(int steps) override { zooms.push_back(steps); }
    void ShowCatalogueSearch() override { ++searches; }
    void EditUserDefinitions(int) override {}
    std::optional<int> AskNumberBase() override { return askedBase; }
    void EditCustomKeys(std::array<std::string, kCustomKeyCount>& captions) override {
        captions[3] = "sinh";
    }
    std::vector<bool> topmost, keypadShown, tooltips;
    std::vector<double> converterValues;
    std::vector<int> zooms;
    std::optional<int> askedBase;
    int searches = 0;
};

const MenuItem* FindEntry(const MenuItems& items, int command) {
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Command && item.command == command) return &item;
        if (const MenuItem* found = FindEntry(item.children, command)) return found;
    }
    return nullptr;
}

std::vector<int> CheckedIn(const MenuItems& items, int first, int last) {
    std::vector<int> checked;
    for (int id = first; id <= last; ++id)
        if (const MenuItem* item = FindEntry(items, id); item && item->checked) checked.push_back(id);
    return checked;
}

struct FrameFixture : ::testing::Test {
    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog dialog{display, prompter};
    TipRotation tips;
    KeypadDialogHost keypadHost{dialog, tips};
    Keypad keypad;
    Settings settings;
    MemoryWorksheetVariables variables;
    WorksheetDocument worksheet{settings.displayFile, variables};
    MemoryFileDialogs fileDialogs;
    MemoryHelpViewer help;
    MemoryShell shell;
    MemoryRunAtLogon runAtLogon;
    FixedLocations locations{"/tmp/quorvix-frame-test"};
    RecordingHost host;
    CalculatorFrame frame{settings, dialog, keypad, keypadHost, worksheet,
                          {prompter, fileDialogs, help, shell, &runAtLogon, &locations}, host};

    bool Checked(int command) const {
        const MenuItems bar = frame.MenuBar();
        const MenuItem* item = FindEntry(bar, command);
        return item != nullptr && item->checkable && item->checked;
    }
};

TEST_F(FrameFixture, MenuBarHasTheFourMenusInOrder) {
    const MenuItems bar = frame.MenuBar();
    ASSERT_EQ(bar.size(), 4u);
    EXPECT_EQ(bar[0].caption, "&Options");
    EXPECT_EQ(bar[1].caption, "&Commands");
    EXPECT_EQ(bar[2].caption, "&Functions");
    EXPECT_EQ(bar[3].caption, "&Help");
    // The search, then the catalogue menus, each ending with its
    // user-defined submenu.
    ASSERT_EQ(bar[2].children.size(), 5u);
    EXPECT_EQ(bar[2].children[0].command, kCmdSearchCatalogue);
    EXPECT_EQ(bar[2].children[0].shortcut, "Ctrl+K");
    EXPECT_EQ(bar[2].children[1].kind, MenuItem::Kind::Separator);
    EXPECT_EQ(bar[2].children[2].children.back().caption, "User-defined constants");
    EXPECT_NE(FindEntry(bar, kEditUserFunctionsCommand), nullptr);
    EXPECT_EQ(FindEntry(bar, kCmdHelpSearch)->shortcut, "F1");
}

TEST_F(FrameFixture, ToggleCommandsFlipTheirSettingAndItsMark) {
    struct Row {
        int command;
        bool Settings::*field;
    };
    const Row rows[] = {
        {kCmdAlwaysOnTop, &Settings::alwaysOnTop},
        {kCmdSaveWorksheetOnExit, &Settings::saveDisplay},
        {kCmdHideKeypad, &Settings::hideKeypad},
        {kCmdShowPopupHelp, &Settings::showPopupHelp},
        {kCmdNewLineAfterCalculation, &Settings::newLine},
        {kCmdRunAtStartup, &Settings::runAtStartup},
    };
    for (const Row& row : rows) {
        const bool before = settings.*row.field;
        EXPECT_EQ(Checked(row.command), before) << row.command;
        EXPECT_TRUE(frame.RunCommand(row.command));
        EXPECT_EQ(settings.*row.field, !before) << row.command;
        EXPECT_EQ(Checked(row.command), !before) << row.command;
    }
    // Each toggle reached the window or the calculator at once.
    EXPECT_EQ(host.topmost, std::vector<bool>{true});
    EXPECT_EQ(host.keypadShown, std::vector<bool>{false});
    EXPECT_EQ(host.tooltips, std::vector<bool>{false});
    EXPECT_FALSE(dialog.newLineAfterCalculation());
    EXPECT_FALSE(runAtLogon.registered);  // run at startup was on, now removed
    EXPECT_EQ(runAtLogon.calls, 1);
}

TEST_F(FrameFixture, ChoiceCommandsMarkExactlyOneEntryPerGroup) {
    struct Row {
        int command;
        int first, last;  // the group
        std::string baseIndicator, angleIndicator;
    };
    host.askedBase = 12;
    const Row rows[] = {
        {kCmdBaseHexadecimal, kCmdBaseDecimal, kCmdBaseOther, "HEX", "RAD"},
        {kCmdBaseBinary, kCmdBaseDecimal, kCmdBaseOther, "BIN", "RAD"},
        {kCmdBaseOther, kCmdBaseDecimal, kCmdBaseOther, "Base-12", "RAD"},
        {kCmdAngleDegrees, kCmdAngleDegrees, kCmdAngleGradients, "Base-12", "DEG"},
        {kCmdAngleGradients, kCmdAngleDegrees, kCmdAngleGradients, "Base-12", "GRAD"},
        {kCmdNumberFormatScientific, kCmdNumberFormatGeneral, kCmdNumberFormatScientific,
         "Base-12", "GRAD"},
        {kCmdDigitsDefault + 4, kCmdDigitsDefault, kCmdDigitsLast, "Base-12", "GRAD"},
        {kCmdLayoutFinance, kCmdLayoutMath, kCmdLayoutCustom, "Base-12", "GRAD"},
        {kCmdBaseOctal, kCmdBaseDecimal, kCmdBaseOther, "OCT", "GRAD"},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(frame.RunCommand(row.command));
        EXPECT_EQ(CheckedIn(frame.MenuBar(), row.first, row.last), std::vector<int>{row.command})
            << row.command;
        EXPECT_EQ(frame.baseIndicator(), row.baseIndicator) << row.command;
        EXPECT_EQ(frame.angleIndicator(), row.angleIndicator) << row.command;
    }
    EXPECT_EQ(dialog.numberBase(), 8);
    EXPECT_EQ(dialog.angleUnit(), 2);
    EXPECT_EQ(dialog.numberPattern(), "%.3e");
    EXPECT_EQ(keypad.Caption(kFirstLayoutKeyId + 3), "pv");
    // The Finance box and the unit converter entries never carry a mark.
    EXPECT_FALSE(FindEntry(frame.MenuBar(), kCmdShowFinanceBox)->checkable);
    EXPECT_FALSE(FindEntry(frame.MenuBar(), kCmdShowUnitConverter)->checkable);
}

TEST_F(FrameFixture, ExponentKeyFollowsTheBaseAndCancelledBaseChangesNothing) {
    frame.RunCommand(kCmdBaseHexadecimal);
    EXPECT_EQ(keypad.Caption(kExponentKeyId), "#");
    host.askedBase.reset();  // Cancel
    frame.RunCommand(kCmdBaseOther);
    EXPECT_EQ(settings.numberBase, 16);
    frame.RunCommand(kCmdBaseDecimal);
    EXPECT_EQ(keypad.Caption(kExponentKeyId), "E");
}

TEST_F(FrameFixture, AbsurdStoredChoicesOpenWithOneMarkPerGroup) {
    settings.numberBase = 99;
    settings.angleUnit = 7;
    settings.decimalPlaces = 50;
    settings.numberFormat = -3;
    settings.mode = 9;
    frame.ApplySettings();
    EXPECT_EQ(frame.baseIndicator(), "DEC");
    EXPECT_EQ(frame.angleIndicator(), "RAD");
    const MenuItems bar = frame.MenuBar();
    EXPECT_EQ(CheckedIn(bar, kCmdBaseDecimal, kCmdBaseOther), std::vector<int>{kCmdBaseDecimal});
    EXPECT_EQ(CheckedIn(bar, kCmdDigitsDefault, kCmdDigitsLast), std::vector<int>{kCmdDigitsDefault});
    EXPECT_EQ(CheckedIn(bar, kCmdLayoutMath, kCmdLayoutCustom), std::vector<int>{kCmdLayoutMath});
    EXPECT_EQ(CheckedIn(bar, kCmdNumberFormatGeneral, kCmdNumberFormatScientific),
              std::vector<int>{kCmdNumberFormatGeneral});
}

TEST_F(FrameFixture, WindowCommandsReachTheHost) {
    settings.alwaysOnTop = true;
    display.SetText("6*7");
    display.SetSelection(3, 3);
    dialog.EvaluateCurrentLine();
    display.ProcessQueuedInput();
    frame.RunCommand(kCmdShowUnitConverter);
    EXPECT_EQ(host.converterValues, std::vector<double>{42.0});
    EXPECT_EQ(host.topmost, std::vector<bool>{true});

    frame.RunCommand(kCmdDefineCustomKeys);  // switches to Custom, changed or not
    EXPECT_EQ(settings.mode, 2);
    EXPECT_EQ(keypad.Caption(kFirstLayoutKeyId + 3), "sinh");

    for (int zoom : {kCmdZoomIn, kCmdZoomOut, kCmdZoomReset}) frame.RunCommand(zoom);
    EXPECT_EQ(host.zooms, (std::vector<int>{1, -1, 0}));

    frame.RunCommand(kCmdExit);
    EXPECT_TRUE(dialog.exitRequested());
}

TEST_F(FrameFixture, DisplayOnlyResizeStoresTheRestoredSizeOnlyWithoutKeypad) {
    const FrameMetrics metrics = MeasureFrame({352, 532}, {340, 500}, {8, 8, 332, 160},
                                              {8, 164, 332, 182}, {8, 470, 60, 490});
    EXPECT_FALSE(frame.DisplayOnlyResized({600, 400}, {612, 440}, metrics));
    EXPECT_EQ(settings.width, 500);
    frame.RunCommand(kCmdHideKeypad);
    const auto layout = frame.DisplayOnlyResized({600, 400}, {612, 440}, metrics);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->display.right, 592);
    EXPECT_EQ(settings.width, 612);
    EXPECT_EQ(settings.height, 440);
}

TEST_F(FrameFixture, OnlyFrameCommandsAreTaken) {
    for (int id : {kCmdTrayShowCalculator, kCmdTrayExit}) {  // ignored here, but taken
        EXPECT_TRUE(frame.IsFrameCommand(id));
        EXPECT_TRUE(frame.RunCommand(id));
    }
    EXPECT_FALSE(frame.RunCommand(kExeKeyId));
    EXPECT_FALSE(frame.RunCommand(kLastMenuCommand + 1));
    EXPECT_FALSE(frame.RunCommand(32772));  // an unused id of the menu range
    EXPECT_TRUE(frame.RunCommand(kFirstUserFunctionCommand + 5));  // stale entry: nothing typed
    display.ProcessQueuedInput();
    EXPECT_EQ(display.Text(), "");
}

TEST_F(FrameFixture, CatalogueAndCommandsMenuEntriesActOnTheDisplay) {
    frame.RunCommand(kFirstFunctionCommand);  // Abs
    display.ProcessQueuedInput();
    EXPECT_EQ(display.Text(), "Abs()");
    EXPECT_EQ(display.CaretPosition(), 4);
    frame.RunCommand(kCmdClearDisplay);
    EXPECT_EQ(display.Text(), "");
    frame.RunCommand(kCmdShowVariables);
    display.ProcessQueuedInput();
    EXPECT_EQ(display.Text(), "Empty variable list\n");
}

TEST_F(FrameFixture, HelpEntriesAndFailedLaunches) {
    // F1 opens the offered name's topic; the menu's "&Search..." the
    // search over all pages with that name as its query, or an empty one.
    frame.RunCommand(kCmdHelpContents);
    dialog.SetHelpKeyword("FInt");
    frame.KeywordHelp();
    EXPECT_EQ(dialog.helpKeyword(), "");
    dialog.SetHelpKeyword("FInt");
    frame.RunCommand(kCmdHelpSearch);
    EXPECT_EQ(dialog.helpKeyword(), "");
    frame.RunCommand(kCmdHelpSearch);
    EXPECT_EQ(help.requests, (std::vector<std::string>{MemoryHelpViewer::kContents, "FInt",
                                                       "<search>FInt", "<search>"}));
    frame.RunCommand(kCmdSearchCatalogue);
    EXPECT_EQ(host.searches, 1);

    shell.succeed = false;
    frame.RunCommand(kCmdHomepage);
    frame.RunCommand(kCmdMailComments);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Unable to start browser program");
    EXPECT_EQ(prompter.shown[1].text, "Unable to start mail program");
    EXPECT_EQ(prompter.shown[1].caption, "Quorvix");
    EXPECT_EQ(shell.opened.at(1).rfind("mailto:", 0), 0u);
}

TEST(FrameIndicators, Texts) {
    const std::pair<int, const char*> bases[] = {
        {10, "DEC"}, {16, "HEX"}, {8, "OCT"}, {2, "BIN"}, {12, "Base-12"}, {36, "Base-36"}};
    for (const auto& [base, text] : bases) EXPECT_EQ(BaseIndicatorText(base), text);
    EXPECT_EQ(AngleIndicatorText(0), "DEG");
    EXPECT_EQ(AngleIndicatorText(1), "RAD");
    EXPECT_EQ(AngleIndicatorText(2), "GRAD");
}

TEST(FrameIndicators, SpokenNames) {
    const std::pair<int, const char*> bases[] = {
        {10, "Number base: decimal"}, {16, "Number base: hexadecimal"},
        {8, "Number base: octal"},    {2, "Number base: binary"},
        {12, "Number base: 12"}};
    for (const auto& [base, spoken] : bases)
        EXPECT_EQ(BaseIndicatorSpokenName(BaseIndicatorText(base)), spoken);
    EXPECT_EQ(AngleIndicatorSpokenName(AngleIndicatorText(0)), "Angle unit: degrees");
    EXPECT_EQ(AngleIndicatorSpokenName(AngleIndicatorText(1)), "Angle unit: radians");
    EXPECT_EQ(AngleIndicatorSpokenName(AngleIndicatorText(2)), "Angle unit: gradians");
}

// A click on an indicator steps through the menu's bases and angle units;
// frame commands set them, so the indicator follows.
TEST_F(FrameFixture, IndicatorClicksStepTheBaseAndTheAngleUnit) {
    std::vector<std::string> bases;
    for (int i = 0; i < 4; ++i) {
        frame.RunCommand(NextBaseCommand(settings.numberBase));
        bases.push_back(BaseIndicatorText(settings.numberBase));
    }
    EXPECT_EQ(bases, (std::vector<std::string>{"BIN", "OCT", "HEX", "DEC"}));
    EXPECT_EQ(NextBaseCommand(7), kCmdBaseDecimal);
    std::vector<std::string> units;
    for (int i = 0; i < 3; ++i) {
        frame.RunCommand(NextAngleCommand(settings.angleUnit));
        units.push_back(AngleIndicatorText(settings.angleUnit));
    }
    EXPECT_EQ(units, (std::vector<std::string>{"GRAD", "DEG", "RAD"}));  // starts at radians
}

TEST(NumberBaseField, AcceptsIntegersFromTwoToThirtySix) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"10", 10},          {" 2 ", 2},      {"36", 36},          {"+12", 12},
        {"37", std::nullopt}, {"1", std::nullopt}, {"-5", std::nullopt}, {"", std::nullopt},
        {"12x", std::nullopt}, {"1.5", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(NumberBaseField::Parse(text), expected) << text;

    MemoryPrompter prompter;
    EXPECT_EQ(NumberBaseField::Read("37", prompter), std::nullopt);
    EXPECT_EQ(NumberBaseField::Read("16", prompter), 16);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, NumberBaseField::kRangeMessage);
}

}  // namespace
}  // namespace quorvix
