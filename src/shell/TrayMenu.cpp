#include "shell/TrayMenu.h"

#include "calculator/MakerAddresses.h"

namespace quorvix {

MenuItems BuildTrayMenu() {
    MenuItem calculator = MenuItem::Entry("Expression &Calculator", kCmdTrayShowCalculator);
    calculator.isDefault = true;
    return {
        MenuItem::Entry("About &Quorvix...", kCmdTrayAbout),
        MenuItem::Separator(),
        MenuItem::Entry("Daltrane &HomePage", kCmdTrayHomepage),
        MenuItem::Entry("E-mail &Your Comments", kCmdTrayMailComments),
        MenuItem::Separator(),
        MenuItem::Entry("&Finance Box", kCmdTrayShowFinanceBox),
        MenuItem::Entry("&Unit Converter", kCmdTrayShowUnitConverter),
        std::move(calculator),
        MenuItem::Separator(),
        MenuItem::Entry("&Exit Quorvix", kCmdTrayExit),
    };
}

std::string TrayTipText() {
    std::string tip = CalculatorWindowTitle();
    if (tip.size() > static_cast<std::size_t>(kTrayTipMaxLength)) tip.resize(kTrayTipMaxLength);
    return tip;
}

}  // namespace quorvix
