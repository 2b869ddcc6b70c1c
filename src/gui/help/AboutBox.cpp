#include "gui/help/AboutBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/common/QtText.h"
#include "gui/help/AppIcon.h"
#include "gui/help/HyperlinkLabel.h"

#ifndef QUORVIX_VERSION
#define QUORVIX_VERSION "unknown"
#endif

namespace quorvix {

AboutDialog::AboutDialog(Shell& shell, Prompter& prompter, QWidget* parent) : QDialog(parent) {
    const AboutBoxTexts texts = MakeAboutBoxTexts(QUORVIX_VERSION);
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(ToQString(texts.caption));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = PaintAppPicture(static_cast<int>(64 * ratio));
    pixmap.setDevicePixelRatio(ratio);
    picture->setPixmap(pixmap);
    picture->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(ToQString(texts.versionLine), this);
    version->setObjectName(QStringLiteral("versionLine"));
    QFont bold = version->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    version->setFont(bold);
    auto* notice = new QLabel(ToQString(texts.notice), this);
    notice->setObjectName(QStringLiteral("notice"));
    auto* contact = new QLabel(ToQString(texts.contact), this);
    contact->setObjectName(QStringLiteral("contact"));

    auto* mail = new HyperlinkLabel(Hyperlink(texts.mailText, texts.mailTarget), shell, prompter,
                                    this);
    mail->setObjectName(QStringLiteral("mailLink"));
    auto* web = new HyperlinkLabel(Hyperlink(texts.webText, texts.webTarget), shell, prompter,
                                   this);
    web->setObjectName(QStringLiteral("webLink"));

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(version);
    text->addWidget(notice);
    text->addSpacing(8);
    text->addWidget(contact);
    text->addWidget(mail);
    text->addWidget(web);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picture, 0, 0);
    grid->addLayout(text, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(QWidget* parent, Shell& shell, Prompter& prompter) {
    // A fresh box each time, so its links start unvisited again.
    AboutDialog box(shell, prompter, parent);
    box.exec();
}

}  // namespace quorvix
