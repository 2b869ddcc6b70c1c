#pragma once
// A keyboard shortcut that reaches the program from any application. On X11
// the key is grabbed on the root window through the X server; where the
// platform offers no global shortcuts (Wayland, offscreen) nothing is
// registered and the program runs without one.

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvix {

// The default "GlobalShortcut" setting under "Options"; empty means none.
inline constexpr const char* kDefaultGlobalShortcut = "Ctrl+Alt+Q";

class GlobalShortcut : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // text in the portable form ("Ctrl+Alt+Q"); empty or unreadable: none.
    explicit GlobalShortcut(const QString& text, QObject* parent = nullptr);
    ~GlobalShortcut() override;

    // Whether the key is grabbed.
    bool registered() const { return keycode_ != 0; }
    // Why the setting was not used (not understood, or a key without Ctrl,
    // Alt or Meta); empty when it was used or was empty.
    const std::string& refusal() const { return refusal_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* result) override;

signals:
    void activated();

private:
    void Grab(const QKeySequence& sequence);
    void Ungrab();

    std::string refusal_;
    std::uint8_t keycode_ = 0;
    std::uint16_t modifiers_ = 0;
    std::uint32_t root_ = 0;
};

}  // namespace quorvix
