#include "gui/plot/PlotWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTimer>
#include <QVBoxLayout>

#include "calculator/plot/PlotModel.h"
#include "calculator/plot/PlotRequest.h"
#include "gui/common/QtText.h"
#include "gui/plot/PlotCanvas.h"
#include "gui/plot/PlotEvaluationHost.h"
#include "gui/plot/PlotPainter.h"
#include "platform/FileDialogs.h"

namespace quorvix {

namespace {
constexpr int kRetryMs = 50;
constexpr const char* kHint = "Wheel: zoom    Drag: pan    Right-drag: zoom to a box    Home: reset";
constexpr const char* kExportFilter = "PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg||";
}  // namespace

PlotWindow::PlotWindow(std::unique_ptr<PlotModel> model, PlotEvaluationHost& host,
                       FileDialogs& files, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(std::move(model)), host_(host), files_(files) {
    setObjectName(QStringLiteral("plotWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Plot - ") + ToQString(model_->title()));
    buildUi();
}

PlotWindow::~PlotWindow() = default;

PlotWindow* PlotWindow::Open(const PlotRequest& request, PlotEvaluationHost& host,
                             FileDialogs& files, QWidget* parent, std::string& message) {
    if (!request.evaluator) return nullptr;
    auto model = std::make_unique<PlotModel>(*request.evaluator, request.format);
    if (std::optional<std::string> refusal = model->Open(request.line)) {
        message = *refusal;
        return nullptr;
    }
    auto* window = new PlotWindow(std::move(model), host, files, parent);
    window->resize(window->sizeHint());
    window->layout()->activate();
    window->canvas_->FitArea();
    if (!window->Evaluate(&PlotModel::Compute))
        window->status_->setText(QStringLiteral("Drawing cancelled"));
    window->canvas_->FitArea();
    window->refresh();
    return window;
}

void PlotWindow::buildUi() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);

