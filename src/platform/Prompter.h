#pragma once
// Message boxes and Yes/No questions, as the host shows them. The GUI shows
// real boxes; tests and the CLI answer through their own implementations.

#include <string>

namespace quorvix {

// None is a plain message box without an icon.
enum class PromptIcon { None, Information, Exclamation, Warning, Error, Question };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box with an OK button.
    virtual void ShowMessage(const std::string& caption, const std::string& text,
                             PromptIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text,
                          PromptIcon icon) = 0;
};

}  // namespace quorvix
