// The help window and its document: opened at the contents without blocking
// the main window, one window, history buttons, links that lead somewhere,
// and the message when the document is missing.
#include "tests/support/scriptedprompts.h"
#include "ui/common/windowlist.h"
#include "ui/help/helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QQueue>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

const QString MainCaption = u"Lunaplan Ver1.0.0"_s;

// What one page of the document holds, as the help window reads it.
struct PageContents {
    QSet<QString> anchors;
    QList<QUrl> links;
    QList<QUrl> images;
    QList<QUrl> styleSheets;
};

QString resourcePath(const QUrl& url)
{
    return u':' + url.path();
}

PageContents readPage(const QUrl& page)
{
    PageContents contents;
    QTextBrowser browser;
    browser.setSource(page);
    const QTextDocument* document = browser.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                contents.anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                contents.links.append(page.resolved(QUrl(format.anchorHref())));
            if (format.isImageFormat())
                contents.images.append(page.resolved(QUrl(format.toImageFormat().name())));
        }
    }
    // Style sheets leave no trace in the document; read them from the page itself.
    QFile file(resourcePath(page));
    if (file.open(QIODevice::ReadOnly)) {
        static const QRegularExpression link(u"<link[^>]*href=\"([^\"]+)\""_s);
        for (const QRegularExpressionMatch& match : link.globalMatch(QString::fromUtf8(file.readAll())))
            contents.styleSheets.append(page.resolved(QUrl(match.captured(1))));
    }
    return contents;
}

QUrl withoutFragment(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment);
}

// The point of the first link to `href` on the browser's viewport.
QPoint linkPosition(QTextBrowser* browser, const QString& href)
{
    const QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + 1);
            return browser->cursorRect(cursor).center();
        }
    }
    return {};
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensAtContentsWithoutBlocking();
    void oneWindowBackAtItsContents();
    void linksAndHistoryButtons();
    void missingDocument_data();
    void missingDocument();
    void everyLinkOfTheDocumentResolves();
    void noLineBreakInsideJapaneseText();

private:
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    std::unique_ptr<WindowList> m_windows;
};

void TestHelp::init()
{
    m_main = std::make_unique<QWidget>();
    m_main->setWindowTitle(MainCaption);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    m_windows = std::make_unique<WindowList>();
}

void TestHelp::cleanup()
{
    m_windows.reset();
    m_prompts.reset();
    m_main.reset();
}

void TestHelp::opensAtContentsWithoutBlocking()
{
    HelpWindow* help = mnuHelpContents_Click(*m_main, *m_prompts, *m_windows);
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QVERIFY(m_prompts->shown.isEmpty());

    QCOMPARE(help->windowTitle(), u"Lunaplan ﾍﾙﾌﾟ"_s);
    QCOMPARE(help->txtHelp()->source(), helpContentsUrl());
    QCOMPARE(help->txtHelp()->documentTitle(), u"Lunaplan ﾍﾙﾌﾟ 目次"_s);
    QVERIFY(help->txtHelp()->toPlainText().contains(u"目次"_s));
    QVERIFY(help->isWindow());

    // Modeless: nothing blocks input, and the main window can be worked in.
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QVERIFY(help->isVisible());
}

void TestHelp::oneWindowBackAtItsContents()
{
    HelpWindow* first = mnuHelpContents_Click(*m_main, *m_prompts, *m_windows);
    QVERIFY(first);
    first->txtHelp()->setSource(QUrl(u"qrc:/help/print.html#pdf"_s));

    // Asked again: the same window, back at its contents.
    HelpWindow* again = mnuHelpContents_Click(*m_main, *m_prompts, *m_windows);
    QCOMPARE(again, first);
    QCOMPARE(again->txtHelp()->source(), helpContentsUrl());
    QCOMPARE(m_windows->windows().size(), 1);

    // Closed, it is gone; the next command makes a new one.
    QPointer<HelpWindow> closed(first);
    first->close();
    QTRY_VERIFY(closed.isNull());
    QCOMPARE(m_windows->find<HelpWindow>(), nullptr);
    QVERIFY(mnuHelpContents_Click(*m_main, *m_prompts, *m_windows));
}

