#include "shell/FirstStartNotice.h"

#include <gtest/gtest.h>

#include "shell/HelpLineMessages.h"

namespace quorvix {
namespace {

using Place = FirstStartNotice::Place;
using Entry = LogonEntryState;

TEST(FirstStartNotice, SaidOnceWhereTheUserSeesIt) {
    const struct {
        bool firstUse, runAtStartup, tray;
        Entry entry;
        Place place;
        bool saysHowToTurnOff;
        const char* says;
    } cases[] = {
        {true, true, true, Entry::Written, Place::TrayMessage, true, "hidden in the tray"},
        {true, true, false, Entry::Written, Place::HelpLine, true, "starts at log-on"},
        {true, true, true, Entry::BuildTree, Place::TrayMessage, false, "build folder"},
        {true, true, false, Entry::BuildTree, Place::HelpLine, false, "build folder"},
        {true, true, false, Entry::NotWritten, Place::HelpLine, false, "could not be written"},
        // A later start, or the setting off before the first start: nothing.
        {false, true, true, Entry::Written, Place::None, false, ""},
        {false, true, false, Entry::Written, Place::None, false, ""},
        {true, false, true, Entry::NotWritten, Place::None, false, ""},
    };
    for (const auto& c : cases) {
        FirstStartFacts facts;
        facts.firstUse = c.firstUse;
        facts.runAtStartup = c.runAtStartup;
        facts.hasLogonEntries = true;
        facts.trayShown = c.tray;
        facts.entry = c.entry;
        const FirstStartNotice notice = DecideFirstStartNotice(facts);
        SCOPED_TRACE(c.says);
        EXPECT_EQ(notice.place, c.place);
        EXPECT_NE(notice.text.find(c.says), std::string::npos) << notice.text;
        EXPECT_EQ(notice.text.find(kRunAtStartupMenuPath) != std::string::npos, c.saysHowToTurnOff);
        EXPECT_EQ(notice.title.empty(), c.place != Place::TrayMessage);
        // The help line's texts are one line, and no wider than its usual messages.
        EXPECT_EQ(notice.text.find('\n'), std::string::npos);
        const int helpLineWidth =
            HelpLineWidthNeeded([](std::string_view text) { return int(text.size()); });
        EXPECT_TRUE(c.place != Place::HelpLine || int(notice.text.size()) + 2 <= helpLineWidth);
    }
}

TEST(FirstStartNotice, NothingWhereTheHostHasNoLogonEntries) {
    FirstStartFacts facts;
    facts.firstUse = facts.runAtStartup = facts.trayShown = true;
    EXPECT_EQ(DecideFirstStartNotice(facts).place, Place::None);
}

}  // namespace
}  // namespace quorvix
