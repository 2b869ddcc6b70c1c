#include "gui/calculator/LongEvaluation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include "engine/Cancellation.h"
#include "gui/calculator/DisplayEdit.h"
#include "shell/HelpLineMessages.h"

namespace quorvix {

namespace {
// The one evaluation that the engine's poll hook reaches.
LongEvaluation* current = nullptr;

// The top-level widget an event is meant for: the widget's window, or the
// widget of a top-level QWindow (mouse and key events reach the window
// first); null for anything else.
QWidget* TopLevelOf(QObject* target) {
    if (target == nullptr) return nullptr;
    if (target->isWidgetType()) return static_cast<QWidget*>(target)->window();
    if (!target->isWindowType()) return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == target) return widget;
    return nullptr;
}

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Close:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

bool IsDescendantOf(const QWidget* widget, const QWidget* ancestor) {
    for (; widget != nullptr; widget = widget->parentWidget())
        if (widget == ancestor) return true;
    return false;
}
}  // namespace

LongEvaluation::LongEvaluation(DisplayEdit& display,
                               std::function<void(const std::string&)> showHelp, QObject* parent)
    : QObject(parent), display_(display), showHelp_(std::move(showHelp)) {}

LongEvaluation::~LongEvaluation() {
    if (current == this) {
        SetCancellationPollHook(nullptr);
        current = nullptr;
    }
}

void LongEvaluation::Run(const std::function<void()>& evaluate) {
    if (running_ || current) {
        evaluate();
        return;
    }
    running_ = true;
    noticeShown_ = false;
    current = this;
    ClearEvaluationCancel();
    started_.start();
    lastPoll_.start();
    display_.SetInputHeld(true);
    // The calculator's windows open now; whatever opens later (a question
    // box of the evaluation) is answered as usual.
    heldWindows_.clear();
    const QWidget* calculator = display_.window();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget == calculator || (widget->isVisible() && IsDescendantOf(widget, calculator)))
            heldWindows_.emplace_back(widget);
    qApp->installEventFilter(this);
    SetCancellationPollHook(&LongEvaluation::PollHook);

    evaluate();

    SetCancellationPollHook(nullptr);
    qApp->removeEventFilter(this);
    current = nullptr;
    running_ = false;
    ClearEvaluationCancel();
    if (noticeShown_) QApplication::restoreOverrideCursor();
    // The answer queued by the evaluation goes first, then what was typed.
    display_.SetInputHeld(false);
    ReplayHeldEvents();
    heldWindows_.clear();
    emit finished();
}

bool LongEvaluation::Holds(QObject* watched) const {
    const QWidget* window = TopLevelOf(watched);
    if (window == nullptr) return false;
    for (const QPointer<QWidget>& held : heldWindows_)
        if (held == window) return true;
    return false;
}

void LongEvaluation::PollHook() {
    if (current) current->Poll();
}

void LongEvaluation::Poll() {
    if (polling_ || lastPoll_.elapsed() < kPollEveryMs) return;
    polling_ = true;
    if (!noticeShown_ && started_.elapsed() >= kNoticeAfterMs) {
        noticeShown_ = true;
        if (showHelp_) showHelp_(kCancelNotice);
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, kPollEveryMs);
    lastPoll_.start();
    polling_ = false;
}

bool LongEvaluation::eventFilter(QObject* watched, QEvent* event) {
    if (!running_ || !IsUserInput(event->type()) || !Holds(watched)) return false;
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // No menu shortcut fires meanwhile; the key press follows.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                if (event->type() == QEvent::KeyPress) RequestEvaluationCancel();
                return true;
            }
            held_.emplace_back(watched, event->clone());
            return true;
        case QEvent::Close:
            held_.emplace_back(watched, event->clone());
            event->ignore();
            return true;
        default:  // clicks, wheel turns, touches
            return true;
    }
}

void LongEvaluation::ReplayHeldEvents() {
    auto held = std::move(held_);
    held_.clear();
    for (auto& [receiver, event] : held)
        if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

}  // namespace quorvix
