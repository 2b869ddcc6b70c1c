#include "gui/plot/PlotPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "calculator/plot/PlotModel.h"
#include "gui/common/QtText.h"

namespace quorvix {

namespace {

constexpr int kOuterMargin = 12;
constexpr int kTickLength = 4;
constexpr double kCurveWidth = 1.75;
// Curve points far off the area are drawn at this many area heights, so the
// painter never sees huge coordinates.
constexpr double kFarHeights = 8.0;

const QColor kCurveColor(0x1f, 0x5f, 0xbf);
const QColor kAreaColor(0x1f, 0x5f, 0xbf, 56);
const QColor kRootColor(0xc0, 0x39, 0x2b);
const QColor kStemColor(0xd3, 0x7a, 0x12);
const QColor kTangentColor(0x1e, 0x8c, 0x45);

struct Frame {
    const PlotModel& model;
    QRectF area;  // the plot area inside the margins
    double X(double t) const { return area.left() + model.view().ToPixelX(t); }
    double Y(double y) const {
        const double far = area.height() * kFarHeights;
        return area.top() + std::clamp(model.view().ToPixelY(y), -far, area.height() + far);
    }
};

QString Label(const PlotModel& model, double value, double step) {
    return ToQString(model.TickLabel(value, step));
}

void DrawGridAndTicks(QPainter& p, const Frame& f, const QFont& font, const QPalette& palette) {
    const PlotModel& model = f.model;
    const AxisTicks tTicks = model.TTicks(kTTickSpacing);
    const AxisTicks yTicks = model.YTicks(kYTickSpacing);
    const QFontMetricsF metrics(font);
    QColor grid = palette.color(QPalette::Mid);
    grid.setAlpha(70);
    const QColor text = palette.color(QPalette::Text);
    p.setFont(font);

    for (double t : tTicks.values) {
        const double x = std::round(f.X(t)) + 0.5;
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(x, f.area.top()), QPointF(x, f.area.bottom()));
        p.setPen(QPen(text, 1));
        p.drawLine(QPointF(x, f.area.bottom()), QPointF(x, f.area.bottom() + kTickLength));
        const QString label = Label(model, t, tTicks.step);
        const double w = metrics.horizontalAdvance(label);
        p.drawText(QPointF(x - w / 2, f.area.bottom() + kTickLength + metrics.ascent() + 2), label);
    }
    for (double y : yTicks.values) {
        const double py = std::round(f.Y(y)) + 0.5;
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(f.area.left(), py), QPointF(f.area.right(), py));
        p.setPen(QPen(text, 1));
        p.drawLine(QPointF(f.area.left() - kTickLength, py), QPointF(f.area.left(), py));
        const QString label = Label(model, y, yTicks.step);
        const double w = metrics.horizontalAdvance(label);
        p.drawText(QPointF(f.area.left() - kTickLength - 3 - w, py + metrics.capHeight() / 2),
                   label);
    }
    // The axes where they are in view.
    p.setPen(QPen(palette.color(QPalette::Dark), 1));
    const PlotRange& r = model.view().range();
    if (r.yLow < 0 && r.yHigh > 0) {
        const double y0 = std::round(f.Y(0)) + 0.5;
        p.drawLine(QPointF(f.area.left(), y0), QPointF(f.area.right(), y0));
    }
    if (r.tLow < 0 && r.tHigh > 0) {
        const double x0 = std::round(f.X(0)) + 0.5;
        p.drawLine(QPointF(x0, f.area.top()), QPointF(x0, f.area.bottom()));
    }
}

