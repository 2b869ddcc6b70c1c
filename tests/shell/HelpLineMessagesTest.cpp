#include "shell/HelpLineMessages.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

// The widest message decides, whichever kind it is: one message made the
// widest by the measure is the width needed.
TEST(HelpLineMessages, WidestUsualMessageDecides) {
    const char* const kinds[] = {
        "  Press Esc to cancel",
        "  Syntax: FZeros(f(t), [lower=-50], [upper=50], [precision=1E-8])",
        "  Syntax error: Wrong number of arguments",
        "  Error: Bad argument",
    };
    for (const char* kind : kinds) {
        const int width = HelpLineWidthNeeded(
            [kind](std::string_view message) { return message == kind ? 1000 : 1; });
        EXPECT_EQ(width, 1000) << kind;
    }
    // By characters, the longest function syntax is the widest.
    const auto characters = [](std::string_view message) { return int(message.size()); };
    EXPECT_EQ(HelpLineWidthNeeded(characters), int(std::string_view(kinds[1]).size()));
}

}  // namespace
}  // namespace quorvix
