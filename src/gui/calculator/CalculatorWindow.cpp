#include "gui/calculator/CalculatorWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <memory>

#include "calculator/CalculatorDialog.h"
#include "calculator/CatalogueSearch.h"
#include "calculator/FrameIndicators.h"
#include "calculator/KeypadDialogHost.h"
#include "calculator/MakerAddresses.h"
#include "calculator/WindowMenus.h"
#include "gui/calculator/CompletionPopup.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/DisplayHighlighter.h"
#include "gui/calculator/LongEvaluation.h"
#include "gui/calculator/NoticeBar.h"
#include "gui/calculator/QtMenus.h"
#include "gui/calculator/SearchDialog.h"
#include "gui/common/AccessibleTexts.h"
#include "gui/common/QtColorRef.h"
#include "gui/common/QtFontRecord.h"
#include "gui/common/QtRect.h"
#include "gui/common/QtText.h"
#include "gui/help/AppIcon.h"
#include "gui/keypad/KeyButton.h"
#include "gui/keypad/KeypadPanel.h"
#include "gui/options/WindowColours.h"
#include "shell/HelpLineMessages.h"
#include "shell/HighlightColours.h"

namespace quorvix {

namespace {

constexpr int kMargin = 6;
constexpr int kDisplayLines = 7;
constexpr const char* kFirstHelpText = "Enter an expression to evaluate";
// The help line's frame and the line edit's own inner margin, both sides.
constexpr int kHelpLineInnerMargins = 8;

// The help line's width for its usual messages at its own font.
int HelpLineWidthForMessages(const QLineEdit& line) {
    const QFontMetrics metrics = line.fontMetrics();
    const QMargins text = line.textMargins();
    const QMargins contents = line.contentsMargins();
    return HelpLineWidthNeeded([&](std::string_view message) {
               return metrics.horizontalAdvance(ToQString(message));
           }) +
           text.left() + text.right() + contents.left() + contents.right() + kHelpLineInnerMargins;
}

// A key as the menus show it ("Ctrl+S"). Ctrl with '+' or '=' (with or
// without Shift, by keyboard layout) and the keypad's plus and minus count as
// the zoom keys "Ctrl++" and "Ctrl+-".
QString ShortcutText(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const int key = event.key();
    if (modifiers & Qt::ControlModifier) {
        const bool onlyShiftBeside = (modifiers & ~(Qt::ControlModifier | Qt::ShiftModifier)) == 0;
        if (onlyShiftBeside && (key == Qt::Key_Plus || key == Qt::Key_Equal))
            return QStringLiteral("Ctrl++");
        if (onlyShiftBeside && key == Qt::Key_Minus) return QStringLiteral("Ctrl+-");
    }
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)))
        .toString(QKeySequence::PortableText);
}

