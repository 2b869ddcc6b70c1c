// The display contract: the window's DisplayEdit and the in-memory
// TextDisplay, driven by the same edit sequences, agree on the text, the
// caret, the selection and whether Undo is available after every step.
// Named rows cover the undo cases by hand; a seeded run of random short
// sequences covers the rest.
#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <random>
#include <string>

#include "calculator/TextDisplay.h"
#include "gui/calculator/DisplayEdit.h"

using namespace quorvix;

namespace {

// One step: a letter and a number. t: type character number; k: press key
// number (DisplayKey); s: select from number/100 to number%100 (99: the end);
// d: delete the selection; x: cut; c: copy; p: paste; u: undo.
struct Step {
    char op;
    int arg;
};

void Apply(CalculatorDisplay& display, const Step& step) {
    switch (step.op) {
        case 't': display.TypeCharacter(static_cast<char>(step.arg)); break;
        case 'k': display.PressKey(static_cast<DisplayKey>(step.arg)); break;
        case 's': {
            const int start = step.arg / 100, end = step.arg % 100;
            display.SetSelection(start == 99 ? -1 : start, end == 99 ? -1 : end);
            break;
        }
        case 'd': display.DeleteSelection(); break;
        case 'x': display.Cut(); break;
        case 'c': display.Copy(); break;
        case 'p': display.Paste(); break;
        case 'u': display.Undo(); break;
        default: break;
    }
}

std::string StateOf(const CalculatorDisplay& d) {
    return "text=\"" + d.Text() + "\" caret=" + std::to_string(d.CaretPosition()) +
           " selection=" + std::to_string(d.SelectionStart()) + ".." +
           std::to_string(d.SelectionEnd()) + " undo=" + (d.CanUndo() ? "yes" : "no");
}

std::string Describe(const std::vector<Step>& steps) {
    std::string text;
    for (const Step& step : steps) text += std::string(1, step.op) + std::to_string(step.arg) + " ";
    return text;
}

// Runs steps on both displays from "ab\ncd"; empty when they agree after
// every step, else where they parted.
std::string Compare(const std::vector<Step>& steps) {
    DisplayEdit edit;
    TextDisplay memory;
    QApplication::clipboard()->clear();
    memory.SetClipboard(std::string());
    edit.SetText("ab\ncd");
    memory.SetText("ab\ncd");
    for (std::size_t i = 0; i < steps.size(); ++i) {
        Apply(edit, steps[i]);
        Apply(memory, steps[i]);
        const std::string a = StateOf(edit), b = StateOf(memory);
        if (a != b)
            return Describe(steps) + "\n  after step " + std::to_string(i + 1) +
                   ":\n  DisplayEdit: " + a + "\n  TextDisplay: " + b;
    }
    return std::string();
}

}  // namespace

class DisplayContractTest : public QObject {
    Q_OBJECT
private slots:
    void sequencesAgree_data();
    void sequencesAgree();
    void randomSequencesAgree();
};

void DisplayContractTest::sequencesAgree_data() {
    QTest::addColumn<QString>("steps");
    QTest::newRow("typing run, undo, redo") << QStringLiteral("s101 t120 t121 u0 u0");
    QTest::newRow("replace a selection, undo") << QStringLiteral("s304 t122 u0");
    QTest::newRow("backward selection kept by undo") << QStringLiteral("s401 d0 u0 u0");
    QTest::newRow("cut, paste, undo") << QStringLiteral("s3 x0 k1 p0 u0");
    QTest::newRow("typing after moving") << QStringLiteral("t49 k4 t50 u0");
    QTest::newRow("backspace and delete") << QStringLiteral("s202 k6 k7 u0 k2 k5 t10 u0");
    QTest::newRow("select to the end, paste twice") << QStringLiteral("s199 c0 p0 p0 u0");
}

void DisplayContractTest::sequencesAgree() {
    QFETCH(QString, steps);
    std::vector<Step> parsed;
    for (const QString& word : steps.split(QLatin1Char(' ')))
        parsed.push_back({word.at(0).toLatin1(), word.mid(1).toInt()});
    const std::string parted = Compare(parsed);
    QVERIFY2(parted.empty(), parted.c_str());
}

void DisplayContractTest::randomSequencesAgree() {
    std::mt19937 random(20);
    const char ops[] = {'t', 't', 't', 't', 'k', 'k', 's', 'd', 'x', 'c', 'p', 'u', 'u'};
    const char characters[] = {'a', '1', '\n', '+'};
    for (int sequence = 0; sequence < 1500; ++sequence) {
        std::vector<Step> steps;
        for (int i = 0; i < 12; ++i) {
            const char op = ops[random() % sizeof ops];
            int arg = 0;
            if (op == 't') arg = characters[random() % sizeof characters];
            else if (op == 'k') arg = static_cast<int>(random() % 8);
            else if (op == 's') arg = static_cast<int>(random() % 8) * 100 + static_cast<int>(random() % 8);
            steps.push_back({op, arg});
        }
        const std::string parted = Compare(steps);
        QVERIFY2(parted.empty(), parted.c_str());
    }
}

QTEST_MAIN(DisplayContractTest)
#include "DisplayContractTest.moc"
