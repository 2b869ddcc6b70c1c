// Enter at the end of a long worksheet in the window's real display: the
// DisplayEdit (a QPlainTextEdit) driven by the CalculatorDialog, on Qt's
// offscreen platform. Target: within 20 ms for 100,000 lines.
//
// The same with the display's highlighter on: with the names unchanged,
// and with a new variable at every Enter (the whole text is highlighted
// again); and loading such a worksheet with and without it.

#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/DisplayHighlighter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <string>

#include "calculator/CalculatorDialog.h"
#include "calculator/DisplayHighlight.h"
#include "shell/HighlightColours.h"
#include "platform/MemoryPrompter.h"

#include "QtBenchmarkMain.h"

namespace quorvix {
namespace {

std::string Worksheet(std::size_t lines) {
    std::string sheet;
    sheet.reserve(lines / 2 * 32);
    for (std::size_t i = 0; i < lines / 2; ++i) sheet += "2*sin(30)+sqrt(2) =\n1.455232637\n";
    return sheet;
}

enum class Highlighting { Off, SameNames, NewVariableEachEnter };

void EnterAtEndOfWorksheet(benchmark::State& state, Highlighting highlighting) {
    DisplayEdit display;
    MemoryPrompter prompter;
    CalculatorDialog calculator(display, prompter);
    auto* highlighter = new DisplayHighlighter(display);
    if (highlighting != Highlighting::Off) highlighter->Show(true, HighlightColours{});
    QObject::connect(&display, &DisplayEdit::enterPressed, &display,
                     [&calculator] { calculator.EvaluateCurrentLine(); });
    display.resize(600, 400);
    display.show();
    display.SetText(Worksheet(static_cast<std::size_t>(state.range(0))));
    QCoreApplication::processEvents();
    std::string line = "2*sin(30)+sqrt(2)";
    int variables = 0;
    for (auto _ : state) {
        if (highlighting == Highlighting::NewVariableEachEnter)
            line = "v" + std::to_string(++variables).append("=2*sin(30)");
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
        if (highlighting != Highlighting::Off)
            highlighter->SetNames(CollectHighlightNames(calculator.evaluator(), {}));
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
void BM_WindowEnterAtEndOfWorksheet(benchmark::State& state) {
    EnterAtEndOfWorksheet(state, Highlighting::Off);
}
BENCHMARK(BM_WindowEnterAtEndOfWorksheet)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_WindowEnterHighlighted(benchmark::State& state) {
    EnterAtEndOfWorksheet(state, Highlighting::SameNames);
}
BENCHMARK(BM_WindowEnterHighlighted)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WindowEnterHighlightedNewVariable(benchmark::State& state) {
    EnterAtEndOfWorksheet(state, Highlighting::NewVariableEachEnter);
}
BENCHMARK(BM_WindowEnterHighlightedNewVariable)->Arg(100000)->Unit(benchmark::kMillisecond);

// Setting the text of a worksheet of range(0) lines, shown; range(1) says
// whether the highlighter is on.
void BM_WindowLoadWorksheet(benchmark::State& state) {
    DisplayEdit display;
    auto* highlighter = new DisplayHighlighter(display);
    if (state.range(1) != 0) highlighter->Show(true, HighlightColours{});
    display.resize(600, 400);
    display.show();
    const std::string sheet = Worksheet(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        display.SetText(sheet);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowLoadWorksheet)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvix

int main(int argc, char** argv) { return quorvix::bench::RunQtBenchmarks(argc, argv); }
