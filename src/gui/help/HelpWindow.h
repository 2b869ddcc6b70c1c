#pragma once
// The program's help window: the HTML help document in a text browser with
// Contents, Back and Forward, a find field for searching the page (Ctrl+F,
// Enter or F3 for the next match, Shift+F3 for the previous one), a search
// over all pages in a side panel (Search, Ctrl+Shift+F; the index is read at
// the first search) and the list of the page's links (Links, Ctrl+L).
// It is the HelpViewer of the calculator window and its dialogs: a request
// shows the window, raises it and turns to the keyword's anchor; a keyword
// the document does not know becomes the query of the search.
//
// It is a main window, so assistive tools see a frame rather than a bare
// panel. The page is named after its title and can be read with a caret
// (arrows move it, Shift selects); Tab walks its links, Ctrl+Tab and
// Ctrl+Shift+Tab leave it, and Escape closes the window.

#include <QString>
#include <QMainWindow>

#include "platform/HelpViewer.h"
#include "shell/HelpIndex.h"
#include "shell/HelpSearch.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;
class QUrl;

namespace quorvix {

class HelpLinksDialog;
class HelpSearchPanel;

// The installed document beside the program (<bin>/../share/quorvix/help,
// which the build tree mirrors), or empty when there is none.
QString FindHelpDocument();

class HelpWindow : public QMainWindow, public HelpViewer {
    Q_OBJECT
public:
    // documentDir holds index.html and the topic pages.
    explicit HelpWindow(const QString& documentDir = FindHelpDocument(),
                        QWidget* parent = nullptr);

    void OpenAtKeyword(const std::string& keyword) override;
    void OpenContents() override;
    // The search panel with query in its field (selected) and its matches.
    void OpenSearch(const std::string& query) override;
    // Turns to a match and selects the matched word in its section.
    void OpenHit(const HelpSearchHit& hit);
    // The list of the current page's links.
    void ShowLinks();

    const HelpIndex& index() const { return index_; }
    QTextBrowser* browser() const { return browser_; }
    HelpSearchPanel* searchPanel() const { return searchPanel_; }
    HelpLinksDialog* linksDialog() const { return links_; }
    // The page and anchor shown now ("sf.html#gammaln").
    QString currentLocation() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildIndex();
    // The search over every page, read at its first use.
    const HelpSearch& Search();
    void FollowLink(const QUrl& url);
    // Shows the search panel with query in its field.
    void ShowSearch(const QString& query);
    void SelectInSection(const std::string& anchor, const std::string& text);
    void Present();
    void ShowFindBar();
    void FindText(bool backward);
    void UpdateButtons();
    void NamePage();

    QString documentDir_;
    HelpIndex index_;
    HelpSearch search_;
    bool searchRead_ = false;
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
    QToolButton* searchButton_ = nullptr;
    QToolButton* linksButton_ = nullptr;
    HelpSearchPanel* searchPanel_ = nullptr;
    HelpLinksDialog* links_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* findStatus_ = nullptr;
};

}  // namespace quorvix
