#include "shell/AboutBox.h"

#include "platform/Prompter.h"
#include "platform/Shell.h"

namespace quorvix {

namespace {

// The maker's addresses. The domain is a placeholder until the maker
// publishes real ones; the links open whatever is written here.
constexpr const char* kMailAddress = "support@daltrane.example";
constexpr const char* kWebAddress = "https://www.daltrane.example/quorvix";

}  // namespace

AboutBoxTexts MakeAboutBoxTexts(std::string_view version) {
    AboutBoxTexts texts;
    texts.caption = std::string("About ") + kProductName;
    texts.versionLine = std::string(kProductName) + " " + std::string(version);
    texts.notice = "A scientific calculator with a worksheet, units and finance.\n"
                   "Copyright \xA9 Daltrane.";
    texts.contact = "Questions, ideas and bug reports are welcome:";
    texts.mailText = kMailAddress;
    texts.mailTarget = std::string("mailto:") + kMailAddress;
    texts.webText = kWebAddress;
    texts.webTarget = kWebAddress;
    return texts;
}

bool Hyperlink::Click(Shell& shell, Prompter& prompter) {
    MarkVisited();
    if (Open(shell)) return true;
    ReportOpenFailed(prompter);
    return false;
}

bool Hyperlink::Open(Shell& shell) const { return shell.OpenAddress(target_); }

void Hyperlink::ReportOpenFailed(Prompter& prompter) {
    prompter.ShowMessage(kProductName, kOpenFailedMessage, PromptIcon::None);
}

}  // namespace quorvix
