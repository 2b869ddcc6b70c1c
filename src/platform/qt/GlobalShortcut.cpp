#include "platform/qt/GlobalShortcut.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/GlobalShortcutRule.h"

#if defined(QUORVIX_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace quorvix {

#if defined(QUORVIX_HAVE_XCB)
namespace {

xcb_connection_t* X11Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The X key symbol of a Qt key; 0 for keys a shortcut cannot use here.
xcb_keysym_t KeySymOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<xcb_keysym_t>(key + 0x20);
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) return static_cast<xcb_keysym_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return static_cast<xcb_keysym_t>(0xffbe + (key - Qt::Key_F1));
    struct Named {
        int key;
        xcb_keysym_t sym;
    };
    static constexpr Named kNamed[] = {
        {Qt::Key_Escape, 0xff1b}, {Qt::Key_Tab, 0xff09},      {Qt::Key_Backspace, 0xff08},
        {Qt::Key_Return, 0xff0d}, {Qt::Key_Insert, 0xff63},   {Qt::Key_Delete, 0xffff},
        {Qt::Key_Home, 0xff50},   {Qt::Key_End, 0xff57},      {Qt::Key_PageUp, 0xff55},
        {Qt::Key_PageDown, 0xff56}, {Qt::Key_Left, 0xff51},   {Qt::Key_Up, 0xff52},
        {Qt::Key_Right, 0xff53},  {Qt::Key_Down, 0xff54},     {Qt::Key_Pause, 0xff13},
        {Qt::Key_Print, 0xff61},
    };
    for (const Named& named : kNamed)
        if (named.key == key) return named.sym;
    return 0;
}

xcb_keycode_t KeyCodeOf(xcb_connection_t* connection, xcb_keysym_t sym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    if (count <= 0) return 0;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> reply(
        xcb_get_keyboard_mapping_reply(
            connection,
            xcb_get_keyboard_mapping(connection, setup->min_keycode,
                                     static_cast<std::uint8_t>(count)),
            nullptr),
        &std::free);
    if (!reply) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int perCode = reply->keysyms_per_keycode;
    const int total = xcb_get_keyboard_mapping_keysyms_length(reply.get());
    for (int code = 0; code < count; ++code)
        for (int column = 0; column < perCode; ++column) {
            const int index = code * perCode + column;
            if (index < total && syms[index] == sym)
                return static_cast<xcb_keycode_t>(first + code);
        }
    return 0;
}

std::uint16_t ModifiersOf(Qt::KeyboardModifiers modifiers) {
    std::uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier) mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier) mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier) mask |= XCB_MOD_MASK_4;
    return mask;
}

// The grab must hold whether Caps Lock or Num Lock is on.
constexpr std::uint16_t kLockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                           XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint16_t kRelevantModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

}  // namespace
#endif

GlobalShortcut::GlobalShortcut(const QString& text, QObject* parent) : QObject(parent) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return;
    const QKeySequence sequence = QKeySequence::fromString(trimmed, QKeySequence::PortableText);
    refusal_ = sequence.count() != 1
                   ? "Global shortcut \"" + trimmed.toStdString() + "\" not understood"
                   : GlobalShortcutRefusal(trimmed.toStdString());
    if (refusal_.empty())
        Grab(sequence);
    else
        std::fprintf(stderr, "quorvix: %s\n", refusal_.c_str());
}

GlobalShortcut::~GlobalShortcut() { Ungrab(); }

void GlobalShortcut::Grab(const QKeySequence& sequence) {
#if defined(QUORVIX_HAVE_XCB)
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;  // no global shortcuts on this platform
    const QKeyCombination combination = sequence[0];
    const xcb_keysym_t sym = KeySymOf(combination.key());
    const xcb_keycode_t code = sym ? KeyCodeOf(connection, sym) : 0;
    if (code == 0) return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) return;
    root_ = screen->root;
    modifiers_ = ModifiersOf(combination.keyboardModifiers());
    bool grabbed = true;
    for (std::uint16_t variant : kLockVariants) {
        xcb_generic_error_t* error = xcb_request_check(
            connection, xcb_grab_key_checked(connection, 1, root_, modifiers_ | variant, code,
                                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        if (error) {
            grabbed = false;
            std::free(error);
        }
    }
    keycode_ = code;
    if (!grabbed) {
        // Another program holds the key: run without it.
        std::fprintf(stderr, "quorvix: the global shortcut is taken by another program\n");
        Ungrab();
        return;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
#else
    Q_UNUSED(sequence);
#endif
}

void GlobalShortcut::Ungrab() {
#if defined(QUORVIX_HAVE_XCB)
    if (keycode_ == 0) return;
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
    if (xcb_connection_t* connection = X11Connection()) {
        for (std::uint16_t variant : kLockVariants)
            xcb_ungrab_key(connection, keycode_, root_, modifiers_ | variant);
        xcb_flush(connection);
    }
    keycode_ = 0;
#endif
}

bool GlobalShortcut::nativeEventFilter(const QByteArray& eventType, void* message,
                                       qintptr* result) {
    Q_UNUSED(result);
#if defined(QUORVIX_HAVE_XCB)
    if (keycode_ == 0 || eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->detail != keycode_ || key->event != root_ ||
        (key->state & kRelevantModifiers) != modifiers_)
        return false;
    emit activated();
    return true;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}

}  // namespace quorvix
