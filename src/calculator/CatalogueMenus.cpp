#include "calculator/CatalogueMenus.h"

#include "calculator/FunctionCatalogue.h"
#include "calculator/KeypadHost.h"
#include "calculator/PopupHelp.h"
#include "units/PhysicalConstants.h"
#include "units/UnitCatalogue.h"

namespace quorvix {

namespace {
MenuItem GroupSubmenu(FunctionGroup group) {
    const FunctionGroupInfo& info = FunctionGroupAt(group);
    MenuItems entries;
    int command = info.firstCommand;
    for (const FunctionInfo& row : info.rows) {
        MenuItem entry = MenuItem::Entry(row.name, command++);
        entry.description = row.description;
        entries.push_back(std::move(entry));
    }
    return MenuItem::Submenu(info.caption, std::move(entries));
}

// A conversion entry "from -> to", spoken "from to to".
MenuItem ConversionEntry(std::string caption, int command) {
    MenuItem entry = MenuItem::Entry(std::move(caption), command);
    const std::size_t arrow = entry.caption.find(kConversionArrow);
    if (arrow != std::string::npos)
        entry.spokenName = entry.caption.substr(0, arrow) + " to " +
                           entry.caption.substr(arrow + kConversionArrow.size());
    return entry;
}
}  // namespace

MenuItems BuildConstantsMenu() {
    MenuItems menu;
    for (int k = 0; k < kPhysicalConstantCount; ++k)
        menu.push_back(MenuItem::Entry(PhysicalConstantCaption(k), kFirstConstantCommand + k));
    menu.push_back(MenuItem::Separator());
    return menu;
}

MenuItems BuildConversionsMenu() {
    MenuItems englishToMetric;
    MenuItems metricToEnglish;
    for (int k = 0; k < kConversionsMenuRowCount; ++k) {
        const CatalogueRow& row = ConversionsMenuRowAt(k);
        englishToMetric.push_back(ConversionEntry(ConversionCaption(row.name, row.base),
                                                  kFirstEnglishToMetricCommand + k));
        metricToEnglish.push_back(ConversionEntry(ConversionCaption(row.base, row.name),
                                                  kFirstMetricToEnglishCommand + k));
    }
    MenuItems menu;
    menu.push_back(MenuItem::Submenu("English to Metric", std::move(englishToMetric)));
    menu.push_back(MenuItem::Submenu("Metric to English", std::move(metricToEnglish)));
    menu.push_back(MenuItem::Separator());
    return menu;
}

MenuItems BuildFunctionsMenu() {
    MenuItems menu;
    for (FunctionGroup group :
         {FunctionGroup::Algebraic, FunctionGroup::Trigonometric,
          FunctionGroup::InverseTrigonometric, FunctionGroup::Hyperbolic,
          FunctionGroup::InverseHyperbolic, FunctionGroup::Solver, FunctionGroup::BaseConversion,
          FunctionGroup::Bitwise})
        menu.push_back(GroupSubmenu(group));
    for (FunctionGroup group :
         {FunctionGroup::Financial, FunctionGroup::Statistical, FunctionGroup::Special}) {
        menu.push_back(MenuItem::Separator());
        menu.push_back(GroupSubmenu(group));
    }
    menu.push_back(MenuItem::Separator());
    return menu;
}

MenuItems BuildCatalogueMenuBar() {
    MenuItems bar;
    bar.push_back(MenuItem::Submenu("&Constants", BuildConstantsMenu()));
    bar.push_back(MenuItem::Submenu("Con&versions", BuildConversionsMenu()));
    bar.push_back(MenuItem::Submenu("Func&tions", BuildFunctionsMenu()));
    return bar;
}

void AppendUserSubmenu(MenuItems& menu, const UserSubmenu& submenu) {
    const auto position = static_cast<std::size_t>(submenu.position);
    if (submenu.position >= 0 && position < menu.size() &&
        menu[position].kind == MenuItem::Kind::Submenu)
        menu.erase(menu.begin() + submenu.position);
    MenuItems entries;
    for (const UserMenuEntry& entry : submenu.entries)
        entries.push_back(entry.separator() ? MenuItem::Separator()
                                            : ConversionEntry(entry.text, entry.command));
    menu.push_back(MenuItem::Submenu(submenu.caption, std::move(entries)));
}

std::optional<std::string> CatalogueInsertText(int command) {
    if (command >= kFirstConstantCommand && command < kFirstEnglishToMetricCommand)
        return PhysicalConstantInsertText(command - kFirstConstantCommand);
    double factor = 0.0;
    if (command >= kFirstEnglishToMetricCommand && command < kFirstMetricToEnglishCommand)
        factor = ConversionsMenuRowAt(command - kFirstEnglishToMetricCommand).factor;
    else if (command >= kFirstMetricToEnglishCommand && command < kFirstFunctionCommand)
        factor = 1.0 / ConversionsMenuRowAt(command - kFirstMetricToEnglishCommand).factor;
    else
        return std::nullopt;
    return MultiplyByText(factor);
}

void InsertFunction(const FunctionInfo& row, KeypadHost& host) {
    host.SetHelpKeyword(row.name);
    host.InsertText(row.name + "()");
    host.Display().QueueKey(DisplayKey::Left);
    host.ShowHelpText(SyntaxLine(row.name, row));
}

bool RunCatalogueCommand(int command, KeypadHost& host) {
    if (const auto text = CatalogueInsertText(command)) {
        host.InsertText(*text);
        return true;
    }
    if (const FunctionInfo* row = FunctionForCommand(command)) {
        InsertFunction(*row, host);
        return true;
    }
    return false;
}

}  // namespace quorvix
