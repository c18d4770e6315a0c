// The main window's whole menu bar: every item in its place with its caption,
// and what each command beyond the file's own opens.
#include "core/appstate.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprintprompts.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/windowlist.h"
#include "ui/help/helpwindow.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/menucommands.h"
#include "ui/print/frmprint.h"
#include "ui/print/reportprinter.h"
#include "ui/totals/frmdisptimetable.h"
#include "ui/wizard/frmwiz5.h"
#include "ui/wizard/wizard.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::WizardPageId)

namespace {

// "name caption [shortcut]" of every item of a menu; "-" for a separator.
QStringList itemsOf(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            items << u"- "_s + action->objectName();
            continue;
        }
        QString item = action->objectName() + u' ' + action->text();
        if (!action->shortcut().isEmpty())
            item += u" ["_s + action->shortcut().toString() + u']';
        items << item;
    }
    return items;
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void menuBar();
    void newClosesThenOpensClassPage();
    void newStopsWhenNotClosed();
    void editItemsOpenTheirPage_data();
    void editItemsOpenTheirPage();
    void pageSetupPrintTotalsAndHelp();
    void leavingTimetableProposesItAtOnce();

private:
    QAction* item(const QString& name) const { return m_program->window->findChild<QAction*>(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<test::ProgramWindow> m_program;
};

void TestMenus::init()
{
    QVERIFY(m_dir.isValid());
    m_program = std::make_unique<test::ProgramWindow>(m_dir.filePath(u"settings.ini"_s));
    test::setUpClass2026(m_program->state);
    m_program->state.boolShowWizard = false;
    m_program->window->show();
    m_program->window->Form_Activate();
}

void TestMenus::cleanup()
{
    m_program.reset();
}

void TestMenus::menuBar()
{
    QStringList menus;
    for (const QAction* action : m_program->window->menuBar()->actions())
        menus << action->menu()->objectName() + u' ' + action->text();
    QCOMPARE(menus, (QStringList{u"mnuFile ﾌｧｲﾙ(&F)"_s, u"mnuEdit 設定(&E)"_s, u"mnuView 表示(&V)"_s,
                                 u"mnuHelp ﾍﾙﾌﾟ(&H)"_s}));
    QCOMPARE(
        itemsOf(m_program->window->findChild<QMenu*>(u"mnuFile"_s)),
        (QStringList{u"mnuFileNew 新規作成(&N) [Ctrl+N]"_s,
                     u"mnuFileNewFromPrevious 前年度のファイルから新規作成(&Y)..."_s,
                     u"mnuFileOpen 開く(&O)... [Ctrl+O]"_s, u"mnuFileClose 閉じる(&C)"_s, u"- mnuFileBar0"_s,
                     u"mnuFileSave 上書き保存(&S)"_s, u"mnuFileSaveAs 名前を付けて保存(&A)... [Ctrl+S]"_s,
                     u"- mnuFileBar1"_s, u"mnuFilePageSetup ﾍﾟｰｼﾞ設定(&U)..."_s,
                     u"mnuFilePrint 印刷(&P)..."_s, u"- mnuFileBar2"_s, u"mnuFileExit 終了(&X)"_s}));
    QCOMPARE(
        itemsOf(m_program->window->findChild<QMenu*>(u"mnuEdit"_s)),
        (QStringList{u"mnuEditModifyHoliday 学級と休日の変更"_s, u"mnuEditModifySpecial 特別な休日の変更"_s,
                     u"mnuEditModifyWeekA 週間時間割 A の変更"_s, u"mnuEditModifyWeekB 週間時間割 B の変更"_s,
                     u"mnuEditModifyYear 年間授業計画の変更"_s}));
    QCOMPARE(itemsOf(m_program->window->findChild<QMenu*>(u"mnuView"_s)),
             (QStringList{u"mnuViewShowTimeTable 集計表"_s, u"mnuViewShowOutlook 見通し"_s}));
    QCOMPARE(itemsOf(m_program->window->findChild<QMenu*>(u"mnuHelp"_s)),
             QStringList{u"mnuHelpContents ﾍﾙﾌﾟ"_s});
}

void TestMenus::newClosesThenOpensClassPage()
{
    m_program->state.objDayHead->appendDay(
        makeRecordedDay(QDate(2026, 6, 10), u"国算社理音体　　"_s, u"33333300"_s));
    m_program->prompts.answers.enqueue(Prompts::Answer::No);
    item(u"mnuFileNew"_s)->trigger();
    QCOMPARE(m_program->prompts.shown.size(), 1);
    QCOMPARE(m_program->prompts.shown.first().text, u"閉じる前にファイルを保存しますか。"_s);
    QVERIFY(!m_program->state.objDayHead->objNextDay()); // the class was closed
    QVERIFY(m_program->window->wizard().page(WizardPageId::Class));
    QCOMPARE(m_program->window->wizard().page(WizardPageId::Class)->metaObject()->className(),
             "lunaplan::frmWiz2");
}

void TestMenus::newStopsWhenNotClosed()
{
    m_program->state.objDayHead->appendDay(
        makeRecordedDay(QDate(2026, 6, 10), u"国算社理音体　　"_s, u"33333300"_s));
    m_program->prompts.answers.enqueue(Prompts::Answer::Cancel);
    item(u"mnuFileNew"_s)->trigger();
    QVERIFY(m_program->state.objDayHead->objNextDay());
    QVERIFY(!m_program->window->wizard().page(WizardPageId::Class));
    QCOMPARE(m_program->window->windowList().windows().size(), 0);
}

void TestMenus::editItemsOpenTheirPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<WizardPageId>("page");
    QTest::addColumn<bool>("editWeekA");
    QTest::newRow("class and holidays") << u"mnuEditModifyHoliday"_s << WizardPageId::Class << false;
    QTest::newRow("special holidays") << u"mnuEditModifySpecial"_s << WizardPageId::Calendar << false;
    QTest::newRow("timetable A") << u"mnuEditModifyWeekA"_s << WizardPageId::Timetable << true;
    QTest::newRow("timetable B") << u"mnuEditModifyWeekB"_s << WizardPageId::Timetable << false;
    QTest::newRow("annual plan") << u"mnuEditModifyYear"_s << WizardPageId::Plan << false;
}

