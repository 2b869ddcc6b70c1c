// The keypad panel's wiring: clicks reach the logic by id, Inv and Hyp
// follow the logic both ways, captions, names and colours come from it.

#include <QAbstractButton>
#include <QLabel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "calculator/KeypadTestHost.h"
#include "calculator/Settings.h"
#include "gui/AccessibilityEvents.h"
#include "gui/GuiTestSupport.h"
#include "gui/common/QtColorRef.h"
#include "gui/common/QtText.h"
#include "gui/keypad/KeyButton.h"
#include "gui/keypad/KeypadPanel.h"

using namespace quorvix;

class KeypadPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        host_ = std::make_unique<KeypadTestHost>();
        keypad_ = std::make_unique<Keypad>();
        panel_ = std::make_unique<KeypadPanel>(*keypad_, *host_);
        panel_->show();
    }
    void cleanup() { panel_.reset(); }

    void clickTypesThroughTheLogic_data() {
        QTest::addColumn<int>("keyId");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caretFromEnd");
        QTest::newRow("digit") << kDigitZeroKeyId + 7 << QStringLiteral("7") << 0;
        QTest::newRow("operator") << kFirstOperatorKeyId + 4 << QStringLiteral("^") << 0;
        QTest::newRow("decimal separator") << kDecimalSeparatorKeyId << QStringLiteral(".") << 0;
        QTest::newRow("ANS") << kAnsKeyId << QStringLiteral("ANS") << 0;
        QTest::newRow("function key") << kFirstLayoutKeyId + 7 << QStringLiteral("sqrt()") << 1;
        QTest::newRow("pi") << kFirstLayoutKeyId + 12 << QStringLiteral("pi") << 0;
    }
    void clickTypesThroughTheLogic() {
        QFETCH(int, keyId);
        QFETCH(QString, typed);
        QFETCH(int, caretFromEnd);
        QSignalSpy pressed(panel_.get(), &KeypadPanel::keyPressed);
        QTest::mouseClick(panel_->key(keyId), Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), keyId);
        QCOMPARE(ToQString(host_->Typed()), typed);
        QCOMPARE(host_->display.CaretPosition(), static_cast<int>(typed.size()) - caretFromEnd);
    }

    // The default captions on the light key face: only the yellow one is
    // too faint and gets a dark outline; a faint dark caption a light one.
    void faintCaptionsGetAContrastingOutline_data() {
        QTest::addColumn<QColor>("caption");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("outline");
        const QColor light(0xef, 0xef, 0xef);
        QTest::newRow("yellow operators") << QColor(Qt::yellow) << light << QColor(Qt::black);
        QTest::newRow("red digits") << QColor(Qt::red) << light << QColor();
        QTest::newRow("blue functions") << QColor(Qt::blue) << light << QColor();
        QTest::newRow("dark on dark") << QColor(0x20, 0x20, 0x40) << QColor(0x30, 0x30, 0x30)
                                      << QColor(Qt::white);
    }
    void faintCaptionsGetAContrastingOutline() {
        QFETCH(QColor, caption);
        QFETCH(QColor, face);
        QFETCH(QColor, outline);
        QCOMPARE(CaptionOutlineColor(caption, face), outline);
    }

    void displayOperationKeysReachTheHost() {
        QTest::mouseClick(panel_->key(kExeKeyId), Qt::LeftButton);
        QTest::mouseClick(panel_->key(kClearKeyId), Qt::LeftButton);
        QTest::mouseClick(panel_->key(kFuncKeyId), Qt::LeftButton);
        QCOMPARE(host_->evaluations, 1);
        QCOMPARE(host_->clearEntries, 1);
        QCOMPARE(host_->menusOpened.size(), std::size_t{1});
        QVERIFY(host_->menusOpened[0] == CatalogueMenuKind::Functions);
    }

    void keyClickedDuringAnEvaluationIsIgnored() {
        // The window processes events while a long line runs.
        struct BusyHost : KeypadTestHost {
            KeypadPanel* panel = nullptr;
            void EvaluateCurrentLine() override {
                ++evaluations;
                panel->key(kExeKeyId)->click();
                panel->key(kDigitZeroKeyId + 1)->click();
            }
        } busy;
        Keypad keypad;
        KeypadPanel panel(keypad, busy);
        busy.panel = &panel;
        panel.key(kExeKeyId)->click();
        QCOMPARE(busy.evaluations, 1);
        QCOMPARE(busy.Typed(), std::string());
        panel.key(kDigitZeroKeyId + 1)->click();
        QCOMPARE(busy.Typed(), std::string("1"));
    }

    void invAndHypFollowTheLogic() {
        auto* inv = panel_->findChild<QCheckBox*>(QStringLiteral("invCheckBox"));
        auto* hyp = panel_->findChild<QCheckBox*>(QStringLiteral("hypCheckBox"));
        QVERIFY(inv && hyp);
        KeyButton* sin = panel_->key(kFirstLayoutKeyId + 3);
        QCOMPARE(sin->accessibleName(), QStringLiteral("sine"));
        QTest::mouseClick(inv, Qt::LeftButton);
        QTest::mouseClick(hyp, Qt::LeftButton);
        QVERIFY(keypad_->inv() && keypad_->hyp());
        QCOMPARE(sin->accessibleName(), QStringLiteral("inverse hyperbolic sine"));
        // A non-trigonometric key keeps both; a trigonometric one clears them.
        QTest::mouseClick(panel_->key(kFirstLayoutKeyId + 12), Qt::LeftButton);
        QVERIFY(inv->isChecked() && hyp->isChecked());
        QTest::mouseClick(sin, Qt::LeftButton);
        QCOMPARE(ToQString(host_->Typed()), QStringLiteral("piarcsinh()"));
        QVERIFY(!inv->isChecked() && !hyp->isChecked());
        QCOMPARE(sin->accessibleName(), QStringLiteral("sine"));
    }

    // Assistive tools hear a name or description change only when one did
    // change: a digit changes none, Inv renames only the six trigonometric
    // keys, and the indicators are named once for the same texts.
    void accessibleTextsChangeOnlyWhenTheyChange() {
        QUORVIX_REQUIRE_ACCESSIBILITY();
        test::AccessibilityEvents events({QAccessible::NameChanged,
                                          QAccessible::DescriptionChanged});
        panel_->setIndicators(QStringLiteral("DEC"), QStringLiteral("RAD"));
        QVERIFY(events.Count(QAccessible::NameChanged) > 0);  // the handler does listen
        events.Clear();
        QTest::mouseClick(panel_->key(kDigitZeroKeyId + 7), Qt::LeftButton);
        panel_->setIndicators(QStringLiteral("DEC"), QStringLiteral("RAD"));
        QCOMPARE(events.Total(), 0);
        QTest::mouseClick(panel_->findChild<QCheckBox*>(QStringLiteral("invCheckBox")),
                          Qt::LeftButton);
        QCOMPARE(events.Count(QAccessible::NameChanged), 6);
        QCOMPARE(events.Count(QAccessible::DescriptionChanged), 0);
    }

    void indicatorsAreNamedInWords() {
        panel_->setIndicators(QStringLiteral("HEX"), QStringLiteral("RAD"));
        QCOMPARE(panel_->findChild<QLabel*>(QStringLiteral("baseIndicator"))->accessibleName(),
                 QStringLiteral("Number base: hexadecimal"));
        QCOMPARE(panel_->findChild<QLabel*>(QStringLiteral("angleIndicator"))->accessibleName(),
                 QStringLiteral("Angle unit: radians"));
    }

    void everyKeyIsRoutedNamedAndCaptioned() {
        QSet<QString> names;
        for (int id = kFirstKeyId; id <= kLastKeyId; ++id) {
            KeyButton* key = panel_->key(id);
            QVERIFY(key != nullptr);
            QCOMPARE(panel_->keyGroup()->id(key), id);
            QCOMPARE(key->text(), ToQString(keypad_->Caption(id)));
            QVERIFY2(!key->accessibleName().isEmpty(), qPrintable(key->text()));
            names.insert(key->accessibleName());
        }
        // Every key says what it does, each something of its own.
        QCOMPARE(names.size(), kKeyCount);
        QVERIFY(panel_->key(kExeKeyId)->isDefault());
        QVERIFY(panel_->key(kExeKeyId)->width() > panel_->key(kAnsKeyId)->width());
    }

    void captionsFollowLayoutAndBase() {
        keypad_->ApplyKeypadLayout(static_cast<int>(KeypadLayout::Finance), MathKeyCaptions());
        keypad_->SetExponentKeyForBase(16);
        panel_->refresh();
        QCOMPARE(panel_->key(kFirstLayoutKeyId + 3)->text(), QStringLiteral("pv"));
        QCOMPARE(panel_->key(kFirstLayoutKeyId + 3)->accessibleName(),
                 QStringLiteral("present value"));
        QCOMPARE(panel_->key(kExponentKeyId)->text(), QStringLiteral("#"));
    }

    void appearanceAndTooltipsComeFromTheSettings() {
        Settings settings;
        settings.numberColor = 0x00336699;
        settings.operatorSize = 20;
        panel_->applyAppearance(settings);
        QCOMPARE(panel_->key(kDigitZeroKeyId)->captionColor(), ToQColor(0x00336699));
        QCOMPARE(panel_->key(kExeKeyId)->captionColor(), ToQColor(settings.operatorColor));
        QVERIFY(panel_->key(kFirstOperatorKeyId)->font().pointSizeF() >
                panel_->key(kDigitZeroKeyId)->font().pointSizeF());
        // An absurd size from a hand-edited file keeps the keys on screen.
        settings.functionSize = 1000000000;
        panel_->applyAppearance(settings);
        QVERIFY(panel_->sizeHint().width() < 2000);
        QVERIFY(!panel_->key(kExeKeyId)->toolTip().isEmpty());
        panel_->setTooltipsShown(false);
        QVERIFY(panel_->key(kExeKeyId)->toolTip().isEmpty());
        QVERIFY(!panel_->key(kExeKeyId)->accessibleDescription().isEmpty());
    }

private:
    test::ModalGuard guard_;
    std::unique_ptr<KeypadTestHost> host_;
    std::unique_ptr<Keypad> keypad_;
    std::unique_ptr<KeypadPanel> panel_;
};

QTEST_MAIN(KeypadPanelTest)
#include "KeypadPanelTest.moc"
