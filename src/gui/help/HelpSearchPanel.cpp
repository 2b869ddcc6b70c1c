#include "gui/help/HelpSearchPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/common/TwoLineList.h"

namespace quorvix {

namespace {

// Help text is UTF-8 (the pages' entities decode to any character).
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

HelpSearchPanel::HelpSearchPanel(IndexSource index, Opener open, QWidget* parent)
    : QWidget(parent), index_(std::move(index)), open_(std::move(open)) {
    setObjectName(QStringLiteral("helpSearchPanel"));
    auto* label = new QLabel(QStringLiteral("Search all &pages:"), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("helpSearchField"));
    field_->setAccessibleName(QStringLiteral("Search all help pages"));
    field_->setPlaceholderText(QStringLiteral("Words to find (Ctrl+Shift+F)"));
    field_->setClearButtonEnabled(true);
    label->setBuddy(field_);

    results_ = new TwoLineList(this);
    results_->setObjectName(QStringLiteral("helpSearchResults"));
    results_->setAccessibleName(QStringLiteral("Help search results"));
    results_->FollowKeysOf(*field_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("helpSearchStatus"));
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(results_, 1);
    layout->addWidget(status_);

    connect(field_, &QLineEdit::textChanged, this, [this] { Search(); });
    connect(results_, &TwoLineList::chosen, this, [this] { OpenCurrent(); });
    connect(results_, &QListView::clicked, this, [this] { OpenCurrent(); });
    connect(results_, &TwoLineList::currentRowChanged, this, [this](int row) {
        // Said while the focus stays in the field.
        const bool valid = row >= 0 && row < static_cast<int>(hits_.size());
        field_->setAccessibleDescription(
            valid ? FromUtf8(hits_[static_cast<std::size_t>(row)].title + ", " +
                             hits_[static_cast<std::size_t>(row)].pageTitle)
                  : QString());
    });
    Search();
}

void HelpSearchPanel::Start(const QString& query) {
    show();
    // The same query keeps its matches and the chosen one.
    if (field_->text() != query) field_->setText(query);  // searches
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void HelpSearchPanel::Search() {
    const QString query = field_->text().trimmed();
    hits_ = query.isEmpty() ? std::vector<HelpSearchHit>{} : index_().Find(query.toStdString());
    QList<TwoLineRow> rows;
    rows.reserve(static_cast<qsizetype>(hits_.size()));
    for (const HelpSearchHit& hit : hits_) {
        QString title = FromUtf8(hit.title);
        if (hit.title != hit.pageTitle) title += QStringLiteral(" (%1)").arg(FromUtf8(hit.pageTitle));
        rows.append({title, FromUtf8(hit.snippet)});
    }
    results_->SetRows(std::move(rows));
    const auto count = static_cast<int>(hits_.size());
    if (query.isEmpty()) status_->setText(QStringLiteral("Type words to find in every page."));
    else if (count == 0) status_->setText(QStringLiteral("No page has all of these words."));
    else if (count == 1) status_->setText(QStringLiteral("1 section found; Enter opens it."));
    else status_->setText(QStringLiteral("%1 sections found; Enter opens the chosen one.").arg(count));
}

void HelpSearchPanel::OpenCurrent() {
    const int row = results_->currentRow();
    if (row >= 0 && row < static_cast<int>(hits_.size())) open_(hits_[static_cast<std::size_t>(row)]);
}

}  // namespace quorvix