// The curve as polylines, one per joined piece; only points with t in
// [from, to] when asked (the shaded area).
std::vector<QPolygonF> Pieces(const Frame& f, double from = -HUGE_VAL, double to = HUGE_VAL) {
    std::vector<QPolygonF> pieces;
    QPolygonF piece;
    for (const CurvePoint& point : f.model.curve().points) {
        const bool inside = point.t >= from && point.t <= to;
        if (std::isnan(point.y) || !inside) {
            if (piece.size() > 0) pieces.push_back(std::move(piece));
            piece = QPolygonF();
            continue;
        }
        piece.append(QPointF(f.X(point.t), f.Y(point.y)));
    }
    if (piece.size() > 0) pieces.push_back(std::move(piece));
    return pieces;
}

void DrawValueLabel(QPainter& p, const Frame& f, const QFont& font, const QPalette& palette,
                    QPointF anchor, const QString& text) {
    const QFontMetricsF metrics(font);
    QRectF box(0, 0, metrics.horizontalAdvance(text) + 10, metrics.height() + 4);
    box.moveCenter(anchor);
    // Kept inside the plot area.
    box.moveLeft(std::clamp(box.left(), f.area.left() + 2, std::max(f.area.left() + 2, f.area.right() - box.width() - 2)));
    box.moveTop(std::clamp(box.top(), f.area.top() + 2, std::max(f.area.top() + 2, f.area.bottom() - box.height() - 2)));
    QColor back = palette.color(QPalette::Base);
    back.setAlpha(225);
    p.setPen(QPen(palette.color(QPalette::Mid), 1));
    p.setBrush(back);
    p.drawRoundedRect(box, 3, 3);
    p.setPen(palette.color(QPalette::Text));
    p.drawText(box, Qt::AlignCenter, text);
    p.setBrush(Qt::NoBrush);
}

void DrawArea(QPainter& p, const Frame& f, const QFont& font, const QPalette& palette) {
    const SolverOverlay& o = f.model.overlay();
    const double y0 = f.Y(0);
    p.setPen(Qt::NoPen);
    p.setBrush(kAreaColor);
    for (const QPolygonF& piece : Pieces(f, o.low, o.high)) {
        QPolygonF shape = piece;
        shape.prepend(QPointF(piece.first().x(), y0));
        shape.append(QPointF(piece.last().x(), y0));
        p.drawPolygon(shape);
    }
    p.setBrush(Qt::NoBrush);
    // The label sits at the centre of the shaded area in view.
    double weight = 0.0, tSum = 0.0, ySum = 0.0;
    const std::vector<CurvePoint>& points = f.model.curve().points;
    const PlotRange& r = f.model.view().range();
    for (std::size_t i = 1; i < points.size(); ++i) {
        const CurvePoint& a = points[i - 1];
        const CurvePoint& b = points[i];
        if (std::isnan(a.y) || std::isnan(b.y) || a.t < std::max(o.low, r.tLow) ||
            b.t > std::min(o.high, r.tHigh))
            continue;
        const double y = std::clamp((a.y + b.y) / 2, r.yLow, r.yHigh);
        const double w = std::fabs(y) * (b.t - a.t);
        weight += w;
        tSum += w * (a.t + b.t) / 2;
        ySum += w * y / 2;
    }
    if (!(weight > 0.0)) return;
    DrawValueLabel(p, f, font, palette, QPointF(f.X(tSum / weight), f.Y(ySum / weight)),
                   QStringLiteral("\u222B = ") + ToQString(o.label));
}

