// The main window driven as a teacher drives it: pick a week on the
// calendar, choose subjects, change lengths, register and cancel days.
#include "core/appstate.h"
#include "core/schoolcalendar.h"
#include "core/subjects.h"
#include "core/veladaytime.h"
#include "core/weekview.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/classwatch.h"
#include "ui/common/clicklabel.h"
#include "ui/common/monthview.h"
#include "ui/common/subjectpalette.h"
#include "ui/common/twips.h"
#include "ui/common/windowlist.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/mainmenus.h"
#include "ui/main/recordingframe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// The subjects of a column's periods as codes ("・" for an empty period,
// "－" for a hidden one).
QString columnSubjects(const RecordingFrame& frame, int column)
{
    QString text;
    for (int p = 0; p < RecordingFrame::Periods; ++p) {
        const QToolButton* button = frame.cmdWeek(column * 8 + p);
        if (button->isHidden())
            text += u'－';
        else if (button->text().isEmpty())
            text += u'・';
        else
            text += frame.subjectCode(column * 8 + p);
    }
    return text;
}

QString columnLengths(const RecordingFrame& frame, int column)
{
    QString text;
    for (int p = 0; p < RecordingFrame::Periods; ++p)
        text += QString::number(frame.lengthCode(column * 8 + p));
    return text;
}

std::shared_ptr<VelaDayTime> recordOf(const AppState& state, QDate date)
{
    for (auto day = state.objDayHead->objNextDay(); day; day = day->objNextDay()) {
        if (day->dateThisDay() == date)
            return day;
    }
    return nullptr;
}

int recordCount(const AppState& state)
{
    int count = 0;
    for (auto day = state.objDayHead->objNextDay(); day; day = day->objNextDay())
        ++count;
    return count;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void arrangementAndCaptions();
    void statusLine();
    void storedPosition();
    void firstActivationShowsTodaysWeek();
    void laterActivationKeepsTheWeek();
    void saturdayAndSundayClicks();
    void firstWeekOfTheSchoolYear();
    void lastWeekOfTheSchoolYear();
    void holidayOnAWeekday();
    void noWeekLeavesNothingLive();
    void lengthListOnlyOnOpenDays();
    void lengthLabelsFromTheKeyboard();
    void reserveLessonKeepsItsCode();
    void focusStaysOnTheCalendar();
    void shownMonthLandsOnTop_data();
    void shownMonthLandsOnTop();
    void calendarMarksSchoolDays();
    void clickOnTheCalendar();
    void choosingSubjectsForPeriods();
    void choosingALength();
    void registerAndCancel();
    void registeringAgainReplacesTheRecord();
    void calendarMarksFollowTheRecords();
    void subjectTwiceAsksFirst();
    void saturdayLessonsOnRequest();
    void timetableBProposal();
    void closingMinimisedKeepsStoredGeometry();
    void closingClosesTheOtherWindowsNewestFirst();
    void subGetIconTable_data();
    void subGetIconTable();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<test::MainWindowUnderTest> m_window;

    RecordingFrame& frame() const { return *m_window->fraSubject(); }
    void showWeekOf(QDate date) { m_window->MonthView1_DateClick(date); }
};

