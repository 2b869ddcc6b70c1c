#include "calculator/WindowMenus.h"

#include <iterator>
#include <string>

#include "calculator/CatalogueMenus.h"
#include "platform/CommandIds.h"
#include "calculator/Settings.h"
#include "userdefs/UserDefinitions.h"

namespace quorvix {

namespace {

MenuItem WithShortcut(MenuItem item, std::string shortcut) {
    item.shortcut = std::move(shortcut);
    return item;
}

MenuItem KeypadLayoutMenu(int mode) {
    return MenuItem::Submenu("Key&pad Layout", {
        MenuItem::Check("&Math", kCmdLayoutMath, mode == 0),
        MenuItem::Check("&Finance", kCmdLayoutFinance, mode == 1),
        MenuItem::Check("&Custom", kCmdLayoutCustom, mode == 2),
        MenuItem::Entry("&Define Custom...", kCmdDefineCustomKeys),
    });
}

MenuItem NumberBaseMenu(int base) {
    const bool named = base == 10 || base == 2 || base == 8 || base == 16;
    return MenuItem::Submenu("Number &Base", {
        MenuItem::Check("&Decimal", kCmdBaseDecimal, base == 10),
        MenuItem::Check("&Binary", kCmdBaseBinary, base == 2),
        MenuItem::Check("&Octal", kCmdBaseOctal, base == 8),
        MenuItem::Check("&Hexadecimal", kCmdBaseHexadecimal, base == 16),
        MenuItem::Check("O&ther", kCmdBaseOther, !named),
    });
}

MenuItem AngleUnitMenu(int unit) {
    return MenuItem::Submenu("&Angle Unit", {
        MenuItem::Check("&Degrees", kCmdAngleDegrees, unit == 0),
        MenuItem::Check("&Radians", kCmdAngleRadians, unit == 1),
        MenuItem::Check("&Gradients", kCmdAngleGradients, unit == 2),
    });
}

MenuItem NumberFormatMenu(int format) {
    return MenuItem::Submenu("&Number Format", {
        MenuItem::Check("&General", kCmdNumberFormatGeneral, format == 0),
        MenuItem::Check("&Scientific", kCmdNumberFormatScientific, format == 1),
    });
}

// "Default", "1" to "11" with mnemonics; "11" is left without one, since
// its only character is the mnemonic of "1".
std::string DigitsCaption(int digits) {
    static const char* const kCaptions[] = {"&Default", "&1", "&2", "&3", "&4", "&5",
                                            "&6",       "&7", "&8", "&9", "1&0", "11"};
    static_assert(std::size(kCaptions) == kCmdDigitsLast - kCmdDigitsDefault + 1);
    return kCaptions[digits];
}

MenuItem SignificantDigitsMenu(int digits) {
    MenuItems entries;
    for (int id = kCmdDigitsDefault; id <= kCmdDigitsLast; ++id) {
        const int k = id - kCmdDigitsDefault;
        entries.push_back(MenuItem::Check(DigitsCaption(k), id, digits == k));
    }
    return MenuItem::Submenu("Significant &Digits", std::move(entries));
}

MenuItem RunAtStartupEntry(bool on) {
    MenuItem entry = MenuItem::Check("&Run At Startup", kCmdRunAtStartup, on);
    entry.toolTip =
        "Start Quorvix hidden in the tray when you log on. Only an installed Quorvix "
        "(make install or the package) is registered; one run from its build folder "
        "keeps this setting but registers nothing.";
    return entry;
}

}  // namespace

MenuItems BuildOptionsMenu(const Settings& s) {
    return {
        MenuItem::Check("Always On &Top", kCmdAlwaysOnTop, s.alwaysOnTop),
        MenuItem::Separator(),
        WithShortcut(MenuItem::Entry("Save &Worksheet", kCmdSaveWorksheet), "Ctrl+S"),
        MenuItem::Entry("Sa&ve Worksheet As...", kCmdSaveWorksheetAs),
        WithShortcut(MenuItem::Entry("&Load Worksheet...", kCmdLoadWorksheet), "Ctrl+O"),
        MenuItem::Check("&Save Worksheet On Exit", kCmdSaveWorksheetOnExit, s.saveDisplay),
        MenuItem::Separator(),
        KeypadLayoutMenu(s.mode),
        MenuItem::Check("Hide &Keypad", kCmdHideKeypad, s.hideKeypad),
        MenuItem::Check("Show Pop-up &Help", kCmdShowPopupHelp, s.showPopupHelp),
        MenuItem::Entry("Display &Options...", kCmdDisplayOptions),
        MenuItem::Separator(),
        NumberBaseMenu(s.numberBase),
        AngleUnitMenu(s.angleUnit),
        NumberFormatMenu(s.numberFormat),
        SignificantDigitsMenu(s.decimalPlaces),
        MenuItem::Separator(),
        MenuItem::Entry("Show &Unit Converter", kCmdShowUnitConverter),
        MenuItem::Entry("Show &Finance Box", kCmdShowFinanceBox),
        MenuItem::Separator(),
        MenuItem::Check("New Line After &Calculation", kCmdNewLineAfterCalculation, s.newLine),
        RunAtStartupEntry(s.runAtStartup),
        MenuItem::Separator(),
        WithShortcut(MenuItem::Entry("&Exit", kCmdExit), "Ctrl+Q"),
    };
}

MenuItems BuildCommandsMenu() {
    return {
        MenuItem::Entry("Clear &Display (CLR)", kCmdClearDisplay),
        MenuItem::Entry("Clear &Variables (ClearVars)", kCmdClearVariables),
        MenuItem::Entry("&Show Variables (ShowVars)", kCmdShowVariables),
        MenuItem::Separator(),
        WithShortcut(MenuItem::Entry("&Plot...", kCmdPlot), "Ctrl+P"),
        MenuItem::Separator(),
        WithShortcut(MenuItem::Entry("Copy &Answer", kCmdCopyAnswer), "Ctrl+Shift+C"),
        MenuItem::Entry("Copy &Line", kCmdCopyLine),
        MenuItem::Separator(),
        WithShortcut(MenuItem::Entry("Zoom &In", kCmdZoomIn), "Ctrl++"),
        WithShortcut(MenuItem::Entry("Zoom &Out", kCmdZoomOut), "Ctrl+-"),
        WithShortcut(MenuItem::Entry("&Reset Zoom", kCmdZoomReset), "Ctrl+0"),
    };
}

int CommandForShortcut(const MenuItems& items, std::string_view shortcut) {
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Submenu) {
            if (const int command = CommandForShortcut(item.children, shortcut)) return command;
        } else if (item.kind == MenuItem::Kind::Command && item.enabled &&
                   !item.shortcut.empty() && item.shortcut == shortcut) {
            return item.command;
        }
    }
    return 0;
}

