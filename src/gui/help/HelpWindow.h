#pragma once
// The program's help window: the HTML help document in a text browser with
// Contents, Back and Forward, and a find field for searching the page
// (Ctrl+F, Enter or F3 for the next match, Shift+F3 for the previous one).
// It is the HelpViewer of the calculator window and its dialogs: a request
// shows the window, raises it and turns to the keyword's anchor; a keyword
// the document does not know opens the contents with the keyword in the
// find field.
//
// It is a main window, so assistive tools see a frame rather than a bare
// panel. The page is named after its title and can be read with a caret
// (arrows move it, Shift selects); Tab walks its links, Ctrl+Tab and
// Ctrl+Shift+Tab leave it, and Escape closes the window.

#include <QString>
#include <QMainWindow>

#include "platform/HelpViewer.h"
#include "shell/HelpIndex.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace quorvix {

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

    const HelpIndex& index() const { return index_; }
    QTextBrowser* browser() const { return browser_; }
    // The page and anchor shown now ("sf.html#gammaln").
    QString currentLocation() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildIndex();
    void Present();
    void ShowFindBar();
    void FindText(bool backward);
    void UpdateButtons();
    void NamePage();

    QString documentDir_;
    HelpIndex index_;
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* findStatus_ = nullptr;
};

}  // namespace quorvix