void DrawOverlay(QPainter& p, const Frame& f, const QFont& font, const QPalette& palette) {
    const SolverOverlay& o = f.model.overlay();
    if (!o.computed) return;
    switch (o.kind) {
        case PlotSolver::Fdiff: {
            const PlotRange& r = f.model.view().range();
            p.setPen(QPen(kTangentColor, 1.25, Qt::DashLine));
            p.drawLine(QPointF(f.X(r.tLow), f.Y(o.fx + o.value * (r.tLow - o.x))),
                       QPointF(f.X(r.tHigh), f.Y(o.fx + o.value * (r.tHigh - o.x))));
            const QPointF at(f.X(o.x), f.Y(o.fx));
            p.setPen(QPen(kTangentColor, 1.5));
            p.setBrush(kTangentColor);
            p.drawEllipse(at, 3.5, 3.5);
            p.setBrush(Qt::NoBrush);
            DrawValueLabel(p, f, font, palette, at + QPointF(0, -24), ToQString(o.label));
            break;
        }
        case PlotSolver::Fzero:
        case PlotSolver::Fzeros:
            p.setPen(QPen(kRootColor, 1.75));
            for (double root : o.roots) p.drawEllipse(QPointF(f.X(root), f.Y(0)), 4.5, 4.5);
            if (o.kind == PlotSolver::Fzero && !o.roots.empty())
                DrawValueLabel(p, f, font, palette, QPointF(f.X(o.roots[0]), f.Y(0) - 24),
                               QStringLiteral("t = ") + ToQString(o.label));
            break;
        case PlotSolver::Fsum:
            p.setPen(QPen(kStemColor, 1.5));
            p.setBrush(kStemColor);
            for (const PlotStem& stem : f.model.stems()) {
                if (std::isnan(stem.y)) continue;
                const QPointF top(f.X(stem.t), f.Y(stem.y));
                p.drawLine(QPointF(top.x(), f.Y(0)), top);
                p.drawEllipse(top, 3, 3);
            }
            p.setBrush(Qt::NoBrush);
            break;
        case PlotSolver::Fint:
        case PlotSolver::None:
            break;
    }
}

}  // namespace

QMargins PlotMargins(const PlotModel& model, const QFont& font) {
    const QFontMetricsF metrics(font);
    const AxisTicks yTicks = model.YTicks(kYTickSpacing);
    double widest = metrics.horizontalAdvance(QStringLiteral("-0.0"));
    for (double y : yTicks.values)
        widest = std::max(widest, metrics.horizontalAdvance(Label(model, y, yTicks.step)));
    // Rounded up to a multiple of 16 pixels, so that panning seldom moves it.
    const int left = (static_cast<int>(widest + kTickLength + 8) + 15) / 16 * 16;
    const int bottom = static_cast<int>(std::ceil(metrics.height())) + kTickLength + 8;
    return QMargins(left, kOuterMargin, kOuterMargin + 8, bottom);
}

void PaintPlot(QPainter& p, const PlotModel& model, const QSizeF& size, const QFont& font,
               const QPalette& palette, const QRectF& box) {
    const QMargins m = PlotMargins(model, font);
    const Frame f{model, QRectF(m.left(), m.top(), size.width() - m.left() - m.right(),
                               size.height() - m.top() - m.bottom())};
    p.fillRect(QRectF(QPointF(0, 0), size), palette.color(QPalette::Window));
    p.fillRect(f.area, palette.color(QPalette::Base));
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawGridAndTicks(p, f, font, palette);

    p.save();
    p.setClipRect(f.area);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (model.overlay().computed && model.overlay().kind == PlotSolver::Fint)
        DrawArea(p, f, font, palette);
    QPen curvePen(kCurveColor, kCurveWidth);
    curvePen.setJoinStyle(Qt::RoundJoin);
    curvePen.setCapStyle(Qt::RoundCap);
    p.setPen(curvePen);
    for (const QPolygonF& piece : Pieces(f)) {
        if (piece.size() == 1)
            p.drawPoint(piece.first());
        else
            p.drawPolyline(piece);
    }
    DrawOverlay(p, f, font, palette);
    if (!box.isEmpty()) {
        p.setPen(QPen(palette.color(QPalette::Highlight), 1, Qt::DashLine));
        QColor fill = palette.color(QPalette::Highlight);
        fill.setAlpha(40);
        p.setBrush(fill);
        p.drawRect(box.normalized());
        p.setBrush(Qt::NoBrush);
    }
    p.restore();

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(palette.color(QPalette::Mid), 1));
    p.drawRect(f.area.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace quorvix
