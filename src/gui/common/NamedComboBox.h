#pragma once
// A drop-down list that assistive tools hear under its own name. Qt's
// accessible combo box on Linux reports the current text as the name (and
// ignores setAccessibleName unless the text is empty), so a screen reader
// says "inch" where it should say "Unit to convert from, inch". This one
// reports its accessible name (or its label's text) as the name and the
// current text as the value; the typing part and the drop-down list stay
// its children.

#include <QComboBox>

namespace quorvix {

class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget* parent = nullptr);
};

}  // namespace quorvix
