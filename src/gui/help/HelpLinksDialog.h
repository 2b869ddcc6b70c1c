#pragma once
// The links of the help page shown now, as a list (Ctrl+L in the help
// window): each row is the link's text with its target as detail, so a
// screen reader, which cannot ask the page for its links, can list them.
// Enter or a double click follows the chosen link and closes the list;
// Escape closes it; typing the first letters of a link moves to it.

#include <QDialog>
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>

class QTextDocument;

namespace quorvix {

class TwoLineList;

struct PageLink {
    QString text;
    QString href;
};

// The document's links in reading order; the pieces of one link (a link
// around code and text, say) are one link.
QList<PageLink> LinksOf(const QTextDocument& document);

class HelpLinksDialog : public QDialog {
    Q_OBJECT
public:
    // describe says where a link's target is ("On this page", a page's
    // title); follow follows a chosen one.
    HelpLinksDialog(std::function<QString(const QString& href)> describe,
                    std::function<void(const QUrl&)> follow, QWidget* parent);

    // Lists the document's links and shows the list, first link chosen.
    void Open(const QTextDocument& document, const QString& pageName);

    TwoLineList* list() const { return list_; }

private:
    void FollowCurrent();

    std::function<QString(const QString&)> describe_;
    std::function<void(const QUrl&)> follow_;
    QList<PageLink> links_;
    TwoLineList* list_ = nullptr;
};

}  // namespace quorvix
