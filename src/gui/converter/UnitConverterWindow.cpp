#include "gui/converter/UnitConverterWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/common/QtText.h"
#include "gui/common/NamedComboBox.h"

namespace quorvix {

namespace {

QComboBox* MakeUnitBox(QWidget* parent, const QString& name, const QString& accessible) {
    // Named for what it is, with the unit as its value.
    auto* box = new NamedComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setEditable(true);
    // The focus is in the typing part; it carries the name too.
    box->lineEdit()->setAccessibleName(accessible);
    // The logic alone keeps the list: typed texts are not inserted, and no
    // completer swaps a typed text for an entry behind the logic's back.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMaxVisibleItems(15);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(22);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* text, const char* name) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

UnitConverterWindow::UnitConverterWindow(UnitConverter& converter, HelpViewer& help,
                                         QWidget* parent)
    : ToolWindow([&converter](bool shown) { shown ? converter.Show() : converter.Hide(); },
                 parent),
      converter_(converter),
      help_(help) {
    setObjectName(QStringLiteral("unitConverter"));
    setWindowTitle(ToQString(UnitConverter::kCaption));
    setModal(false);
    buildUi();
    refresh();
}

void UnitConverterWindow::buildUi() {
    from_ = MakeUnitBox(this, QStringLiteral("fromUnit"), QStringLiteral("Unit to convert from"));
    to_ = MakeUnitBox(this, QStringLiteral("toUnit"), QStringLiteral("Unit to convert to"));
    value_ = new QLineEdit(this);
    value_->setObjectName(QStringLiteral("value"));
    value_->setAccessibleName(QStringLiteral("Value to convert"));
    result_ = new QLineEdit(this);
    result_->setObjectName(QStringLiteral("result"));
    result_->setAccessibleName(QStringLiteral("Result"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Unit to convert &from:"), from_);
    form->addRow(QStringLiteral("Unit to convert &to:"), to_);
    form->addRow(QStringLiteral("&Value to convert:"), value_);
    form->addRow(QStringLiteral("R&esult:"), result_);

    QPushButton* convert = MakeButton(this, "&Convert", "convert");
    convert->setDefault(true);
    QPushButton* swap = MakeButton(this, "&Switch", "switch");
    QPushButton* reference = MakeButton(this, "Unit &Reference...", "reference");
    connect(convert, &QPushButton::clicked, this, &UnitConverterWindow::convert);
    connect(swap, &QPushButton::clicked, this, &UnitConverterWindow::switchUnits);
    connect(reference, &QPushButton::clicked, this, [this] { converter_.Help(help_); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { converter_.Help(help_); });

    for (QComboBox* box : {from_, to_}) {
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box](const QString& text) {
            if (box == from_) converter_.TypeFrom(ToStdString(text));
            else converter_.TypeTo(ToStdString(text));
        });
        connect(box, &QComboBox::activated, this, [this, box](int index) { choose(box, index); });
        // Enter in a unit field converts; the combo box would otherwise pick
        // an entry that matches the typed text.
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(convert);
    buttons->addWidget(swap);
    buttons->addStretch(1);
    buttons->addWidget(reference);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool UnitConverterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool inUnitBox = watched == from_ || watched == to_ ||
                               watched == from_->lineEdit() || watched == to_->lineEdit();
        if (inUnitBox && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            convert();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

namespace {

void ShowUnitBox(QComboBox* box, const std::vector<std::string>& entries,
                 const UnitConverter::UnitBox& state) {
    bool same = box->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < box->count(); ++i) {
        same = box->itemText(i) == ToQString(entries[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        box->clear();
        for (const std::string& e : entries) box->addItem(ToQString(e));
    }
    box->setCurrentIndex(state.selected);
    const QString text = ToQString(state.text);
    if (box->currentText() != text) box->setEditText(text);
}

}  // namespace

void UnitConverterWindow::refresh() {
    const std::vector<std::string>& entries = converter_.recent().entries();
    ShowUnitBox(from_, entries, converter_.from());
    ShowUnitBox(to_, entries, converter_.to());
    value_->setText(ToQString(converter_.valueText));
    result_->setText(ToQString(converter_.resultText));
    switch (converter_.focus()) {
        case UnitConverter::Field::From: from_->setFocus(); break;
        case UnitConverter::Field::To: to_->setFocus(); break;
        case UnitConverter::Field::Value: value_->setFocus(); break;
        case UnitConverter::Field::None: break;
    }
}

void UnitConverterWindow::readNumbers() {
    converter_.valueText = ToStdString(value_->text());
    converter_.resultText = ToStdString(result_->text());
}

void UnitConverterWindow::convert() {
    readNumbers();
    converter_.Convert();
    refresh();
    // A conversion that went through leaves the user on its result, where
    // a screen reader reads it.
    if (converter_.focus() == UnitConverter::Field::None) {
        result_->setFocus(Qt::OtherFocusReason);
        result_->selectAll();
    }
}

void UnitConverterWindow::switchUnits() {
    readNumbers();
    converter_.Switch();
    refresh();
}

void UnitConverterWindow::choose(QComboBox* box, int index) {
    readNumbers();
    if (box == from_) converter_.ChooseFrom(index);
    else converter_.ChooseTo(index);
    refresh();
}

void UnitConverterWindow::ShowWithValue(double lastResult) {
    converter_.ShowWithValue(lastResult);
    refresh();
    ShowWindow();
}

}  // namespace quorvix
