#include "gui/common/NamedComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace quorvix {

namespace {

const QString kShowMenu = QAccessibleActionInterface::showMenuAction();
const QString kPress = QAccessibleActionInterface::pressAction();

class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    // Child 0 is the drop-down list, child 1 the typing part of an editable box.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        if (child->object() == box()->view()) return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QLineEdit* edit = box()->lineEdit();
        if (box()->isEditable() && edit->rect().contains(edit->mapFromGlobal(QPoint(x, y))))
            return child(1);
        return nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        // The name: the accessible name, else the label's text.
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = box()->isEditable();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {kShowMenu, kPress}; }
    void doAction(const QString& action) override {
        if (action != kShowMenu && action != kPress) return;
        if (box()->view()->isVisible()) box()->hidePopup();
        else box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* NamedComboBoxFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(NamedComboBox::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new NamedComboBoxAccessible(static_cast<NamedComboBox*>(object));
    return nullptr;
}

}  // namespace

NamedComboBox::NamedComboBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(NamedComboBoxFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace quorvix
