#include "shell/FirstStartNotice.h"

namespace quorvix {

namespace {

std::string NoticeText(LogonEntryState entry, bool trayShown) {
    const std::string turnOff = std::string("To turn this off, choose ") + kRunAtStartupMenuPath + ".";
    switch (entry) {
        case LogonEntryState::Written:
            return trayShown ? "Quorvix now starts each time you log on, hidden here in the "
                               "notification area. " + turnOff
                             : "Quorvix now starts each time you log on. " + turnOff;
        case LogonEntryState::BuildTree:
            return "Run At Startup is on, but this Quorvix runs from its build folder, so it "
                   "was not set to start at log-on.";
        case LogonEntryState::NotWritten:
            break;
    }
    return "Run At Startup is on, but the entry that starts Quorvix at log-on could not be "
           "written.";
}

}  // namespace

FirstStartNotice DecideFirstStartNotice(const FirstStartFacts& facts) {
    FirstStartNotice notice;
    if (!facts.firstUse || !facts.runAtStartup || !facts.hasLogonEntries) return notice;
    notice.text = NoticeText(facts.entry, facts.trayShown);
    if (facts.trayShown) {
        notice.place = FirstStartNotice::Place::TrayMessage;
        notice.title = "Quorvix runs at log-on";
        if (facts.entry != LogonEntryState::Written) notice.title = "Quorvix";
    } else {
        notice.place = FirstStartNotice::Place::HelpLine;
    }
    return notice;
}

}  // namespace quorvix
