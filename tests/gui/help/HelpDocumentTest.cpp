// The shipped help document against the program: every name and keyword
// the program can ask for has its anchor, and every worked example gives
// the answer the document prints.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include "calculator/CalculatorDialog.h"
#include "calculator/FunctionCatalogue.h"
#include "calculator/Keypad.h"
#include "calculator/TextDisplay.h"
#include "finance/AprCalculation.h"
#include "finance/FinanceBox.h"
#include "gui/common/QtText.h"
#include "platform/MemoryPrompter.h"
#include "shell/DisplayOptions.h"
#include "shell/HelpIndex.h"
#include "shell/UnitConverter.h"
#include "userdefs/UserConstantsEditor.h"
#include "userdefs/UserConversionsEditor.h"
#include "userdefs/UserFunctionsEditor.h"

using namespace quorvix;

namespace {

QString DocumentDir() { return QStringLiteral(QUORVIX_HELP_DIR); }

QStringList Pages() {
    return QDir(DocumentDir()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString ReadPage(const QString& page) {
    QFile file(QDir(DocumentDir()).filePath(page));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString PlainText(QString html) {
    html.replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    html.replace(QStringLiteral("&#x27;"), QStringLiteral("'"));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html;
}

// What the worksheet writes under a line typed on a fresh display.
std::string Answer(CalculatorDialog& calculator, TextDisplay& display, const std::string& line) {
    display.SetText(std::string());
    display.TypeText(line);
    if (calculator.EvaluateCurrentLine() == CalculatorDialog::LineOutcome::Failed)
        return calculator.helpText();
    display.ProcessQueuedInput();
    std::string written = display.Text();
    const std::size_t lineEnd = written.find('\n');
    written = lineEnd == std::string::npos ? std::string() : written.substr(lineEnd + 1);
    while (!written.empty() && written.back() == '\n') written.pop_back();
    return written;
}

}  // namespace

class HelpDocumentTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyRequestedKeywordHasItsAnchor() {
        HelpIndex index;
        for (const QString& page : Pages()) {
            const QByteArray html = ReadPage(page).toUtf8();
            index.AddPage(ToStdString(page), std::string_view(html.constData(),
                                                              static_cast<std::size_t>(html.size())));
        }
        QVERIFY(index.Find("contents").has_value());
        std::vector<std::string> keywords = {
            FinanceBox::kHelpKeyword, AprCalculation::kHelpKeyword, UnitConverter::kHelpKeyword,
            UserConstantsEditor::kHelpKeyword, UserConversionsEditor::kHelpKeyword,
            UserFunctionsEditor::kHelpKeyword, CustomKeysEditor::kHelpKeyword,
            DisplayOptions::kHelpKeyword,
            // Names the engine knows beyond the catalogue, which F1 may find at the caret.
            "LogN", "PPMT", "IPMT", "Convert", "Conv", "ConvertUnit", "ConvertBase", "Rnd",
            "ASin", "ACosh", "PI", "ANS", "t", "ShowVars", "ClearVars", "Clear", "Exit"};
        for (const FunctionInfo& row : FunctionCatalogue()) keywords.push_back(row.name);
        for (const std::string& keyword : keywords)
            QVERIFY2(index.Find(keyword).has_value(), keyword.c_str());
    }

    void everyExampleGivesItsAnswer() {
        static const QRegularExpression example(QStringLiteral(
            "<code class=\"expr\">(.*?)</code> gives <code class=\"answer\">(.*?)</code>"));
        int count = 0;
        for (const QString& page : Pages()) {
            // The examples of a page are typed into one worksheet, in order.
            TextDisplay display;
            MemoryPrompter prompter;
            CalculatorDialog calculator(display, prompter);
            auto it = example.globalMatch(ReadPage(page));
            while (it.hasNext()) {
                const QRegularExpressionMatch match = it.next();
                const std::string line = ToStdString(PlainText(match.captured(1)));
                const QString expected = PlainText(match.captured(2));
                const QString actual = ToQString(Answer(calculator, display, line));
                if (actual != expected)
                    QFAIL(qPrintable(QStringLiteral("%1: %2 gives %3, the document says %4")
                                         .arg(page, ToQString(line), actual, expected)));
                ++count;
            }
        }
        // One per catalogue function at least, so a broken pattern cannot pass.
        QVERIFY(count >= kFunctionCatalogueSize);
    }
};

QTEST_MAIN(HelpDocumentTest)
#include "HelpDocumentTest.moc"