QToolButton* MakeIndicatorButton(const QString& objectName, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

CalculatorWindow::CalculatorWindow(Logic logic, DisplayEdit* display, QWidget* parent)
    : QMainWindow(parent), logic_(logic), display_(display) {
    setObjectName(QStringLiteral("calculatorWindow"));
    setWindowTitle(ToQString(CalculatorWindowTitle()));
    setWindowIcon(MakeAppIcon());
    buildUi();
    new CompletionPopup(*display_, [this] {
        return CompletionNames{logic_.keypadHost.userFunctions, &logic_.calculator.evaluator()};
    });
    evaluation_ = new LongEvaluation(
        *display_, [this](const std::string& text) { logic_.calculator.ShowHelpText(text); }, this);
    // Every evaluation and command runs under the runner: definitions,
    // variables and the number base change only there.
    highlighter_ = new DisplayHighlighter(*display_);
    connect(evaluation_, &LongEvaluation::finished, this, [this] { UpdateHighlightNames(); });

    // Enter in the display takes the keypad host's route, as EXE does.
    connect(display_, &DisplayEdit::enterPressed, this, [this] { logic_.keypadHost.EnterPressed(); });
    connect(display_, &DisplayEdit::helpRequested, this, [this] {
        if (frame_) frame_->KeywordHelp();
    });
    display_->installEventFilter(this);
    connect(display_, &DisplayEdit::zoomRequested, this, [this](int steps) {
        for (int i = 0; i < std::abs(steps); ++i) RunCommand(steps > 0 ? kCmdZoomIn : kCmdZoomOut);
    });
    connect(display_, &DisplayEdit::pasteCut, this,
            [this](const QString& message) { logic_.calculator.ShowHelpText(ToStdString(message)); });
    connect(display_, &DisplayEdit::contextMenuRequested, this, [this](const QPoint& at) {
        std::unique_ptr<QMenu> menu(BuildDisplayContextMenu());
        menu->exec(at);
    });
}

// The window refers to the logic only while it lives; nothing to undo here.
CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::buildUi() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin / 2);

    noticeBar_ = new NoticeBar(central);
    layout->addWidget(noticeBar_);

    display_->setParent(central);
    display_->setMinimumHeight(display_->fontMetrics().lineSpacing() * 3);
    layout->addWidget(display_, 1);

    helpLine_ = new QLineEdit(central);
    helpLine_->setObjectName(QStringLiteral("helpLine"));
    helpLine_->setAccessibleName(QStringLiteral("Help line"));
    helpLine_->setReadOnly(true);
    helpLine_->setFocusPolicy(Qt::NoFocus);
    helpLine_->installEventFilter(this);
    // Without the keypad the base and angle indicators sit beside the help
    // line; a click steps them, as one on the keypad's indicators does.
    auto* helpRow = new QHBoxLayout;
    helpRow->setSpacing(kMargin / 2);
    helpRow->addWidget(helpLine_, 1);
    baseButton_ = MakeIndicatorButton(QStringLiteral("baseIndicatorButton"), central);
    angleButton_ = MakeIndicatorButton(QStringLiteral("angleIndicatorButton"), central);
    connect(baseButton_, &QToolButton::clicked, this, [this] { StepIndicator(kBaseIndicatorId); });
    connect(angleButton_, &QToolButton::clicked, this, [this] { StepIndicator(kAngleIndicatorId); });
    baseButton_->setAccessibleDescription(QStringLiteral("Click to change the number base"));
    angleButton_->setAccessibleDescription(QStringLiteral("Click to change the angle unit"));
    helpRow->addWidget(baseButton_);
    helpRow->addWidget(angleButton_);
    layout->addLayout(helpRow);

    keypadPanel_ = new KeypadPanel(logic_.keypad, logic_.keypadHost, central);
    keypadPanel_->setFocusHome(display_);
    for (const char* name : {"baseIndicator", "angleIndicator"}) {
        if (auto* indicator = keypadPanel_->findChild<QLabel*>(QLatin1String(name))) {
            indicator->installEventFilter(this);
            indicator->setCursor(Qt::PointingHandCursor);
        }
    }
    layout->addWidget(keypadPanel_);
    setCentralWidget(central);
}

void CalculatorWindow::buildMenuBar() {
    menuBar()->clear();
    const MenuItems bar = frame_->MenuBar();
    for (std::size_t i = 0; i < bar.size(); ++i) {
        AddRebuiltMenu(*menuBar(), ToQString(bar[i].caption), [this, i] {
            const MenuItems current = frame_->MenuBar();
            return i < current.size() ? current[i].children : MenuItems{};
        });
    }
    connect(menuBar(), &QMenuBar::triggered, this,
            [this](QAction* action) { RunCommand(CommandOf(action)); });
}

void CalculatorWindow::RunCommandLater(int id) {
    QMetaObject::invokeMethod(this, [this, id] { RunCommand(id); }, Qt::QueuedConnection);
}

void CalculatorWindow::Attach(CalculatorFrame& frame) {
    frame_ = &frame;
    buildMenuBar();
    frame_->ApplySettings();
    ApplyAppearance();
    SetTooltipsEnabled(logic_.settings.showPopupHelp);
    SetKeypadVisible(!logic_.settings.hideKeypad);
    logic_.calculator.ShowHelpText(kFirstHelpText);
    refresh();
}

void CalculatorWindow::refresh() {
    // The user functions' rows, for tooltips, the syntax line and the keys.
    logic_.keypadHost.userFunctions = logic_.calculator.userDefinitions().functions();
    if (frame_) {
        frame_->UpdateIndicators();
        const QString base = ToQString(frame_->baseIndicator());
        const QString angle = ToQString(frame_->angleIndicator());
        keypadPanel_->setIndicators(base, angle);
        baseButton_->setText(base);
        angleButton_->setText(angle);
        SetAccessibleName(baseButton_, ToQString(BaseIndicatorSpokenName(frame_->baseIndicator())));
        SetAccessibleName(angleButton_,
                          ToQString(AngleIndicatorSpokenName(frame_->angleIndicator())));
    }
    keypadPanel_->refresh();
}

// Every window command passes here, whichever menu or key chose it, so the
// rule that whatever evaluates runs under the long-evaluation runner (the
// window keeps drawing and Escape cancels) is kept in this one place: each
// command runs under it, since a listing of the variables evaluates their
// formulas and an inserted catalogue entry may be followed by an evaluation.
// A command chosen while a line runs is dropped (the runner holds the
// window's input, but a queued command may still arrive).
void CalculatorWindow::RunCommand(int id) {
    if (!frame_ || id == 0 || evaluation_->running()) return;
    RunEvaluation([this, id] { frame_->RunCommand(id); });
    if (IsUserEditCommand(id) && search_) search_->InvalidateIndex();
    refresh();
}

