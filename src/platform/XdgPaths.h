#pragma once
// The per-user folders of the XDG base directory rules, found as Qt finds
// them on Linux (QDir::homePath, QStandardPaths), so that the terminal
// program and the window use the same files: $HOME (or "/"), cleaned;
// $XDG_CONFIG_HOME or HOME/.config; $XDG_DATA_HOME or HOME/.local/share.
// An empty variable counts as unset.

#include <string>
#include <string_view>

namespace quorvix {

std::string HomeDirectory();
std::string ConfigHome();
std::string DataHome();

// The folder that holds system-wide settings files.
inline constexpr std::string_view kSystemConfigDirectory = "/etc/xdg";

// A path with repeated and trailing '/' removed and "." and ".." resolved
// by name, as QDir::cleanPath does.
std::string CleanPath(std::string_view path);

// A path made absolute against the current folder: "." parts and repeated
// '/' are dropped, ".." is kept (it may lead out of a link). Unchanged when
// the current folder cannot be learnt; empty stays empty.
std::string AbsolutePath(std::string_view path);

// Creates a folder and the missing folders above it; true when it exists
// afterwards.
bool MakePath(const std::string& path);

}  // namespace quorvix
