#pragma once
// A modeless tool window (the Finance box, the unit converter) whose logic
// records whether it is visible, so that the settings can remember it at
// exit. Showing it marks it visible; Escape, a Close button (reject) and the
// close box hide it and mark it hidden. It is never destroyed by closing.

#include <QDialog>
#include <functional>

class QCloseEvent;
class QShowEvent;

namespace quorvix {

class ToolWindow : public QDialog {
    Q_OBJECT
public:
    // visibilityChanged(true) on every show, (false) on every hide request.
    ToolWindow(std::function<void(bool)> visibilityChanged, QWidget* parent = nullptr);

    // Shows, raises and activates the window without moving it.
    void ShowWindow();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void(bool)> visibilityChanged_;
};

}  // namespace quorvix
