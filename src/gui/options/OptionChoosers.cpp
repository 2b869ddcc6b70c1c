#include "gui/options/OptionChoosers.h"

#include <QColorDialog>
#include <QFontDialog>

namespace quorvix {

ColorChooser DefaultColorChooser() {
    return [](const QColor& initial, QWidget* parent) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    };
}

FontChooser DefaultFontChooser() {
    return [](const QFont& initial, QWidget* parent, const QString& title) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, parent, title);
        if (!ok) return std::nullopt;
        return chosen;
    };
}

}  // namespace quorvix
