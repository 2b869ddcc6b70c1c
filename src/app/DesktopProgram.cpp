#include "app/DesktopProgram.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>

#include "calculator/CalculatorFrame.h"
#include "calculator/Keypad.h"
#include "calculator/KeypadDialogHost.h"
#include "calculator/MakerAddresses.h"
#include "calculator/PopupHelp.h"
#include "calculator/SettingsBinding.h"
#include "calculator/SettingsLifecycle.h"
#include "calculator/WorksheetDocument.h"
#include "calculator/WorksheetEvaluatorVariables.h"
#include "engine/Cancellation.h"
#include "finance/FinanceBox.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/LongEvaluation.h"
#include "gui/calculator/ToolWindows.h"
#include "gui/finance/AprCalculationDialog.h"
#include "gui/finance/FinanceBoxWindow.h"
#include "gui/help/AboutBox.h"
#include "platform/CommandIds.h"
#include "platform/Locations.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/RunAtLogon.h"
#include "shell/ExitWriteCheck.h"
#include "shell/FirstStartNotice.h"
#include "shell/UnitConverter.h"

namespace quorvix {

namespace {
// Closes every modal window (message boxes and dialogs), innermost first.
// Each one's own event loop returns once control is back in it.
void CloseModalWindows() {
    // Bounded: a window that refuses to close is left after one try.
    for (int tries = 0; tries < 16; ++tries) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
        if (modal->isVisible()) modal->hide();
    }
}
}  // namespace

DesktopProgram::DesktopProgram(DesktopServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)) {
    BuildLogic();
    BuildWindows();
    worksheet_->PutIntoDisplay(*display_);
    if (!worksheetNotice_.empty()) {
        calculator_->ShowHelpText(worksheetNotice_);
        // The help line's message passes with the next one; this stays.
        window_->ShowNotice(worksheetNotice_ +
                            ". Use Save Worksheet As... to keep what you type.");
    }
}

void DesktopProgram::BuildLogic() {
    display_ = new DisplayEdit();
    calculator_ = std::make_unique<CalculatorDialog>(*display_, services_.prompter);
    calculator_->SetHost(this);
    variables_ = std::make_unique<WorksheetEvaluatorVariables>(calculator_->evaluator());
    worksheet_ = std::make_unique<WorksheetDocument>(settings_.displayFile, *variables_);
    // The window writes its worksheet whenever the user saves and at exit:
    // it holds the worksheet's lock all the while.
    worksheet_->EnableLocking();
    LoadState();

    keypad_ = std::make_unique<Keypad>();
    tips_ = std::make_unique<TipRotation>();
    keypadHost_ = std::make_unique<KeypadDialogHost>(*calculator_, *tips_);
    aprHost_ = std::make_unique<QtAprCalculationHost>(services_.help);
    financeBox_ = std::make_unique<FinanceBox>(services_.prompter, *aprHost_);
    unitConverter_ = std::make_unique<UnitConverter>(calculator_->unitConversion(),
                                                     services_.prompter,
                                                     services_.locations.ProgramDirectory());
}

void DesktopProgram::BuildWindows() {
    window_ = std::make_unique<CalculatorWindow>(
        CalculatorWindow::Logic{settings_, *calculator_, *keypad_, *keypadHost_}, display_);
    tools_ = std::make_unique<ToolWindows>(
        *window_, ToolWindows::Logic{settings_, *calculator_, *financeBox_, *unitConverter_,
                                     services_.prompter, services_.help, services_.shell});
    aprHost_->SetParent(&tools_->financeWindow());
    frame_ = std::make_unique<CalculatorFrame>(
        settings_, *calculator_, *keypad_, *keypadHost_, *worksheet_,
        FrameServices{services_.prompter, services_.fileDialogs, services_.help, services_.shell,
                      services_.runAtLogon, &services_.locations},
        *tools_);
    window_->Attach(*frame_);
    tools_->SetOwnerTopmost(settings_.alwaysOnTop);
    tools_->PlaceOnScreen();

    // Enter, EXE and Enter elsewhere in the window evaluate under the
    // window's long-evaluation runner; the const, conv and func keys open
    // their menu at the mouse.
    keypadHost_->SetEvaluationRunner(
        [this](const std::function<void()>& evaluate) { window_->RunEvaluation(evaluate); });
    keypadHost_->SetMenuOpener(window_.get());
    // An exit asked for during a line runs once the line has stopped.
    connect(&window_->evaluation(), &LongEvaluation::finished, this, [this] {
        if (!pendingExit_) return;
        const ExitKind kind = *pendingExit_;
        pendingExit_.reset();
        RequestExit(kind);
    });
    // The close box and minimise (see eventFilter).
    window_->installEventFilter(this);

    tray_ = std::make_unique<TrayIcon>(services_.trayAvailable, services_.trayWaitMs);
    connect(tray_.get(), &TrayIcon::commandChosen, this, [this](int id) { RunCommand(id); });
    // No tray came: the window is the only way back to the program.
    connect(tray_.get(), &TrayIcon::noTrayCame, this, [this] {
        if (!window_->isVisible() && !exited_) ShowCalculator();
    });
}

