#pragma once
// A Prompter for tests: records every box shown and answers questions from a
// script (Yes when the script is empty).

#include <deque>
#include <vector>

#include "platform/Prompter.h"

namespace quorvix {

class MemoryPrompter : public Prompter {
public:
    struct Shown {
        std::string caption;
        std::string text;
        PromptIcon icon;
        bool question;
    };

    void ShowMessage(const std::string& caption, const std::string& text,
                     PromptIcon icon) override {
        shown.push_back({caption, text, icon, false});
    }
    bool AskYesNo(const std::string& caption, const std::string& text,
                  PromptIcon icon) override {
        shown.push_back({caption, text, icon, true});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
};

}  // namespace quorvix
