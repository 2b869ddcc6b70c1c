#pragma once
// A plot window: the range of t in two fields (any expressions), Home,
// Copy (the plot as an image) and "Export..." (PNG or SVG) above the plot,
// and under it what the line's solver computed and the read-out of t and
// f(t) under the mouse. Ctrl+C copies, Ctrl+S exports, Escape cancels a
// drawing in progress (through the evaluation host), Ctrl+W closes.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace quorvix {

class FileDialogs;
class PlotCanvas;
class PlotEvaluationHost;
class PlotModel;
struct PlotRequest;

class PlotWindow : public QWidget {
    Q_OBJECT
public:
    PlotWindow(std::unique_ptr<PlotModel> model, PlotEvaluationHost& host, FileDialogs& files,
               QWidget* parent = nullptr);
    ~PlotWindow() override;

    // A window for the request's line, computed and ready to show; the
    // calculator's message (for its help line) when the line cannot be
    // plotted.
    static PlotWindow* Open(const PlotRequest& request, PlotEvaluationHost& host, FileDialogs& files,
                            QWidget* parent, std::string& message);

    PlotModel& model() { return *model_; }
    PlotCanvas* canvas() const { return canvas_; }
    // Writes the plot as PNG, or as SVG when the name ends in ".svg".
    bool ExportTo(const QString& path);
    void CopyImage();
    void AskExport();

private:
    void buildUi();
    // Samples again for the current view, now or as soon as no other
    // evaluation runs; then redraws.
    void Resample();
    void ResetView();
    void ApplyRangeFields();
    void refresh();
    // Runs a step of f's evaluation through the host; false when cancelled.
    bool Evaluate(bool (PlotModel::*step)());

    std::unique_ptr<PlotModel> model_;
    PlotEvaluationHost& host_;
    FileDialogs& files_;
    PlotCanvas* canvas_ = nullptr;
    QLineEdit* fromField_ = nullptr;
    QLineEdit* toField_ = nullptr;
    QLabel* solverValue_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* status_ = nullptr;
    bool resamplePending_ = false;
};

}  // namespace quorvix