void CalculatorWindow::ShowCatalogueSearch() {
    if (!search_) {
        auto buildIndex = [this] {
            const UserDefinitions& defs = logic_.calculator.userDefinitions();
            return BuildSearchIndex(defs.constants(), defs.conversions(), defs.functions());
        };
        // An entry of a menu runs that menu's command; one that no menu shows
        // types its insertion.
        auto choose = [this](const SearchEntry& entry) {
            if (entry.command != 0) {
                RunCommand(entry.command);
            } else if (!evaluation_->running()) {
                TypeSearchInsertion(entry.insertion, logic_.keypadHost);
                refresh();
            }
        };
        search_ = new SearchDialog(buildIndex, choose, this);
    }
    search_->Open();
}

void CalculatorWindow::StepIndicator(int indicatorId) {
    RunCommand(indicatorId == kBaseIndicatorId ? NextBaseCommand(logic_.settings.numberBase)
                                                : NextAngleCommand(logic_.settings.angleUnit));
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == display_ && event->type() == QEvent::KeyPress && frame_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            if (const int command = CommandForShortcut(frame_->MenuBar(), ToStdString(ShortcutText(*key)))) {
                RunCommand(command);
                return true;
            }
        }
    }
    if (watched == helpLine_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        FitHelpLine();
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched->objectName() == QLatin1String("baseIndicator")) {
            StepIndicator(kBaseIndicatorId);
            return true;
        }
        if (watched->objectName() == QLatin1String("angleIndicator")) {
            StepIndicator(kAngleIndicatorId);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CalculatorWindow::RunEvaluation(const std::function<void()>& evaluate) {
    evaluation_->Run(evaluate);
}

void CalculatorWindow::ShowNotice(const std::string& text) { noticeBar_->ShowNotice(text); }

void CalculatorWindow::ShowHelpLine(const std::string& text) {
    helpText_ = ToQString(text);
    FitHelpLine();
    // The help line cannot take the focus, so errors, hints and the Escape
    // prompt are also said on the display, where the user is.
    display_->Announce(helpText_.trimmed());
}

// A message wider than the line ends in an ellipsis; the tooltip (shown
// then even with pop-up help off) and the accessible description keep the
// whole text. Before the line has its real width the text is set whole.
void CalculatorWindow::FitHelpLine() {
    const QMargins margins = helpLine_->textMargins();
    // The frame and the line edit's own inner margin on each side.
    const int room =
        helpLine_->contentsRect().width() - margins.left() - margins.right() - kHelpLineInnerMargins;
    const QString shown = helpLine_->isVisible() && room > 0
                              ? helpLine_->fontMetrics().elidedText(helpText_, Qt::ElideRight, room)
                              : helpText_;
    helpLine_->setText(shown);
    helpLine_->setCursorPosition(0);
    helpLine_->setAccessibleDescription(helpText_.trimmed());
    helpLine_->setToolTip(tooltipsOn_ || shown != helpText_ ? helpText_ : QString());
}

void CalculatorWindow::ApplyAppearance() {
    ApplyWindowColours(logic_.settings);
    keypadPanel_->applyAppearance(logic_.settings);
    ApplyDisplayFormat();
}

void CalculatorWindow::ApplyDisplayFormat() {
    const int dpi = logicalDpiY();
    display_->setFont(ToShownQFont(logic_.settings.displayFont, dpi, FontUse::Display));
    QPalette p = display_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, ToQColor(logic_.settings.foreColor));
        p.setColor(group, QPalette::Base, ToQColor(logic_.settings.backColor));
    }
    // The selection keeps the active look without the focus, in the
    // palette of the scheme now in force.
    const QPalette windows = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, windows.color(QPalette::Active, role));
    display_->setPalette(p);
    display_->setMinimumHeight(display_->fontMetrics().lineSpacing() * 3);
    display_->setMinimumWidth(display_->fontMetrics().averageCharWidth() * 8);
    UpdateHighlightNames();
    highlighter_->Show(logic_.settings.highlightSyntax, HighlightColoursFor(logic_.settings));
}

void CalculatorWindow::UpdateHighlightNames() {
    highlighter_->SetNames(CollectHighlightNames(logic_.calculator.evaluator(),
                                                 logic_.calculator.userDefinitions().functions()));
}

QMenu* CalculatorWindow::BuildCatalogueMenu(CatalogueMenuKind kind) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("catalogueMenu"));
    const MenuItems menus = BuildCatalogueMenusWithUserEntries(logic_.calculator.userDefinitions());
    const auto index = static_cast<std::size_t>(kind);
    if (index < menus.size()) FillMenu(*menu, menus[index].children);
    // Run after the menu has closed, as a menu bar entry would.
    connect(menu, &QMenu::triggered, this,
            [this](QAction* action) { RunCommandLater(CommandOf(action)); });
    return menu;
}

