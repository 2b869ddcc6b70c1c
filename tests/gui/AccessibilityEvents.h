#pragma once
// Shared by the view tests that listen to what assistive tools hear: records
// the accessibility events of chosen types while it lives. Qt sends them only
// while its accessibility is on, which the offscreen platform never is; the
// test skips then, unless RunWithAccessibility.sh asked for it (and the
// accessibility bus is given a few seconds to come up).

#include <QAccessible>
#include <QGuiApplication>
#include <QList>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <initializer_list>

namespace quorvix::test {

class AccessibilityEvents {
public:
    explicit AccessibilityEvents(std::initializer_list<QAccessible::Event> types)
        : types_(types) {
        Instance() = this;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            AccessibilityEvents* self = Instance();
            if (!self || !self->types_.contains(event->type())) return;
            self->events_.append(event->type());
            self->details_.append({event->type(), event->object(), TextOf(event)});
        });
    }
    ~AccessibilityEvents() {
        QAccessible::installUpdateHandler(nullptr);
        Instance() = nullptr;
    }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // Whether Qt's accessibility is on (waiting for it where it was asked for).
    static bool Available() {
        if (!qEnvironmentVariableIsSet("QUORVIX_REQUIRE_ACCESSIBILITY")) return QAccessible::isActive();
        return QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000);
    }

    int Count(QAccessible::Event type) const {
        return static_cast<int>(std::count(events_.begin(), events_.end(), type));
    }
    int Total() const { return static_cast<int>(events_.size()); }
    void Clear() {
        events_.clear();
        details_.clear();
    }

    // What the events of a type carried for object: the inserted text of a
    // text insertion, the new description of a description change.
    QStringList Texts(QAccessible::Event type, const QObject* object) const {
        QStringList texts;
        for (const Detail& detail : details_)
            if (detail.type == type && detail.object == object) texts.append(detail.text);
        return texts;
    }

private:
    struct Detail {
        QAccessible::Event type;
        const QObject* object;
        QString text;
    };

    static QString TextOf(QAccessibleEvent* event) {
        if (event->type() == QAccessible::TextInserted)
            return static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
        if (event->type() == QAccessible::DescriptionChanged && event->accessibleInterface())
            return event->accessibleInterface()->text(QAccessible::Description);
        return {};
    }

    static AccessibilityEvents*& Instance() {
        static AccessibilityEvents* instance = nullptr;
        return instance;
    }

    QList<QAccessible::Event> types_;
    QList<QAccessible::Event> events_;
    QList<Detail> details_;
};

}  // namespace quorvix::test

// Skips the test where accessibility is off and nobody asked for it; fails
// where it was asked for and did not come on.
#define QUORVIX_REQUIRE_ACCESSIBILITY()                                                   \
    do {                                                                                  \
        if (!quorvix::test::AccessibilityEvents::Available()) {                           \
            if (qEnvironmentVariableIsSet("QUORVIX_REQUIRE_ACCESSIBILITY"))               \
                QFAIL("Qt's accessibility did not come on");                              \
            QSKIP("Qt's accessibility is off here; ctest runs this under "                \
                  "RunWithAccessibility.sh");                                             \
        }                                                                                 \
    } while (false)
