#pragma once
// Run at log-on on Linux desktops: an XDG autostart entry "quorvix.desktop"
// in ~/.config/autostart, or in DIR/autostart when a data directory is given.

#include <string>

#include "platform/RunAtLogon.h"

namespace quorvix {

class XdgAutostart : public RunAtLogon {
public:
    // dataDir empty: the user's autostart folder; otherwise DIR/autostart.
    explicit XdgAutostart(const std::string& dataDir = {});

    bool Register(const std::string& programPath, const std::string& argument) override;
    bool Unregister() override;
    bool IsRegistered() const override;

    const std::string& EntryPath() const { return entryPath_; }

private:
    std::string directory_;
    std::string entryPath_;
};

// The Exec= value that starts the program with the argument, quoted and
// escaped as desktop entries require; empty when a character cannot be put
// into a desktop entry (a line break or a NUL).
std::string DesktopExecLine(const std::string& programPath, const std::string& argument);

}  // namespace quorvix
