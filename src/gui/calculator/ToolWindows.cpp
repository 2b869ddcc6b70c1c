#include "gui/calculator/ToolWindows.h"

#include <QScreen>

#include "calculator/CalculatorDialog.h"
#include "calculator/FrameLayout.h"
#include "calculator/plot/PlotRequest.h"
#include "finance/FinanceBox.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/LongEvaluation.h"
#include "gui/common/QtRect.h"
#include "gui/converter/UnitConverterWindow.h"
#include "gui/finance/AprCalculationDialog.h"
#include "gui/finance/FinanceBoxWindow.h"
#include "gui/help/AboutBox.h"
#include "gui/keypad/ChangeNumberBaseDialog.h"
#include "gui/keypad/CustomKeysDialog.h"
#include "gui/keypad/KeypadPanel.h"
#include "gui/options/DisplayOptionsDialog.h"
#include "gui/plot/PlotEvaluationHost.h"
#include "gui/plot/PlotWindows.h"
#include "gui/userdefs/EditUserDefinitions.h"
#include "platform/CommandIds.h"
#include "shell/DisplayOptions.h"
#include "shell/UnitConverter.h"

namespace quorvix {

namespace {
// Plots evaluate through the window's long-evaluation runner.
class LongEvaluationPlotHost : public PlotEvaluationHost {
public:
    explicit LongEvaluationPlotHost(LongEvaluation& evaluation) : evaluation_(evaluation) {}
    void RunEvaluation(const std::function<void()>& evaluate) override { evaluation_.Run(evaluate); }
    bool EvaluationRunning() const override { return evaluation_.running(); }

private:
    LongEvaluation& evaluation_;
};

Size SizeOf(const QWidget& window) {
    const QSize size = window.sizeHint().expandedTo(window.minimumSizeHint());
    return {size.width(), size.height()};
}

void ShowOnTop(QWidget& window, bool topmost) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    window.show();
    window.raise();
    window.activateWindow();
}
}  // namespace

ToolWindows::ToolWindows(CalculatorWindow& window, Logic logic)
    : window_(window), logic_(logic) {
    financeWindow_ = new FinanceBoxWindow(logic_.financeBox, logic_.help, &window_);
    financeWindow_->setObjectName(QStringLiteral("financeBox"));
    converterWindow_ = new UnitConverterWindow(logic_.unitConverter, logic_.help, &window_);
    converterWindow_->setObjectName(QStringLiteral("unitConverter"));
    plotHost_ = std::make_unique<LongEvaluationPlotHost>(window_.evaluation());
    plots_ = std::make_unique<PlotWindows>(*plotHost_, &window_);
}

ToolWindows::~ToolWindows() = default;

void ToolWindows::PlaceOnScreen() {
    const QScreen* screen = window_.screen();
    if (!screen) return;
    const Rect available = ToRect(screen->availableGeometry());
    const Size calculator{window_.width(), window_.height()};
    const Size finance = SizeOf(*financeWindow_);
    const WindowPlacement place =
        PlaceWindows(available, calculator, finance, logic_.settings.showFinanceBox);
    window_.move(place.calculator.x, place.calculator.y);
    financeWindow_->move(place.financeBox.x, place.financeBox.y);
    const Point converter =
        PlaceUnitConverter(available, place.calculator, calculator, SizeOf(*converterWindow_));
    converterWindow_->move(converter.x, converter.y);
}

void ToolWindows::ShowAtStart() {
    if (logic_.settings.showFinanceBox) financeWindow_->show();
    if (logic_.settings.showUnitConverter) converterWindow_->show();
}

void ToolWindows::ClosePlots() { plots_->CloseAll(); }

namespace {
bool OpenNow(const QWidget& tool, bool stored) {
    if (!tool.testAttribute(Qt::WA_WState_ExplicitShowHide)) return stored;
    return !tool.isHidden();
}
}  // namespace

bool ToolWindows::financeBoxVisible() const {
    return OpenNow(*financeWindow_, logic_.settings.showFinanceBox);
}
bool ToolWindows::unitConverterVisible() const {
    return OpenNow(*converterWindow_, logic_.settings.showUnitConverter);
}

void ToolWindows::SetOwnerTopmost(bool on) {
    window_.SetTopmost(on);
    for (QWidget* tool : {static_cast<QWidget*>(financeWindow_),
                          static_cast<QWidget*>(converterWindow_)}) {
        const bool visible = tool->isVisible();
        tool->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (visible) tool->show();
    }
}

void ToolWindows::SetKeypadVisible(bool shown) { window_.SetKeypadVisible(shown); }
void ToolWindows::SetTooltipsEnabled(bool on) { window_.SetTooltipsEnabled(on); }

void ToolWindows::ShowDisplayOptions() {
    DisplayOptions options(TakeDisplayOptions(logic_.settings));
    DisplayOptionsDialog dialog(options, logic_.prompter, logic_.help, window_.logicalDpiY(),
                                &window_);
    // A chosen scheme shows at once; however the dialog was closed, its
    // values are taken.
    const auto apply = [this, &options] {
        PutDisplayOptions(options.values(), logic_.settings);
        window_.ApplyAppearance();
    };
    dialog.setApplyNow(apply);
    dialog.exec();
    apply();
}

void ToolWindows::ShowUnitConverter(double value) {
    converterWindow_->ShowWithValue(value);
    ShowOnTop(*converterWindow_, logic_.settings.alwaysOnTop);
}

void ToolWindows::ShowFinanceBox() {
    financeWindow_->ShowWindow();
    ShowOnTop(*financeWindow_, logic_.settings.alwaysOnTop);
}

void ToolWindows::ShowAbout() { ShowAboutBox(&window_, logic_.shell, logic_.prompter); }

void ToolWindows::ShowPlot() {
    if (const std::optional<std::string> refusal = plots_->Open(PlotRequestOf(logic_.calculator)))
        logic_.calculator.ShowHelpText(*refusal);
}

void ToolWindows::ShowCatalogueSearch() { window_.ShowCatalogueSearch(); }

void ToolWindows::ZoomDisplay(int steps) {
    FontRecord& font = logic_.settings.displayFont;
    font.height = ZoomedFontHeight(font.height, steps, window_.logicalDpiY());
    window_.ApplyDisplayFormat();
}

std::optional<int> ToolWindows::AskNumberBase() {
    return ChangeNumberBaseDialog::ask(logic_.prompter, &window_);
}

void ToolWindows::EditCustomKeys(std::array<std::string, kCustomKeyCount>& captions) {
    CustomKeysDialog::edit(captions, logic_.help, &window_);
}

void ToolWindows::EditUserDefinitions(int editCommand) {
    UserDefinitions& definitions = logic_.calculator.userDefinitions();
    switch (editCommand) {
        case kEditUserConstantsCommand:
            EditUserConstants(definitions, logic_.prompter, logic_.help, &window_);
            break;
        case kEditUserConversionsCommand:
            EditUserConversions(definitions, logic_.calculator.unitConversion(), logic_.prompter,
                                logic_.help, &window_);
            break;
        case kEditUserFunctionsCommand:
            EditUserFunctions(definitions, logic_.prompter, logic_.help, &window_);
            break;
        default:
            break;
    }
}

}  // namespace quorvix
