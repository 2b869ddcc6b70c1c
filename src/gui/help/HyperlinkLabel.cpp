#include "gui/help/HyperlinkLabel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/common/QtText.h"

namespace quorvix {

HyperlinkLabel::HyperlinkLabel(Hyperlink link, Shell& shell, Prompter& prompter, QWidget* parent)
    : QLabel(parent), link_(std::move(link)), shell_(shell), prompter_(prompter) {
    setText(ToQString(link_.text()));
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(ToQString(link_.text()));
    setAccessibleDescription(QStringLiteral("Link: opens %1").arg(ToQString(link_.target())));
    setToolTip(ToQString(link_.target()));
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    ApplyColour();
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Activate();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        Activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void HyperlinkLabel::Activate() {
    // The visited colour shows before the shell starts its program, which
    // may take a moment; the wait cursor covers that moment.
    link_.MarkVisited();
    ApplyColour();
    repaint();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = link_.Open(shell_);
    QGuiApplication::restoreOverrideCursor();
    if (!opened) Hyperlink::ReportOpenFailed(prompter_);
}

void HyperlinkLabel::ApplyColour() {
    const LinkColour colour = link_.colour();
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    setPalette(palette);
}

}  // namespace quorvix
