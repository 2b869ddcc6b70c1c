#include "calculator/MakerAddresses.h"

#include "platform/NumberField.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

namespace quorvix {

std::string CalculatorWindowTitle() {
    return std::string(kApplicationTitle) + " - " + kMakerWebAddress;
}

void OpenMakerHomepage(Shell& shell, Prompter& prompter) {
    if (!shell.OpenAddress(kMakerWebAddress))
        prompter.ShowMessage(kApplicationTitle, "Unable to start browser program",
                             PromptIcon::None);
}

void OpenMakerMail(Shell& shell, Prompter& prompter) {
    if (!shell.OpenAddress(std::string("mailto:") + kMakerMailAddress))
        prompter.ShowMessage(kApplicationTitle, "Unable to start mail program",
                             PromptIcon::None);
}

}  // namespace quorvix
