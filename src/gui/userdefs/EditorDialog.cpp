#include "gui/userdefs/EditorDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/common/QtText.h"

namespace quorvix {

EditorDialog::EditorDialog(EditorList& list, const char* caption, QWidget* parent)
    : QDialog(parent), list_(list) {
    setWindowTitle(ToQString(caption));
    setModal(true);
}

void EditorDialog::buildFrame(QFormLayout* fields) {
    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("lines"));
    lines_->setAccessibleName(windowTitle());
    // A thousand entries fill at once when every line has the same height.
    lines_->setUniformItemSizes(true);
    lines_->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    connect(lines_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        select(row);
        refresh();
    });

    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    add->setObjectName(QStringLiteral("add"));
    add->setDefault(true);
    remove_ = new QPushButton(QStringLiteral("&Remove"), this);
    remove_->setObjectName(QStringLiteral("remove"));
    remove_->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, [this] {
        readFields();
        this->add();
        refresh();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        this->remove();
        refresh();
    });
    // Close does what the close box and Escape do: every change is already
    // in the list.
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { help(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(remove_);
    buttons->addWidget(close);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lines_, 2);
    layout->addLayout(right, 3);
}

void EditorDialog::refresh() {
    const std::vector<std::string>& lines = list_.lines();
    {
        const QSignalBlocker blocker(lines_);
        if (lines_->count() != static_cast<int>(lines.size())) {
            lines_->clear();
            QStringList texts;
            texts.reserve(static_cast<qsizetype>(lines.size()));
            for (const std::string& line : lines) texts << ToQString(line);
            lines_->addItems(texts);
        }
        lines_->setCurrentRow(list_.selected());
    }
    remove_->setEnabled(list_.removeEnabled());
    refreshFields();
}

void EditorDialog::done(int /*result*/) {
    QDialog::done(list_.changed() ? Accepted : Rejected);
}

}  // namespace quorvix
