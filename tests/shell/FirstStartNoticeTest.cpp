#include "shell/FirstStartNotice.h"

#include <gtest/gtest.h>

#include "shell/HelpLineMessages.h"

namespace quorvix {
namespace {

using Place = FirstStartNotice::Place;
using Entry = LogonEntryState;

TEST(FirstStartNotice, SaidOnceWhereTheUserSeesIt) {
    const int helpLineWidth =
        HelpLineWidthNeeded([](std::string_view text) { return int(text.size()); });
    const struct {
        bool firstUse, runAtStartup, hosted, tray;
        Entry entry;
        Place place;
        const char* says;  // "" for nothing; the way to turn it off only when written
    } cases[] = {
        {true, true, true, true, Entry::Written, Place::TrayMessage, "hidden in the tray"},
        {true, true, true, false, Entry::Written, Place::HelpLine, "starts at log-on"},
        {true, true, true, true, Entry::BuildTree, Place::TrayMessage, "build folder"},
        {true, true, true, false, Entry::BuildTree, Place::HelpLine, "build folder"},
        {true, true, true, false, Entry::NotWritten, Place::HelpLine, "could not be written"},
        // A later start, the setting off before the first start, no log-on entries.
        {false, true, true, true, Entry::Written, Place::None, ""},
        {false, true, true, false, Entry::Written, Place::None, ""},
        {true, false, true, true, Entry::NotWritten, Place::None, ""},
        {true, true, false, true, Entry::NotWritten, Place::None, ""},
    };
    for (const auto& c : cases) {
        const FirstStartNotice notice =
            DecideFirstStartNotice({c.firstUse, c.runAtStartup, c.hosted, c.tray, c.entry});
        SCOPED_TRACE(c.says);
        EXPECT_EQ(notice.place, c.place);
        EXPECT_NE(notice.text.find(c.says), std::string::npos) << notice.text;
        EXPECT_EQ(notice.text.empty(), c.place == Place::None);
        EXPECT_EQ(notice.text.find(kRunAtStartupMenuPath) != std::string::npos,
                  c.entry == Entry::Written && c.place != Place::None);
        EXPECT_EQ(notice.title.empty(), c.place != Place::TrayMessage);
        // The help line's texts are as wide as its usual messages at most.
        EXPECT_TRUE(c.place != Place::HelpLine || int(notice.text.size()) + 2 <= helpLineWidth);
    }
}

}  // namespace
}  // namespace quorvix
