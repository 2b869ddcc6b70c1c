#include <gtest/gtest.h>

#include "platform/MemoryPrompter.h"
#include "platform/Shell.h"
#include "shell/AboutBox.h"

using namespace quorvix;

TEST(AboutBox, CaptionAndVersionLineNameTheProduct) {
    const AboutBoxTexts texts = MakeAboutBoxTexts("1.2.3");
    EXPECT_EQ(texts.caption, "About Quorvix");
    EXPECT_EQ(texts.versionLine, "Quorvix 1.2.3");
    EXPECT_EQ(texts.mailTarget, "mailto:" + texts.mailText);
    EXPECT_EQ(texts.webTarget, texts.webText);
}

TEST(AboutBox, ClickOpensTheTargetAndTurnsVisited) {
    MemoryShell shell;
    MemoryPrompter prompter;
    Hyperlink link("someone@example.org", "mailto:someone@example.org");
    EXPECT_EQ(link.colour(), (LinkColour{0, 0, 238}));
    EXPECT_TRUE(link.Click(shell, prompter));
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"mailto:someone@example.org"}));
    EXPECT_TRUE(link.visited());
    EXPECT_EQ(link.colour(), (LinkColour{85, 26, 139}));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(AboutBox, RefusedOpenSaysSoOnceAndStaysVisited) {
    MemoryShell shell;
    shell.succeed = false;
    MemoryPrompter prompter;
    Hyperlink link("https://example.org", "https://example.org");
    EXPECT_FALSE(link.Click(shell, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Quorvix");
    EXPECT_EQ(prompter.shown[0].text, "Unable to start the mail/browser program");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::None);
    EXPECT_EQ(link.colour(), Hyperlink::kVisitedColour);
}