void TestMainWindow::init()
{
    m_state = std::make_unique<AppState>();
    test::setUpClass2026(*m_state);
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    m_settings = std::make_unique<QSettings>(m_dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    m_settings->clear();
    m_window = std::make_unique<test::MainWindowUnderTest>(*m_state, *m_prompts, *m_settings);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->Form_Activate();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_settings.reset();
    m_prompts.reset();
    m_state.reset();
}

void TestMainWindow::arrangementAndCaptions()
{
    QCOMPARE(m_window->windowTitle(), u"無題[*] - Lunaplan Ver1.0.0"_s);
    const QStringList captions{u"総合"_s, u"国語"_s, u"社会"_s,   u"算数"_s,   u"理科"_s, u"生活"_s,
                               u"音楽"_s, u"図工"_s, u"家庭"_s,   u"体育"_s,   u"読解"_s, u"英語"_s,
                               u"道徳"_s, u"学活"_s, u"クラブ"_s, u"児童会"_s, u"行事"_s, u"打切り"_s};
    for (int i = 0; i < captions.size(); ++i) {
        const QToolButton* button = frame().fraPalette()->cmdSubject(i);
        QCOMPARE(button->text(), captions[i]);
        QCOMPARE(button->geometry(), twipsRect(i % 2 == 0 ? 120 : 840, 240 + 720 * (i / 2), 735, 735));
        QVERIFY(!button->icon().isNull());
    }
    QCOMPARE(frame().fraPalette()->title(), u"教科パレット"_s);
    QCOMPARE(frame().cmdWeek(8 + 3)->geometry(), twipsRect(2520 + 1440, 1200 + 720 * 3, 735, 735));
    QCOMPARE(frame().labWeekCredit(39)->geometry(), twipsRect(3240 + 1440 * 4, 1440 + 720 * 7, 705, 300));
    QCOMPARE(frame().Label2(2)->pos(), twipsPoint(2520 + 1440 * 2, 840));
    // Seven day columns, and the window still fits a 1024 × 768 screen.
    QCOMPARE(frame().cmdWeek(6 * 8)->geometry(), twipsRect(2520 + 1440 * 6, 1200, 735, 735));
    QVERIFY(m_window->frameGeometry().width() <= 1024);
    QVERIFY(m_window->frameGeometry().height() <= 768);
    QVERIFY(frame().geometry().right() < m_window->centralWidget()->width());
    QCOMPARE(frame().chkWeekend(0)->text(), u"土曜日に授業を記録"_s);
    QCOMPARE(frame().chkWeekend(1)->text(), u"日曜日に授業を記録"_s);
    QCOMPARE(frame().Option1(0)->text(), u"A 時間割を採用"_s);
    QCOMPARE(frame().Option1(1)->text(), u"B 時間割を採用"_s);
    QVERIFY(frame().Option1(0)->isChecked());
    const QStringList lengths{u"なし"_s, u"１５分"_s, u"３０分"_s, u"４５分"_s, u"６０分"_s};
    for (int i = 0; i < lengths.size(); ++i)
        QCOMPARE(frame().cboTime()->itemText(i), lengths[i]);
    QCOMPARE(frame().findChild<QLabel*>(u"Label7"_s)->text(),
             u"０　　　１　　　２　　　３　　　４　　　５　　　６　　　　７"_s);
    QVERIFY(frame().findChild<QLabel*>(u"lblMainComment"_s)->text().startsWith(u"実績の入力をします。"_s));
    // The register buttons stand under their day columns.
    for (int d = 0; d < RecordingFrame::Days; ++d)
        QCOMPARE(frame().cmdReg(d)->x(), frame().cmdWeek(d * 8)->x());
}

void TestMainWindow::statusLine()
{
    QCOMPARE(m_window->statusPanel()->text(), u"2026年　3年2組　　担任：山田花子"_s);
    AppState empty;
    test::ScriptedPrompts prompts;
    test::MainWindowUnderTest window(empty, prompts, *m_settings);
    window.Form_Activate();
    QCOMPARE(window.statusPanel()->text(), u"0年　0年組　　担任："_s);
}

void TestMainWindow::storedPosition()
{
    QCOMPARE(m_window->pos(), QPoint(twipsToPixels(1000), twipsToPixels(1000)));
    m_settings->setValue(u"Settings/MainLeft"_s, u"3000"_s);
    m_settings->setValue(u"Settings/MainTop"_s, u"1500"_s);
    // A window the teacher moved stays there when it is activated again.
    const QPoint moved(twipsToPixels(2000), twipsToPixels(2500));
    m_window->move(moved);
    m_window->Form_Activate();
    QCOMPARE(m_window->pos(), moved);
    // The stored place is taken when a window is loaded.
    test::MainWindowUnderTest another(*m_state, *m_prompts, *m_settings);
    QCOMPARE(another.pos(), QPoint(twipsToPixels(3000), twipsToPixels(1500)));
}

void TestMainWindow::firstActivationShowsTodaysWeek()
{
    const QDate today = todayInSchoolYear(QDate::currentDate(), 2026);
    QCOMPARE(m_state->dateSelected, today);
    QVERIFY(m_state->boolCalendarReady);
    QCOMPARE(m_state->dateWeekFirst, today);
    QCOMPARE(m_state->dateWeekLast, today);
    QCOMPARE(m_window->MonthView1()->minDate(), QDate(2026, 4, 1));
    QCOMPARE(m_window->MonthView1()->maxDate(), QDate(2027, 3, 31));
    QVERIFY(m_window->MonthView1()->firstVisibleMonth() <= today &&
            today <= m_window->MonthView1()->lastVisibleMonth().addMonths(1).addDays(-1));
    QCOMPARE(m_state->intCreditIndexMain, -1);
    QVERIFY(frame().cboTime()->isHidden());
    QVERIFY(m_window->menus()->mnuFileOpen()->isVisible());
    QVERIFY(!m_window->menus()->mnuFileSave()->isVisible());
}

void TestMainWindow::laterActivationKeepsTheWeek()
{
    showWeekOf(QDate(2026, 6, 10));
    frame().labWeekCredit_Click(3);
    QCOMPARE(m_state->intCreditIndexMain, 3);
    m_window->Form_Activate();
    QCOMPARE(m_state->dateSelected, QDate(2026, 6, 10));
    QCOMPARE(m_state->dateWeekFirst, QDate(2026, 6, 8));
    QCOMPARE(frame().Label2(0)->text(), u"6／8(月)"_s);
    QCOMPARE(m_state->intCreditIndexMain, -1);
    QVERIFY(frame().cboTime()->isHidden());

    // Reading a file (or changing the year) makes the next activation move again.
    m_state->boolCalendarReady = false;
    m_window->Form_Activate();
    QCOMPARE(m_state->dateSelected, todayInSchoolYear(QDate::currentDate(), 2026));
}

void TestMainWindow::saturdayAndSundayClicks()
{
    showWeekOf(QDate(2026, 6, 13)); // a Saturday: the week before
    QCOMPARE(m_state->dateWeekFirst, QDate(2026, 6, 8));
    QCOMPARE(m_state->dateWeekLast, QDate(2026, 6, 12));
    QCOMPARE(m_state->dateSelected, QDate(2026, 6, 13));
    QCOMPARE(frame().Label2(4)->text(), u"6／12(金)"_s);
    showWeekOf(QDate(2026, 6, 14)); // a Sunday: the week after
    QCOMPARE(m_state->dateWeekFirst, QDate(2026, 6, 15));
    QCOMPARE(frame().Label2(0)->text(), u"6／15(月)"_s);
    QCOMPARE(frame().dateShownDay(4), QDate(2026, 6, 19));
    QCOMPARE(columnSubjects(frame(), 0), u"学国算社理音－－"_s);
    QCOMPARE(columnLengths(frame(), 0), u"13333300"_s);
    QVERIFY(frame().cmdReg(0)->isVisible());
    QCOMPARE(frame().cmdReg(0)->text(), u"登録"_s);
}

void TestMainWindow::firstWeekOfTheSchoolYear()
{
    // Only 1 April off: Thursday 2 and Friday 3 April 2026 are school days.
    m_state->intSpringEndDay = m_state->intYearStartDay;
    showWeekOf(QDate(2026, 6, 8));
    showWeekOf(QDate(2026, 4, 4)); // Saturday; its Monday lies in March
    QCOMPARE(m_state->dateWeekFirst, QDate(2026, 4, 1));
    QCOMPARE(m_state->dateWeekLast, QDate(2026, 4, 3));
    // Monday and Tuesday lie in March: no heading of an earlier week, no day.
    for (int d = 0; d < 2; ++d) {
        QCOMPARE(frame().Label2(d)->text(), QString());
        QVERIFY(!frame().dateShownDay(d).isValid());
        QVERIFY(!frame().cmdReg(d)->isVisible());
    }
    QVERIFY(!frame().cmdWeek(8 + 1)->isVisible());
    QCOMPARE(frame().Label2(2)->text(), u"4／1(水)"_s);
    QVERIFY(!frame().cmdReg(2)->isVisible()); // 1 April is a holiday
    QCOMPARE(frame().Label2(3)->text(), u"4／2(木)"_s);
    QVERIFY(frame().cmdReg(3)->isVisible());
    QCOMPARE(columnSubjects(frame(), 3), u"学社国算道総－－"_s);
}

void TestMainWindow::lastWeekOfTheSchoolYear()
{
    showWeekOf(QDate(2026, 6, 8));
    showWeekOf(QDate(2027, 3, 29)); // the year ends on Wednesday 31 March
    QCOMPARE(m_state->dateWeekLast, QDate(2027, 3, 31));
    QCOMPARE(frame().Label2(2)->text(), u"3／31(水)"_s);
    QCOMPARE(frame().Label2(3)->text(), QString());
    QVERIFY(!frame().dateShownDay(4).isValid());
    for (int d = 0; d < 5; ++d)
        QVERIFY(!frame().cmdReg(d)->isVisible()); // the spring holiday
}

void TestMainWindow::holidayOnAWeekday()
{
    showWeekOf(QDate(2026, 10, 14)); // Monday 12 October is sports day
    QCOMPARE(frame().Label2(0)->text(), u"10／12(月)"_s);
    QVERIFY(!frame().cmdReg(0)->isVisible());
    for (int p = 0; p < 8; ++p) {
        QVERIFY(!frame().cmdWeek(p)->isVisible());
        QVERIFY(!frame().labWeekCredit(p)->isVisible());
    }
    QVERIFY(frame().cmdReg(1)->isVisible());
    QCOMPARE(frame().labWeekCredit(8)->text(), u"１５分"_s);
    QVERIFY(frame().labWeekCredit(8 + 7)->isVisible()); // a period of no length shows its label only
    QCOMPARE(frame().labWeekCredit(8 + 7)->text(), u"なし"_s);
    QVERIFY(!frame().cmdWeek(8 + 7)->isVisible());
}

void TestMainWindow::noWeekLeavesNothingLive()
{
    // Before any week is shown: no controls of the design, nothing to register.
    AppState fresh;
    test::setUpClass2026(fresh);
    test::MainWindowUnderTest window(fresh, *m_prompts, *m_settings);
    RecordingFrame& f = *window.fraSubject();
    for (int i = 0; i < RecordingFrame::Cells; ++i) {
        QVERIFY(!f.cmdWeek(i)->isVisibleTo(&window));
        QVERIFY(!f.labWeekCredit(i)->isVisibleTo(&window));
    }
    for (int d = 0; d < RecordingFrame::Days; ++d) {
        QVERIFY(!f.cmdReg(d)->isVisibleTo(&window));
        QCOMPARE(f.Label2(d)->text(), QString());
        f.cmdReg_Click(d);
    }
    QCOMPARE(recordCount(fresh), 0);

    // School year 2023 begins on a Saturday: 1 April has no week. Picking it
    // after a week was shown empties the grid instead of leaving that week live.
    m_state->intYear = 2023;
    subSetHoliday(*m_state, HolidayPeriodDays{});
    m_window->Form_Activate();
    showWeekOf(QDate(2023, 6, 7));
    QVERIFY(frame().cmdReg(2)->isVisible());
    showWeekOf(QDate(2023, 4, 1));
    for (int d = 0; d < RecordingFrame::Days; ++d) {
        QVERIFY(!frame().cmdReg(d)->isVisible());
        QVERIFY(!frame().cmdWeek(d * 8 + 1)->isVisible());
        QCOMPARE(frame().Label2(d)->text(), QString());
        frame().cmdReg_Click(d);
    }
    QCOMPARE(recordCount(*m_state), 0);
    QVERIFY(!m_window->MonthView1()->selectionFirst().isValid());
}

void TestMainWindow::lengthListOnlyOnOpenDays()
{
    showWeekOf(QDate(2026, 10, 14)); // Monday 12 October is a holiday
    RecordingFrame& f = frame();
    f.labWeekCredit_Click(2);
    QVERIFY(f.cboTime()->isHidden());

    // Open over Wednesday, then another week: the list goes with its week.
    f.labWeekCredit_Click(2 * 8 + 1);
    QVERIFY(f.cboTime()->isVisible());
    showWeekOf(QDate(2026, 10, 21));
    QVERIFY(f.cboTime()->isHidden());
    QCOMPARE(m_state->intCreditIndexMain, -1);

    // A registered day is locked: its lengths cannot be changed, not even by
    // a list left open over it.
    const QString length = f.labWeekCredit(2 * 8 + 1)->text();
    f.labWeekCredit_Click(2 * 8 + 1);
    f.cmdReg_Click(2);
    QVERIFY(f.cboTime()->isHidden());
    f.labWeekCredit_Click(2 * 8 + 1);
    QVERIFY(f.cboTime()->isHidden());
    m_state->intCreditIndexMain = 2 * 8 + 1;
    f.cboTime()->setCurrentIndex(0);
    f.cboTime_Click();
    QCOMPARE(f.labWeekCredit(2 * 8 + 1)->text(), length);
    QVERIFY(f.cmdWeek(2 * 8 + 1)->isVisible());
}

void TestMainWindow::lengthLabelsFromTheKeyboard()
{
    showWeekOf(QDate(2026, 6, 10));
    ClickLabel* label = frame().labWeekCredit(2 * 8 + 3);
    QCOMPARE(label->focusPolicy(), Qt::StrongFocus);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        frame().closeLengthChoice();
        label->setFocus();
        QTest::keyClick(label, key);
        QVERIFY(frame().cboTime()->isVisible());
        QCOMPARE(m_state->intCreditIndexMain, 2 * 8 + 3);
    }
}

