#pragma once
// The "Display and Keypad Options" dialog over DisplayOptions: the display
// font and text colour, the background colour, the keypad font and the size
// and colour of the number, operator and function keys. "&Close" and the
// close box read the fields into the logic; Escape leaves them unread (font
// choices already made stay). F1 opens the help at "Display". A colour
// scheme chooser fills the colour fields from one of the ColourSchemes and
// shows which scheme the fields hold.

#include <QDialog>
#include <array>
#include <optional>

#include "gui/options/OptionChoosers.h"
#include "shell/DisplayOptions.h"

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

    // Copies the logic's state into the fields.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildUi();
    QWidget* buildKeyGroup(KeyGroup group);
    // The font chooser on a font; the choice, or nothing when cancelled.
    std::optional<FontRecord> chooseFont(const FontRecord& current, const char* buttonText);
    void chooseDisplayFont();
    void chooseKeypadFont();
    void closeDialog();
    void showFontChoices();
    void applyScheme(int index);
    void showScheme();

    DisplayOptions& logic_;
    Prompter& prompter_;
    HelpViewer& help_;
    int dotsPerInchY_;
    FontChooser fontChooser_;
    QComboBox* scheme_ = nullptr;
    QLabel* displayFontLabel_ = nullptr;
    QLabel* keypadFontLabel_ = nullptr;
    ColorButton* textColour_ = nullptr;
    ColorButton* background_ = nullptr;
    std::array<QLineEdit*, kKeyGroupCount> sizes_{};
    std::array<ColorButton*, kKeyGroupCount> keyColours_{};
};

}  // namespace quorvix
