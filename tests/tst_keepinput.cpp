// Nothing the teacher types or records is lost, whichever way a window is
// left, and every window shows the class as it is: the whole program with its
// menus, driven through its controls.
#include "core/appstate.h"
#include "core/nationalholidays.h"
#include "core/subjects.h"
#include "core/veladaytime.h"
#include "storage/classfile.h"
#include "tests/support/programwindow.h"
#include "tests/support/testclass.h"
#include "tests/support/testfiles.h"
#include "ui/common/classwatch.h"
#include "ui/common/windowlist.h"
#include "ui/main/filecommands.h"
#include "ui/main/mainmenus.h"
#include "ui/main/recordingframe.h"
#include "ui/print/frmprint.h"
#include "ui/totals/frmdisptimetable.h"
#include "ui/wizard/frmwiz0.h"
#include "ui/wizard/frmwiz2.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/frmwiz4.h"
#include "ui/wizard/frmwiz5.h"
#include "ui/wizard/wizard.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

void chooseYear(frmWiz2& page, int year)
{
    const int index = page.cboWiz1Year()->findData(year);
    QVERIFY(index >= 0);
    page.cboWiz1Year()->setCurrentIndex(index);
    Q_EMIT page.cboWiz1Year()->activated(index);
}

// Deletes the pages that were closed (they go with the event loop).
void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Brings a window forward as a click on it does, and waits until it is active.
void activate(QWidget* window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestKeepInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void planEntrySurvivesGoingToTheMainWindow();
    void planEntryStoredByTheCloseBoxAndEscape();
    void refusedPlanEntryIsMarkedAndKept();
    void classPageStoredByTheCloseBox();
    void newYearTakesItsHolidaysAtOnce();
    void cancelledYearQuestionPutsTheYearBack();
    void discardedRecordsLeaveTheFileAlone();
    void correctionsOfTheWeekSurviveAPage();
    void openAsksBeforeReplacingAChangedClass();
    void questionOnlyWhenSomethingCanBeLost();
    void failedOpenKeepsTheClassAndItsFile();
    void openWindowsFollowTheClass();

private:
    template <class Page> Page* open(WizardPageId id)
    {
        m_program->window->wizard().goTo(nullptr, id);
        auto* page = qobject_cast<Page*>(m_program->window->wizard().page(id));
        if (page)
            activate(page);
        return page;
    }
    QAction* item(const QString& name) const { return m_program->window->findChild<QAction*>(name); }
    AppState& state() const { return m_program->state; }
    frmMain& window() const { return *m_program->window; }
    // The class saved to a file, as after 名前を付けて保存.
    QString saveClass(const QString& name);

    QTemporaryDir m_dir;
    std::unique_ptr<test::ProgramWindow> m_program;
};

void TestKeepInput::init()
{
    QVERIFY(m_dir.isValid());
    m_program = std::make_unique<test::ProgramWindow>(m_dir.filePath(u"settings.ini"_s));
    state().setToday(QDate(2026, 6, 1));
    test::setUpClass2026(state());
    window().show();
    activate(&window());
    window().Form_Activate();
}

void TestKeepInput::cleanup()
{
    m_program.reset();
}

QString TestKeepInput::saveClass(const QString& name)
{
    const QString file = m_dir.filePath(name);
    state().strFileName = file;
    if (!subSaveFile(state(), m_program->prompts))
        return {};
    window().classWatch().markUnchanged();
    window().followClass();
    return file;
}

// Type 12, click the main window and come back: the box still says 12.
void TestKeepInput::planEntrySurvivesGoingToTheMainWindow()
{
    auto* page = open<frmWiz4>(WizardPageId::Plan);
    QVERIFY(page);
    QLineEdit* box = page->txtWiz4YearBase(0);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, u"12"_s);

    activate(&window());
    QCOMPARE(state().objYearBase->kokugo(), 36);
    activate(page);
    QCOMPARE(box->text(), u"12.0"_s);
    QCOMPARE(state().objYearBase->kokugo(), 36);
}

