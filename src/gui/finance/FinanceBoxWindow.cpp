#include "gui/finance/FinanceBoxWindow.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/common/NamedComboBox.h"
#include "gui/common/QtText.h"
#include "finance/PaymentChoices.h"

namespace quorvix {

namespace {

struct AmountRow {
    FinanceField field;
    const char* label;
    const char* name;
};

// Rows in the order the box shows them; the lists sit between the duration
// and the payment.
constexpr AmountRow kAmountRows[] = {
    {FinanceField::PresentValue, "&Present Value:", "presentValue"},
    {FinanceField::FutureValue, "F&uture Value:", "futureValue"},
    {FinanceField::AnnualRate, "Annual &Interest Rate (%):", "annualRate"},
    {FinanceField::Duration, "&Duration (in years):", "duration"},
    {FinanceField::Payment, "Pa&yment:", "payment"},
};

}  // namespace

FinanceBoxWindow::FinanceBoxWindow(FinanceBox& box, HelpViewer& help, QWidget* parent)
    : ToolWindow([&box](bool shown) { shown ? box.Show() : box.Hide(); }, parent),
      box_(box),
      help_(help) {
    setObjectName(QStringLiteral("financeBox"));
    setWindowTitle(ToQString(FinanceBox::kCaption));
    setModal(false);
    buildUi();
    refresh();
}

void FinanceBoxWindow::buildUi() {
    auto* grid = new QGridLayout;
    calculateButtons_ = new QButtonGroup(this);
    int row = 0;
    auto addRow = [&](QWidget* field, const char* label) {
        auto* caption = new QLabel(QString::fromLatin1(label), this);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
    };
    for (const AmountRow& r : kAmountRows) {
        if (r.field == FinanceField::Payment) {
            frequency_ = new NamedComboBox(this);
            frequency_->setObjectName(QStringLiteral("frequency"));
            for (const PaymentFrequency& f : kPaymentFrequencies) frequency_->addItem(ToQString(f.text));
            addRow(frequency_, "Payment &frequency:");
            ++row;
            timing_ = new NamedComboBox(this);
            timing_->setObjectName(QStringLiteral("timing"));
            for (std::string_view t : kPaymentTimings) timing_->addItem(ToQString(t));
            addRow(timing_, "Payment &made at");
            ++row;
        }
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(r.name));
        edit->setAlignment(Qt::AlignRight);
        fitWidestResult(edit);
        amounts_[static_cast<int>(r.field)] = edit;
        addRow(edit, r.label);
        auto* calc = new QPushButton(QStringLiteral("Calculate"), this);
        calc->setObjectName(QString::fromLatin1(r.name) + QStringLiteral("Calculate"));
        calc->setAccessibleName(QStringLiteral("Calculate ") +
                                QString::fromLatin1(r.label).remove(QLatin1Char('&')).chopped(1));
        calc->setAutoDefault(false);
        calculateButtons_->addButton(calc, static_cast<int>(r.field));
        grid->addWidget(calc, row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    QAbstractButton* payment = calculateButtons_->button(static_cast<int>(FinanceField::Payment));
    static_cast<QPushButton*>(payment)->setDefault(true);
    connect(calculateButtons_, &QButtonGroup::idClicked, this, &FinanceBoxWindow::calculate);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    for (QAbstractButton* b : buttons->buttons()) static_cast<QPushButton*>(b)->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("close"));
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("help"));
    // Plain captions, as on the Calculate buttons (some styles add icons).
    for (QAbstractButton* button : buttons->buttons()) button->setIcon(QIcon());
    connect(buttons, &QDialogButtonBox::rejected, this, &FinanceBoxWindow::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { box_.Help(help_); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { box_.Help(help_); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FinanceBoxWindow::fitWidestResult(QLineEdit* edit) {
    // A line edit's natural width holds 17 'x'; the widest text the box
    // writes, sign and exponent included, must show whole.
    const QFontMetrics metrics = edit->fontMetrics();
    const QString widest = ToQString(FinanceBox::FormatResult(-8.888888888e307));
    const int extra = metrics.horizontalAdvance(widest) - metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    if (extra > 0) edit->setMinimumWidth(edit->sizeHint().width() + extra);
}

QLineEdit* FinanceBoxWindow::amount(FinanceField field) const {
    return amounts_[static_cast<int>(field)];
}

void FinanceBoxWindow::refresh() {
    for (const AmountRow& r : kAmountRows) amount(r.field)->setText(ToQString(box_.text(r.field)));
    frequency_->setCurrentIndex(box_.frequency());
    timing_->setCurrentIndex(box_.timing());
    if (const auto focus = box_.focus()) {
        QLineEdit* edit = amount(*focus);
        edit->setFocus();
        edit->selectAll();
    }
}

void FinanceBoxWindow::calculate(int field) {
    for (const AmountRow& r : kAmountRows) box_.SetText(r.field, ToStdString(amount(r.field)->text()));
    box_.SetFrequency(frequency_->currentIndex());
    box_.SetTiming(timing_->currentIndex());
    box_.Calculate(static_cast<FinanceField>(field));
    refresh();
    // A calculation that went through leaves the user on its result (one
    // that failed has put the focus on the field at fault).
    if (!box_.focus()) {
        QLineEdit* result = amount(static_cast<FinanceField>(field));
        result->setFocus(Qt::OtherFocusReason);
        result->selectAll();
    }
}

}  // namespace quorvix
