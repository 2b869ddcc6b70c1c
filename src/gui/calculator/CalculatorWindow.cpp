#include "gui/calculator/CalculatorWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/calculator/NoticeBar.h"
#include <memory>

#include "calculator/CalculatorDialog.h"
#include "calculator/KeypadDialogHost.h"
#include "calculator/MakerAddresses.h"
#include "calculator/WindowMenus.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/LongEvaluation.h"
#include "gui/calculator/QtMenus.h"
#include "gui/common/QtColorRef.h"
#include "gui/common/QtFontRecord.h"
#include "gui/common/QtText.h"
#include "gui/keypad/KeypadPanel.h"

namespace quorvix {

namespace {

constexpr int kMargin = 6;
constexpr int kDisplayLines = 7;
constexpr const char* kFirstHelpText = "Enter an expression to evaluate";

Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

}  // namespace

CalculatorWindow::CalculatorWindow(Logic logic, DisplayEdit* display, QWidget* parent)
    : QMainWindow(parent), logic_(logic), display_(display) {
    setObjectName(QStringLiteral("calculatorWindow"));
    setWindowTitle(ToQString(CalculatorWindowTitle()));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("accessories-calculator")));
    buildUi();
    evaluation_ = new LongEvaluation(
        *display_, [this](const std::string& text) { logic_.calculator.ShowHelpText(text); }, this);

    // Enter in the display takes the keypad host's route, as EXE does.
    connect(display_, &DisplayEdit::enterPressed, this, [this] { logic_.keypadHost.EnterPressed(); });
    connect(display_, &DisplayEdit::helpRequested, this, [this] { RunCommand(kCmdHelpSearch); });
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
    layout->addWidget(helpLine_);

    keypadPanel_ = new KeypadPanel(logic_.keypad, logic_.keypadHost, central);
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
    ApplyDisplayFormat();
    keypadPanel_->applyAppearance(logic_.settings);
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
        keypadPanel_->setIndicators(ToQString(frame_->baseIndicator()),
                                    ToQString(frame_->angleIndicator()));
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
    refresh();
}

void CalculatorWindow::RunEvaluation(const std::function<void()>& evaluate) {
    evaluation_->Run(evaluate);
}

void CalculatorWindow::ShowNotice(const std::string& text) { noticeBar_->ShowNotice(text); }

void CalculatorWindow::ShowHelpLine(const std::string& text) {
    const QString shown = ToQString(text);
    helpLine_->setText(shown);
    helpLine_->setCursorPosition(0);
    helpLine_->setToolTip(tooltipsOn_ ? shown : QString());
}

void CalculatorWindow::ApplyDisplayFormat() {
    const int dpi = logicalDpiY();
    display_->setFont(ToQFont(logic_.settings.displayFont, dpi));
    QPalette p = display_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, ToQColor(logic_.settings.foreColor));
        p.setColor(group, QPalette::Base, ToQColor(logic_.settings.backColor));
    }
    display_->setPalette(p);
    display_->setMinimumHeight(display_->fontMetrics().lineSpacing() * 3);
    display_->setMinimumWidth(display_->fontMetrics().averageCharWidth() * 8);
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
    menu->exec(QCursor::pos());
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
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
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
    helpLine_->setToolTip(on ? helpLine_->text() : QString());
}

// --- Window events ------------------------------------------------------------------

void CalculatorWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
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
        RunCommand(kCmdHelpSearch);
        return;
    }
    if (event->key() == Qt::Key_P && event->modifiers() == Qt::ControlModifier) {
        RunCommand(kCmdPlot);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace quorvix
