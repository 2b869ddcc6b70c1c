#pragma once
// The "Display and Keypad Options" dialog over DisplayOptions: the display
// font and text colour, the background colour, the keypad font and the size
// and colour of the number, operator and function keys. "&Close" and the
// close box read the fields into the logic; Escape leaves them unread (font
// choices already made stay). F1 opens the help at "Display". A colour
// scheme chooser fills the colour fields from one of the ColourSchemes and
// shows which scheme the fields hold; a chosen scheme and the highlighting
// switch are taken at once and handed to the window to apply while the
// dialog is open. Under the font buttons a note says when a stored face is
// not installed and which system font is drawn instead.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "gui/common/QtFontRecord.h"
#include "gui/options/OptionChoosers.h"
#include "shell/DisplayOptions.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvix {

class ColorButton;
class HelpViewer;
class Prompter;

class DisplayOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // dotsPerInchY is the resolution the settings' font heights are for.
    DisplayOptionsDialog(DisplayOptions& logic, Prompter& prompter, HelpViewer& help,
                         int dotsPerInchY, QWidget* parent = nullptr);

    void setFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }
    // Given to every colour picker of the dialog.
    void setColorChooser(const ColorChooser& chooser);
    // Run after a scheme or the highlighting switch was taken into the
    // logic: the window applies the logic's values now.
    void setApplyNow(std::function<void()> apply) { applyNow_ = std::move(apply); }

    // Copies the logic's state into the fields.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildUi();
    QWidget* buildKeyGroup(KeyGroup group);
    // The font chooser on a font; the choice, or nothing when cancelled.
    std::optional<FontRecord> chooseFont(const FontRecord& current, FontUse use,
                                         const char* buttonText);
    void chooseDisplayFont();
    void chooseKeypadFont();
    void closeDialog();
    void showFontChoices();
    void applyScheme(int index);
    void showScheme();
    void takeHighlighting(bool on);

    DisplayOptions& logic_;
    Prompter& prompter_;
    HelpViewer& help_;
    int dotsPerInchY_;
    FontChooser fontChooser_;
    std::function<void()> applyNow_;
    QComboBox* scheme_ = nullptr;
    QCheckBox* highlight_ = nullptr;
    QLabel* displayFontLabel_ = nullptr;
    QLabel* keypadFontLabel_ = nullptr;
    QLabel* displayFontNote_ = nullptr;
    QLabel* keypadFontNote_ = nullptr;
    ColorButton* textColour_ = nullptr;
    ColorButton* background_ = nullptr;
    std::array<QLineEdit*, kKeyGroupCount> sizes_{};
    std::array<ColorButton*, kKeyGroupCount> keyColours_{};
};

}  // namespace quorvix
