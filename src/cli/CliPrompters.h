#pragma once
// How the terminal front end answers the calculator's message boxes and
// Yes/No questions. Messages go to a stream. With a line reader (the
// interactive prompt) a question is asked and only y/yes is Yes; without one
// (-e lines, piped input) nobody is there to ask and every answer is Yes.

#include <functional>
#include <iosfwd>
#include <string>

#include "platform/Prompter.h"

namespace quorvix {

class CliPrompter : public Prompter {
public:
    using LineReader = std::function<bool(const std::string& prompt, std::string& line)>;
    explicit CliPrompter(std::ostream& messages, LineReader reader = nullptr)
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