void TestHelp::linksAndHistoryButtons()
{
    HelpWindow* help = mnuHelpContents_Click(*m_main, *m_prompts, *m_windows);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTextBrowser* browser = help->txtHelp();
    auto* back = help->findChild<QPushButton*>(u"cmdHelpBack"_s);
    auto* forward = help->findChild<QPushButton*>(u"cmdHelpForward"_s);
    auto* contents = help->findChild<QPushButton*>(u"cmdHelpContents"_s);
    QVERIFY(back && forward && contents);
    QCOMPARE(back->text(), u"戻る"_s);
    QCOMPARE(forward->text(), u"進む"_s);
    QCOMPARE(contents->text(), u"目次"_s);
    QVERIFY(!back->isEnabled());
    QVERIFY(!forward->isEnabled());

    // A click on a link of the contents opens that page.
    const QPoint link = linkPosition(browser, u"setup.html#plan"_s);
    QVERIFY(!link.isNull());
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
    QTRY_COMPARE(browser->source(), QUrl(u"qrc:/help/setup.html#plan"_s));
    QVERIFY(browser->toPlainText().contains(u"年間授業計画の画面"_s));
    QVERIFY(back->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(browser->source(), helpContentsUrl());
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(browser->source(), QUrl(u"qrc:/help/setup.html#plan"_s));

    QTest::mouseClick(contents, Qt::LeftButton);
    QCOMPARE(browser->source(), helpContentsUrl());
    QVERIFY(back->isEnabled());
}

void TestHelp::missingDocument_data()
{
    QTest::addColumn<QUrl>("contents");
    QTest::newRow("resource") << QUrl(u"qrc:/help/nothing.html"_s);
    QTest::newRow("file") << QUrl::fromLocalFile(QDir::temp().filePath(u"lunaplan-no-help/index.html"_s));
    QTest::newRow("web") << QUrl(u"https://example.invalid/index.html"_s);
}

void TestHelp::missingDocument()
{
    QFETCH(QUrl, contents);
    QCOMPARE(mnuHelpContents_Click(*m_main, *m_prompts, *m_windows, contents), nullptr);

    QCOMPARE(m_prompts->shown.size(), 1);
    const test::ScriptedPrompts::Shown& shown = m_prompts->shown.constFirst();
    QCOMPARE(shown.kind, u"message"_s);
    QCOMPARE(shown.text, u"ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"_s);
    QCOMPARE(shown.title, MainCaption);
    QCOMPARE(shown.icon, Prompts::Icon::Information);
    QVERIFY(m_windows->windows().isEmpty());
}

void TestHelp::everyLinkOfTheDocumentResolves()
{
    QSet<QUrl> reached;
    QQueue<QUrl> pending;
    pending.enqueue(helpContentsUrl());
    while (!pending.isEmpty()) {
        const QUrl page = pending.dequeue();
        if (reached.contains(page))
            continue;
        reached.insert(page);
        const PageContents contents = readPage(page);
        QVERIFY2(!contents.links.isEmpty(), qPrintable(page.toString()));

        for (const QUrl& link : contents.links) {
            const QString where = page.toString() + u" → "_s + link.toString();
            QCOMPARE(link.scheme(), u"qrc"_s);
            const QUrl target = withoutFragment(link);
            QVERIFY2(QFile::exists(resourcePath(target)), qPrintable(where));
            if (link.hasFragment())
                QVERIFY2(readPage(target).anchors.contains(link.fragment()), qPrintable(where));
            pending.enqueue(target);
        }
        for (const QUrl& image : contents.images) {
            QVERIFY2(!QImage(resourcePath(image)).isNull(), qPrintable(image.toString()));
        }
        QVERIFY2(!contents.styleSheets.isEmpty(), qPrintable(page.toString()));
        for (const QUrl& sheet : contents.styleSheets)
            QVERIFY2(QFile::exists(resourcePath(sheet)), qPrintable(sheet.toString()));
    }

    // Every page of the document can be reached from the contents.
    const QStringList pages = QDir(u":/help"_s).entryList({u"*.html"_s}, QDir::Files);
    QVERIFY(pages.size() > 1);
    for (const QString& name : pages)
        QVERIFY2(reached.contains(QUrl(u"qrc:/help/"_s + name)), qPrintable(name));
}

// A line break inside running text shows as a space, which splits Japanese
// words on screen ("週間時間割 の変更"); the pages keep such text on one line.
void TestHelp::noLineBreakInsideJapaneseText()
{
    static const QRegularExpression brokenText(u"[^\\x{0}-\\x{7f}]\\n[^\\x{0}-\\x{7f}]"_s);
    for (const QString& name : QDir(u":/help"_s).entryList({u"*.html"_s}, QDir::Files)) {
        QFile page(u":/help/"_s + name);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch match = brokenText.match(QString::fromUtf8(page.readAll()));
        QVERIFY2(!match.hasMatch(), qPrintable(name + u": "_s + match.captured()));
    }
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
