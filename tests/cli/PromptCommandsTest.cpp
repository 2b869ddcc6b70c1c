#include <gtest/gtest.h>

#include "cli/PromptCommands.h"

namespace quorvix {
namespace {

TEST(PromptCommands, HelpAndQuitInAnyCase) {
    struct Row {
        std::string_view line;
        PromptCommand command;
    };
    const Row rows[] = {
        {"help", PromptCommand::Help},  {" HeLp\t", PromptCommand::Help},
        {"?", PromptCommand::Help},     {"quit", PromptCommand::Quit},
        {"QUIT ", PromptCommand::Quit}, {"Exit", PromptCommand::Quit},
        {"help me", PromptCommand::None}, {"helper=2", PromptCommand::None},
        {"quit+1", PromptCommand::None},  {"", PromptCommand::None},
    };
    for (const Row& row : rows) EXPECT_EQ(ClassifyPromptLine(row.line), row.command) << row.line;
}

TEST(PromptCommands, TabCompletesAWordWithFunctionsOpened) {
    Evaluator evaluator;
    evaluator.SetVariable("Width", "3");
    const CompletionNames names{{}, &evaluator};
    EXPECT_EQ(PromptCompletions("wi", names), std::vector<std::string>{"Width"});
    EXPECT_EQ(PromptCompletions("2x", names), std::vector<std::string>{});  // one letter
    EXPECT_EQ(PromptCompletions("2besselj", names),
              (std::vector<std::string>{"2BesselJ(", "2BesselJS("}));
    EXPECT_EQ(PromptCompletions("s", names), std::vector<std::string>{});
}

}  // namespace
}  // namespace quorvix
