#pragma once
// The open plot windows of one calculator window. Each is a top-level window
// (a Qt child of the calculator window, so it never outlives it); any number
// may be open. CloseAll closes them with the calculator.

#include <QPointer>
#include <optional>
#include <string>
#include <vector>

#include "gui/common/QtFileDialogs.h"

class QWidget;

namespace quorvix {

class PlotEvaluationHost;
class PlotWindow;
struct PlotRequest;

class PlotWindows {
public:
    PlotWindows(PlotEvaluationHost& host, QWidget* parent);
    ~PlotWindows();
    PlotWindows(const PlotWindows&) = delete;
    PlotWindows& operator=(const PlotWindows&) = delete;

    // Opens and shows a plot of the request's line; the message for the
    // calculator's help line when the line cannot be plotted.
    std::optional<std::string> Open(const PlotRequest& request);
    void CloseAll();
    // The windows still open, oldest first.
    std::vector<PlotWindow*> windows() const;

private:
    PlotEvaluationHost& host_;
    QWidget* parent_;
    QtFileDialogs files_;
    std::vector<QPointer<PlotWindow>> windows_;
};

}  // namespace quorvix
