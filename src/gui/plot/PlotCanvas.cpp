#include "gui/plot/PlotCanvas.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <optional>

#include "calculator/plot/PlotModel.h"
#include "gui/common/QtText.h"
#include "gui/plot/PlotPainter.h"

namespace quorvix {

namespace {
constexpr double kKeyZoom = 1.25;
constexpr double kKeyPanFraction = 0.1;
// One wheel notch (120 eighths of a degree) zooms by this factor.
constexpr double kWheelZoomPerNotch = 1.2;
}  // namespace

PlotCanvas::PlotCanvas(PlotModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("plotCanvas"));
    setAccessibleName(QStringLiteral("Plot"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(240, 160);
    setCursor(Qt::CrossCursor);
}

bool PlotCanvas::FitArea() {
    const QMargins m = PlotMargins(model_, font());
    const double w = width() - m.left() - m.right(), h = height() - m.top() - m.bottom();
    PlotView& view = model_.view();
    if (std::max(1.0, w) == view.width() && std::max(1.0, h) == view.height()) return false;
    view.SetArea(w, h);
    return true;
}

QPointF PlotCanvas::AreaPoint(QPointF p) const {
    const QMargins m = PlotMargins(model_, font());
    return p - QPointF(m.left(), m.top());
}

QImage PlotCanvas::RenderImage(double pixelRatio) const {
    QImage image(size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    PaintPlot(painter, model_, QSizeF(size()), font(), palette());
    return image;
}

void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPlot(painter, model_, QSizeF(size()), font(), palette(), box_);
    // A ring on the sample that the read-out shows.
    const std::optional<CurvePoint> hovered =
        hoverX_ >= 0 ? model_.SampleNear(hoverX_) : std::nullopt;
    if (hovered && !std::isnan(hovered->y)) {
        const QMargins m = PlotMargins(model_, font());
        const PlotView& v = model_.view();
        const double y = v.ToPixelY(hovered->y);
        if (y >= 0 && y <= v.height()) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
            painter.drawEllipse(QPointF(m.left() + v.ToPixelX(hovered->t), m.top() + y), 4, 4);
        }
    }
    if (hasFocus()) {
        QColor focus = palette().color(QPalette::Highlight);
        painter.setPen(QPen(focus, 1));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void PlotCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (FitArea()) emit viewChanged();
}

void PlotCanvas::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0) return;
    const QPointF at = AreaPoint(event->position());
    model_.view().ZoomAbout(at.x(), at.y(), std::pow(kWheelZoomPerNotch, notches));
    emit viewChanged();
    event->accept();
}

void PlotCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const bool box = event->button() == Qt::RightButton ||
                     (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (box) {
        drag_ = Drag::Box;
    } else if (event->button() == Qt::LeftButton) {
        drag_ = Drag::Pan;
        setCursor(Qt::ClosedHandCursor);
    } else {
        return;
    }
    dragStart_ = dragLast_ = event->position();
    box_ = QRectF();
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (drag_ == Drag::Pan) {
        const QPointF d = p - dragLast_;
        dragLast_ = p;
        model_.view().Pan(d.x(), d.y());
        emit viewChanged();
    } else if (drag_ == Drag::Box) {
        box_ = QRectF(dragStart_, p).normalized();
        update();
    }
    hoverX_ = AreaPoint(p).x();
    update();
    emit readoutChanged(ToQString(model_.ReadoutAt(hoverX_)));
}

void PlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::Box) {
        const QPointF a = AreaPoint(dragStart_), b = AreaPoint(event->position());
        box_ = QRectF();
        if (model_.view().ZoomToBox(a.x(), a.y(), b.x(), b.y())) emit viewChanged();
        update();
    }
    drag_ = Drag::None;
    setCursor(Qt::CrossCursor);
}

void PlotCanvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hoverX_ = -1.0;
    update();
    emit readoutChanged(QString());
}

void PlotCanvas::ZoomAboutCentre(double factor) {
    const PlotView& v = model_.view();
    model_.view().ZoomAbout(v.width() / 2, v.height() / 2, factor);
    emit viewChanged();
}

void PlotCanvas::keyPressEvent(QKeyEvent* event) {
    const PlotView& v = model_.view();
    const double dx = v.width() * kKeyPanFraction, dy = v.height() * kKeyPanFraction;
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: ZoomAboutCentre(kKeyZoom); break;
        case Qt::Key_Minus: ZoomAboutCentre(1.0 / kKeyZoom); break;
        // An arrow moves the view that way: the curve moves the other way.
        case Qt::Key_Left: model_.view().Pan(dx, 0); emit viewChanged(); break;
        case Qt::Key_Right: model_.view().Pan(-dx, 0); emit viewChanged(); break;
        case Qt::Key_Up: model_.view().Pan(0, dy); emit viewChanged(); break;
        case Qt::Key_Down: model_.view().Pan(0, -dy); emit viewChanged(); break;
        case Qt::Key_Home: emit resetRequested(); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

}  // namespace quorvix
