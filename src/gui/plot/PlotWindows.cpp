#include "gui/plot/PlotWindows.h"

#include "calculator/plot/PlotRequest.h"
#include "gui/plot/PlotWindow.h"

namespace quorvix {

PlotWindows::PlotWindows(PlotEvaluationHost& host, QWidget* parent)
    : host_(host), parent_(parent), files_(parent) {}

PlotWindows::~PlotWindows() {
    // The windows refer to the host and the dialogs: they go first.
    for (const QPointer<PlotWindow>& window : windows_) delete window.data();
}

std::optional<std::string> PlotWindows::Open(const PlotRequest& request) {
    std::string message;
    PlotWindow* window = PlotWindow::Open(request, host_, files_, parent_, message);
    if (!window) return message;
    std::erase_if(windows_, [](const QPointer<PlotWindow>& w) { return w.isNull(); });
    windows_.emplace_back(window);
    window->show();
    window->raise();
    window->activateWindow();
    return std::nullopt;
}

void PlotWindows::CloseAll() {
    // Closing deletes a window once control is back in the event loop, so
    // one that is drawing is not deleted under its own feet.
    for (const QPointer<PlotWindow>& window : windows_)
        if (window) window->close();
}

std::vector<PlotWindow*> PlotWindows::windows() const {
    std::vector<PlotWindow*> open;
    for (const QPointer<PlotWindow>& window : windows_)
        if (window) open.push_back(window.data());
    return open;
}

}  // namespace quorvix
