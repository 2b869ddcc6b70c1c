// Wiring of the display options dialog, its colour buttons and the palette
// pop-up. The rules (size validation, palette geometry and placement) are
// tested in the shell tests; here only what the views add.

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "calculator/Settings.h"
#include "gui/GuiTestSupport.h"
#include "gui/common/QtColorRef.h"
#include "gui/options/ColorButton.h"
#include "gui/options/ColorPalettePopup.h"
#include "gui/options/DisplayOptionsDialog.h"
#include "platform/HelpViewer.h"
#include "platform/MemoryPrompter.h"
#include "shell/ColourSchemes.h"

using namespace quorvix;

namespace {

QPoint Centre(const PaletteRect& r) { return QPoint(r.x + r.width / 2, r.y + r.height / 2); }

// The dialog over the given settings with in-memory services, shown.
struct ShownDialog {
    explicit ShownDialog(const Settings& settings)
        : logic(TakeDisplayOptions(settings)), dialog(logic, prompter, help, 96) {
        dialog.show();
    }
    template <typename T>
    T* child(const char* name) {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }

    DisplayOptions logic;
    MemoryPrompter prompter;
    MemoryHelpViewer help;
    DisplayOptionsDialog dialog;
};

}  // namespace

class DisplayOptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void paletteOpensInsideTheScreen_data();
    void paletteOpensInsideTheScreen();
    void pickingACellSetsTheColour();
    void moreColorsAndAltMAskTheChooser();
    void closeIsTheDefaultAndReadsTheFields_data();
    void closeIsTheDefaultAndReadsTheFields();
    void escapeDiscardsPickedColoursButKeepsFonts();
    void absurdStoredSizesAndHelp();
    void schemeFillsTheColourFields();
    void keyGroupsAreNamedApart();

private:
    test::ModalGuard guard_;
};

void DisplayOptionsDialogTest::paletteOpensInsideTheScreen_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("middle") << QStringLiteral("middle");
    QTest::newRow("right edge") << QStringLiteral("right");
    QTest::newRow("bottom edge") << QStringLiteral("bottom");
}

void DisplayOptionsDialogTest::paletteOpensInsideTheScreen() {
    QFETCH(QString, where);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ColorButton button;
    button.setWindowFlag(Qt::FramelessWindowHint);
    button.resize(60, 24);
    QPoint at = screen.center();
    if (where == QLatin1String("right")) at.setX(screen.right() - 70);
    if (where == QLatin1String("bottom")) at.setY(screen.bottom() - 30);
    button.move(at);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    QTest::mouseClick(&button, Qt::LeftButton);
    ColorPalettePopup* popup = button.popup();
    QVERIFY(popup != nullptr);
    QVERIFY(popup->isVisible());
    const PaletteLayout& layout = popup->logic().layout();
    QCOMPARE(popup->size(), QSize(layout.width(), layout.height()));
    QCOMPARE(layout.width(), 151);  // scale 1 on the offscreen screen

    const QRect picker(button.mapToGlobal(QPoint(0, 0)), button.size());
    const QRect shown = popup->geometry();
    QVERIFY2(screen.contains(shown), qPrintable(where));
    if (where == QLatin1String("bottom")) {
        QCOMPARE(shown.bottom() + 1, picker.top());
    } else {
        QCOMPARE(shown.top(), picker.bottom() + 1);
    }
    if (where == QLatin1String("right")) QCOMPARE(shown.right(), screen.right());
    else QCOMPARE(shown.left(), picker.left());
    popup->close();
}

void DisplayOptionsDialogTest::pickingACellSetsTheColour() {
    ColorButton button;
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy changed(&button, &ColorButton::changed);
    QCOMPARE(button.color(), QColor(Qt::white));

    QTest::mouseClick(&button, Qt::LeftButton);
    QPointer<ColorPalettePopup> popup = button.popup();
    QVERIFY(popup);
    const PaletteRect cell = popup->logic().layout().CellRect(9);
    QTest::mouseMove(popup, Centre(cell));
    QTRY_COMPARE(popup->logic().hovered(), 9);
    const QColor expected = ToQColor(popup->logic().Colour(9));
    QTest::mouseClick(popup, Qt::LeftButton, {}, Centre(cell));
    QCOMPARE(button.color(), expected);
    QCOMPARE(changed.count(), 1);
    QTRY_VERIFY(popup.isNull());
}