DesktopProgram::~DesktopProgram() {
    // The views go before the logic they show. The keypad host stops
    // observing the display while the display (a child of the window) is
    // still there; the window then takes the display with it, and no logic
    // left touches either.
    calculator_->SetHost(nullptr);
    tray_.reset();
    keypadHost_->SetMenuOpener(nullptr);
    frame_.reset();
    tools_.reset();
    keypadHost_.reset();
    window_.reset();
    display_ = nullptr;
}

void DesktopProgram::LoadState() {
    SettingsContext context;
    context.locations = &services_.locations;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        context.dotsPerInchY = static_cast<int>(screen->logicalDotsPerInchY());
    const std::string directory = services_.locations.ProgramDirectory();
    LoadCalculatorState(
        services_.store, context, services_.runAtLogon, settings_,
        [&] { calculator_->LoadUserDefinitions(directory); }, *worksheet_);
    ApplySettingsToCalculator(settings_, *calculator_);

    worksheetNotice_ = worksheet_->readNotice();
    if (worksheetNotice_.empty() && worksheet_->inUse()) {
        // The document itself refuses to write it (and says why at exit).
        worksheetNotice_ = "The worksheet is in use by a quorvix-cli --worksheet run: "
                           "it is shown here but not written over";
    }
}

void DesktopProgram::Start(bool startHidden) {
    tray_->Start();
    SayFirstStart();
    // A hidden start without a tray waits for one (see TrayIcon).
    if (startHidden) return;
    tools_->ShowAtStart();
    window_->show();
    window_->raise();
    window_->activateWindow();
    display_->SetFocus();
}

void DesktopProgram::SayFirstStart() {
    FirstStartFacts facts;
    facts.firstUse = settings_.firstUse;
    facts.runAtStartup = settings_.runAtStartup;
    facts.hasLogonEntries = services_.runAtLogon != nullptr;
    facts.trayShown = tray_->iconShown();
    if (services_.locations.RunsFromBuildTree()) facts.entry = LogonEntryState::BuildTree;
    else if (facts.hasLogonEntries && services_.runAtLogon->IsRegistered())
        facts.entry = LogonEntryState::Written;
    const FirstStartNotice notice = DecideFirstStartNotice(facts);
    if (notice.place == FirstStartNotice::Place::TrayMessage)
        tray_->ShowMessage(notice.title, notice.text);
    else if (notice.place == FirstStartNotice::Place::HelpLine)
        calculator_->ShowHelpText(notice.text);
}

// --- Commands ---------------------------------------------------------------------

void DesktopProgram::RunCommand(int id) {
    if (exited_) return;
    if (IsTrayCommand(id)) RunTrayCommand(id);
    else window_->RunCommand(id);
}

void DesktopProgram::RunTrayCommand(int id) {
    switch (id) {
        case kCmdTrayShowCalculator: ShowCalculator(); break;
        case kCmdTrayShowFinanceBox:
            tools_->SetOwnerTopmost(settings_.alwaysOnTop);
            tools_->ShowFinanceBox();
            break;
        case kCmdTrayShowUnitConverter:
            tools_->SetOwnerTopmost(settings_.alwaysOnTop);
            tools_->ShowUnitConverter(calculator_->lastResult());
            break;
        case kCmdTrayAbout: ShowAboutBox(nullptr, services_.shell, services_.prompter); break;
        case kCmdTrayHomepage: OpenMakerHomepage(services_.shell, services_.prompter); break;
        case kCmdTrayMailComments: OpenMakerMail(services_.shell, services_.prompter); break;
        case kCmdTrayExit: RequestExit(ExitKind::Interactive); break;
        default: break;
    }
}

