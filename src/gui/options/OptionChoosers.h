#pragma once
// The two blocking choosers of the options dialog, injectable so that tests
// never open a real dialog: a chooser returns the chosen value, or nothing
// when the user cancelled.

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace quorvix {

using ColorChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;
using FontChooser =
    std::function<std::optional<QFont>(const QFont& initial, QWidget* parent, const QString& title)>;

// QColorDialog (fully expanded) and QFontDialog.
ColorChooser DefaultColorChooser();
FontChooser DefaultFontChooser();

}  // namespace quorvix