void TestMainWindow::reserveLessonKeepsItsCode()
{
    // 予 has no palette button, yet a record may hold it.
    m_state->objDayHead->appendDay(makeRecordedDay(QDate(2026, 6, 10), u"国予算　　　　　"_s, u"33300000"_s));
    showWeekOf(QDate(2026, 6, 10));
    RecordingFrame& f = frame();
    const int period = 2 * 8 + 1;
    QCOMPARE(f.cmdWeek(period)->text(), u"予備"_s);
    QVERIFY(!f.cmdWeek(period)->icon().isNull());
    f.cmdReg_Click(2); // 取消
    f.cmdReg_Click(2); // 登録
    const auto record = heldRecordFor(*m_state->objDayHead, QDate(2026, 6, 10));
    QVERIFY(record);
    QCOMPARE(record->strSubject(), u"国予算　　　　　"_s);
    QCOMPARE(record->strCredit(), u"33300000"_s);
}

void TestMainWindow::focusStaysOnTheCalendar()
{
    m_window->activateWindow();
    m_window->MonthView1()->setFocus();
    showWeekOf(QDate(2026, 6, 10));
    QCOMPARE(m_window->focusWidget(), m_window->MonthView1());
}

void TestMainWindow::shownMonthLandsOnTop_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("firstMonth");
    // The calendar shows April to June before each pick.
    QTest::newRow("in view: nothing moves") << QDate(2026, 6, 10) << QDate(2026, 4, 1);
    QTest::newRow("later month: on top") << QDate(2026, 11, 18) << QDate(2026, 11, 1);
    QTest::newRow("February: the year's last three months") << QDate(2027, 2, 10) << QDate(2027, 1, 1);
    QTest::newRow("March") << QDate(2027, 3, 29) << QDate(2027, 1, 1);
}

