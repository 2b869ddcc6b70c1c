#pragma once
// Text crosses between the logic and Qt here only. The logic's text is
// single-byte characters (the worksheet and the user files store one byte a
// character), so the views map it as Latin-1: character positions are the
// same on both sides, which the display's caret arithmetic relies on.

#include <QString>
#include <string>
#include <string_view>

namespace quorvix {

inline QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become '?', which no name or number accepts.
inline std::string ToStdString(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace quorvix
