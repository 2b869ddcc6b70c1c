#pragma once
// One key of the keypad: a button drawn by the program with the style's
// bevel and the caption in its class's font and colour, centred, moved by
// the style's pressed shift while the key is down. Everything is drawn with
// the widget's painter, so it stays crisp at any device pixel ratio.
//
// A caption colour that hardly differs from the key face (the operator keys'
// yellow on a light face) gets a 1-pixel outline in a contrasting colour, so
// the caption stays legible while the chosen colour is kept.

#include <QAbstractButton>
#include <QColor>

namespace quorvix {

// The outline for a caption of colour caption on a key face of colour face:
// black or white, whichever stands out more, when the two colours' contrast
// ratio is below 3:1 (too low for text to be read at a glance); an invalid
// colour when the caption needs none.
QColor CaptionOutlineColor(const QColor& caption, const QColor& face);

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

    // Whether the click being handled came from the keyboard (Space, or
    // Enter on the focused key) rather than the mouse.
    bool clickedByKeyboard() const { return clickedByKeyboard_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    const int keyId_;
    QColor captionColor_ = Qt::black;
    bool default_ = false;
    QSize layoutSize_;
    bool clickedByKeyboard_ = false;
};

}  // namespace quorvix
