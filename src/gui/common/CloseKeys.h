#pragma once
// The standard close key (Ctrl+W, and Ctrl+F4 where the platform binds it)
// closes a secondary window (help, tool windows) as its close box does;
// Escape already does in each of them.

class QWidget;

namespace quorvix {

void AddCloseKey(QWidget& window);

}  // namespace quorvix