void TestMainWindow::shownMonthLandsOnTop()
{
    QFETCH(QDate, date);
    QFETCH(QDate, firstMonth);
    MonthView* calendar = m_window->MonthView1();
    calendar->showMonthFirst(QDate(2026, 4, 1));
    QCOMPARE(calendar->firstVisibleMonth(), QDate(2026, 4, 1));
    showWeekOf(date);
    QCOMPARE(calendar->firstVisibleMonth(), firstMonth);

    // Start-up and reading a file place the calendar by the same rule,
    // wherever it stood before.
    calendar->showMonthFirst(QDate(2026, 4, 1));
    showWeekOf(QDate(2026, 6, 10));
    m_state->boolCalendarReady = false;
    m_window->Form_Activate();
    const QDate today = todayInSchoolYear(QDate::currentDate(), 2026);
    const QDate expected = std::min(QDate(today.year(), today.month(), 1), QDate(2027, 1, 1));
    QCOMPARE(calendar->firstVisibleMonth(), expected);
}

void TestMainWindow::calendarMarksSchoolDays()
{
    MonthView* calendar = m_window->MonthView1();
    calendar->setCurrentDate(QDate(2026, 9, 1));
    m_window->subDispHoliday();
    QVERIFY(calendar->isDayBold(QDate(2026, 9, 24)));
    QVERIFY(!calendar->isDayBold(QDate(2026, 9, 23))); // autumn equinox
    QVERIFY(!calendar->isDayBold(QDate(2026, 9, 26))); // Saturday
    QVERIFY(!calendar->isDayBold(QDate(2026, 8, 31))); // summer holiday, a leading day
    QVERIFY(calendar->isDayBold(QDate(2026, 11, 30))); // the last shown month

    // The greyed days of the neighbouring months are marked like every shown day.
    calendar->showMonthFirst(QDate(2026, 12, 1));
    m_window->subDispHoliday();
    QVERIFY(calendar->isDayBold(QDate(2026, 11, 30)));
    QVERIFY(calendar->isDayBold(QDate(2027, 3, 1)));
    QVERIFY(!calendar->isDayBold(QDate(2027, 3, 6))); // Saturday
}