QMenu* CalculatorWindow::BuildDisplayContextMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("displayContextMenu"));
    FillMenu(*menu, logic_.calculator.DisplayContextMenu());
    connect(menu, &QMenu::triggered, this,
            [this](QAction* action) { RunCommandLater(CommandOf(action)); });
    return menu;
}

void CalculatorWindow::OpenCatalogueMenu(CatalogueMenuKind kind) {
    std::unique_ptr<QMenu> menu(BuildCatalogueMenu(kind));
    KeyButton* key = keypadPanel_->keyboardKey();
    if (!key) {
        menu->exec(QCursor::pos());
        return;
    }
    // From the keyboard: under the key, with the first entry active, so
    // the arrows and Enter work at once.
    QMenu* shown = menu.get();
    QTimer::singleShot(0, shown, [shown] {
        for (QAction* action : shown->actions())
            if (action->isEnabled() && !action->isSeparator()) {
                shown->setActiveAction(action);
                break;
            }
    });
    menu->exec(key->mapToGlobal(QPoint(0, key->height())));
    // The chosen entry runs once the menu has closed and hands the focus to
    // the display; the keyboard user goes back to the key after it.
    QMetaObject::invokeMethod(
        this, [back = QPointer<KeyButton>(key)] { if (back) back->setFocus(Qt::TabFocusReason); },
        Qt::QueuedConnection);
}

// --- What the frame host asks ---------------------------------------------------

void CalculatorWindow::SetTopmost(bool on) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);  // hides the window
    if (wasVisible) show();
}

void CalculatorWindow::SetKeypadVisible(bool shown) {
    keypadShown_ = shown;
    keypadPanel_->setVisible(shown);
    baseButton_->setVisible(!shown);
    angleButton_->setVisible(!shown);
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    // With the keypad the window takes the width the usual help-line
    // messages need; without it the stored size rules.
    helpLine_->setMinimumWidth(shown ? HelpLineWidthForMessages(*helpLine_) : 0);
    if (shown) {
        // The size the layout needs, within the screen; sizing and
        // maximising are refused (the window manager sees a fixed size).
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (isMaximized()) showNormal();
        centralWidget()->layout()->activate();
        QSize full = sizeHint().expandedTo(minimumSizeHint());
        if (!screen.isEmpty()) full = full.boundedTo(screen.size());
        setFixedSize(full);
    } else {
        const Size size = DisplayOnlySize(logic_.settings.width, logic_.settings.height,
                                          screen.isEmpty() ? Rect{0, 0, 1 << 15, 1 << 15}
                                                           : ToRect(screen));
        setMinimumSize(kDisplayOnlyMinimumSize.width, kDisplayOnlyMinimumSize.height);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        placedSize_ = QSize(size.width, size.height);
        resize(placedSize_);
    }
    const bool wasVisible = isVisible();
    if (windowFlags().testFlag(Qt::WindowMaximizeButtonHint) == shown) {
        setWindowFlag(Qt::WindowMaximizeButtonHint, !shown);
        if (wasVisible) show();
    }
}

void CalculatorWindow::SetTooltipsEnabled(bool on) {
    tooltipsOn_ = on;
    keypadPanel_->setTooltipsShown(on);
    FitHelpLine();
}

// --- Window events ------------------------------------------------------------------

void CalculatorWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The system colours follow the desktop when its palette changes.
    if (event->type() == QEvent::PaletteChange && frame_ &&
        logic_.settings.colorScheme == WindowColors::System)
        ApplyAppearance();
    // With the keypad the window keeps its one size.
    if (event->type() == QEvent::WindowStateChange && keypadShown_ &&
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        QMetaObject::invokeMethod(this, [this] { showNormal(); }, Qt::QueuedConnection);
}

void CalculatorWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (keypadShown_ || !frame_ || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // The restored size becomes the stored Width and Height; the size
    // placed here (the stored one, perhaps made smaller to fit this screen)
    // leaves them as they are, so a smaller screen does not shrink them.
    if (size() == placedSize_) return;
    logic_.settings.width = width();
    logic_.settings.height = height();
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    // EXE is the default button: Enter anywhere in the window evaluates, by
    // the keypad host's one route.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        logic_.keypadHost.EvaluateCurrentLine();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        if (frame_) frame_->KeywordHelp();
        return;
    }
    // The keys shown beside the menu entries run those entries.
    if (frame_) {
        if (const int command = CommandForShortcut(frame_->MenuBar(), ToStdString(ShortcutText(*event)))) {
            RunCommand(command);
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace quorvix
