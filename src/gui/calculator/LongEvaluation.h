#pragma once
// Keeps the window alive while a line evaluates on the user-interface
// thread. The engine's cancellation poll calls back here now and then; the
// window's events are then processed, so it repaints and can be moved.
//
// Input meant for the calculator's own windows (the calculator window and
// the tool windows it owns, as they were when the evaluation began) is held
// back meanwhile: Escape cancels the evaluation (the line fails with
// "Evaluation cancelled"), key presses and a close request are replayed when
// it ends (typing waits), mouse clicks and wheel turns are dropped so that
// no command starts while another is running. Every other window takes its
// input as usual: a question or message box that the evaluation itself
// opened, and the tray icon with its menu (the way out).

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvix {

class DisplayEdit;

class LongEvaluation : public QObject {
    Q_OBJECT
public:
    // After this long the help line says how to cancel.
    static constexpr int kNoticeAfterMs = 250;
    static constexpr int kPollEveryMs = 30;

    // showHelp writes a message into the help line.
    LongEvaluation(DisplayEdit& display, std::function<void(const std::string&)> showHelp,
                   QObject* parent = nullptr);
    ~LongEvaluation() override;

    // Runs evaluate (one EvaluateCurrentLine or a listing of the variables)
    // as described above. Not re-entered: a nested call runs evaluate at once.
    void Run(const std::function<void()>& evaluate);
    bool running() const { return running_; }

signals:
    // Run has returned (after the held input was posted again).
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void PollHook();
    void Poll();
    void ReplayHeldEvents();
    // Whether input for watched is held: it belongs to a calculator window
    // that was open when the evaluation began.
    bool Holds(QObject* watched) const;

    DisplayEdit& display_;
    std::function<void(const std::string&)> showHelp_;
    bool running_ = false;
    bool polling_ = false;
    bool noticeShown_ = false;
    QElapsedTimer started_;
    QElapsedTimer lastPoll_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
    std::vector<QPointer<QWidget>> heldWindows_;
};

}  // namespace quorvix
