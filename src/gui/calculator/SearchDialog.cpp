#include "gui/calculator/SearchDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/common/QtText.h"
#include "gui/common/TwoLineList.h"

namespace quorvix {

SearchDialog::SearchDialog(IndexBuilder buildIndex, Chooser choose, QWidget* parent)
    : QDialog(parent), buildIndex_(std::move(buildIndex)), choose_(std::move(choose)) {
    setObjectName(QStringLiteral("searchDialog"));
    setWindowTitle(QStringLiteral("Search Functions, Constants and Conversions"));
    setModal(false);

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("searchFilter"));
    filter_->setAccessibleName(QStringLiteral("Search functions, constants and conversions"));
    filter_->setPlaceholderText(QStringLiteral("Search functions, constants and conversions"));
    filter_->setClearButtonEnabled(true);

    list_ = new TwoLineList(this);
    list_->setObjectName(QStringLiteral("searchList"));
    list_->setAccessibleName(QStringLiteral("Matches"));
    list_->setFocusPolicy(Qt::NoFocus);
    list_->FollowKeysOf(*filter_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("searchStatus"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);

    connect(filter_, &QLineEdit::textChanged, this, [this] { Filter(); });
    connect(list_, &TwoLineList::currentRowChanged, this, [this](int row) { ShowCurrent(row); });
    connect(list_, &TwoLineList::chosen, this, [this] { Choose(); });
    resize(480, 420);
}

void SearchDialog::Open() {
    if (!indexValid_) {
        index_ = buildIndex_();
        indexValid_ = true;
        Filter();
    }
    show();
    raise();
    activateWindow();
    filter_->setFocus(Qt::ShortcutFocusReason);
    filter_->selectAll();
}

void SearchDialog::Filter() {
    shown_ = FilterSearch(index_, ToStdString(filter_->text()));
    QList<TwoLineRow> rows;
    rows.reserve(static_cast<qsizetype>(shown_.size()));
    for (const SearchEntry* entry : shown_) rows.append({ToQString(entry->title), ToQString(entry->help)});
    list_->SetRows(std::move(rows));
    const auto count = static_cast<int>(shown_.size());
    status_->setText(count == 0   ? QStringLiteral("No match")
                     : count == 1 ? QStringLiteral("1 match; Enter inserts it")
                                  : QStringLiteral("%1 matches; Enter inserts the chosen one").arg(count));
}

// The chosen row's help is the list's description, and the field's too, so
// a screen reader says it while the focus stays in the field.
void SearchDialog::ShowCurrent(int row) {
    QString help;
    if (row >= 0 && row < static_cast<int>(shown_.size())) {
        const SearchEntry& entry = *shown_[static_cast<std::size_t>(row)];
        help = ToQString(entry.title) + QStringLiteral(": ") + ToQString(entry.help);
    }
    list_->setAccessibleDescription(help);
    filter_->setAccessibleDescription(help);
}

void SearchDialog::Choose() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(shown_.size())) return;
    const SearchEntry chosen = *shown_[static_cast<std::size_t>(row)];
    hide();
    choose_(chosen);
}

void SearchDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (QWidget* window = parentWidget()) window->activateWindow();
}

}  // namespace quorvix
