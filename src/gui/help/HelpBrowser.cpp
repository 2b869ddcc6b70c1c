#include "gui/help/HelpBrowser.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextDocument>

namespace quorvix {

namespace {

bool IsDark(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

// Rules after the page's own, so they win: headings in the palette's link
// colour (made light enough for a dark page), examples in its text colour.
QString DarkPageRules(const QPalette& palette) {
    QColor heading = palette.color(QPalette::Link);
    if (heading.lightness() < 170) heading = heading.lighter(150);
    const QString text = palette.color(QPalette::Text).name();
    return QStringLiteral("\nh1, h2, h3 { color: %1; }\np.example { color: %2; }\n")
        .arg(heading.name(), text);
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::StyleSheetResource || !IsDark(palette())) return resource;
    QString sheet = resource.typeId() == QMetaType::QByteArray
                        ? QString::fromUtf8(resource.toByteArray())
                        : resource.toString();
    return sheet + DarkPageRules(palette());
}

void HelpBrowser::changeEvent(QEvent* event) {
    QTextBrowser::changeEvent(event);
    // The style sheet was read for the old palette: read the page again.
    if (event->type() == QEvent::PaletteChange && !source().isEmpty()) {
        const int position = verticalScrollBar()->value();
        reload();
        verticalScrollBar()->setValue(position);
    }
}

}  // namespace quorvix