void TestMainWindow::clickOnTheCalendar()
{
    MonthView* calendar = m_window->MonthView1();
    calendar->setCurrentDate(QDate(2026, 6, 1));
    QSignalSpy clicks(calendar, &MonthView::clicked);
    const QRect cell = calendar->dayRect(QDate(2026, 6, 24));
    QVERIFY(!cell.isEmpty());
    QTest::mouseClick(calendar, Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_state->dateSelected, QDate(2026, 6, 24));
    QCOMPARE(m_state->dateWeekFirst, QDate(2026, 6, 22));
    QCOMPARE(frame().Label2(0)->text(), u"6／22(月)"_s);
}

void TestMainWindow::choosingSubjectsForPeriods()
{
    showWeekOf(QDate(2026, 6, 10)); // Wednesday: 学国算音理体
    RecordingFrame& f = frame();
    const int wednesday = 2 * 8;

    QTest::mouseClick(f.fraPalette()->cmdSubject(1), Qt::LeftButton); // 国語
    QCOMPARE(f.chosenSubject(), u"国語"_s);
    QCOMPARE(f.cursor().shape(), Qt::BitmapCursor);

    f.cmdWeek(wednesday + 2)->click(); // 算数 becomes 国語
    QCOMPARE(f.cmdWeek(wednesday + 2)->text(), u"国語"_s);
    QVERIFY(!f.cmdWeek(wednesday + 2)->icon().isNull());
    f.cmdWeek(wednesday + 1)->click(); // 国語 again: emptied
    QCOMPARE(f.cmdWeek(wednesday + 1)->text(), QString());
    QVERIFY(f.cmdWeek(wednesday + 1)->icon().isNull());
    f.cmdWeek(wednesday + 1)->click(); // the subject stays chosen: filled again
    QCOMPARE(f.cmdWeek(wednesday + 1)->text(), u"国語"_s);

    // A click on the frame's background gives the normal pointer back.
    QTest::mouseClick(&f, Qt::LeftButton, {}, twipsRect(6000, 8100, 100, 100).center());
    QCOMPARE(f.chosenSubject(), QString());
    QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);

    // With no subject chosen a click empties a period.
    f.cmdWeek(wednesday + 5)->click();
    QCOMPARE(f.cmdWeek(wednesday + 5)->text(), QString());
    f.cmdWeek(wednesday + 5)->click();
    QCOMPARE(f.cmdWeek(wednesday + 5)->text(), QString());
    QCOMPARE(columnSubjects(f, 2), u"学国国音理・－－"_s);
}

