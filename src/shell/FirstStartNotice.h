#pragma once
// What the first start says about Run At Startup, which is on by default:
// once, in a message from the tray icon, or on the help line where there is
// no tray, with how to turn it off. A later start says nothing.

#include <string>

namespace quorvix {

// How the first start left the log-on entry.
enum class LogonEntryState {
    Written,     // the entry exists: the program starts at log-on
    BuildTree,   // the program runs from its build folder, so no entry was written
    NotWritten,  // the entry could not be written
};

struct FirstStartFacts {
    bool firstUse = false;      // "FirstUse" was on when the settings were read
    bool runAtStartup = false;  // the setting as read
    bool hasLogonEntries = false;  // the host can start programs at log-on at all
    bool trayShown = false;     // the tray icon is in a notification area
    LogonEntryState entry = LogonEntryState::NotWritten;
};

struct FirstStartNotice {
    enum class Place { None, TrayMessage, HelpLine };
    Place place = Place::None;
    std::string title;  // the tray message's title (empty on the help line)
    std::string text;
};

// Where the how to turn the setting off is said.
inline constexpr const char* kRunAtStartupMenuPath = "Options > Run At Startup";

FirstStartNotice DecideFirstStartNotice(const FirstStartFacts& facts);

}  // namespace quorvix