MenuItems BuildCatalogueMenusWithUserEntries(const UserDefinitions& userDefinitions) {
    MenuItems menus = BuildCatalogueMenuBar();
    AppendUserSubmenu(menus[0].children, userDefinitions.BuildUserConstantsMenu());
    AppendUserSubmenu(menus[1].children, userDefinitions.BuildUserConversionsMenu());
    AppendUserSubmenu(menus[2].children, userDefinitions.BuildUserFunctionsMenu());
    return menus;
}

MenuItems BuildHelpMenu() {
    return {
        MenuItem::Entry("&Content", kCmdHelpContents),
        WithShortcut(MenuItem::Entry("&Search...", kCmdHelpSearch), "F1"),
        MenuItem::Separator(),
        MenuItem::Entry("Daltrane &Homepage", kCmdHomepage),
        MenuItem::Entry("&E-mail Us Your Comments", kCmdMailComments),
        MenuItem::Separator(),
        MenuItem::Entry("&About Quorvix...", kCmdAbout),
    };
}

// The search first, then the three catalogue menus.
MenuItems BuildMenuBarFunctionsMenu(const UserDefinitions& userDefinitions) {
    MenuItem search = WithShortcut(MenuItem::Entry("&Search...", kCmdSearchCatalogue), "Ctrl+K");
    search.description = "Find a function, constant or conversion by its name or its help";
    MenuItems menu{std::move(search), MenuItem::Separator()};
    for (MenuItem& catalogue : BuildCatalogueMenusWithUserEntries(userDefinitions))
        menu.push_back(std::move(catalogue));
    return menu;
}

MenuItems BuildWindowMenuBar(const Settings& settings, const UserDefinitions& userDefinitions) {
    return {
        MenuItem::Submenu("&Options", BuildOptionsMenu(settings)),
        MenuItem::Submenu("&Commands", BuildCommandsMenu()),
        MenuItem::Submenu("&Functions", BuildMenuBarFunctionsMenu(userDefinitions)),
        MenuItem::Submenu("&Help", BuildHelpMenu()),
    };
}

}  // namespace quorvix
