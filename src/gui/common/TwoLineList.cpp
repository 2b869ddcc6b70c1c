#include "gui/common/TwoLineList.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace quorvix {

namespace {

constexpr int kDetailRole = Qt::UserRole;
constexpr int kPadding = 4;

class TwoLineModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void SetRows(QList<TwoLineRow> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows_.size()) return {};
        const TwoLineRow& row = rows_[index.row()];
        switch (role) {
            case Qt::DisplayRole:
            case Qt::AccessibleTextRole: return row.title;
            case kDetailRole:
            case Qt::AccessibleDescriptionRole: return row.detail;
            case Qt::ToolTipRole: return row.title + QLatin1Char('\n') + row.detail;
            default: return {};
        }
    }

private:
    QList<TwoLineRow> rows_;
};

QFont TitleFont(QFont font) {
    font.setBold(true);
    return font;
}

class TwoLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString title = opt.text;
        const QString detail = index.data(kDetailRole).toString();
        // The style draws the row's background, selection and focus frame.
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const bool selected = opt.state.testFlag(QStyle::State_Selected);
        const QPalette::ColorGroup group =
            opt.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        const QColor text = opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        // The detail halfway to the background, still well readable.
        QColor quiet = text;
        if (!selected) {
            const QColor base = opt.palette.color(group, QPalette::Base);
            quiet.setRgbF((text.redF() * 2 + base.redF()) / 3, (text.greenF() * 2 + base.greenF()) / 3,
                          (text.blueF() * 2 + base.blueF()) / 3);
        }
        const QRect box = opt.rect.adjusted(2 * kPadding, kPadding, -2 * kPadding, -kPadding);
        const QFont titleFont = TitleFont(opt.font);
        const QFontMetrics titleMetrics(titleFont);
        const QFontMetrics detailMetrics(opt.font);
        painter->save();
        painter->setFont(titleFont);
        painter->setPen(text);
        painter->drawText(QRect(box.left(), box.top(), box.width(), titleMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          titleMetrics.elidedText(title, Qt::ElideRight, box.width()));
        painter->setFont(opt.font);
        painter->setPen(quiet);
        painter->drawText(QRect(box.left(), box.top() + titleMetrics.height(), box.width(),
                                detailMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          detailMetrics.elidedText(detail, Qt::ElideRight, box.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const int height = QFontMetrics(TitleFont(option.font)).height() +
                           QFontMetrics(option.font).height() + 2 * kPadding;
        return {option.rect.width() > 0 ? option.rect.width() : 200, height};
    }
};

}  // namespace

TwoLineList::TwoLineList(QWidget* parent) : QListView(parent) {
    auto* model = new TwoLineModel(this);
    setModel(model);
    setItemDelegate(new TwoLineDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1);
            });
    connect(this, &QListView::activated, this,
            [this](const QModelIndex& index) { Q_EMIT chosen(index.row()); });
}

void TwoLineList::FollowKeysOf(QLineEdit& field) {
    field_ = &field;
    field.installEventFilter(this);
}

bool TwoLineList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            if (currentRow() >= 0) Q_EMIT chosen(currentRow());
            return true;
        }
        if (MoveByKey(key)) return true;
    }
    return QListView::eventFilter(watched, event);
}

void TwoLineList::SetRows(QList<TwoLineRow> rows) {
    static_cast<TwoLineModel*>(model())->SetRows(std::move(rows));
    if (rowCount() > 0) SetCurrentRow(0);
    else Q_EMIT currentRowChanged(-1);
}

int TwoLineList::rowCount() const { return model()->rowCount(); }

int TwoLineList::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TwoLineList::SetCurrentRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

bool TwoLineList::MoveByKey(const QKeyEvent& key) {
    if (rowCount() == 0) return false;
    const int rowHeight = std::max(1, sizeHintForRow(0));
    const int page = std::max(1, viewport()->height() / rowHeight - 1);
    int step = 0;
    switch (key.key()) {
        case Qt::Key_Up: step = -1; break;
        case Qt::Key_Down: step = 1; break;
        case Qt::Key_PageUp: step = -page; break;
        case Qt::Key_PageDown: step = page; break;
        default: return false;
    }
    SetCurrentRow(std::clamp(currentRow() + step, 0, rowCount() - 1));
    return true;
}

}  // namespace quorvix
