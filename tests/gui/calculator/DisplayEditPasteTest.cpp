// Pasting into the worksheet display: at most the paste limit in one go,
// cut at a line break, with the cut reported for the help line.
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "calculator/PasteLimit.h"
#include "gui/calculator/DisplayEdit.h"

using namespace quorvix;

class DisplayEditPasteTest : public QObject {
    Q_OBJECT
private slots:
    void pasteIsHeldToTheLimit_data() {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<int>("pasted");
        QTest::addColumn<bool>("cut");
        const QString line = QString(999, QLatin1Char('7')) + QLatin1Char('\n');
        QTest::newRow("small paste whole") << QStringLiteral("1+2\n3") << 5 << false;
        QTest::newRow("lines: up to the last break") << line.repeated(100) << 65 * 1000 << true;
        QTest::newRow("one long line: at the limit")
            << QString(5'000'000, QLatin1Char('9')) << int(kMaxPasteCharacters) << true;
    }
    void pasteIsHeldToTheLimit() {
        QFETCH(QString, clip);
        QFETCH(int, pasted);
        QFETCH(bool, cut);
        DisplayEdit display;
        QString message;
        connect(&display, &DisplayEdit::pasteCut, this, [&](const QString& m) { message = m; });
        QApplication::clipboard()->setText(clip);
        display.Paste();
        QCOMPARE(display.TextLength(), pasted);
        QCOMPARE(QString::fromStdString(display.Text()), clip.left(pasted));
        QCOMPARE(message.startsWith(QStringLiteral("Pasted the first")), cut);
    }
};

QTEST_MAIN(DisplayEditPasteTest)
#include "DisplayEditPasteTest.moc"
