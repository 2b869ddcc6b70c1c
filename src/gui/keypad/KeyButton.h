#pragma once
// One key of the keypad: a button drawn by the program with the style's
// bevel and the caption in its class's font and colour, centred, moved by
// the style's pressed shift while the key is down. Everything is drawn with
// the widget's painter, so it stays crisp at any device pixel ratio.

#include <QAbstractButton>
#include <QColor>

namespace quorvix {

class KeyButton : public QAbstractButton {
    Q_OBJECT
public:
    // keyId is the key's command id (9994..10041); the caption is text().
    explicit KeyButton(int keyId, QWidget* parent = nullptr);

    int keyId() const { return keyId_; }

    QColor captionColor() const { return captionColor_; }
    void setCaptionColor(const QColor& color);

    // The default key (EXE) is drawn with the style's default-button frame.
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault);

    // The key's size in the keypad layout; it grows when the caption in
    // the key's font needs more room.
    void setLayoutSize(const QSize& size);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int keyId_;
    QColor captionColor_ = Qt::black;
    bool default_ = false;
    QSize layoutSize_;
};

}  // namespace quorvix
