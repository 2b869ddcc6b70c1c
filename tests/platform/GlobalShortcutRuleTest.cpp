#include "platform/GlobalShortcutRule.h"

#include <gtest/gtest.h>

namespace quorvix {
namespace {

TEST(GlobalShortcutRule, OnlyCombinationsThatLeaveOrdinaryTypingAlone) {
    const struct {
        const char* text;
        bool accepted;
    } rows[] = {
        {"Ctrl+Alt+Q", true},  {"ctrl+q", true},      {"Alt+F4", true},
        {"Meta+Space", true},  {"Shift+Ctrl+1", true}, {"Ctrl++", true},
        {"F1", true},          {"f12", true},          {"Shift+F35", true},
        {"A", false},          {"Shift+A", false},     {"1", false},
        {"Space", false},      {"Shift++", false},     {"F0", false},
        {"F36", false},        {"F01", false},         {"Fx", false},
        {"Num+5", false},      {"Return", false},
    };
    for (const auto& row : rows) {
        const std::string refusal = GlobalShortcutRefusal(row.text);
        EXPECT_EQ(refusal.empty(), row.accepted) << row.text;
        if (!row.accepted) {
            EXPECT_NE(refusal.find(std::string("\"") + row.text + "\""), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace quorvix
