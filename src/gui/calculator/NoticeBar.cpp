#include "gui/calculator/NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/common/QtText.h"

namespace quorvix {

NoticeBar::NoticeBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("noticeBar"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    label_ = new QLabel(this);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label_, 1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeNotice"));
    close->setAutoDefault(false);
    close->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void NoticeBar::ShowNotice(const std::string& text) {
    label_->setText(ToQString(text));
    setAccessibleName(label_->text());
    show();
}

QString NoticeBar::text() const { return label_->text(); }

}  // namespace quorvix