void DisplayOptionsDialogTest::moreColorsAndAltMAskTheChooser() {
    ColorButton button;
    button.setColor(QColor(10, 20, 30));
    QList<QColor> asked;
    std::optional<QColor> answer = QColor(1, 2, 3);
    button.setColorChooser([&](const QColor& initial, QWidget*) {
        asked.append(initial);
        return answer;
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    // Alt+M from the pop-up.
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.popup() != nullptr);
    QTest::keyClick(button.popup(), Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(asked.size(), 1);
    QCOMPARE(asked[0], QColor(10, 20, 30));
    QCOMPARE(button.color(), QColor(1, 2, 3));

    // The "More Colors..." button, cancelled: nothing changes.
    answer.reset();
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.popup() != nullptr);
    const PaletteRect more = button.popup()->logic().layout().ButtonRect();
    QTest::mouseClick(button.popup(), Qt::LeftButton, {}, Centre(more));
    QTRY_COMPARE(asked.size(), 2);
    QCOMPARE(button.color(), QColor(1, 2, 3));
}

void DisplayOptionsDialogTest::closeIsTheDefaultAndReadsTheFields_data() {
    QTest::addColumn<QString>("numberSize");
    QTest::addColumn<bool>("byCloseBox");
    QTest::addColumn<int>("wantNumberSize");
    QTest::addColumn<int>("messages");
    QTest::newRow("valid, Close") << QStringLiteral("25") << false << 25 << 0;
    QTest::newRow("valid, close box") << QStringLiteral("25") << true << 25 << 0;
    QTest::newRow("text") << QStringLiteral("big") << false << 10 << 1;
    QTest::newRow("out of range") << QStringLiteral("41") << false << 10 << 1;
}

void DisplayOptionsDialogTest::closeIsTheDefaultAndReadsTheFields() {
    QFETCH(QString, numberSize);
    QFETCH(bool, byCloseBox);
    QFETCH(int, wantNumberSize);
    QFETCH(int, messages);
    ShownDialog shown{Settings{}};
    QVERIFY(QTest::qWaitForWindowExposed(&shown.dialog));

    auto* close = shown.child<QPushButton>("closeButton");
    QVERIFY(close != nullptr);
    QVERIFY(close->isDefault());
    shown.child<QLineEdit>("numberSizeEdit")->setText(numberSize);
    shown.child<ColorButton>("operatorColorButton")->setColor(QColor(0, 85, 0));
    if (byCloseBox) shown.dialog.close();
    else close->click();

    QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
    QVERIFY(!shown.dialog.isVisible());
    QCOMPARE(shown.logic.values().Key(KeyGroup::Number).size, wantNumberSize);
    QCOMPARE(shown.logic.values().Key(KeyGroup::Operator).colour, 0x5500u);  // picked, taken
    QCOMPARE(int(shown.prompter.shown.size()), messages);
    if (messages > 0) {
        QCOMPARE(QString::fromStdString(shown.prompter.shown[0].text),
                 QStringLiteral("Please enter an integer between 1 and 40."));
    }
}

void DisplayOptionsDialogTest::escapeDiscardsPickedColoursButKeepsFonts() {
    ShownDialog shown{Settings{}};
    const DisplayOptionsValues before = shown.logic.values();
    QFont chosen(QStringLiteral("Chosen Face"));
    chosen.setPointSize(20);
    shown.dialog.setFontChooser([&](const QFont&, QWidget*, const QString&) { return chosen; });
    QVERIFY(QTest::qWaitForWindowExposed(&shown.dialog));

    shown.child<ColorButton>("backgroundColorButton")->setColor(QColor(255, 0, 0));
    shown.child<ColorButton>("textColorButton")->setColor(QColor(0, 0, 255));
    shown.child<QLineEdit>("functionSizeEdit")->setText(QStringLiteral("30"));
    shown.child<QPushButton>("displayFontButton")->click();
    QTest::keyClick(&shown.dialog, Qt::Key_Escape);

    QCOMPARE(shown.dialog.result(), int(QDialog::Rejected));
    const DisplayOptionsValues& after = shown.logic.values();
    QCOMPARE(after.backColor, before.backColor);
    QCOMPARE(after.Key(KeyGroup::Function).size, before.Key(KeyGroup::Function).size);
    // Font choices, with the display's text colour, stay.
    QCOMPARE(QString::fromStdString(after.displayFont.faceName), QStringLiteral("Chosen Face"));
    QCOMPARE(after.displayFont.height, -27);  // 20 points at 96 dots per inch
    QCOMPARE(after.foreColor, 0xFF0000u);
    QVERIFY(shown.prompter.shown.empty());
}

void DisplayOptionsDialogTest::absurdStoredSizesAndHelp() {
    Settings settings;
    settings.numberSize = 100000;
    settings.functionSize = -7;
    settings.displayFont.height = -2147483647;
    ShownDialog shown(settings);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.dialog));
    QCOMPARE(shown.child<QLineEdit>("numberSizeEdit")->text(), QStringLiteral("40"));
    QCOMPARE(shown.child<QLineEdit>("functionSizeEdit")->text(), QStringLiteral("1"));
    // A huge stored font does not blow the dialog up.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QVERIFY(shown.dialog.width() < screen.width() && shown.dialog.height() < screen.height());

    QTest::keyClick(&shown.dialog, Qt::Key_F1);
    QCOMPARE(shown.help.requests, std::vector<std::string>{"Display"});
}

