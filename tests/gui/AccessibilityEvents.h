#pragma once
// Shared by the view tests that listen to what assistive tools hear: records
// the accessibility events of chosen types while it lives. Qt sends them only
// while its accessibility is on, which the offscreen platform never is; the
// test skips then, unless RunWithAccessibility.sh asked for it (and the
// accessibility bus is given a few seconds to come up).

#include <QAccessible>
#include <QGuiApplication>
#include <QList>
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
            if (self && self->types_.contains(event->type())) self->events_.append(event->type());
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
    void Clear() { events_.clear(); }

private:
    static AccessibilityEvents*& Instance() {
        static AccessibilityEvents* instance = nullptr;
        return instance;
    }

    QList<QAccessible::Event> types_;
    QList<QAccessible::Event> events_;
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
