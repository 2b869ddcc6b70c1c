#include "platform/qt/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>

#include "platform/AtomicFile.h"
#include "platform/Locations.h"

namespace quorvix {

namespace {
// One Exec argument: quoted when it holds a reserved character, with the
// characters that stay special inside quotes escaped by a backslash.
std::string QuoteExecArgument(const std::string& argument) {
    static const std::string reserved = " \t\"'\\><~|&;$*?#()`";
    const bool needsQuotes =
        argument.empty() || argument.find_first_of(reserved) != std::string::npos;
    std::string out;
    if (needsQuotes) out += '"';
    for (const char c : argument) {
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
        if (c == '%') out += '%';  // field codes start with '%'
        out += c;
    }
    if (needsQuotes) out += '"';
    return out;
}

// A desktop entry's string value: a backslash is itself escaped.
std::string EscapeDesktopValue(const std::string& value) {
    std::string out;
    for (const char c : value) {
        if (c == '\\') out += '\\';
        out += c;
    }
    return out;
}
}  // namespace

std::string DesktopExecLine(const std::string& programPath, const std::string& argument) {
    for (const std::string* text : {&programPath, &argument})
        if (text->find_first_of(std::string("\n\r\0", 3)) != std::string::npos) return {};
    std::string line = QuoteExecArgument(programPath);
    if (!argument.empty()) line += ' ' + QuoteExecArgument(argument);
    return EscapeDesktopValue(line);
}

XdgAutostart::XdgAutostart(const std::string& dataDir) {
    if (dataDir.empty()) {
        directory_ =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
            "/autostart";
    } else {
        directory_ = JoinPath(dataDir, "autostart");
    }
    entryPath_ = JoinPath(directory_, "quorvix.desktop");
}

bool XdgAutostart::Register(const std::string& programPath, const std::string& argument) {
    const std::string exec = DesktopExecLine(programPath, argument);
    if (exec.empty()) return false;
    if (!QDir().mkpath(QString::fromStdString(directory_))) return false;
    const std::string entry =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Quorvix\n"
        "Comment=Scientific calculator in the notification area\n"
        "Exec=" + exec + "\n"
        "Icon=com.daltrane.Quorvix\n"
        "Terminal=false\n"
        "X-GNOME-Autostart-enabled=true\n";
    return WriteFileAtomically(entryPath_, entry);
}

bool XdgAutostart::Unregister() {
    if (std::remove(entryPath_.c_str()) == 0) return true;
    return !QFile::exists(QString::fromStdString(entryPath_));
}

bool XdgAutostart::IsRegistered() const {
    return QFile::exists(QString::fromStdString(entryPath_));
}

}  // namespace quorvix
