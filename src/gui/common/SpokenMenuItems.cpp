#include "gui/common/SpokenMenuItems.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QWindow>

namespace quorvix {

namespace {

constexpr const char* kNameProperty = "quorvixSpokenName";
constexpr const char* kDescriptionProperty = "quorvixSpokenDescription";

QString WithoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

class SpokenMenuItem : public QAccessibleObject, public QAccessibleActionInterface {
public:
    SpokenMenuItem(QAction* action, QMenu* owner) : QAccessibleObject(action), action_(action), owner_(owner) {}

    bool isValid() const override { return action_ && owner_; }
    QWindow* window() const override {
        if (!owner_) return nullptr;
        if (QWindow* window = owner_->windowHandle()) return window;
        const QWidget* native = owner_->nativeParentWidget();
        return native ? native->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }

    QString text(QAccessible::Text t) const override {
        if (!action_) return {};
        switch (t) {
            case QAccessible::Name: {
                const QString spoken = action_->property(kNameProperty).toString();
                return spoken.isEmpty() ? WithoutMnemonic(action_->text()) : spoken;
            }
            case QAccessible::Description:
                return action_->property(kDescriptionProperty).toString();
            case QAccessible::Accelerator:
                return action_->shortcut().toString();
            default:
                return {};
        }
    }

    QRect rect() const override {
        if (!owner_ || !action_) return {};
        return owner_->actionGeometry(action_).translated(owner_->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!owner_ || !action_) return s;
        s.invisible = !owner_->isVisible() || !action_->isVisible();
        s.focusable = true;
        s.focused = owner_->activeAction() == action_;
        s.hotTracked = owner_->style()->styleHint(QStyle::SH_Menu_MouseTracking) != 0;
        s.disabled = !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && action_ && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> action_;
    QPointer<QMenu> owner_;
};

QAccessibleInterface* SpokenMenuItemFactory(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (action == nullptr || action->menu() != nullptr ||
        (!action->property(kNameProperty).isValid() &&
         !action->property(kDescriptionProperty).isValid()))
        return nullptr;
    for (QObject* associated : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(associated)) return new SpokenMenuItem(action, menu);
    return nullptr;
}

}  // namespace

void SetSpokenTexts(QAction& action, const QString& name, const QString& description) {
    static const bool installed = [] {
        QAccessible::installFactory(SpokenMenuItemFactory);
        return true;
    }();
    (void)installed;
    if (!name.isEmpty()) action.setProperty(kNameProperty, name);
    if (!description.isEmpty()) action.setProperty(kDescriptionProperty, description);
}

}  // namespace quorvix
