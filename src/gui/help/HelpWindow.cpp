#include "gui/help/HelpWindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
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
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "gui/common/CloseKeys.h"
#include "gui/common/QtText.h"
#include "gui/help/HelpBrowser.h"
#include "gui/help/HelpLinksDialog.h"
#include "gui/help/HelpSearchPanel.h"

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

// Hands every page of the document (its file name and HTML) to add, in name order.
void ReadPages(const QString& documentDir,
               const std::function<void(const std::string&, std::string_view)>& add) {
    const QDir dir(documentDir);
    const QStringList pages = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& page : pages) {
        QFile file(dir.filePath(page));
        // A help page is a few kilobytes; anything huge is not one of ours.
        constexpr qint64 kMaxPageSize = 4 * 1024 * 1024;
        if (file.size() > kMaxPageSize || !file.open(QIODevice::ReadOnly)) continue;
        const QByteArray html = file.readAll();
        add(ToStdString(page), std::string_view(html.constData(), static_cast<std::size_t>(html.size())));
    }
}

// Where the named anchor starts in the document, or -1.
int AnchorPosition(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name)) return it.fragment().position();
    return -1;
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
    searchButton_ = MakeButton(QStringLiteral("&Search"), QStringLiteral("searchButton"),
                               QStyle::SP_FileDialogContentsView, central);
    searchButton_->setCheckable(true);
    searchButton_->setToolTip(QStringLiteral("Search all pages (Ctrl+Shift+F)"));
    linksButton_ = MakeButton(QStringLiteral("&Links"), QStringLiteral("linksButton"),
                              QStyle::SP_FileDialogListView, central);
    linksButton_->setToolTip(QStringLiteral("List the links of this page (Ctrl+L)"));
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
    bar->addWidget(searchButton_);
    bar->addWidget(linksButton_);
    bar->addStretch(1);
    bar->addWidget(findStatus_);
    bar->addWidget(find_, 1);

    browser_ = new HelpBrowser(central);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({documentDir_});
    // Caret browsing: the keyboard moves a caret and selects, as the mouse does.
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    browser_->installEventFilter(this);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { NamePage(); });

    searchPanel_ = new HelpSearchPanel([this]() -> const HelpSearch& { return Search(); },
                                       [this](const HelpSearchHit& hit) {
                                           OpenHit(hit);
                                           browser_->setFocus(Qt::OtherFocusReason);
                                       },
                                       central);
    searchPanel_->hide();
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(searchPanel_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 560});

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(contents_, &QToolButton::clicked, this, &HelpWindow::OpenContents);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, this, [this] { UpdateButtons(); });
    connect(browser_, &QTextBrowser::forwardAvailable, this, [this] { UpdateButtons(); });
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindText(false); });
    connect(find_, &QLineEdit::textEdited, this, [this] { findStatus_->clear(); });
    connect(searchButton_, &QToolButton::toggled, this, [this](bool on) {
        if (on) {
            ShowSearch(searchPanel_->field()->text());
        } else {
            searchPanel_->hide();
            browser_->setFocus();
        }
    });
    connect(linksButton_, &QToolButton::clicked, this, &HelpWindow::ShowLinks);

    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, &HelpWindow::ShowFindBar);
    auto* next = new QShortcut(QKeySequence::FindNext, this);
    connect(next, &QShortcut::activated, this, [this] { FindText(false); });
    auto* previous = new QShortcut(QKeySequence::FindPrevious, this);
    connect(previous, &QShortcut::activated, this, [this] { FindText(true); });
    auto* search = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), this);
    connect(search, &QShortcut::activated, this,
            [this] { ShowSearch(searchPanel_->field()->text()); });
    auto* links = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(links, &QShortcut::activated, this, &HelpWindow::ShowLinks);
    AddCloseKey(*this);
    auto* back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, browser_, &QTextBrowser::backward);
    auto* forward = new QShortcut(QKeySequence::Forward, this);
    connect(forward, &QShortcut::activated, browser_, &QTextBrowser::forward);

    BuildIndex();
    UpdateButtons();
    // A comfortable reading size, but never larger than the screen.
    QSize size(840, 580);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
}

void HelpWindow::BuildIndex() {
    ReadPages(documentDir_, [this](const std::string& page, std::string_view html) {
        index_.AddPage(page, html);
    });
}

const HelpSearch& HelpWindow::Search() {
    if (!searchRead_) {
        searchRead_ = true;
        ReadPages(documentDir_, [this](const std::string& page, std::string_view html) {
            search_.AddPage(page, html);
        });
    }
    return search_;
}

void HelpWindow::OpenAtKeyword(const std::string& keyword) {
    const std::optional<std::string> location = index_.Find(keyword);
    if (!location) {
        // Not a topic or function of the document (a variable, say): the
        // pages that mention it.
        OpenSearch(keyword);
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

void HelpWindow::OpenSearch(const std::string& query) { ShowSearch(ToQString(query)); }

void HelpWindow::ShowSearch(const QString& query) {
    if (browser_->source().isEmpty()) OpenContents();
    Present();
    const QSignalBlocker blocker(searchButton_);
    searchButton_->setChecked(true);
    searchPanel_->Start(query);
}

void HelpWindow::OpenHit(const HelpSearchHit& hit) {
    browser_->setSource(QUrl(QString::fromStdString(hit.Location())));
    SelectInSection(hit.anchor, hit.match);
}

// The first occurrence of text (case ignored) from the section's anchor
// on, or from the top of the page when the section has none (or the text
// stands before it, in the page's navigation line).
void HelpWindow::SelectInSection(const std::string& anchor, const std::string& text) {
    const QTextDocument& document = *browser_->document();
    const QString wanted = QString::fromStdString(text);
    const int from = anchor.empty() ? 0 : AnchorPosition(document, QString::fromStdString(anchor));
    QTextCursor found = document.find(wanted, std::max(from, 0));
    if (found.isNull()) found = document.find(wanted, 0);
    if (found.isNull()) return;
    browser_->setTextCursor(found);
    browser_->ensureCursorVisible();
}

void HelpWindow::ShowLinks() {
    if (!links_) {
        auto describe = [this](const QString& href) {
            const QUrl url(href);
            if (href.startsWith(QLatin1Char('#'))) return QStringLiteral("On this page");
            if (!url.scheme().isEmpty() && !url.isLocalFile()) return href;  // the web, mail
            const std::string title = Search().PageTitle(url.path().toStdString());
            return title.empty() ? href : QStringLiteral("Page: %1").arg(QString::fromStdString(title));
        };
        links_ = new HelpLinksDialog(describe, [this](const QUrl& url) { FollowLink(url); }, this);
    }
    links_->Open(*browser_->document(), browser_->documentTitle());
}

// As a click on the link: a page of the document (or a place on this page)
// opens here, anything else in the desktop's program for it.
void HelpWindow::FollowLink(const QUrl& url) {
    Present();
    if (url.scheme().isEmpty() || url.isLocalFile()) browser_->setSource(browser_->source().resolved(url));
    else QDesktopServices::openUrl(url);
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
        QLineEdit* searchField = searchPanel_->field();
        if (searchField->hasFocus()) {
            // A query is cleared first; an empty field closes the panel.
            if (!searchField->text().isEmpty()) searchField->clear();
            else searchButton_->setChecked(false);
        } else if (find_->hasFocus() && !find_->text().isEmpty()) {
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
