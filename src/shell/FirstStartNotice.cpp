#include "shell/FirstStartNotice.h"

namespace quorvix {

namespace {

// The help line's texts fit its usual width; a tray message may be longer.
std::string NoticeText(LogonEntryState entry, bool trayShown) {
    switch (entry) {
        case LogonEntryState::Written:
            return trayShown ? std::string("Quorvix now starts hidden in the tray when you log "
                                           "on. To turn this off, choose ") +
                                   kRunAtStartupMenuPath + "."
                             : std::string("Quorvix starts at log-on; to stop it: ") +
                                   kRunAtStartupMenuPath;
        case LogonEntryState::BuildTree:
            return "Run At Startup skipped: Quorvix runs from its build folder";
        case LogonEntryState::NotWritten:
            break;
    }
    return "Run At Startup: the log-on entry could not be written";
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