void DisplayOptionsDialogTest::schemeFillsTheColourFields() {
    ShownDialog shown{Settings{}};
    QVERIFY(QTest::qWaitForWindowExposed(&shown.dialog));
    auto* scheme = shown.child<QComboBox>("colorSchemeBox");
    QCOMPARE(scheme->currentText(), QStringLiteral("Default colors"));
    scheme->setFocus();
    QTest::keyClick(scheme, Qt::Key_Down);
    QCOMPARE(scheme->currentText(), QStringLiteral("High contrast"));
    const ColourScheme& chosen = ColourSchemes()[1];
    QCOMPARE(ToColorRef(shown.child<ColorButton>("functionColorButton")->color()),
             chosen.Key(KeyGroup::Function));

    // A colour of no scheme: the chooser says so.
    shown.child<ColorButton>("numberColorButton")->setColor(QColor(1, 2, 3));
    QCOMPARE(scheme->currentIndex(), -1);
    shown.child<ColorButton>("numberColorButton")->setColor(ToQColor(chosen.Key(KeyGroup::Number)));
    QCOMPARE(scheme->currentIndex(), 1);

    shown.child<QPushButton>("closeButton")->click();
    const DisplayOptionsValues& values = shown.logic.values();
    QCOMPARE(values.foreColor, chosen.text);
    QCOMPARE(values.backColor, chosen.background);
    for (KeyGroup group : {KeyGroup::Number, KeyGroup::Operator, KeyGroup::Function})
        QCOMPARE(values.Key(group).colour, chosen.Key(group));
}

void DisplayOptionsDialogTest::keyGroupsAreNamedApart() {
    ShownDialog shown{Settings{}};
    QStringList names;
    for (const char* group : {"numberKeysGroup", "operatorKeysGroup", "functionKeysGroup"})
        names << QAccessible::queryAccessibleInterface(shown.child<QGroupBox>(group))
                     ->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{QStringLiteral("Number Keys"), QStringLiteral("Operator Keys"),
                                 QStringLiteral("Function Keys")}));
}

QTEST_MAIN(DisplayOptionsDialogTest)
#include "DisplayOptionsDialogTest.moc"
