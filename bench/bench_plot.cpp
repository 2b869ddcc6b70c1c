// The plot's hot paths. Sampling SIN(t)*EXP(-t/5) across 2,000 pixel
// columns with adaptation, through the engine (target: under 2 ms), and one
// redraw during a drag: a pan step, sampling the new view and painting the
// plot window's canvas on Qt's offscreen platform (target: under 16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "calculator/ResultFormat.h"
#include "calculator/plot/CurveSampler.h"
#include "calculator/plot/PlotExpression.h"
#include "calculator/plot/PlotModel.h"
#include "engine/Evaluator.h"
#include "gui/plot/PlotPainter.h"

#include "QtBenchmarkMain.h"

namespace quorvix {
namespace {

void BM_SampleDampedSine(benchmark::State& state) {
    Evaluator calculator;
    PlotExpression f(calculator);
    if (f.Parse("SIN(t)*EXP(-t/5)")) {
        state.SkipWithError("parse failed");
        return;
    }
    PlotView view;
    view.SetArea(static_cast<double>(state.range(0)), 600);
    view.SetRange({-10, 10, -8, 8});
    int samples = 0;
    for (auto _ : state) {
        const Curve curve = SampleCurve(f, view);
        samples = curve.samples;
        benchmark::DoNotOptimize(curve.points.data());
    }
    state.counters["samples"] = samples;
}
BENCHMARK(BM_SampleDampedSine)->Arg(2000)->Unit(benchmark::kMillisecond);

// One frame of a drag: the view moves by a few pixels, the curve is sampled
// again and the whole canvas is painted, at 1x and at a device pixel ratio
// of 2.
void BM_RedrawDuringDrag(benchmark::State& state) {
    const double ratio = static_cast<double>(state.range(0));
    Evaluator calculator;
    PlotNumberFormat format;
    format.pattern = BuildNumberPattern(0, 10);
    PlotModel model(calculator, format);
    if (model.Open("SIN(t)*EXP(-t/5)")) {
        state.SkipWithError("open failed");
        return;
    }
    const QSize size(1000, 640);
    const QFont font = QApplication::font();
    const QMargins m = PlotMargins(model, font);
    model.view().SetArea(size.width() - m.left() - m.right(), size.height() - m.top() - m.bottom());
    model.Compute();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    const QPalette palette = QApplication::palette();
    const bool pan = state.range(1) != 0;
    int step = 0;
    for (auto _ : state) {
        if (pan) {
            ++step;
            model.view().Pan(step % 20 < 10 ? 7 : -7, 3 * (step % 4 - 1.5));
            model.Resample();
        }
        QPainter painter(&image);
        PaintPlot(painter, model, QSizeF(size), font, palette);
    }
}
// Arguments: the device pixel ratio, and 1 for a pan step with sampling or
// 0 for painting alone.
BENCHMARK(BM_RedrawDuringDrag)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvix

int main(int argc, char** argv) { return quorvix::bench::RunQtBenchmarks(argc, argv); }