    auto* bar = new QHBoxLayout();
    auto* fromLabel = new QLabel(QStringLiteral("&t from"), this);
    fromField_ = new QLineEdit(this);
    fromField_->setObjectName(QStringLiteral("rangeFrom"));
    fromLabel->setBuddy(fromField_);
    auto* toLabel = new QLabel(QStringLiteral("to"), this);
    toField_ = new QLineEdit(this);
    toField_->setObjectName(QStringLiteral("rangeTo"));
    toField_->setAccessibleName(QStringLiteral("t to"));
    for (QLineEdit* field : {fromField_, toField_}) {
        field->setMaximumWidth(fontMetrics().averageCharWidth() * 14);
        connect(field, &QLineEdit::returnPressed, this, [this] { ApplyRangeFields(); });
    }
    auto* home = new QPushButton(QStringLiteral("&Home"), this);
    home->setObjectName(QStringLiteral("homeButton"));
    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    copy->setObjectName(QStringLiteral("copyButton"));
    auto* exportButton = new QPushButton(QStringLiteral("&Export..."), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    for (QPushButton* button : {home, copy, exportButton}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    connect(home, &QPushButton::clicked, this, [this] { ResetView(); });
    connect(copy, &QPushButton::clicked, this, [this] { CopyImage(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { AskExport(); });
    bar->addWidget(fromLabel);
    bar->addWidget(fromField_);
    bar->addWidget(toLabel);
    bar->addWidget(toField_);
    bar->addStretch(1);
    bar->addWidget(home);
    bar->addWidget(copy);
    bar->addWidget(exportButton);
    layout->addLayout(bar);

    canvas_ = new PlotCanvas(*model_, this);
    layout->addWidget(canvas_, 1);
    connect(canvas_, &PlotCanvas::viewChanged, this, [this] { Resample(); });
    connect(canvas_, &PlotCanvas::resetRequested, this, [this] { ResetView(); });
    connect(canvas_, &PlotCanvas::readoutChanged, this, [this](const QString& text) {
        readout_->setText(text.isEmpty() ? QString::fromLatin1(kHint) : text);
    });

    solverValue_ = new QLabel(this);
    solverValue_->setObjectName(QStringLiteral("solverValue"));
    solverValue_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_ = new QLabel(QString::fromLatin1(kHint), this);
    readout_->setObjectName(QStringLiteral("readout"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    layout->addWidget(solverValue_);
    auto* bottom = new QHBoxLayout();
    bottom->addWidget(readout_, 1);
    bottom->addWidget(status_);
    layout->addLayout(bottom);

    auto addShortcut = [this](QKeySequence keys, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addShortcut(QKeySequence::Copy, [this] { CopyImage(); });
    addShortcut(QKeySequence::Save, [this] { AskExport(); });
    addShortcut(QKeySequence::Close, [this] { close(); });
    canvas_->setFocus();
}

void PlotWindow::refresh() {
    const SolverOverlay& o = model_->overlay();
    solverValue_->setText(ToQString(o.caption));
    solverValue_->setVisible(!o.caption.empty());
    const PlotView& v = model_->view();
    if (!fromField_->hasFocus()) fromField_->setText(ToQString(model_->TickLabel(v.range().tLow, v.TPerPixel())));
    if (!toField_->hasFocus()) toField_->setText(ToQString(model_->TickLabel(v.range().tHigh, v.TPerPixel())));
    canvas_->update();
}

bool PlotWindow::Evaluate(bool (PlotModel::*step)()) {
    // Seen only when drawing takes long enough for the window to repaint.
    status_->setText(QStringLiteral("Drawing... (Esc cancels)"));
    bool completed = true;
    host_.RunEvaluation([&] { completed = (model_.get()->*step)(); });
    status_->clear();
    return completed;
}

void PlotWindow::Resample() {
    if (host_.EvaluationRunning()) {
        if (!resamplePending_) {
            resamplePending_ = true;
            QTimer::singleShot(kRetryMs, this, [this] {
                resamplePending_ = false;
                Resample();
            });
        }
        canvas_->update();
        return;
    }
    canvas_->FitArea();
    const bool completed = Evaluate(&PlotModel::Resample);
    // New tick labels may need other margins: once more at the new size.
    if (completed && canvas_->FitArea()) Evaluate(&PlotModel::Resample);
    status_->setText(completed ? QString() : QStringLiteral("Drawing cancelled"));
    refresh();
}

void PlotWindow::ResetView() {
    model_->view().Reset();
    Resample();
}

void PlotWindow::ApplyRangeFields() {
    if (std::optional<std::string> error =
            model_->SetTRange(ToStdString(fromField_->text()), ToStdString(toField_->text()))) {
        status_->setText(ToQString(*error));
        return;
    }
    if (host_.EvaluationRunning()) return;
    canvas_->FitArea();
    const bool completed = Evaluate(&PlotModel::Rescale);
    status_->setText(completed ? QString() : QStringLiteral("Drawing cancelled"));
    refresh();
    canvas_->setFocus();
}

void PlotWindow::CopyImage() {
    QApplication::clipboard()->setImage(canvas_->RenderImage(devicePixelRatioF()));
    status_->setText(QStringLiteral("Copied"));
}

void PlotWindow::AskExport() {
    FileDialogRequest request;
    request.defaultExtension = "png";
    request.initialPath = "plot.png";
    request.filter = kExportFilter;
    request.confirmOverwrite = true;
    const std::optional<std::string> path = files_.AskSavePath(request);
    if (!path) return;
    const QString name = QString::fromStdString(*path);
    status_->setText(ExportTo(name) ? QStringLiteral("Exported") : QStringLiteral("Could not write ") + name);
}

bool PlotWindow::ExportTo(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(canvas_->size());
        svg.setViewBox(QRect(QPoint(0, 0), canvas_->size()));
        svg.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        PaintPlot(painter, *model_, QSizeF(canvas_->size()), canvas_->font(), canvas_->palette());
        return painter.end();
    }
    return canvas_->RenderImage(devicePixelRatioF()).save(path, "PNG");
}

}  // namespace quorvix
