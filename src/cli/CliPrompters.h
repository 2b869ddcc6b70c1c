#pragma once
// How the terminal front end answers the calculator's message boxes and
// Yes/No questions.

#include <functional>
#include <iosfwd>
#include <string>

#include "platform/Prompter.h"

namespace quorvix {

// For -e lines and piped input: nobody is there to ask, so every question
// is answered Yes; messages go to the error stream.
class AnswerYesPrompter : public Prompter {
public:
    explicit AnswerYesPrompter(std::ostream& messages) : messages_(messages) {}
    void ShowMessage(const std::string& caption, const std::string& text,
                     PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text,
                  PromptIcon icon) override;

private:
    std::ostream& messages_;
};

// For the interactive prompt: asks the question and reads the answer through
// a line reader (the line editor). No answer, or anything but y/yes, is No.
class TerminalPrompter : public Prompter {
public:
    using LineReader = std::function<bool(const std::string& prompt, std::string& line)>;
    TerminalPrompter(std::ostream& messages, LineReader reader)
        : messages_(messages), reader_(std::move(reader)) {}
    void ShowMessage(const std::string& caption, const std::string& text,
                     PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text,
                  PromptIcon icon) override;

private:
    std::ostream& messages_;
    LineReader reader_;
};

}  // namespace quorvix
