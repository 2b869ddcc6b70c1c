#pragma once
// The plot's drawing surface and its mouse and keys: the wheel zooms about
// the mouse, a left drag pans, a right drag (or Shift with the left button)
// draws a box to zoom into; + and - zoom about the middle, the arrow keys
// pan, Home goes back to the start. It changes the model's view and says so
// (viewChanged); the window resamples. Moving the mouse reports the sample
// under it (readoutChanged).

#include <QWidget>

namespace quorvix {

class PlotModel;

class PlotCanvas : public QWidget {
    Q_OBJECT
public:
    PlotCanvas(PlotModel& model, QWidget* parent = nullptr);

    // Sets the model's plot area for the widget's size and the current
    // labels; true when it changed (the curve needs sampling again).
    bool FitArea();
    // The plot as an image at the given device pixel ratio.
    QImage RenderImage(double pixelRatio) const;
    QSize sizeHint() const override { return QSize(640, 420); }

signals:
    void viewChanged();
    void resetRequested();
    void readoutChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointF AreaPoint(QPointF widgetPoint) const;
    void ZoomAboutCentre(double factor);

    PlotModel& model_;
    enum class Drag { None, Pan, Box } drag_ = Drag::None;
    QPointF dragStart_;
    QPointF dragLast_;
    QRectF box_;
    double hoverX_ = -1.0;  // the mouse's column in the plot area, -1 for none
};

}  // namespace quorvix
