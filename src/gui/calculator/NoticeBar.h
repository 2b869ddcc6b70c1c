#pragma once
// A bar above the display for a notice that must stay until the user has
// read it (the worksheet kept at start): the text and a "Close" button.
// Hidden until ShowNotice; the help line below keeps its passing messages.

#include <QFrame>
#include <string>

class QLabel;

namespace quorvix {

class NoticeBar : public QFrame {
    Q_OBJECT
public:
    explicit NoticeBar(QWidget* parent = nullptr);
    void ShowNotice(const std::string& text);
    QString text() const;

private:
    QLabel* label_ = nullptr;
};

}  // namespace quorvix
