#include "gui/help/HelpLinksDialog.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include "gui/common/TwoLineList.h"

namespace quorvix {

QList<PageLink> LinksOf(const QTextDocument& document) {
    QList<PageLink> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        bool inLink = false;  // the last fragment of this block was a link's
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString href = format.isAnchor() ? format.anchorHref() : QString();
            if (href.isEmpty()) {
                inLink = false;
                continue;
            }
            if (inLink && links.back().href == href) links.back().text += fragment.text();
            else links.append({fragment.text(), href});
            inLink = true;
        }
    }
    for (PageLink& link : links) link.text = link.text.simplified();
    return links;
}

HelpLinksDialog::HelpLinksDialog(std::function<QString(const QString&)> describe,
                                 std::function<void(const QUrl&)> follow, QWidget* parent)
    : QDialog(parent), describe_(std::move(describe)), follow_(std::move(follow)) {
    setObjectName(QStringLiteral("helpLinksDialog"));
    setModal(false);
    auto* label = new QLabel(QStringLiteral("&Links on this page:"), this);
    list_ = new TwoLineList(this);
    list_->setObjectName(QStringLiteral("helpLinksList"));
    list_->setAccessibleName(QStringLiteral("Links on this page"));
    label->setBuddy(list_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    connect(list_, &TwoLineList::chosen, this, [this] { FollowCurrent(); });
    resize(360, 420);
}

void HelpLinksDialog::Open(const QTextDocument& document, const QString& pageName) {
    links_ = LinksOf(document);
    QList<TwoLineRow> rows;
    for (const PageLink& link : links_) rows.append({link.text, describe_(link.href)});
    list_->SetRows(std::move(rows));
    setWindowTitle(QStringLiteral("Links: %1").arg(pageName));
    show();
    raise();
    activateWindow();
    list_->setFocus(Qt::ShortcutFocusReason);
}

void HelpLinksDialog::FollowCurrent() {
    const int row = list_->currentRow();
    if (row < 0 || row >= links_.size()) return;
    const QUrl target(links_[row].href);
    hide();
    follow_(target);
}

}  // namespace quorvix