void TestMainWindow::choosingALength()
{
    showWeekOf(QDate(2026, 6, 10));
    RecordingFrame& f = frame();
    const int wednesday = 2 * 8;

    QTest::mouseClick(f.labWeekCredit(wednesday + 5), Qt::LeftButton);
    QCOMPARE(m_state->intCreditIndexMain, wednesday + 5);
    QVERIFY(f.cboTime()->isVisible());
    QCOMPARE(f.cboTime()->pos(), f.labWeekCredit(wednesday + 5)->pos());
    QCOMPARE(f.cboTime()->currentText(), u"４５分"_s);
    f.cmdSubject_Click(3);
    f.cboTime()->setCurrentIndex(0); // なし
    f.cboTime_Click();
    QCOMPARE(f.labWeekCredit(wednesday + 5)->text(), u"なし"_s);
    QVERIFY(!f.cmdWeek(wednesday + 5)->isVisible());
    QCOMPARE(f.cmdWeek(wednesday + 5)->text(), QString());
    QCOMPARE(f.chosenSubject(), QString()); // a length choice clears the subject
    QVERIFY(f.cboTime()->isVisible());

    // An empty period of no length made 45 minutes shows an empty button.
    f.labWeekCredit_Click(wednesday + 6);
    f.cboTime()->setCurrentIndex(3);
    f.cboTime_Click();
    QVERIFY(f.cmdWeek(wednesday + 6)->isVisible());
    QCOMPARE(f.cmdWeek(wednesday + 6)->text(), QString());

    f.cmdReg_Click(2);
    QVERIFY(f.cboTime()->isHidden());
    const auto record = recordOf(*m_state, QDate(2026, 6, 10));
    QVERIFY(record);
    QCOMPARE(record->strSubject(), u"学国算音理　　　"_s);
    QCOMPARE(record->strCredit(), u"13333030"_s);
}

void TestMainWindow::registerAndCancel()
{
    showWeekOf(QDate(2026, 6, 11)); // Thursday: 学社国算道総
    RecordingFrame& f = frame();
    const int thursday = 3 * 8;
    // Six 45-minute lessons 国算社理音体 and two periods without a lesson.
    const QString subjects = u"国算社理音体"_s;
    f.labWeekCredit_Click(thursday);
    f.cboTime()->setCurrentIndex(3);
    f.cboTime_Click();
    f.labWeekCredit_Click(thursday + 6);
    f.cboTime()->setCurrentIndex(0);
    f.cboTime_Click();
    for (int p = 0; p < 6; ++p) {
        f.cmdSubject_Click(subGetIcon(subjects.mid(p, 1)));
        if (f.cmdWeek(thursday + p)->text() != f.chosenSubject())
            f.cmdWeek_Click(thursday + p);
    }
    QTest::mouseClick(f.cmdReg(3), Qt::LeftButton);

    const auto record = recordOf(*m_state, QDate(2026, 6, 11));
    QVERIFY(record);
    QCOMPARE(record->strSubject(), u"国算社理音体　　"_s);
    QCOMPARE(record->strCredit(), u"33333300"_s);
    QVERIFY(record->boolWorkDay());
    QVERIFY(!record->boolNowPlanning());
    QCOMPARE(record->intWeekName(), 4);
    QCOMPARE(record->intThisDay, QDate(2026, 6, 11).dayOfYear());
    QVERIFY(record->strComment().isEmpty());
    QCOMPARE(f.cmdReg(3)->text(), u"取消"_s);
    for (int p = 0; p < 8; ++p) {
        QVERIFY(!f.cmdWeek(thursday + p)->isEnabled());
        QVERIFY(!f.labWeekCredit(thursday + p)->isEnabled());
    }
    QVERIFY(f.cmdWeek(thursday - 8)->isEnabled()); // the other days stay open

    // Shown again, the registered day is locked with its record.
    showWeekOf(QDate(2026, 6, 8));
    QCOMPARE(f.cmdReg(3)->text(), u"取消"_s);
    QCOMPARE(columnSubjects(f, 3), u"国算社理音体－－"_s);
    QVERIFY(!f.cmdWeek(thursday)->isEnabled());

    // Cancelling unlocks the cells and keeps what they show.
    QTest::mouseClick(f.cmdReg(3), Qt::LeftButton);
    QCOMPARE(f.cmdReg(3)->text(), u"登録"_s);
    QVERIFY(f.cmdWeek(thursday)->isEnabled());
    QCOMPARE(columnSubjects(f, 3), u"国算社理音体－－"_s);
    QVERIFY(record->boolNowPlanning());
    QCOMPARE(recordCount(*m_state), 1);
    // The next time the week is shown, the timetable is proposed again.
    showWeekOf(QDate(2026, 6, 8));
    QCOMPARE(columnSubjects(f, 3), u"学社国算道総－－"_s);
    QCOMPARE(f.cmdReg(3)->text(), u"登録"_s);
}

