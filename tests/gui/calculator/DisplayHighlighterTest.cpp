// The display's highlighter: formats only, never the text, the undo step or
// a change that assistive tools would hear; the part an error selected is
// marked until its line is edited; switched off, no formats remain.
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include "gui/calculator/DisplayEdit.h"
#include "gui/calculator/DisplayHighlighter.h"
#include "gui/common/QtColorRef.h"

using namespace quorvix;

namespace {

// The format over column of the line, or an empty one.
QTextCharFormat FormatAt(const DisplayEdit& display, int line, int column) {
    const QTextBlock block = display.document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (column >= range.start && column < range.start + range.length) return range.format;
    return QTextCharFormat();
}

int FormatCount(const DisplayEdit& display) {
    int count = 0;
    for (QTextBlock b = display.document()->begin(); b.isValid(); b = b.next())
        count += static_cast<int>(b.layout()->formats().size());
    return count;
}

HighlightColours Colours() {
    HighlightColours colours;
    colours.answer = 0xFF0000;
    colours.answerBold = true;
    colours.function = 0x8B008B;
    colours.variable = 0x6B4A00;
    colours.number = 0x000080;
    colours.operation = 0x404040;
    colours.errorBackground = 0xC0C0FF;
    return colours;
}

}  // namespace

class DisplayHighlighterTest : public QObject {
    Q_OBJECT
private slots:
    void formatsWithoutTouchingTextUndoOrContents() {
        DisplayEdit display;
        auto* highlighter = new DisplayHighlighter(display);
        display.SetText("sqrt(x) =\n1.5\n");
        display.TypeCharacter('y');  // one undo step
        const QString before = display.toPlainText();
        QSignalSpy changes(display.document(), &QTextDocument::contentsChange);

        HighlightNames names;
        names.variables = {"X"};
        highlighter->SetNames(names);
        highlighter->Show(true, Colours());
        QCoreApplication::processEvents();  // the first highlighting is queued
        const QTextCharFormat function = FormatAt(display, 0, 1);
        QCOMPARE(function.foreground().color(), ToQColor(Colours().function));
        QCOMPARE(FormatAt(display, 0, 5).foreground().color(), ToQColor(Colours().variable));
        const QTextCharFormat answer = FormatAt(display, 1, 0);
        QCOMPARE(answer.foreground().color(), ToQColor(Colours().answer));
        QCOMPARE(answer.fontWeight(), int(QFont::Bold));

        // New colours and names highlight again, still as formats only.
        HighlightColours plainAnswers = Colours();
        plainAnswers.answerBold = false;
        highlighter->Show(true, plainAnswers);
        QVERIFY(FormatAt(display, 1, 0).fontWeight() != int(QFont::Bold));
        highlighter->SetNames(HighlightNames{});
        QCOMPARE(FormatAt(display, 0, 5).foreground().style(), Qt::NoBrush);

        QCOMPARE(changes.count(), 0);
        QCOMPARE(display.toPlainText(), before);
        QVERIFY(display.CanUndo());
        display.Undo();
        QCOMPARE(display.toPlainText(), QStringLiteral("sqrt(x) =\n1.5\n"));
    }

    void errorMarkLastsUntilItsLineIsEditedAndOffClearsAll() {
        DisplayEdit display;
        auto* highlighter = new DisplayHighlighter(display);
        highlighter->Show(true, Colours());
        display.SetText("1+2\ncos(x))");
        QCoreApplication::processEvents();
        const QColor marked = ToQColor(Colours().errorBackground);

        display.SelectError(10, 11);  // the second ')'
        QCOMPARE(display.SelectionStart(), 10);
        QCOMPARE(display.SelectionEnd(), 11);
        QCOMPARE(FormatAt(display, 1, 6).background().color(), marked);
        QCOMPARE(FormatAt(display, 1, 6).foreground().color(), ToQColor(Colours().operation));
        QCOMPARE(FormatAt(display, 1, 5).background().style(), Qt::NoBrush);
        // Moving or editing another line keeps the mark; editing its line ends it.
        display.SetSelection(3, 3);
        display.TypeCharacter('0');
        QCOMPARE(FormatAt(display, 1, 6).background().color(), marked);
        display.SetSelection(5, 5);
        display.TypeCharacter(' ');
        QCOMPARE(FormatAt(display, 1, 7).background().style(), Qt::NoBrush);

        QVERIFY(FormatCount(display) > 0);
        highlighter->Show(false, Colours());
        QCOMPARE(FormatCount(display), 0);
        QVERIFY(!highlighter->shown());
    }
};

QTEST_MAIN(DisplayHighlighterTest)
#include "DisplayHighlighterTest.moc"
