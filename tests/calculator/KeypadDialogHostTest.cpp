#include "calculator/KeypadDialogHost.h"

#include <gtest/gtest.h>

#include "calculator/CalculatorDialog.h"
#include "calculator/CatalogueMenus.h"
#include "calculator/Keypad.h"
#include "calculator/TextDisplay.h"
#include "platform/MemoryPrompter.h"

namespace quorvix {
namespace {

struct DialogKeypadFixture : ::testing::Test {
    TextDisplay display;
    MemoryPrompter prompter;
    CalculatorDialog dialog{display, prompter};
    TipRotation tips;
    KeypadDialogHost host{dialog, tips};
    Keypad keypad;

    void Press(std::initializer_list<int> keys) {
        for (int key : keys) {
            keypad.PressKey(key, host);
            display.ProcessQueuedInput();
        }
    }
};

TEST_F(DialogKeypadFixture, KeysBuildAnExpressionThatEvaluates) {
    dialog.SetAngleUnit(0);  // degrees
    keypad.ApplyKeypadLayout(0, MathKeyCaptions());
    Press({10002, 10010, kFirstLayoutKeyId + 3, 10003, 10000, kExeKeyId});  // 2*sin(30) EXE
    EXPECT_EQ(display.Text(), "2*sin(30) =\n1\n");
    EXPECT_DOUBLE_EQ(dialog.lastResult(), 1.0);
    EXPECT_EQ(dialog.helpKeyword(), "");  // cleared by the evaluation
}

TEST_F(DialogKeypadFixture, TwelfthEvaluationShowsTheSecondTip) {
    for (int i = 0; i < 11; ++i) {
        Press({10001, kExeKeyId});
        EXPECT_EQ(dialog.helpText(), "  Press F1 for Help") << i;
    }
    Press({10001, kExeKeyId});
    EXPECT_EQ(dialog.helpText(), "  Click const for a list of physical constants");
}

TEST_F(DialogKeypadFixture, ClearAfterKeypadInputDeletesOnlyTheLine) {
    display.SetText("1+1 =\n2\n");
    Press({10007, kClearKeyId});
    EXPECT_EQ(display.Text(), "1+1 =\n2\n");
    EXPECT_EQ(tips.counter(), 1);  // CLR shows a tip too
}

TEST_F(DialogKeypadFixture, MenuEntryWithTheDialog) {
    ASSERT_TRUE(RunCatalogueCommand(20108, host));  // AiryAi
    display.ProcessQueuedInput();
    EXPECT_EQ(display.Text(), "AiryAi()");
    EXPECT_EQ(dialog.helpText(), "  Syntax: AiryAi(x)");
    EXPECT_EQ(dialog.helpKeyword(), "AiryAi");
    EXPECT_TRUE(dialog.pendingInsert());
    struct RecordingOpener : CatalogueMenuOpener {
        void OpenCatalogueMenu(CatalogueMenuKind kind) override { opened = kind; }
        CatalogueMenuKind opened = CatalogueMenuKind::Constants;
    } opener;
    host.SetMenuOpener(&opener);
    keypad.PressKey(kFuncKeyId, host);
    EXPECT_EQ(opener.opened, CatalogueMenuKind::Functions);
}

TEST_F(DialogKeypadFixture, TypingAFunctionNameShowsItsSyntax) {
    display.TypeText("2+erfc");
    EXPECT_EQ(dialog.helpKeyword(), "");  // the name may still go on
    display.TypeCharacter('(');
    EXPECT_EQ(dialog.helpText(), "  Syntax: erfc(x)");
    EXPECT_EQ(dialog.helpKeyword(), "erfc");

    // Enter ends the name without a lookup; the line is evaluated (and
    // fails, since sin needs its parentheses).
    display.TypeText("1)+sin");
    host.EnterPressed();
    EXPECT_EQ(dialog.helpText(), "  Syntax error: Missing parenthesis");
    EXPECT_EQ(dialog.helpKeyword(), "erfc");
    // The next character starts a new name instead of ending "sin".
    display.TypeCharacter(' ');
    EXPECT_EQ(dialog.helpText(), "  Syntax error: Missing parenthesis");
}

}  // namespace
}  // namespace quorvix