void TestMainWindow::calendarMarksFollowTheRecords()
{
    m_state->setToday(QDate(2026, 6, 10));
    showWeekOf(QDate(2026, 6, 8));
    m_window->subDispHoliday();
    MonthView* calendar = m_window->MonthView1();
    QVERIFY(calendar->isDayForgotten(QDate(2026, 6, 8)));
    QVERIFY(calendar->isDayForgotten(QDate(2026, 6, 9)));
    QVERIFY(!calendar->isDayForgotten(QDate(2026, 6, 10))); // today
    QVERIFY(!calendar->isDayForgotten(QDate(2026, 6, 6)));  // Saturday
    QVERIFY(!calendar->isDayRegistered(QDate(2026, 6, 8)));

    // Registering and withdrawing move the mark at once.
    QTest::mouseClick(frame().cmdReg(0), Qt::LeftButton);
    QVERIFY(calendar->isDayRegistered(QDate(2026, 6, 8)));
    QVERIFY(!calendar->isDayForgotten(QDate(2026, 6, 8)));
    QTest::mouseClick(frame().cmdReg(0), Qt::LeftButton);
    QVERIFY(!calendar->isDayRegistered(QDate(2026, 6, 8)));
    QVERIFY(calendar->isDayForgotten(QDate(2026, 6, 8)));

    // A change from another window (a file read, a page of the wizard) as well.
    m_state->objDayHead->appendDay(makeRecordedDay(QDate(2026, 6, 9), u"国　　　　　　　"_s, u"30000000"_s));
    m_window->classWatch().notifyChanged(nullptr);
    QVERIFY(calendar->isDayRegistered(QDate(2026, 6, 9)));
    QVERIFY(!calendar->isDayForgotten(QDate(2026, 6, 9)));
    QVERIFY(m_prompts->shown.isEmpty()); // Monday holds no subject twice
}

void TestMainWindow::subjectTwiceAsksFirst()
{
    showWeekOf(QDate(2026, 6, 9)); // Tuesday: 算国体図図
    RecordingFrame& f = frame();
    m_prompts->answers.enqueue(Prompts::Answer::No);
    QTest::mouseClick(f.cmdReg(1), Qt::LeftButton);
    QCOMPARE(m_prompts->shown.size(), 1);
    QCOMPARE(m_prompts->shown[0].kind, u"yesno"_s);
    QCOMPARE(m_prompts->shown[0].text, u"6／9(火)は図工が2回以上あります。このまま登録しますか？"_s);
    QCOMPARE(m_prompts->shown[0].title, u"Lunaplan"_s);
    // いいえ registers nothing and leaves the day open for correction.
    QVERIFY(!recordOf(*m_state, QDate(2026, 6, 9)));
    QCOMPARE(f.cmdReg(1)->text(), u"登録"_s);
    QVERIFY(f.cmdWeek(8 + 3)->isEnabled());

    // はい registers the intended double period.
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    QTest::mouseClick(f.cmdReg(1), Qt::LeftButton);
    QCOMPARE(m_prompts->shown.size(), 2);
    QVERIFY(recordOf(*m_state, QDate(2026, 6, 9)));
    QCOMPARE(f.cmdReg(1)->text(), u"取消"_s);

    // Withdrawing asks nothing; with one 図工 emptied, registering asks nothing either.
    QTest::mouseClick(f.cmdReg(1), Qt::LeftButton);
    f.fraSubject_Click();
    int second = -1;
    for (int p = 7; p >= 0 && second < 0; --p)
        if (f.subjectCode(8 + p) == u'図')
            second = 8 + p;
    f.cmdWeek_Click(second);
    QTest::mouseClick(f.cmdReg(1), Qt::LeftButton);
    QCOMPARE(m_prompts->shown.size(), 2);
    QCOMPARE(f.cmdReg(1)->text(), u"取消"_s);
}

void TestMainWindow::saturdayLessonsOnRequest()
{
    RecordingFrame& f = frame();
    showWeekOf(QDate(2026, 6, 10));
    const int saturday = 5 * 8;
    // A Saturday off shows its heading only, and can be asked for.
    QCOMPARE(f.Label2(5)->text(), u"6／13(土)"_s);
    QCOMPARE(f.Label2(6)->text(), u"6／14(日)"_s);
    QVERIFY(!f.cmdReg(5)->isVisible());
    QVERIFY(!f.labWeekCredit(saturday)->isVisible());
    QVERIFY(f.chkWeekend(0)->isEnabled());
    QVERIFY(!f.chkWeekend(0)->isChecked());

    // Asked for: timetable A's Saturday day as it stands.
    QTest::mouseClick(f.chkWeekend(0), Qt::LeftButton);
    QVERIFY(f.chkWeekend(0)->isChecked());
    QVERIFY(f.cmdReg(5)->isVisible());
    QCOMPARE(columnLengths(f, 5), m_state->strWeekCreditA[5]);
    QCOMPARE(columnSubjects(f, 5), u"学国算－－－－－"_s);
    QVERIFY(!f.cmdReg(6)->isVisible()); // Sunday was not asked for
    // Monday keeps what the teacher changed while Saturday was asked for.
    f.cmdSubject_Click(subGetIcon(u"体"_s));
    f.cmdWeek_Click(1);
    QTest::mouseClick(f.chkWeekend(1), Qt::LeftButton);
    QCOMPARE(f.subjectCode(1), u'体');
    QVERIFY(f.cmdReg(6)->isVisible());

    // Registered as on a weekday: a record with its weekday number, counted like any other.
    f.cmdWeek_Click(saturday + 1);
    f.cmdWeek_Click(saturday + 2);
    m_prompts->answers.enqueue(Prompts::Answer::Yes); // 体育 twice
    QTest::mouseClick(f.cmdReg(5), Qt::LeftButton);
    const auto record = recordOf(*m_state, QDate(2026, 6, 13));
    QVERIFY(record);
    QCOMPARE(record->intWeekName(), 6);
    QCOMPARE(record->strSubject().left(3), u"学体体"_s);
    QCOMPARE(f.cmdReg(5)->text(), u"取消"_s);

    // Another week forgets the ask; back again, the registered Saturday offers itself.
    showWeekOf(QDate(2026, 6, 17));
    QVERIFY(!f.chkWeekend(0)->isChecked());
    QVERIFY(!f.chkWeekend(1)->isChecked());
    QVERIFY(!f.cmdReg(5)->isVisible());
    showWeekOf(QDate(2026, 6, 13));
    QVERIFY(f.chkWeekend(0)->isChecked());
    QVERIFY(!f.chkWeekend(0)->isEnabled());
    QCOMPARE(f.cmdReg(5)->text(), u"取消"_s);
    QCOMPARE(columnSubjects(f, 5).left(3), u"学体体"_s);
    QVERIFY(!f.cmdReg(6)->isVisible());
}

