// The help window and the About box: what lives in the views only.
#include <QAccessible>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "gui/GuiTestSupport.h"
#include "gui/common/TwoLineList.h"
#include "gui/help/AboutBox.h"
#include "gui/help/HelpLinksDialog.h"
#include "gui/help/HelpSearchPanel.h"
#include "gui/help/HelpWindow.h"
#include "gui/help/HyperlinkLabel.h"
#include "platform/MemoryPrompter.h"
#include "platform/Shell.h"

using namespace quorvix;

class HelpViewsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keywordOpensItsAnchorAndHistoryGoesBack() {
        HelpWindow window(QStringLiteral(QUORVIX_HELP_DIR));
        window.OpenContents();
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentLocation(), QStringLiteral("index.html"));
        window.OpenAtKeyword("gammaln");
        QCOMPARE(window.currentLocation(), QStringLiteral("special.html#gammaln"));
        window.OpenAtKeyword("Finance Box");
        QCOMPARE(window.currentLocation(), QStringLiteral("finance-box.html#finance-box"));

        auto* back = window.findChild<QToolButton*>(QStringLiteral("backButton"));
        auto* forward = window.findChild<QToolButton*>(QStringLiteral("forwardButton"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        back->click();
        QCOMPARE(window.currentLocation(), QStringLiteral("special.html#gammaln"));
        QVERIFY(forward->isEnabled());
    }

    // Headings keep the page's dark blue on a light page and turn light when
    // the palette turns dark (the dark scheme), so they stay readable.
    void headingsFollowADarkPalette() {
        HelpWindow window(QStringLiteral(QUORVIX_HELP_DIR));
        window.OpenAtKeyword("gammaln");
        const auto headingColour = [&window] {
            for (QTextBlock b = window.browser()->document()->begin(); b.isValid(); b = b.next())
                if (b.blockFormat().headingLevel() > 0) return b.charFormat().foreground().color();
            return QColor();
        };
        QCOMPARE(headingColour(), QColor(QStringLiteral("#1d3a6b")));
        QPalette dark = window.palette();
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
        dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
        window.setPalette(dark);
        QVERIFY2(headingColour().lightness() >= 128, qPrintable(headingColour().name()));
        QCOMPARE(window.currentLocation(), QStringLiteral("special.html#gammaln"));
    }

    void unknownKeywordBecomesTheSearch() {
        HelpWindow window(QStringLiteral(QUORVIX_HELP_DIR));
        window.OpenAtKeyword("Radius2");
        QCOMPARE(window.currentLocation(), QStringLiteral("index.html"));
        QVERIFY(window.searchPanel()->isVisible());
        QCOMPARE(window.searchPanel()->field()->text(), QStringLiteral("Radius2"));
    }

    // The search reads every page: a match on another page opens there with
    // the matched word selected in its section.
    void searchAcrossPagesOpensTheChosenSection() {
        HelpWindow window(QStringLiteral(QUORVIX_HELP_DIR));
        window.OpenSearch("");
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        HelpSearchPanel* panel = window.searchPanel();
        QTRY_VERIFY(panel->field()->hasFocus());
        QTest::keyClicks(panel->field(), QStringLiteral("KIND first"));
        QVERIFY(panel->hits().size() >= 2);
        QCOMPARE(panel->results()->rowCount(), static_cast<int>(panel->hits().size()));
        QCOMPARE(panel->hits()[0].Location(), std::string("special.html#besselj"));
        QTest::keyClick(panel->field(), Qt::Key_Down);
        const HelpSearchHit second = panel->hits()[1];
        QTest::keyClick(panel->field(), Qt::Key_Return);
        QCOMPARE(window.currentLocation().toStdString(), second.Location());
        // The word met first in the section is selected, just after its heading.
        const QTextCursor selected = window.browser()->textCursor();
        QCOMPARE(selected.selectedText().toLower(), QStringLiteral("first"));
        const int heading = window.browser()->toPlainText().lastIndexOf(
            QString::fromStdString(second.title) + QLatin1Char('\n'), selected.position());
        QVERIFY(heading >= 0 && selected.position() - heading < 100);

        window.OpenSearch("no-such-words-anywhere");
        QCOMPARE(panel->results()->rowCount(), 0);
    }

    // Ctrl+L lists every link of the page; Enter follows the chosen one.
    void linksOfThePageCanBeListedAndFollowed() {
        HelpWindow window(QStringLiteral(QUORVIX_HELP_DIR));
        window.OpenAtKeyword("Sin");
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QFile page(QStringLiteral(QUORVIX_HELP_DIR "/trigonometric.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const int links = QString::fromUtf8(page.readAll()).count(QStringLiteral("<a href"));
        QVERIFY(links > 5);

        QTest::keyClick(window.browser(), Qt::Key_L, Qt::ControlModifier);
        HelpLinksDialog* dialog = window.linksDialog();
        QVERIFY(dialog && dialog->isVisible());
        TwoLineList* list = dialog->list();
        QCOMPARE(list->rowCount(), links);
        QCOMPARE(list->accessibleName(), QStringLiteral("Links on this page"));
        const QModelIndex first = list->model()->index(0, 0);
        QCOMPARE(first.data(Qt::DisplayRole).toString(), QStringLiteral("Contents"));
        QCOMPARE(first.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Page: Quorvix Help"));
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(window.currentLocation(), QStringLiteral("index.html"));
    }

    void findFieldSearchesThePage() {
        HelpWindow window(QStringLiteral(QUORVIX_HELP_DIR));
        window.OpenAtKeyword("Sin");
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* find = window.findChild<QLineEdit*>(QStringLiteral("findField"));
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(find->hasFocus());
        QTest::keyClicks(find, QStringLiteral("cotangent"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(window.browser()->textCursor().selectedText(), QStringLiteral("cotangent"));
    }

    // Assistive tools see a frame with a named page, the caret moves with the
    // arrows, Ctrl+Tab leaves the page and Escape closes the window.
    void helpWindowIsReachableFromTheKeyboard() {
        HelpWindow window(QStringLiteral(QUORVIX_HELP_DIR));
        window.OpenAtKeyword("Sin");
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
        QTextBrowser* page = window.browser();
        QCOMPARE(page->accessibleName(),
                 QStringLiteral("Help page: %1").arg(page->documentTitle()));
        QVERIFY(!page->documentTitle().isEmpty());

        page->setFocus();
        QTRY_VERIFY(page->hasFocus());
        const int caret = page->textCursor().position();
        QTest::keyClick(page, Qt::Key_Down);
        QVERIFY(page->textCursor().position() > caret);
        QTest::keyClick(page, Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(page->textCursor().hasSelection());

        QTest::keyClick(page, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!page->hasFocus());
        QVERIFY(window.isAncestorOf(QApplication::focusWidget()));
        page->setFocus();
        QTest::keyClick(page, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(),
                 window.findChild<QLineEdit*>(QStringLiteral("findField")));

        page->setFocus();
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void missingDocumentStillOpens() {
        HelpWindow window(QStringLiteral("/nonexistent"));
        window.OpenAtKeyword("Sin");
        QVERIFY(window.isVisible());
        QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("not found")));
    }

    void linkTurnsVisitedAndReportsARefusal() {
        MemoryShell shell;
        shell.succeed = false;
        MemoryPrompter prompter;
        AboutDialog box(shell, prompter);
        auto* web = box.findChild<HyperlinkLabel*>(QStringLiteral("webLink"));
        QVERIFY(web != nullptr);
        QVERIFY(box.findChild<HyperlinkLabel*>(QStringLiteral("mailLink")) != nullptr);
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(web->font().underline());
        QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 238));

        QTest::mouseClick(web, Qt::LeftButton);
        QCOMPARE(shell.opened.size(), std::size_t{1});
        QCOMPARE(prompter.shown.size(), std::size_t{1});
        QCOMPARE(web->palette().color(QPalette::WindowText), QColor(85, 26, 139));

        // A box opened again starts with unvisited links.
        AboutDialog again(shell, prompter);
        QCOMPARE(again.findChild<HyperlinkLabel*>(QStringLiteral("webLink"))
                     ->palette().color(QPalette::WindowText),
                 QColor(0, 0, 238));
    }

    void aboutBoxIsModalAndClosesWithEscape() {
        MemoryShell shell;
        MemoryPrompter prompter;
        test::ModalGuard guard;
        ShowAboutBox(nullptr, shell, prompter);
        QCOMPARE(guard.closedTitles(), QStringList{QStringLiteral("About Quorvix")});
    }
};

QTEST_MAIN(HelpViewsTest)
#include "HelpViewsTest.moc"