void TestKeepInput::planEntryStoredByTheCloseBoxAndEscape()
{
    auto* page = open<frmWiz4>(WizardPageId::Plan);
    page->txtWiz4YearPlan(0)->setText(u"３２．１"_s); // as the input method commits it
    QVERIFY(page->close());
    QCOMPARE(state().objYearPlan->season(1)->kokugo(), 97);
    flushDeletions();

    page = open<frmWiz4>(WizardPageId::Plan);
    QCOMPARE(page->txtWiz4YearPlan(0)->text(), u"32.1"_s);
    page->txtWiz4YearPlan(3)->setText(u"5"_s);
    QTest::keyClick(page, Qt::Key_Escape);
    QVERIFY(page->isHidden());
    QCOMPARE(state().objYearPlan->season(1)->syakai(), 15);
}

void TestKeepInput::refusedPlanEntryIsMarkedAndKept()
{
    state().objYearBase->setValue(TotalField::kokugo, 30);
    auto* page = open<frmWiz4>(WizardPageId::Plan);
    QLineEdit* box = page->txtWiz4YearBase(0);
    box->setText(u"三十"_s);
    QVERIFY(page->storeEntries());
    QVERIFY(page->isRefused(box));
    QVERIFY(page->lblWiz4Refused()->isVisible());
    QVERIFY(box->toolTip().contains(u"32.1"_s));
    QCOMPARE(state().objYearBase->kokugo(), 30); // the stored value stays

    // Refilling (the class changed elsewhere) keeps the entry to be corrected.
    window().classWatch().notifyChanged();
    QCOMPARE(box->text(), u"三十"_s);

    box->setText(u"30"_s);
    QVERIFY(page->storeEntries());
    QVERIFY(!page->isRefused(box));
    QVERIFY(!page->lblWiz4Refused()->isVisible());
    QCOMPARE(state().objYearBase->kokugo(), 90);
}

void TestKeepInput::classPageStoredByTheCloseBox()
{
    auto* page = open<frmWiz2>(WizardPageId::Class);
    page->txtWiz1Teacher()->setText(u"佐藤"_s);
    page->cboWiz2Holiday(2)->setCurrentIndex(page->cboWiz2Holiday(2)->findText(u"22"_s));
    QVERIFY(page->close());
    QCOMPARE(state().strTeacher, u"佐藤"_s);
    QCOMPARE(state().dateWinterStart, QDate(2026, 12, 22));
    QVERIFY(window().statusPanel()->text().endsWith(u"担任：佐藤"_s));
    flushDeletions();

    // A character the file cannot hold is named as it is typed.
    page = open<frmWiz2>(WizardPageId::Class);
    QVERIFY(!page->lblWiz1Unsaveable()->isVisible());
    page->txtWiz1Teacher()->setText(u"𠮷田"_s);
    QVERIFY(page->lblWiz1Unsaveable()->isVisible());
    QVERIFY(page->lblWiz1Unsaveable()->text().contains(u"𠮷"_s));
}

// A new school year takes its equinox days and national holidays at once,
// not only when a navigation button is pressed.
void TestKeepInput::newYearTakesItsHolidaysAtOnce()
{
    auto* page = open<frmWiz2>(WizardPageId::Class);
    chooseYear(*page, 2027);
    QCOMPARE(state().intYear, 2027);
    const EquinoxDays days = equinoxDays(2027);
    QCOMPARE(state().dateAutumnEquinox, QDate(2027, 9, days.autumn));
    QCOMPARE(state().dateVernalEquinox, QDate(2028, 3, days.vernal));
    QCOMPARE(state().dateSummerStart.year(), 2027);
    QCOMPARE(page->cboWiz2Holiday(4)->currentText().toInt(), days.autumn);
    // The main window shows the new year already.
    QVERIFY(window().statusPanel()->text().startsWith(u"2027年"_s));
}

