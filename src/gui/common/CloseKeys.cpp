#include "gui/common/CloseKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace quorvix {

void AddCloseKey(QWidget& window) {
    auto* shortcut = new QShortcut(QKeySequence::Close, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] { window.close(); });
}

}  // namespace quorvix
