#pragma once
// The help window's page view. The help pages' style sheet colours their
// headings and examples for a light page; under a dark palette those
// colours are replaced by ones taken from the palette (its link and text
// colours), so the pages stay readable in the dark scheme. A change of the
// palette while a page is shown reloads it with the fitting colours.

#include <QTextBrowser>

namespace quorvix {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void changeEvent(QEvent* event) override;
};

}  // namespace quorvix
