// Enter at the end of a long worksheet in the window's real display: the
// DisplayEdit (a QPlainTextEdit) driven by the CalculatorDialog, on Qt's
// offscreen platform. Target: within 20 ms for 100,000 lines.

#include "gui/calculator/DisplayEdit.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <string>

#include "calculator/CalculatorDialog.h"
#include "platform/MemoryPrompter.h"

#include "QtBenchmarkMain.h"

namespace quorvix {
namespace {

void BM_WindowEnterAtEndOfWorksheet(benchmark::State& state) {
    DisplayEdit display;
    MemoryPrompter prompter;
    CalculatorDialog calculator(display, prompter);
    QObject::connect(&display, &DisplayEdit::enterPressed, &display,
                     [&calculator] { calculator.EvaluateCurrentLine(); });
    display.resize(600, 400);
    display.show();
    std::string sheet;
    const auto answered = static_cast<std::size_t>(state.range(0) / 2);
    sheet.reserve(answered * 32);
    for (std::size_t i = 0; i < answered; ++i) sheet += "2*sin(30)+sqrt(2) =\n1.455232637\n";
    display.SetText(sheet);
    QCoreApplication::processEvents();
    const std::string line = "2*sin(30)+sqrt(2)";
    for (auto _ : state) {
        state.PauseTiming();
        // The typed line and its answer are removed again, so every Enter
        // sees the same worksheet.
        const int end = display.TextLength();
        for (char c : line) display.TypeCharacter(c);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(&display, &press);
        display.RunQueuedInput();
        QCoreApplication::processEvents();  // the repaint is part of the cost
        state.PauseTiming();
        if (display.Text().find(line + " =\n", static_cast<std::size_t>(end)) ==
            std::string::npos) {
            state.SkipWithError("Enter did not answer the line");
            break;
        }
        display.SetSelection(end, display.TextLength());
        display.DeleteSelection();
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(display.LineCount());
}
BENCHMARK(BM_WindowEnterAtEndOfWorksheet)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvix

int main(int argc, char** argv) { return quorvix::bench::RunQtBenchmarks(argc, argv); }
