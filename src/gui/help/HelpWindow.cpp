#include "gui/help/HelpWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/common/CloseKeys.h"
#include "gui/common/QtText.h"

namespace quorvix {

QString FindHelpDocument() {
    const QString dir = QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../share/quorvix/help");
    if (QFileInfo::exists(dir + QLatin1Char('/') + QLatin1String(HelpIndex::kContentsPage)))
        return QDir::cleanPath(dir);
    return {};
}

namespace {

QToolButton* MakeButton(const QString& text, const QString& name, QStyle::StandardPixmap icon,
                        QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(const QString& documentDir, QWidget* parent)
    : QMainWindow(parent), documentDir_(documentDir) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Quorvix Help"));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    contents_ = MakeButton(QStringLiteral("&Contents"), QStringLiteral("contentsButton"),
                           QStyle::SP_DirHomeIcon, central);
    back_ = MakeButton(QStringLiteral("&Back"), QStringLiteral("backButton"),
                       QStyle::SP_ArrowBack, central);
    forward_ = MakeButton(QStringLiteral("&Forward"), QStringLiteral("forwardButton"),
                          QStyle::SP_ArrowForward, central);
    find_ = new QLineEdit(central);
    find_->setObjectName(QStringLiteral("findField"));
    find_->setPlaceholderText(QStringLiteral("Find in page (Ctrl+F)"));
    find_->setAccessibleName(QStringLiteral("Find in page"));
    find_->setClearButtonEnabled(true);
    findStatus_ = new QLabel(central);
    findStatus_->setObjectName(QStringLiteral("findStatus"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents_);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addStretch(1);
    bar->addWidget(findStatus_);
    bar->addWidget(find_, 1);

    browser_ = new QTextBrowser(central);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({documentDir_});
    // Caret browsing: the keyboard moves a caret and selects, as the mouse does.
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    browser_->installEventFilter(this);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { NamePage(); });

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(contents_, &QToolButton::clicked, this, &HelpWindow::OpenContents);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, this, [this] { UpdateButtons(); });
    connect(browser_, &QTextBrowser::forwardAvailable, this, [this] { UpdateButtons(); });
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindText(false); });
    connect(find_, &QLineEdit::textEdited, this, [this] { findStatus_->clear(); });

    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, &HelpWindow::ShowFindBar);
    auto* next = new QShortcut(QKeySequence::FindNext, this);
    connect(next, &QShortcut::activated, this, [this] { FindText(false); });
    auto* previous = new QShortcut(QKeySequence::FindPrevious, this);
    connect(previous, &QShortcut::activated, this, [this] { FindText(true); });
    AddCloseKey(*this);
    auto* back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, browser_, &QTextBrowser::backward);
    auto* forward = new QShortcut(QKeySequence::Forward, this);
    connect(forward, &QShortcut::activated, browser_, &QTextBrowser::forward);

    BuildIndex();
    UpdateButtons();
    // A comfortable reading size, but never larger than the screen.
    QSize size(720, 560);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
}

void HelpWindow::BuildIndex() {
    const QDir dir(documentDir_);
    const QStringList pages = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& page : pages) {
        QFile file(dir.filePath(page));
        // A help page is a few kilobytes; anything huge is not one of ours.
        constexpr qint64 kMaxPageSize = 4 * 1024 * 1024;
        if (file.size() > kMaxPageSize || !file.open(QIODevice::ReadOnly)) continue;
        const QByteArray html = file.readAll();
        index_.AddPage(ToStdString(page), std::string_view(html.constData(),
                                                           static_cast<std::size_t>(html.size())));
    }
}

void HelpWindow::OpenAtKeyword(const std::string& keyword) {
    const std::optional<std::string> location = index_.Find(keyword);
    if (!location) {
        // Not a topic or function of the document (a variable, say): the
        // contents, with the word ready to search for.
        OpenContents();
        find_->setText(ToQString(keyword));
        findStatus_->setText(QStringLiteral("No topic for \u201C%1\u201D").arg(ToQString(keyword)));
        return;
    }
    browser_->setSource(QUrl(ToQString(*location)));
    findStatus_->clear();
    Present();
}

void HelpWindow::OpenContents() {
    findStatus_->clear();
    if (index_.size() == 0)
    {
        browser_->setHtml(QStringLiteral("<h1>Quorvix Help</h1><p>The help document was not "
                                         "found. It is installed in share/quorvix/help beside "
                                         "the program's bin directory.</p>"));
        NamePage();
    }
    else
        browser_->setSource(QUrl(QLatin1String(HelpIndex::kContentsPage)));
    Present();
}

QString HelpWindow::currentLocation() const {
    return browser_->source().toString();
}

void HelpWindow::Present() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowFindBar() {
    find_->setFocus(Qt::ShortcutFocusReason);
    find_->selectAll();
}

void HelpWindow::FindText(bool backward) {
    const QString text = find_->text();
    if (text.isEmpty()) return;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags)) {
        findStatus_->clear();
        return;
    }
    // Not found after the caret: wrap around once.
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    if (browser_->find(text, flags)) findStatus_->setText(QStringLiteral("Wrapped around"));
    else findStatus_->setText(QStringLiteral("Not found"));
}

void HelpWindow::UpdateButtons() {
    back_->setEnabled(browser_->isBackwardAvailable());
    forward_->setEnabled(browser_->isForwardAvailable());
}

void HelpWindow::NamePage() {
    const QString title = browser_->documentTitle();
    browser_->setAccessibleName(title.isEmpty() ? QStringLiteral("Help page")
                                                : QStringLiteral("Help page: %1").arg(title));
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // Tab and Shift+Tab walk the page's links; Ctrl with them leaves the page.
    if (watched == browser_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            const bool backward =
                key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
            focusNextPrevChild(!backward);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (find_->hasFocus() && !find_->text().isEmpty()) {
            find_->clear();
            findStatus_->clear();
            browser_->setFocus();
        } else {
            close();
        }
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace quorvix
