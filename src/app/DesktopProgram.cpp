#include "gui/calculator/CalculatorApp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "calculator/CalculatorFrame.h"
#include "calculator/Keypad.h"
#include "calculator/KeypadDialogHost.h"
#include "calculator/PopupHelp.h"
#include "calculator/SettingsBinding.h"
#include "calculator/SettingsLifecycle.h"
#include "calculator/WorksheetDocument.h"
#include "calculator/WorksheetEvaluatorVariables.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/ToolWindows.h"
#include "platform/Locations.h"
#include "platform/SettingsStore.h"

namespace quorvix {

// The keypad host of the window: EXE evaluates the way Enter does, so a long
// line never freezes the window.
class EvaluatingKeypadHost : public KeypadDialogHost {
public:
    using KeypadDialogHost::KeypadDialogHost;
    void EvaluateCurrentLine() override {
        if (window)
            window->RunEvaluation([this] { KeypadDialogHost::EvaluateCurrentLine(); });
        else
            KeypadDialogHost::EvaluateCurrentLine();
    }
    CalculatorWindow* window = nullptr;
};

namespace {
QDateTime LastModified(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).lastModified();
}
}  // namespace

std::string WorksheetReadNotice(WorksheetReadResult result, bool fileExists) {
    if (result == WorksheetReadResult::Damaged)
        return "Worksheet damaged: partly loaded, file kept";
    if (result == WorksheetReadResult::NotOpened && fileExists)
        return "Worksheet unreadable: not loaded, file kept";
    return std::string();
}

CalculatorApp::CalculatorApp(AppServices services, QObject* parent)
    : QObject(parent), services_(services) {
    display_ = new DisplayEdit();
    calculator_ = std::make_unique<CalculatorDialog>(*display_, services_.prompter);
    variables_ = std::make_unique<WorksheetEvaluatorVariables>(calculator_->evaluator());
    worksheet_ = std::make_unique<WorksheetDocument>(settings_.displayFile, *variables_);
    // The window writes its worksheet whenever the user saves and at exit:
    // it holds the worksheet's lock all the while.
    worksheet_->EnableLocking();
    LoadState();

    keypad_ = std::make_unique<Keypad>();
    tips_ = std::make_unique<TipRotation>();
    keypadHost_ = std::make_unique<EvaluatingKeypadHost>(*calculator_, *tips_);
    window_ = std::make_unique<CalculatorWindow>(
        CalculatorWindow::Logic{settings_, *calculator_, *keypad_, *keypadHost_,
                                services_.prompter, services_.help, services_.shell,
                                services_.locations},
        display_);
    keypadHost_->window = window_.get();
    frame_ = std::make_unique<CalculatorFrame>(
        settings_, *calculator_, *keypad_, *keypadHost_, *worksheet_,
        FrameServices{services_.prompter, services_.fileDialogs, services_.help, services_.shell,
                      services_.runAtLogon, &services_.locations},
        *window_);
    window_->Attach(*frame_);

    // EXIT and Options "&Exit" ask for the exit; it runs once the current
    // command has returned. Closing the window ends it the same way unless
    // a tray window watches the calculator: the tray takes the close itself
    // and hides the window while its icon is shown.
    calculator_->onExitRequest = [this] {
        QMetaObject::invokeMethod(this, [this] { Exit(); }, Qt::QueuedConnection);
    };
    connect(window_.get(), &CalculatorWindow::closeRequested, this, [this] { Exit(); });

    worksheet_->PutIntoDisplay(*display_);
    if (!worksheetNotice_.empty()) calculator_->ShowHelpText(worksheetNotice_);
}

CalculatorApp::~CalculatorApp() {
    // The frame and the keypad host refer to the window and the display.
    calculator_->onExitRequest = nullptr;
    frame_.reset();
    keypadHost_.reset();
    window_.reset();
}

void CalculatorApp::LoadState() {
    SettingsContext context;
    context.locations = &services_.locations;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        context.dotsPerInchY = static_cast<int>(screen->logicalDotsPerInchY());
    const std::string directory = services_.locations.ProgramDirectory();
    const WorksheetReadResult result = LoadCalculatorState(
        services_.store, context, services_.runAtLogon, settings_,
        [&] { calculator_->LoadUserDefinitions(directory); }, *worksheet_);
    ApplySettingsToCalculator(settings_, *calculator_);

    const bool exists = QFileInfo::exists(QString::fromStdString(settings_.displayFile));
    worksheetNotice_ = WorksheetReadNotice(result, exists);
    if (!worksheetNotice_.empty()) {
        protectedWorksheet_ = settings_.displayFile;
        protectedModified_ = LastModified(protectedWorksheet_);
    } else if (worksheet_->inUse()) {
        // The document itself refuses to write it (and says why at exit).
        worksheetNotice_ = "The worksheet is in use by a quorvix-cli --worksheet run: "
                           "it is shown here but not written over";
    }
}

bool CalculatorApp::MayWriteWorksheetAtExit() const {
    if (protectedWorksheet_.empty() || settings_.displayFile != protectedWorksheet_) return true;
    // Saved on purpose since (Save Worksheet): the file is the user's now.
    return LastModified(protectedWorksheet_) != protectedModified_;
}

void CalculatorApp::Start(bool startHidden) {
    if (startHidden) return;
    window_->tools().ShowAtStart();
    window_->show();
    window_->raise();
    window_->activateWindow();
    display_->SetFocus();
}

void CalculatorApp::Exit() {
    SaveForExit();
    QCoreApplication::exit(0);
}

std::string CalculatorApp::worksheetExitError() const { return worksheet_->writeError(); }

void CalculatorApp::SaveForExit() {
    if (exited_) return;
    exited_ = true;
    ToolWindows& tools = window_->tools();
    const bool financeVisible = tools.financeBoxVisible();
    const bool converterVisible = tools.unitConverterVisible();
    window_->hide();
    tools.SaveAtExit();
    CollectSettingsFromCalculator(*calculator_, settings_);
    const std::string directory = services_.locations.ProgramDirectory();
    SaveCalculatorState(
        settings_, financeVisible, converterVisible, services_.store,
        [&] { calculator_->userDefinitions().Save(directory); }, *worksheet_, *display_,
        MayWriteWorksheetAtExit());
    services_.store.Flush();
}

}  // namespace quorvix