void TestMainWindow::registeringAgainReplacesTheRecord()
{
    showWeekOf(QDate(2026, 6, 9));
    RecordingFrame& f = frame();
    // Tuesday holds 図工 twice: registered as it stands, both times.
    m_prompts->answers << Prompts::Answer::Yes << Prompts::Answer::Yes;
    f.cmdReg_Click(1);
    f.cmdReg_Click(1);
    f.cmdSubject_Click(16); // 行事
    f.cmdWeek_Click(8 + 1);
    f.cmdReg_Click(1);
    QCOMPARE(recordCount(*m_state), 1);
    const auto record = recordOf(*m_state, QDate(2026, 6, 9));
    QCOMPARE(record->strSubject(), u"学行国体図図　　"_s);
    QVERIFY(!record->boolNowPlanning());
}

void TestMainWindow::timetableBProposal()
{
    showWeekOf(QDate(2026, 6, 10));
    frame().cmdReg_Click(0); // Monday registered from timetable A
    QTest::mouseClick(frame().Option1(1), Qt::LeftButton);
    QVERIFY(!frame().timetableA());
    QCOMPARE(m_state->dateSelected, QDate(2026, 6, 10));
    QCOMPARE(columnSubjects(frame(), 0), u"学国算社理音－－"_s);
    QCOMPARE(columnSubjects(frame(), 1), u"学体体体体体－－"_s);
    QTest::mouseClick(frame().Option1(0), Qt::LeftButton);
    QCOMPARE(columnSubjects(frame(), 1), u"学算国体図図－－"_s);
}

void TestMainWindow::closingMinimisedKeepsStoredGeometry()
{
    m_window->classWatch().markUnchanged(); // nothing to ask
    m_window->showMinimized();
    QVERIFY(m_window->isMinimized());
    QVERIFY(m_window->close());
    QVERIFY(!m_settings->contains(u"Settings/MainLeft"_s));
    QVERIFY(!m_settings->contains(u"Settings/MainHeight"_s));
}

void TestMainWindow::closingClosesTheOtherWindowsNewestFirst()
{
    QStringList closed;
    // Records the order in which the windows opened from the main window close.
    class Page : public QWidget {
    public:
        Page(QString name, QStringList& log)
            : m_name(std::move(name))
            , m_log(log)
        {}

    protected:
        void closeEvent(QCloseEvent* event) override
        {
            m_log.append(m_name);
            QWidget::closeEvent(event);
        }

    private:
        QString m_name;
        QStringList& m_log;
    };
    auto* first = new Page(u"first"_s, closed);
    auto* second = new Page(u"second"_s, closed);
    m_window->windowList().track(first);
    m_window->windowList().track(second);
    first->show();
    second->show();
    const QPointer<QWidget> watchFirst(first);
    const QPointer<QWidget> watchSecond(second);

    m_state->intYear = 0;
    QVERIFY(m_window->close());
    QCOMPARE(closed, (QStringList{u"second"_s, u"first"_s}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watchFirst.isNull());
    QVERIFY(watchSecond.isNull());
    QCOMPARE(m_settings->value(u"Settings/MainTop"_s).toString(),
             QString::number(pixelsToTwips(m_window->frameGeometry().y())));
}

void TestMainWindow::subGetIconTable_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index");
    QTest::newRow("総") << u"総"_s << 0;
    QTest::newRow("国") << u"国"_s << 1;
    QTest::newRow("切") << u"切"_s << 17;
    QTest::newRow("予 has no button") << u"予"_s << -1;
    QTest::newRow("empty slot") << u"\u3000"_s << -1;
    QTest::newRow("empty text") << QString() << -1;
}

void TestMainWindow::subGetIconTable()
{
    QFETCH(QString, code);
    QFETCH(int, index);
    QCOMPARE(subGetIcon(code), index);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
