#include "calculator/plot/PlotRequest.h"

#include "calculator/CalculatorDialog.h"

namespace quorvix {

PlotRequest PlotRequestOf(CalculatorDialog& calculator) {
    PlotRequest request;
    request.evaluator = &calculator.evaluator();
    request.format.numberBase = calculator.numberBase();
    request.format.numberFormat = calculator.numberFormat();
    request.format.pattern = calculator.numberPattern();
    const CalculatorDisplay& display = calculator.display();
    for (int line = display.CaretLine(); line >= 0; --line) {
        std::string text = display.ReadLine(line, CalculatorDialog::kLineReadLimit);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        if (!text.empty()) {
            request.line = std::move(text);
            break;
        }
    }
    return request;
}

}  // namespace quorvix
