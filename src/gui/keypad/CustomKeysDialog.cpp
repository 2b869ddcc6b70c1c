#include "gui/keypad/CustomKeysDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/common/QtText.h"
#include "platform/HelpViewer.h"

namespace quorvix {

CustomKeysDialog::CustomKeysDialog(CustomKeysEditor& editor, HelpViewer& help, QWidget* parent)
    : QDialog(parent), editor_(editor), help_(help) {
    setObjectName(QStringLiteral("customKeysDialog"));
    setWindowTitle(QString::fromLatin1(CustomKeysEditor::kCaption));
    buildUi();
    refresh();
}

void CustomKeysDialog::buildUi() {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("captionList"));
    list_->setAccessibleName(QStringLiteral("Custom key captions"));
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("captionField"));
    auto* label = new QLabel(QString::fromLatin1(CustomKeysEditor::kFieldLabel), this);
    label->setBuddy(field_);
    change_ = new QPushButton(QString::fromLatin1(CustomKeysEditor::kChangeButton), this);
    change_->setObjectName(QStringLiteral("changeButton"));
    // Enter in the field changes the caption; the dialog stays open.
    change_->setDefault(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);

    connect(change_, &QPushButton::clicked, this, &CustomKeysDialog::onChange);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { editor_.Select(row); });

    // The list on the left, long enough for most captions without
    // scrolling; the field and buttons beside it.
    const QFontMetrics metrics = list_->fontMetrics();
    list_->setMinimumHeight(metrics.height() * 14);
    list_->setFixedWidth(metrics.averageCharWidth() * 14 +
                         list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    field_->setMinimumWidth(metrics.averageCharWidth() * 20);
    auto* side = new QVBoxLayout;
    side->addWidget(label);
    side->addWidget(field_);
    side->addWidget(change_, 0, Qt::AlignRight);
    side->addStretch(1);
    side->addWidget(buttons);
    auto* row = new QHBoxLayout(this);
    row->addWidget(list_);
    row->addLayout(side);
}

void CustomKeysDialog::refresh() {
    const QSignalBlocker block(list_);
    const int row = editor_.selected();
    list_->clear();
    for (const std::string& caption : editor_.Entries()) list_->addItem(ToQString(caption));
    list_->setCurrentRow(row);
}

void CustomKeysDialog::onChange() {
    editor_.editText = ToStdString(field_->text());
    editor_.Change();
    refresh();
}

void CustomKeysDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        help_.OpenAtKeyword(CustomKeysEditor::kHelpKeyword);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CustomKeysDialog::edit(std::array<std::string, kCustomKeyCount>& captions,
                            HelpViewer& help, QWidget* parent) {
    CustomKeysEditor editor(captions);
    CustomKeysDialog dialog(editor, help, parent);
    dialog.exec();
}

}  // namespace quorvix