void TestKeepInput::cancelledYearQuestionPutsTheYearBack()
{
    test::registerDay(state(), QDate(2026, 6, 3));
    auto* page = open<frmWiz2>(WizardPageId::Class);
    m_program->prompts.answers.enqueue(Prompts::Answer::Cancel);
    chooseYear(*page, 2027);
    QCOMPARE(state().intYear, 2026);
    QCOMPARE(page->cboWiz1Year()->currentData().toInt(), 2026);
    QVERIFY(page->isVisible());
    // Leaving the page asks nothing more.
    QVERIFY(page->close());
    QCOMPARE(m_program->prompts.answers.size(), 0);
    QCOMPARE(state().intYear, 2026);
}

// The year question promises that the saved file keeps its records: the
// class without them is no longer saved over it.
void TestKeepInput::discardedRecordsLeaveTheFileAlone()
{
    test::registerDay(state(), QDate(2026, 6, 3));
    const QString file = saveClass(u"3年2組.vl2"_s);
    const QByteArray saved = test::fileBytes(file);
    auto* page = open<frmWiz2>(WizardPageId::Class);
    m_program->prompts.answers.enqueue(Prompts::Answer::Yes);
    chooseYear(*page, 2027);
    QVERIFY(!state().objDayHead->objNextDay());
    QVERIFY(state().strFileName.isEmpty());

    m_program->prompts.fileNames.enqueue(QString()); // the teacher cancels the name
    QVERIFY(!window().fileCommands()->mnuFileSave_Click());
    QCOMPARE(m_program->prompts.shown.last().kind, u"save"_s);
    QCOMPARE(m_program->prompts.lastProposed, u"令和9年度_3年2組.vl2"_s);
    QCOMPARE(test::fileBytes(file), saved);
    QVERIFY(window().isWindowModified());
}

// A period corrected on a day that is not registered keeps the correction
// when a page is opened and left, unless the page changed that day.
void TestKeepInput::correctionsOfTheWeekSurviveAPage()
{
    window().MonthView1_DateClick(QDate(2026, 6, 8)); // Monday
    RecordingFrame& frame = *window().fraSubject();
    const int pe = static_cast<int>(MainPaletteOrder.indexOf(u'体'));
    frame.cmdSubject_Click(pe);
    frame.cmdWeek_Click(1); // Monday, period 1: 国語 → 体育
    QCOMPARE(frame.subjectCode(1), u'体');

    auto* calendar = open<frmWiz3>(WizardPageId::Calendar);
    calendar->cmdWiz3Cancel()->click();
    QCOMPARE(frame.subjectCode(1), u'体');

    // Timetable A changes Monday: Monday shows what it proposes now.
    auto* timetable = open<frmWiz5>(WizardPageId::Timetable);
    timetable->cmdWiz5Subject(timetable->subGetSubject(u'音'))->click();
    timetable->cmdWiz5WeekPlan(2)->click(); // Monday, period 2
    timetable->cmdWiz5Cancel()->click();
    QCOMPARE(frame.subjectCode(2), u'音');
    QCOMPARE(frame.subjectCode(1), u'国');
}

void TestKeepInput::openAsksBeforeReplacingAChangedClass()
{
    const QString file = saveClass(u"3年2組.vl2"_s);
    test::registerDay(state(), QDate(2026, 6, 3));
    window().classWatch().notifyChanged();

    // キャンセル: no file dialog, nothing changes.
    m_program->prompts.answers.enqueue(Prompts::Answer::Cancel);
    item(u"mnuFileOpenKey"_s)->trigger(); // Ctrl+O while 上書き保存 is offered
    QCOMPARE(m_program->prompts.shown.size(), 1);
    QCOMPARE(m_program->prompts.shown.first().text, u"開く前にファイルを保存しますか。"_s);
    QVERIFY(state().objDayHead->objNextDay());

    // はい saves first, then the file is opened.
    m_program->prompts.answers.enqueue(Prompts::Answer::Yes);
    m_program->prompts.fileNames.enqueue(QString::fromUtf8(LUNAPLAN_FIXTURES_DIR "/two-days.vl2"));
    item(u"mnuFileOpenKey"_s)->trigger();
    QCOMPARE(state().intYear, 2003);
    AppState saved;
    saved.strFileName = file;
    subLoadFile(saved, m_program->prompts);
    QCOMPARE(heldRecordFor(*saved.objDayHead, QDate(2026, 6, 3)) != nullptr, true);
}

