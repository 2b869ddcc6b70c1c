#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliPrompters.h"
#include "cli/CliSession.h"

namespace quorvix {
namespace {

class CliSessionTest : public ::testing::Test {
protected:
    std::ostringstream messages;
    CliPrompter prompter{messages};
    CliSession session{prompter};
};

// The program's output is tested by running it; here, what the worksheet
// keeps: answers, the ANS prefix and failed lines, each on its own line.
TEST_F(CliSessionTest, TranscriptIsTheWorksheetAsTheWindowShowsIt) {
    EXPECT_EQ(session.RunLine("10").output, "10");
    EXPECT_EQ(session.RunLine("-3").output, "7");
    const auto r = session.RunLine("1+(2");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Syntax error: Unbalanced parenthesis");
    session.RunLine("SV");
    EXPECT_EQ(session.transcript(), "10 =\n10\nANS-3 =\n7\n1+(2\nSV\nEmpty variable list\n");
    EXPECT_TRUE(session.anyFailed());
}

TEST_F(CliSessionTest, ClearEmptiesTheWorksheet) {
    session.RunLine("1+1");
    EXPECT_TRUE(session.RunLine("CLEAR").ok);
    EXPECT_EQ(session.transcript(), "");
    session.RunLine("2");
    EXPECT_EQ(session.transcript(), "2 =\n2\n");
}

TEST_F(CliSessionTest, EmptyLinesAreSkippedAndTabsAreBlanks) {
    session.RunLine("6*7");
    const auto r = session.RunLine("");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.output, "");
    EXPECT_EQ(session.transcript(), "6*7 =\n42\n");
    EXPECT_EQ(session.RunLine("1\t+\t1").output, "2");
    EXPECT_EQ(session.RunLine("   ").output, "");
}

TEST_F(CliSessionTest, LinesBeyondTheReadLimitAreRefusedNotCut) {
    std::string sum = "1";
    while (sum.size() < 1000) sum += "+1";  // 1001 characters
    const auto r = session.RunLine(sum);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.output, "");
    EXPECT_EQ(r.error, "Error: Line too long (over 1000 characters)");
    EXPECT_TRUE(session.anyFailed());

    sum.resize(999);  // "1+1+...+1", 500 ones
    EXPECT_EQ(session.RunLine(sum).output, "500");
}

TEST(CliSessionSplitTest, SplitsAtEveryLineBreak) {
    EXPECT_EQ(CliSession::SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(CliSession::SplitLines(""), (std::vector<std::string>{""}));
    EXPECT_EQ(CliSession::SplitLines("x\n"), (std::vector<std::string>{"x", ""}));
}

TEST(CliPrompterTest, AtThePromptOnlyYesAnswersYes) {
    std::ostringstream out;
    std::string reply;
    CliPrompter prompter(out, [&](const std::string&, std::string& line) {
        line = reply;
        return true;
    });
    for (const char* yes : {"y", "YES", " Yes "}) {
        reply = yes;
        EXPECT_TRUE(prompter.AskYesNo("Delete Variables", "Proceed?", PromptIcon::Warning)) << yes;
    }
    for (const char* no : {"", "n", "no", "yess"}) {
        reply = no;
        EXPECT_FALSE(prompter.AskYesNo("Delete Variables", "Proceed?", PromptIcon::Warning)) << no;
    }
    EXPECT_NE(out.str().find("Delete Variables: Proceed?"), std::string::npos);

    CliPrompter closed(out, [](const std::string&, std::string&) { return false; });
    EXPECT_FALSE(closed.AskYesNo("Delete Variables", "Proceed?", PromptIcon::Warning));
}

TEST(CliPrompterTest, WithoutAReaderEveryAnswerIsYesAndNothingIsAsked) {
    std::ostringstream out;
    CliPrompter prompter(out);
    EXPECT_TRUE(prompter.AskYesNo("Delete Variables", "Proceed?", PromptIcon::Warning));
    EXPECT_EQ(out.str(), "");
    prompter.ShowMessage("Finance Box", "Please enter a number.", PromptIcon::Exclamation);
    EXPECT_EQ(out.str(), "Finance Box: Please enter a number.\n");
}

}  // namespace
}  // namespace quorvix
