// The plot window as a user sees it: the exported image of SIN(t) has the
// curve where the function is, and a FINT line's plot shows the integral's
// value and shades the area.
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

#include "gui/GuiTestSupport.h"
#include "calculator/ResultFormat.h"
#include "calculator/plot/PlotModel.h"
#include "calculator/plot/PlotRequest.h"
#include "engine/Evaluator.h"
#include "gui/plot/PlotCanvas.h"
#include "gui/plot/PlotEvaluationHost.h"
#include "gui/plot/PlotPainter.h"
#include "gui/plot/PlotWindow.h"
#include "platform/FileDialogs.h"

namespace quorvix {

namespace {

class DirectHost : public PlotEvaluationHost {
public:
    void RunEvaluation(const std::function<void()>& evaluate) override { evaluate(); }
    bool EvaluationRunning() const override { return false; }
};

bool IsCurveBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 120 && qGreen(c) < 150; }

}  // namespace

class PlotWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<PlotWindow> Open(const char* line) {
        PlotRequest request;
        request.line = line;
        request.evaluator = &calculator_;
        request.format.pattern = BuildNumberPattern(0, 10);
        std::string message;
        std::unique_ptr<PlotWindow> window(
            PlotWindow::Open(request, host_, files_, nullptr, message));
        if (!window) qWarning("%s", message.c_str());
        return window;
    }
    // Canvas pixel (in device pixels of the image) of a point of the plane.
    static QPoint PixelOf(PlotWindow& w, double t, double y, double ratio) {
        const QMargins m = PlotMargins(w.model(), w.canvas()->font());
        const PlotView& v = w.model().view();
        return QPoint(static_cast<int>((m.left() + v.ToPixelX(t)) * ratio),
                      static_cast<int>((m.top() + v.ToPixelY(y)) * ratio));
    }
    // Whether a curve-coloured pixel lies within `reach` pixels of p.
    static bool CurveNear(const QImage& image, QPoint p, int reach) {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (image.valid(p + QPoint(dx, dy)) && IsCurveBlue(image.pixel(p + QPoint(dx, dy))))
                    return true;
        return false;
    }

    Evaluator calculator_;
    DirectHost host_;
    MemoryFileDialogs files_;
    test::ModalGuard guard_;

private slots:
    void initTestCase() {
        calculator_.SetSlotCount(2);
        calculator_.SetSlotName(0, "t");
        calculator_.SetSlotName(1, "ANS");
    }

    void exportedSineHasItsCurveWhereSinIs() {
        auto window = Open("SIN(t)");
        QVERIFY(window);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sine.png"));
        QVERIFY(window->ExportTo(path));
        QImage image(path);
        QVERIFY(!image.isNull());
        const double ratio = static_cast<double>(image.width()) / window->canvas()->width();
        for (double t : {-8.0, -4.5, -1.0, 2.0, 5.5, 9.0}) {
            QVERIFY2(CurveNear(image, PixelOf(*window, t, std::sin(t), ratio), 2),
                     qPrintable(QStringLiteral("no curve at t = %1").arg(t)));
            // Well away from the curve there is none.
            const double away = std::sin(t) > 0 ? -0.8 : 0.8;
            QVERIFY(!CurveNear(image, PixelOf(*window, t, std::sin(t) + away, ratio), 2));
        }
        // The SVG export writes a document too.
        const QString svg = dir.filePath(QStringLiteral("sine.svg"));
        QVERIFY(window->ExportTo(svg));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<svg"));
    }

    void fintLineShowsTheShadedValue() {
        auto window = Open("FINT(t^2, 0, 1) =");
        QVERIFY(window);
        auto* value = window->findChild<QLabel*>(QStringLiteral("solverValue"));
        QVERIFY(value);
        QCOMPARE(value->text(), QStringLiteral("FINT from 0 to 1: 0.3333333333"));
        const QImage image = window->canvas()->RenderImage(1.0);
        // Under the curve between 0 and 1 the area is tinted; beside it not.
        const QRgb inside = image.pixel(PixelOf(*window, 0.9, 0.3, 1.0));
        const QRgb outside = image.pixel(PixelOf(*window, -0.03, 0.01, 1.0));
        QVERIFY(qBlue(inside) > qRed(inside) + 20);
        QVERIFY(qAbs(qBlue(outside) - qRed(outside)) < 10);
    }

    void refusesWhatCannotBePlotted() {
        PlotRequest request;
        request.line = "' a comment";
        request.evaluator = &calculator_;
        std::string message;
        QVERIFY(!PlotWindow::Open(request, host_, files_, nullptr, message));
        QCOMPARE(message, std::string("Nothing to plot on this line"));
    }
};

}  // namespace quorvix

QTEST_MAIN(quorvix::PlotWindowTest)
#include "PlotWindowTest.moc"
