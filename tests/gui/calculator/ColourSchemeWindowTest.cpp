// The colour scheme chooser of the real options dialog over the real
// window: a scheme shows in the window while the dialog is open, the default
// colours bring the desktop's look back, and the choice is stored at exit.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/DesktopProgram.h"
#include "calculator/Settings.h"
#include "gui/calculator/CalculatorWindow.h"
#include "gui/calculator/DisplayEdit.h"
#include "gui/common/QtColorRef.h"
#include "gui/common/QtText.h"
#include "gui/keypad/KeyButton.h"
#include "gui/keypad/KeypadPanel.h"
#include "gui/tray/TrayIcon.h"
#include "platform/CommandIds.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/MemoryPrompter.h"
#include "platform/Shell.h"
#include "platform/qt/QtLocations.h"
#include "platform/qt/QtSettingsStore.h"
#include "shell/ColourSchemes.h"

using namespace quorvix;

class ColourSchemeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void schemesApplyAtOnceAndAreStored();

private:
    // What the window shows now: the display's background, a key's face
    // and the application's window colour.
    struct Look {
        QColor display, keyFace, window;
        bool operator==(const Look&) const = default;
    };
    Look lookNow() {
        QCoreApplication::processEvents();
        const KeyButton* key = app_->window().keypadPanel()->key(kExeKeyId);
        return {app_->display().palette().color(QPalette::Base),
                key->palette().color(QPalette::Button),
                QApplication::palette().color(QPalette::Window)};
    }
    void choose(QComboBox* box, int steps) {
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(box, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        QCoreApplication::processEvents();
    }

    MemoryPrompter prompter_;
    MemoryFileDialogs fileDialogs_;
    MemoryHelpViewer help_;
    MemoryShell shell_;
    std::unique_ptr<DesktopProgram> app_;
};

void ColourSchemeWindowTest::schemesApplyAtOnceAndAreStored() {
    QTemporaryDir dir;
    QtLocations locations(ToStdString(dir.path()));
    QtSettingsStore store(ToStdString(dir.path()));
    app_ = std::make_unique<DesktopProgram>(DesktopServices{
        prompter_, fileDialogs_, help_, shell_, store, locations, nullptr, {}, {}, kTrayWaitMs});
    app_->Start(false);
    const Look desktop = lookNow();
    const ColourScheme& dark = ColourSchemes()[kDarkSchemeIndex];
    const Look darkLook{ToQColor(dark.background), ToQColor(DarkPalette().button),
                        ToQColor(DarkPalette().window)};

    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("colorSchemeBox"));
        box->setFocus();
        QCOMPARE(box->currentIndex(), int(kDefaultSchemeIndex));

        choose(box, 2);
        QCOMPARE(box->currentText(), QStringLiteral("Dark"));
        QCOMPARE(lookNow(), darkLook);
        QCOMPARE(app_->settings().colorScheme, WindowColors::Dark);

        // The system colours: the desktop's palette, the display in its
        // text and base colours.
        choose(box, 1);
        const Look system = lookNow();
        QCOMPARE(system.window, desktop.window);
        QCOMPARE(system.keyFace, desktop.keyFace);
        QCOMPARE(system.display, QApplication::palette().color(QPalette::Base));
        QCOMPARE(app_->settings().colorScheme, WindowColors::System);
        // ... and follow it when the desktop's colours change.
        QPalette changed = QApplication::palette();
        changed.setColor(QPalette::Base, QColor(0, 40, 0));
        QApplication::setPalette(changed);
        QCOMPARE(lookNow().display, QColor(0, 40, 0));
        QApplication::setPalette(QPalette());

        choose(box, -3);
        QCOMPARE(lookNow(), desktop);
        QCOMPARE(app_->settings().backColor, Settings{}.backColor);

        // The highlighting switch is taken at once too.
        dialog->findChild<QCheckBox*>(QStringLiteral("highlightSyntaxBox"))->click();
        QVERIFY(!app_->settings().highlightSyntax);
        // The missing default face is named under the font buttons.
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("displayFontNote"))->isVisible(),
                 !QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")));

        choose(box, 2);
        QTest::keyClick(dialog, Qt::Key_Escape);
        checked = true;
    });
    QTimer::singleShot(10000, this, [] {
        if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) stuck->reject();
    });
    app_->window().RunCommand(kCmdDisplayOptions);
    QVERIFY(checked);
    // Escape keeps what was applied.
    QCOMPARE(lookNow(), darkLook);

    app_->RequestExit(DesktopProgram::ExitKind::Session);
    QVERIFY(app_->exited());
    QSettings written(dir.filePath(QStringLiteral("Quorvix.ini")), QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("Display/ColorScheme")).toInt(), 1);
    QCOMPARE(written.value(QStringLiteral("Display/HighlightSyntax")).toInt(), 0);
    QCOMPARE(written.value(QStringLiteral("Display/BackColor")).toUInt(), dark.background);
    app_.reset();
}

QTEST_MAIN(ColourSchemeWindowTest)
#include "ColourSchemeWindowTest.moc"
