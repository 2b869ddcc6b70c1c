#pragma once
// Accessible texts that are set only when they differ: Qt sends a name or
// description change for every call, and assistive tools would otherwise
// hear the same texts again after each key press or command.

#include <QString>
#include <QWidget>

namespace quorvix {

inline void SetAccessibleName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

inline void SetAccessibleDescription(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

}  // namespace quorvix