// The title names the file and marks a change; closing asks only when
// there is something to lose.
void TestKeepInput::questionOnlyWhenSomethingCanBeLost()
{
    const QString file = saveClass(u"3年2組.vl2"_s);
    QCOMPARE(window().windowTitle(), u"3年2組.vl2[*] - Lunaplan Ver1.0.0"_s);
    QVERIFY(!window().isWindowModified());

    window().MonthView1_DateClick(QDate(2026, 6, 8));
    window().fraSubject()->cmdReg_Click(0);
    QVERIFY(window().isWindowModified());
    item(u"mnuFileSave"_s)->trigger();
    QVERIFY(!window().isWindowModified());
    QCOMPARE(window().statusBar()->currentMessage(), u"「3年2組.vl2」に保存しました。"_s);

    // Registered and withdrawn again: the file holds the registration, so
    // the class differs from it and closing asks.
    window().fraSubject()->cmdReg_Click(0);
    QVERIFY(window().isWindowModified());
    m_program->prompts.answers.enqueue(Prompts::Answer::No);
    QVERIFY(window().fileCommands()->mnuFileClose_Click());
    QCOMPARE(m_program->prompts.shown.size(), 1);

    // Nothing changed since: closing and exiting ask nothing.
    QVERIFY(window().fileCommands()->mnuFileClose_Click());
    QCOMPARE(m_program->prompts.shown.size(), 1);
    QCOMPARE(window().windowTitle(), u"無題[*] - Lunaplan Ver1.0.0"_s);
    QVERIFY(QFile::exists(file));
}

void TestKeepInput::failedOpenKeepsTheClassAndItsFile()
{
    const QString file = saveClass(u"3年2組.vl2"_s);
    QFile damaged(m_dir.filePath(u"damaged.vl2"_s));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("Soraplan\r\n 2026\r\n three\r\n");
    damaged.close();

    // From the start page, as from the menu.
    auto* start = open<frmWiz0>(WizardPageId::Start);
    start->optWiz0NewOrOld(1)->setChecked(true);
    m_program->prompts.fileNames.enqueue(damaged.fileName());
    start->cmdWiz0Next()->click();
    QCOMPARE(state().strFileName, file);
    QCOMPARE(state().intYear, 2026);
    QVERIFY(window().menus()->mnuFileSave()->isVisible());

    // Save As with no class says so and reports no success.
    state().intYear = 0;
    QVERIFY(!window().fileCommands()->mnuFileSaveAs_Click());
    QCOMPARE(m_program->prompts.messages().last(), noDataToSaveMessage());
}

// The totals table left open beside the main window and the print dialog
// follow a registration and a close at once.
void TestKeepInput::openWindowsFollowTheClass()
{
    item(u"mnuViewShowTimeTable"_s)->trigger();
    item(u"mnuFilePrint"_s)->trigger();
    auto* totals = window().windowList().find<frmDispTimeTable>();
    auto* print = window().windowList().find<frmPrint>();
    QVERIFY(totals && print);
    activate(&window());
    const QString before = totals->gridTimeTable()->item(1, 2)->text();

    window().MonthView1_DateClick(QDate(2026, 6, 8));
    window().fraSubject()->cmdReg_Click(0);
    QVERIFY(totals->gridTimeTable()->item(1, 2)->text() != before);

    m_program->prompts.answers.enqueue(Prompts::Answer::No);
    window().fileCommands()->mnuFileClose_Click();
    QCOMPARE(totals->gridTimeTable()->item(1, 2)->text(), u"0.0"_s);
    QVERIFY(print->optPrint(0)->isEnabled()); // the year and class stay after Close
    state().intYear = 0;
    window().classWatch().notifyChanged();
    QVERIFY(!print->optPrint(0)->isEnabled());
}

QTEST_MAIN(TestKeepInput)
#include "tst_keepinput.moc"
