#include "gui/options/DisplayOptionsDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "gui/common/QtColorRef.h"
#include "gui/common/QtFontRecord.h"
#include "gui/common/QtText.h"
#include "gui/options/ColorButton.h"
#include "gui/options/WindowColours.h"
#include "platform/HelpViewer.h"
#include "shell/ColourSchemes.h"

namespace quorvix {

namespace {

constexpr std::array<KeyGroup, kKeyGroupCount> kGroups = {KeyGroup::Number, KeyGroup::Operator,
                                                          KeyGroup::Function};
constexpr std::array<const char*, kKeyGroupCount> kGroupNames = {"number", "operator", "function"};

std::size_t Index(KeyGroup group) { return static_cast<std::size_t>(group); }

// "Display &Font..." -> "Display Font": the font dialog's title.
QString TitleOf(const char* buttonText) {
    QString title = ToQString(buttonText);
    title.remove(QLatin1Char('&'));
    title.remove(QStringLiteral("..."));
    return title;
}

// The face and size a font button stands for, shown beside it.
QString Describe(const QFont& font) {
    QString text = font.family() + QStringLiteral(", ") +
                   QString::number(std::lround(font.pointSizeF())) + QStringLiteral(" pt");
    if (font.bold()) text += QStringLiteral(", bold");
    if (font.italic()) text += QStringLiteral(", italic");
    return text;
}

QPushButton* FontButton(const char* text, const QString& name) {
    auto* button = new QPushButton(ToQString(text));
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* FontLabel(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    return label;
}

// The note under a font row; hidden while the stored face is drawn.
QLabel* FontNote(const QString& name) {
    auto* note = new QLabel;
    note->setObjectName(name);
    note->setWordWrap(true);
    note->setVisible(false);
    return note;
}

void ShowFontNote(QLabel& note, const char* what, const FontRecord& record, int dpi,
                  FontUse use) {
    const ShownFont shown = ShownFontFor(record, dpi, use);
    note.setText(shown.substituted
                     ? ToQString(FontSubstitutionNote(what, record.faceName, shown.family))
                     : QString());
    note.setVisible(shown.substituted);
}

ColorButton* NamedColorButton(const QString& name, const QString& accessibleName) {
    auto* button = new ColorButton;
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    return button;
}

}  // namespace

DisplayOptionsDialog::DisplayOptionsDialog(DisplayOptions& logic, Prompter& prompter,
                                           HelpViewer& help, int dotsPerInchY, QWidget* parent)
    : QDialog(parent),
      logic_(logic),
      prompter_(prompter),
      help_(help),
      dotsPerInchY_(dotsPerInchY),
      fontChooser_(DefaultFontChooser()) {
    setObjectName(QStringLiteral("displayOptionsDialog"));
    setWindowTitle(ToQString(DisplayOptions::kCaption));
    buildUi();
    refresh();
}

void DisplayOptionsDialog::buildUi() {
    auto* displayFont =
        FontButton(DisplayOptions::kDisplayFontButton, QStringLiteral("displayFontButton"));
    connect(displayFont, &QPushButton::clicked, this, &DisplayOptionsDialog::chooseDisplayFont);
    displayFontLabel_ = FontLabel(QStringLiteral("displayFontLabel"));
    textColour_ = NamedColorButton(QStringLiteral("textColorButton"),
                                   QStringLiteral("Display text color"));
    connect(textColour_, &ColorButton::changed, this,
            [this](const QColor& colour) { logic_.TakeTextColour(ToColorRef(colour)); });
    background_ = NamedColorButton(QStringLiteral("backgroundColorButton"),
                                   QStringLiteral("Display background color"));

    auto* display = new QGroupBox(ToQString(DisplayOptions::kDisplayGroup));
    auto* displayForm = new QFormLayout(display);
    displayForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    displayForm->addRow(displayFont, displayFontLabel_);
    displayFontNote_ = FontNote(QStringLiteral("displayFontNote"));
    displayForm->addRow(displayFontNote_);
    displayForm->addRow(ToQString(DisplayOptions::kTextColourLabel), textColour_);
    displayForm->addRow(ToQString(DisplayOptions::kBackgroundLabel), background_);

    auto* keypadFont =
        FontButton(DisplayOptions::kKeypadFontButton, QStringLiteral("keypadFontButton"));
    connect(keypadFont, &QPushButton::clicked, this, &DisplayOptionsDialog::chooseKeypadFont);
    keypadFontLabel_ = FontLabel(QStringLiteral("keypadFontLabel"));
    auto* keypad = new QGroupBox(ToQString(DisplayOptions::kKeypadGroup));
    auto* keypadForm = new QFormLayout(keypad);
    keypadForm->addRow(keypadFont, keypadFontLabel_);
    keypadFontNote_ = FontNote(QStringLiteral("keypadFontNote"));
    keypadForm->addRow(keypadFontNote_);
    auto* groups = new QHBoxLayout;
    for (KeyGroup group : kGroups) groups->addWidget(buildKeyGroup(group));
    keypadForm->addRow(groups);

    scheme_ = new QComboBox;
    scheme_->setObjectName(QStringLiteral("colorSchemeBox"));
    scheme_->setPlaceholderText(ToQString(DisplayOptions::kCustomScheme));
    for (const ColourScheme& scheme : ColourSchemes()) scheme_->addItem(ToQString(scheme.name));
    connect(scheme_, &QComboBox::activated, this, &DisplayOptionsDialog::applyScheme);
    auto* schemeRow = new QFormLayout;
    schemeRow->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    schemeRow->addRow(ToQString(DisplayOptions::kSchemeLabel), scheme_);
    for (ColorButton* picker : {textColour_, background_})
        connect(picker, &ColorButton::changed, this, &DisplayOptionsDialog::showScheme);
    highlight_ = new QCheckBox(ToQString(DisplayOptions::kHighlightBox));
    highlight_->setObjectName(QStringLiteral("highlightSyntaxBox"));
    highlight_->setAccessibleName(QStringLiteral("Highlight syntax"));
    highlight_->setAccessibleDescription(
        QStringLiteral("Show answers, names, numbers and operators in their own colours"));
    connect(highlight_, &QCheckBox::toggled, this, &DisplayOptionsDialog::takeHighlighting);
    displayForm->addRow(highlight_);

    auto* buttons = new QDialogButtonBox;
    auto* close = buttons->addButton(ToQString(DisplayOptions::kCloseButton),
                                     QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &DisplayOptionsDialog::closeDialog);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(schemeRow);
    layout->addWidget(display);
    layout->addWidget(keypad);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* DisplayOptionsDialog::buildKeyGroup(KeyGroup group) {
    const QString name = QLatin1String(kGroupNames[Index(group)]);
    auto* size = new QLineEdit;
    size->setObjectName(name + QStringLiteral("SizeEdit"));
    size->setAccessibleName(ToQString(DisplayOptions::GroupCaption(group)) +
                            QStringLiteral(" font size"));
    size->setFixedWidth(size->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                        2 * size->fontMetrics().averageCharWidth());
    auto* colour = NamedColorButton(
        name + QStringLiteral("ColorButton"),
        ToQString(DisplayOptions::GroupCaption(group)) + QStringLiteral(" font color"));
    sizes_[Index(group)] = size;
    keyColours_[Index(group)] = colour;
    connect(colour, &ColorButton::changed, this, &DisplayOptionsDialog::showScheme);

    auto* box = new QGroupBox(ToQString(DisplayOptions::GroupCaption(group)));
    box->setObjectName(name + QStringLiteral("KeysGroup"));
    // Otherwise named after the "Keypad" box around it, like every control in it.
    box->setAccessibleName(box->title());
    auto* form = new QFormLayout(box);
    form->addRow(ToQString(DisplayOptions::kSizeLabel), size);
    form->addRow(ToQString(DisplayOptions::kColourLabel), colour);
    return box;
}

void DisplayOptionsDialog::setColorChooser(const ColorChooser& chooser) {
    textColour_->setColorChooser(chooser);
    background_->setColorChooser(chooser);
    for (ColorButton* button : keyColours_) button->setColorChooser(chooser);
}

void DisplayOptionsDialog::refresh() {
    const QSignalBlocker block(textColour_);
    const QSignalBlocker blockHighlight(highlight_);
    highlight_->setChecked(logic_.values().highlightSyntax);
    textColour_->setColor(ToQColor(logic_.TextColour()));
    background_->setColor(ToQColor(logic_.BackgroundColour()));
    for (KeyGroup group : kGroups) {
        sizes_[Index(group)]->setText(ToQString(logic_.SizeText(group)));
        keyColours_[Index(group)]->setColor(ToQColor(logic_.KeyColour(group)));
    }
    showFontChoices();
    showScheme();
}

void DisplayOptionsDialog::applyScheme(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= ColourSchemes().size()) return;
    const ColourScheme scheme = static_cast<std::size_t>(index) == kSystemSchemeIndex
                                    ? DesktopColourScheme()
                                    : ColourSchemes()[static_cast<std::size_t>(index)];
    // A scheme is taken whole and at once, so the window shows it while the
    // dialog is open; the pickers show its colours.
    logic_.TakeScheme(scheme.windows, scheme.text, scheme.background, scheme.keys);
    {
        const QSignalBlocker block(textColour_);
        textColour_->setColor(ToQColor(scheme.text));
    }
    background_->setColor(ToQColor(scheme.background));
    for (KeyGroup group : kGroups) keyColours_[Index(group)]->setColor(ToQColor(scheme.Key(group)));
    if (applyNow_) applyNow_();
    showScheme();
}

void DisplayOptionsDialog::takeHighlighting(bool on) {
    logic_.TakeHighlightSyntax(on);
    if (applyNow_) applyNow_();
}

void DisplayOptionsDialog::showScheme() {
    const std::uint32_t text = ToColorRef(textColour_->color());
    const std::uint32_t background = ToColorRef(background_->color());
    std::array<std::uint32_t, kKeyGroupCount> keys{};
    for (KeyGroup group : kGroups) keys[Index(group)] = ToColorRef(keyColours_[Index(group)]->color());
    WindowColors windows = logic_.values().colorScheme;
    if (windows == WindowColors::System) {
        // The system colours as long as the pickers hold the derived ones;
        // a colour picked by hand makes them colours of one's own.
        bool derived = text == logic_.TextColour() && background == logic_.BackgroundColour();
        for (KeyGroup group : kGroups) derived = derived && keys[Index(group)] == logic_.KeyColour(group);
        if (derived) {
            scheme_->setCurrentIndex(static_cast<int>(kSystemSchemeIndex));
            return;
        }
        windows = WindowColors::Stored;
    }
    const auto found = FindColourScheme(windows, text, background, keys);
    scheme_->setCurrentIndex(found ? static_cast<int>(*found) : -1);
}

void DisplayOptionsDialog::showFontChoices() {
    // Only the font descriptions: the size fields and pickers keep what was
    // typed or picked until the dialog closes.
    const DisplayOptionsValues& values = logic_.values();
    displayFontLabel_->setText(
        Describe(ToShownQFont(values.displayFont, dotsPerInchY_, FontUse::Display)));
    keypadFontLabel_->setText(
        Describe(ToShownQFont(values.keypadFont, dotsPerInchY_, FontUse::Keypad)));
    ShowFontNote(*displayFontNote_, "Display", values.displayFont, dotsPerInchY_,
                 FontUse::Display);
    ShowFontNote(*keypadFontNote_, "Keypad", values.keypadFont, dotsPerInchY_, FontUse::Keypad);
}

std::optional<FontRecord> DisplayOptionsDialog::chooseFont(const FontRecord& current,
                                                           FontUse use, const char* buttonText) {
    if (!fontChooser_) return std::nullopt;
    // The font dialog opens on the font as it is drawn here.
    const std::optional<QFont> chosen =
        fontChooser_(ToShownQFont(current, dotsPerInchY_, use), this, TitleOf(buttonText));
    if (!chosen) return std::nullopt;
    return ToFontRecord(*chosen, dotsPerInchY_);
}

void DisplayOptionsDialog::chooseDisplayFont() {
    const auto chosen = chooseFont(logic_.values().displayFont, FontUse::Display,
                                    DisplayOptions::kDisplayFontButton);
    if (!chosen) return;
    logic_.TakeDisplayFont(*chosen);
    showFontChoices();
}

void DisplayOptionsDialog::chooseKeypadFont() {
    const auto chosen = chooseFont(logic_.values().keypadFont, FontUse::Keypad,
                                    DisplayOptions::kKeypadFontButton);
    if (!chosen) return;
    logic_.TakeKeypadFont(*chosen);
    showFontChoices();
}

void DisplayOptionsDialog::closeDialog() {
    DisplayOptions::Fields fields;
    for (KeyGroup group : kGroups) {
        fields.sizes[Index(group)] = ToStdString(sizes_[Index(group)]->text());
        fields.keyColours[Index(group)] = ToColorRef(keyColours_[Index(group)]->color());
    }
    fields.background = ToColorRef(background_->color());
    logic_.Close(fields, prompter_);
    accept();
}

void DisplayOptionsDialog::closeEvent(QCloseEvent* event) {
    // The close box closes as "&Close" does; Escape (reject) reads nothing.
    if (isVisible()) closeDialog();
    event->accept();
}

void DisplayOptionsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        help_.OpenAtKeyword(DisplayOptions::kHelpKeyword);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quorvix