void TestMenus::editItemsOpenTheirPage()
{
    QFETCH(QString, name);
    QFETCH(WizardPageId, page);
    QFETCH(bool, editWeekA);
    m_program->state.boolEditWeekA = !editWeekA; // the timetable items set the pass themselves
    item(name)->trigger();
    QWidget* shown = m_program->window->wizard().page(page);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(m_program->window->windowList().windows().size(),
             1); // nothing else opened, main window still usable
    QVERIFY(!shown->isModal());
    if (page == WizardPageId::Timetable)
        QCOMPARE(m_program->state.boolEditWeekA, editWeekA);
}

void TestMenus::pageSetupPrintTotalsAndHelp()
{
    item(u"mnuFilePageSetup"_s)->trigger();
    QCOMPARE(m_program->printPrompts.pageSetups, QStringList{u"ﾍﾟｰｼﾞ設定"_s});

    item(u"mnuFilePrint"_s)->trigger();
    auto* print = m_program->window->windowList().find<frmPrint>();
    QVERIFY(print && print->isVisible());
    item(u"mnuFilePrint"_s)->trigger();
    QCOMPARE(m_program->window->windowList().find<frmPrint>(), print); // one print dialog

    item(u"mnuViewShowTimeTable"_s)->trigger();
    auto* totals = m_program->window->windowList().find<frmDispTimeTable>();
    QVERIFY(totals && totals->isVisible());

    item(u"mnuHelpContents"_s)->trigger();
    auto* help = m_program->window->windowList().find<HelpWindow>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), u"Lunaplan ﾍﾙﾌﾟ"_s);
    QVERIFY(m_program->prompts.shown.isEmpty()); // no message on the way
}

void TestMenus::leavingTimetableProposesItAtOnce()
{
    // Monday 8 June 2026 is an unregistered school day, proposed from timetable A.
    m_program->window->MonthView1_DateClick(QDate(2026, 6, 8));
    auto* monday0 = m_program->window->findChild<QToolButton*>(u"cmdWeek_0"_s);
    QVERIFY(!monday0->text().isEmpty());
    QVERIFY(monday0->text() != u"体育"_s);

    item(u"mnuEditModifyWeekA"_s)->trigger();
    auto* page = qobject_cast<frmWiz5*>(m_program->window->wizard().page(WizardPageId::Timetable));
    QVERIFY(page);
    QToolButton* pe = nullptr;
    for (auto* button : page->findChildren<QToolButton*>()) {
        if (button->objectName().startsWith(u"cmdWiz5Subject"_s) && button->text() == u"体育"_s)
            pe = button;
    }
    QVERIFY(pe);
    QTest::mouseClick(pe, Qt::LeftButton);
    QTest::mouseClick(page->findChild<QToolButton*>(u"cmdWiz5WeekPlan_0"_s), Qt::LeftButton);
    QTest::mouseClick(page->findChild<QPushButton*>(u"cmdWiz5Cancel"_s), Qt::LeftButton);

    QVERIFY(!page->isVisible());
    QCOMPARE(monday0->text(), u"体育"_s); // without another date click
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
