// Wiring of the Finance box window: the default button, Calculate through
// the real widgets, messages and focus from the logic, the APR Calculation
// dialog's re-guess loop, Close and Help.

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "gui/GuiTestSupport.h"
#include "gui/finance/AprCalculationDialog.h"
#include "gui/finance/FinanceBoxWindow.h"
#include "platform/MemoryPrompter.h"
#include "platform/NumberField.h"

using namespace quorvix;

class FinanceBoxWindowTest : public QObject {
    Q_OBJECT

    MemoryPrompter prompter;
    MemoryHelpViewer help;

    static QLineEdit* field(QWidget& w, const char* name) {
        return w.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static void type(QLineEdit* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init() {
        prompter = {};
        help = {};
    }

    void paymentCalculateIsTheOnlyDefault() {
        QtAprCalculationHost host(help);
        FinanceBox box(prompter, host);
        FinanceBoxWindow window(box, help);
        const auto buttons = window.findChildren<QPushButton*>();
        QStringList defaults;
        for (QPushButton* b : buttons) {
            if (b->isDefault()) defaults << b->objectName();
        }
        QCOMPARE(defaults, QStringList{QStringLiteral("paymentCalculate")});
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("frequency"))->currentText(),
                 QStringLiteral("Monthly"));
        QCOMPARE(field(window, "payment")->text(), QStringLiteral("0"));
    }

    void calculateThroughTheWidgets_data() {
        QTest::addColumn<QString>("presentValue");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("button");  // empty: Enter in the present value
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("Enter computes the payment")
            << "1000" << "12" << "" << "payment" << "-88.85" << "";
        QTest::newRow("text in a number field")
            << "lots" << "12" << "paymentCalculate" << "payment" << "0" << kPleaseEnterNumber;
        QTest::newRow("huge numbers are refused")
            << "1e308" << "1e308" << "futureValueCalculate" << "futureValue" << "0"
            << FinanceBox::kInvalidInputs;
        QTest::newRow("huge result in scientific notation")
            << "1e300" << "12" << "futureValueCalculate" << "futureValue"
            << "-1.126825030E+300" << "";
    }
    void calculateThroughTheWidgets() {
        QFETCH(QString, presentValue);
        QFETCH(QString, rate);
        QFETCH(QString, button);
        QFETCH(QString, target);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QtAprCalculationHost host(help);
        FinanceBox box(prompter, host);
        FinanceBoxWindow window(box, help);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        type(field(window, "presentValue"), presentValue);
        type(field(window, "annualRate"), rate);
        type(field(window, "duration"), QStringLiteral("1"));
        if (button.isEmpty()) {
            QTest::keyClick(field(window, "presentValue"), Qt::Key_Return);
        } else {
            QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
        }
        QLineEdit* result = field(window, target.toLatin1().constData());
        QCOMPARE(result->text(), shown);
        // The whole text fits the field: sign, digits and exponent.
        QVERIFY(result->fontMetrics().horizontalAdvance(shown) < result->width());
        if (message.isEmpty()) {
            QVERIFY(prompter.shown.empty());
            // The user is left on the result, selected.
            QCOMPARE(QApplication::focusWidget(), result);
            QCOMPARE(result->selectedText(), shown);
        } else {
            // One message; a rejected field stops the calculation.
            QCOMPARE(prompter.shown.size(), 1u);
            QCOMPARE(QString::fromStdString(prompter.shown[0].text), message);
            QCOMPARE(prompter.shown[0].icon, PromptIcon::Exclamation);
            // Both refusals here point at the present value.
            QCOMPARE(QApplication::focusWidget(), field(window, "presentValue"));
        }
    }

    // No rate repays a loan with payments of the same sign: the APR dialog
    // asks for a guess, refuses text, and comes back for the next guess
    // until the user cancels.
    void aprDialogAsksAgainUntilCancelled() {
        QtAprCalculationHost host(help);
        FinanceBox box(prompter, host);
        FinanceBoxWindow window(box, help);
        host.SetParent(&window);
        window.show();
        type(field(window, "presentValue"), QStringLiteral("1000"));
        type(field(window, "payment"), QStringLiteral("100"));
        type(field(window, "duration"), QStringLiteral("1"));

        QStringList seenGuesses;
        int round = 0;
        QTimer driver;
        driver.setInterval(20);
        connect(&driver, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<AprCalculationDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            auto* guess = dialog->findChild<QLineEdit*>(QStringLiteral("guess"));
            auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
            seenGuesses << guess->text();
            switch (round++) {
                case 0: type(guess, QStringLiteral("abc")); ok->click(); break;  // stays open
                case 1: type(guess, QStringLiteral("0")); ok->click(); break;    // asks again
                default: dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
            }
        });
        driver.start();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("annualRateCalculate")),
                          Qt::LeftButton);
        driver.stop();
        QCOMPARE(seenGuesses, (QStringList{QStringLiteral("10"), QStringLiteral("abc"),
                                           QStringLiteral("0")}));
        QCOMPARE(box.guess(), 0.0);
        QCOMPARE(prompter.shown.size(), 1u);
        QCOMPARE(QString::fromStdString(prompter.shown[0].text), QLatin1String(kPleaseEnterNumber));
        QCOMPARE(field(window, "annualRate")->text(), QStringLiteral("0"));
    }

    void closeHidesAndHelpOpensTheKeyword() {
        QtAprCalculationHost host(help);
        FinanceBox box(prompter, host);
        FinanceBoxWindow window(box, help);
        window.ShowWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(box.visible());
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("help")), Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(help.requests, (std::vector<std::string>(2, FinanceBox::kHelpKeyword)));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(!box.visible());
    }

    // The two lists are heard by their labels, their choice as the value
    // (a plain combo box reports the choice as its name).
    void listsAreNamedByTheirLabels() {
        QtAprCalculationHost host(help);
        FinanceBox box(prompter, host);
        FinanceBoxWindow window(box, help);
        window.ShowWindow();
        const struct {
            const char* name;
            QString label;
        } lists[] = {{"frequency", QStringLiteral("Payment frequency:")},
                     {"timing", QStringLiteral("Payment made at")}};
        for (const auto& list : lists) {
            auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(list.name));
            QAccessibleInterface* said = QAccessible::queryAccessibleInterface(combo);
            QCOMPARE(said->text(QAccessible::Name), list.label);
            QCOMPARE(said->text(QAccessible::Value), combo->currentText());
        }
    }
};

QTEST_MAIN(FinanceBoxWindowTest)
#include "FinanceBoxWindowTest.moc"
