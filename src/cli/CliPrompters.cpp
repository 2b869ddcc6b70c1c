#include "cli/CliPrompters.h"

#include <cctype>
#include <ostream>

namespace quorvix {

void CliPrompter::ShowMessage(const std::string& caption, const std::string& text, PromptIcon) {
    messages_ << caption << ": " << text << '\n';
}

bool CliPrompter::AskYesNo(const std::string& caption, const std::string& text, PromptIcon) {
    if (!reader_) return true;
    messages_ << caption << ": " << text << '\n';
    messages_.flush();
    std::string answer;
    if (!reader_("(y/n) ", answer)) return false;
    std::string word;
    for (char c : answer)
        if (!std::isspace(static_cast<unsigned char>(c)))
            word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    return word == "y" || word == "yes";
}

}  // namespace quorvix