void DesktopProgram::ShowCalculator() {
    if (exited_) return;
    tools_->SetOwnerTopmost(settings_.alwaysOnTop);
    if (window_->isMinimized())
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void DesktopProgram::ToggleCalculator() {
    if (window_->isVisible() && window_->isActiveWindow() && !window_->isMinimized())
        window_->hide();
    else
        ShowCalculator();
}

// --- CalculatorDialogHost -------------------------------------------------------------

void DesktopProgram::HelpTextChanged(const std::string& text) {
    if (window_) window_->ShowHelpLine(text);
}

void DesktopProgram::ExitRequested() {
    // EXIT and Options "&Exit": once the command that asked has returned.
    QMetaObject::invokeMethod(this, [this] { RequestExit(ExitKind::Interactive); },
                              Qt::QueuedConnection);
}

// --- The exit ---------------------------------------------------------------------------

void DesktopProgram::RequestExit(ExitKind kind) {
    if (kind == ExitKind::Session) CloseModalWindows();
    if (exited_) return;
    if (window_->evaluation().running()) {
        // The line stops at its next cancellation poll; LongEvaluation's
        // finished signal brings the exit back here.
        if (!pendingExit_ || kind == ExitKind::Session) pendingExit_ = kind;
        RequestEvaluationCancel();
        return;
    }
    if (kind == ExitKind::Interactive) OfferToSaveKeptWorksheet();
    // Everything is written first, so the message gives the real reasons;
    // the program exits either way.
    SaveForExit();
    if (kind == ExitKind::Interactive) ReportUnwritableFiles();
    tray_->Hide();
    QCoreApplication::exit(0);
}

void DesktopProgram::OfferToSaveKeptWorksheet() {
    if (exited_ || (!worksheet_->keepsFile() && !worksheet_->inUse())) return;
    if (!display_->IsModified()) return;  // nothing new to lose
    const std::string question =
        worksheet_->path() +
        " is kept as it was, so what this session's worksheet holds is not saved "
        "there.\n\nSave this worksheet under another name (Save As...)?";
    if (!services_.prompter.AskYesNo(CalculatorWindowTitle(), question, PromptIcon::Warning))
        return;
    // Saved elsewhere, that file is the worksheet now and the exit writes it.
    worksheet_->SaveAs(*display_, services_.fileDialogs);
}

void DesktopProgram::SaveForExit() {
    if (exited_) return;
    exited_ = true;
    const bool financeVisible = tools_->financeBoxVisible();
    const bool converterVisible = tools_->unitConverterVisible();
    window_->hide();
    tools_->ClosePlots();
    unitConverter_->SaveRecent();
    CollectSettingsFromCalculator(*calculator_, settings_);
    const std::string directory = services_.locations.ProgramDirectory();
    SaveCalculatorState(
        settings_, financeVisible, converterVisible, services_.store,
        [&] { userDefinitionErrors_ = calculator_->userDefinitions().Save(directory); },
        *worksheet_, *display_);
    services_.store.Flush();
}

void DesktopProgram::ReportUnwritableFiles() {
    std::vector<UnwritableFile> failures;
    if (services_.exitFiles) failures = FindUnwritableFiles(services_.exitFiles());
    for (const std::string& error : userDefinitionErrors_)
        AddUnwritableFile(failures, UnwritableFileFromError(error));
    if (const std::string error = worksheet_->writeError(); !error.empty())
        AddUnwritableFile(failures, UnwritableFileFromError(error));
    if (failures.empty()) return;
    services_.prompter.ShowMessage(CalculatorWindowTitle(), UnwritableFilesMessage(failures),
                                   PromptIcon::Exclamation);
}

bool DesktopProgram::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_.get()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Close) {
        // With a tray icon the close box hides the window; without one it
        // is the way out.
        event->ignore();
        if (tray_->iconShown()) window_->hide();
        else
            QMetaObject::invokeMethod(this, [this] { RequestExit(ExitKind::Interactive); },
                                      Qt::QueuedConnection);
        return true;
    }
    if (event->type() == QEvent::WindowStateChange && window_->isMinimized() &&
        tray_->iconShown()) {
        // Minimising puts the program back into the tray.
        QMetaObject::invokeMethod(
            this,
            [this] {
                window_->hide();
                window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvix
