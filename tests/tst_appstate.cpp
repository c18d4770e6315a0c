// The application state: start-up values, re-initialisation and the school-day rule.
#include "core/appstate.h"
#include "core/schoolcalendar.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

void checkTemplateWeek(const VelaWeekTotal& week)
{
    int weekday = 1;
    const VelaDayTime* last = nullptr;
    for (const VelaDayTime* d = week.objFirstDay().get(); d; d = d->objNextDay().get(), ++weekday) {
        QCOMPARE(d->intWeekName(), weekday);
        QCOMPARE(d->boolWeekEnd(), weekday == 6);
        QVERIFY(!d->boolWorkDay());
        QVERIFY(!d->boolNowPlanning());
        QVERIFY(d->strSubject().isEmpty());
        QVERIFY(d->strCredit().isEmpty());
        QVERIFY(!d->dateThisDay().isValid());
        last = d;
    }
    QCOMPARE(weekday, 7);
    QCOMPARE(week.objLastDay().get(), last);
}

// School year 2003: spring holiday 1 to 7 April, summer 22 July to 31 August,
// winter 24 December to 7 January, spring 25 to 31 March, Saturdays off.
AppState state2003()
{
    AppState state;
    state.intYear = 2003;
    HolidayPeriodDays days;
    days.springEnd = 7;
    days.summerStart = 22;
    days.summerEnd = 31;
    days.winterStart = 24;
    days.winterEnd = 7;
    days.spring2Start = 25;
    days.autumnEquinox = 23;
    days.vernalEquinox = 20;
    subSetHoliday(state, days);
    return state;
}

} // namespace

class TestAppState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpValues();
    void defaultFrames();
    void initClassDataKeepsIdentity();
    void nothingIsSchoolDayBeforeSetUp();
    void schoolDays2003_data();
    void schoolDays2003();
    void saturdayRules_data();
    void saturdayRules();
    void emptyHolidayList();
    void holidayListLimit();
    void removeHolidayMovesLaterEntries();
};

void TestAppState::startUpValues()
{
    const AppState state;
    QCOMPARE(state.intYear, 0);
    QCOMPARE(state.intGrade, 0);
    QVERIFY(state.strClass.isEmpty() && state.strTeacher.isEmpty() && state.strFileName.isEmpty());
    for (const auto& field : AppState::calendarFields()) {
        QVERIFY(!(state.*field.date).isValid());
        QCOMPARE(state.*field.dayOfYear, 0);
    }
    QVERIFY(!state.boolSat24Off);
    QVERIFY(!state.boolSatOff);
    QCOMPARE(state.intHolidayCount, 14);
    QVERIFY(state.boolShowWizard);
    QVERIFY(!state.boolCalendarReady);
    QVERIFY(state.boolEditWeekA);
    QCOMPARE(state.intCreditIndexMain, 0);
    QVERIFY(!state.dateSelected.isValid());
    checkTemplateWeek(*state.objWeekA);
    checkTemplateWeek(*state.objWeekB);
    QVERIFY(state.objWeekA != state.objWeekB);
    QVERIFY(!state.objDayHead->objNextDay());
    QVERIFY(!state.objYearBase->objFirstSeason());
    QVERIFY(state.objYearPlan->season(3) && !state.objYearPlan->season(3)->objNextSeason());
    QVERIFY(state.objYearResult->season(3));
    for (const QString& frame : state.strWeekCreditA)
        QVERIFY(frame.isEmpty());
}

void TestAppState::defaultFrames()
{
    const AppState state;
    for (int weekday = 0; weekday < 5; ++weekday)
        QCOMPARE(state.strDefaultCredit[2][static_cast<std::size_t>(weekday)], u"13333300"_s);
    for (int grade = 1; grade <= 6; ++grade)
        QCOMPARE(state.strDefaultCredit[static_cast<std::size_t>(grade - 1)][5], u"13300000"_s);
    QCOMPARE(state.strDefaultCredit[0][1], u"13333000"_s); // grade 1 Tuesday: four periods
    QCOMPARE(state.strDefaultCredit[5][4], u"13333330"_s); // grade 6 Friday: six periods
    QCOMPARE(defaultLessonFrame(7, 0), QString());
}

void TestAppState::initClassDataKeepsIdentity()
{
    AppState state = state2003();
    state.intGrade = 3;
    state.strClass = u"2"_s;
    state.strTeacher = u"山田"_s;
    QVERIFY(state.addHoliday(QDate(2003, 6, 2)));
    state.strWeekCreditA[0] = u"13333300"_s;
    state.objWeekA->objFirstDay()->setStrSubject(u"国算"_s);
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 4, 8), u"国"_s, u"3"_s));
    const auto oldHead = state.objDayHead;

    for (int round = 0; round < 2; ++round) {
        state.subInitClassData();
        state.subInitYearPlan();
        QVERIFY(!state.objDayHead->objNextDay());
        QVERIFY(state.objDayHead != oldHead);
        checkTemplateWeek(*state.objWeekA);
        QVERIFY(state.strWeekCreditA[0].isEmpty());
        QCOMPARE(state.intHolidayCount, 14);
    }
    QCOMPARE(state.intYear, 2003);
    QCOMPARE(state.intGrade, 3);
    QCOMPARE(state.strClass, u"2"_s);
    QCOMPARE(state.strTeacher, u"山田"_s);
    QCOMPARE(state.dateSummerStart, QDate(2003, 7, 22));
    QCOMPARE(state.dateHoliday[14], QDate(2003, 6, 2)); // the entry stays, beyond the count
}

void TestAppState::nothingIsSchoolDayBeforeSetUp()
{
    const AppState state;
    for (QDate d(2003, 4, 1); d <= QDate(2004, 3, 31); d = d.addDays(1))
        QVERIFY2(!state.fncIsWorkDay(d), qPrintable(d.toString(Qt::ISODate)));
}

void TestAppState::schoolDays2003_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("schoolDay");
    QTest::newRow("Tue 8 Apr") << QDate(2003, 4, 8) << true;
    QTest::newRow("Mon 7 Apr, spring holiday") << QDate(2003, 4, 7) << false;
    QTest::newRow("Tue 22 Jul, summer") << QDate(2003, 7, 22) << false;
    QTest::newRow("Mon 21 Jul, marine day") << QDate(2003, 7, 21) << false;
    QTest::newRow("Fri 18 Jul") << QDate(2003, 7, 18) << true;
    QTest::newRow("Mon 1 Sep") << QDate(2003, 9, 1) << true;
    QTest::newRow("Wed 24 Dec, winter") << QDate(2003, 12, 24) << false;
    QTest::newRow("Tue 23 Dec, Emperor's birthday") << QDate(2003, 12, 23) << false;
    QTest::newRow("Mon 24 Nov, moved off Sunday") << QDate(2003, 11, 24) << false;
    QTest::newRow("Wed 7 Jan, winter") << QDate(2004, 1, 7) << false;
    QTest::newRow("Thu 8 Jan") << QDate(2004, 1, 8) << true;
    QTest::newRow("Mon 12 Jan, coming of age") << QDate(2004, 1, 12) << false;
    QTest::newRow("Wed 24 Mar") << QDate(2004, 3, 24) << true;
    QTest::newRow("Thu 25 Mar, spring holiday") << QDate(2004, 3, 25) << false;
    QTest::newRow("Sat 10 May") << QDate(2003, 5, 10) << false;
    QTest::newRow("Sun 11 May") << QDate(2003, 5, 11) << false;
}

void TestAppState::schoolDays2003()
{
    QFETCH(QDate, date);
    QFETCH(bool, schoolDay);
    QCOMPARE(state2003().fncIsWorkDay(date), schoolDay);
}

void TestAppState::saturdayRules_data()
{
    QTest::addColumn<bool>("sat24Off");
    QTest::addColumn<bool>("satOff");
    QTest::addColumn<QDate>("saturday");
    QTest::addColumn<bool>("schoolDay");
    QTest::newRow("first Saturday, 2nd/4th off") << true << false << QDate(2003, 6, 7) << true;
    QTest::newRow("second Saturday, 2nd/4th off") << true << false << QDate(2003, 6, 14) << false;
    QTest::newRow("fourth Saturday, 2nd/4th off") << true << false << QDate(2003, 6, 28) << false;
    QTest::newRow("third Saturday, 2nd/4th off") << true << false << QDate(2003, 6, 21) << true;
    QTest::newRow("every Saturday off") << false << true << QDate(2003, 6, 7) << false;
    QTest::newRow("no Saturday off") << false << false << QDate(2003, 6, 14) << true;
}

void TestAppState::saturdayRules()
{
    QFETCH(bool, sat24Off);
    QFETCH(bool, satOff);
    QFETCH(QDate, saturday);
    QFETCH(bool, schoolDay);
    AppState state = state2003();
    state.boolSat24Off = sat24Off;
    state.boolSatOff = satOff;
    QCOMPARE(state.fncIsWorkDay(saturday), schoolDay);
}

void TestAppState::emptyHolidayList()
{
    AppState state = state2003();
    QVERIFY(!state.fncIsWorkDay(QDate(2004, 1, 12)));
    state.intHolidayCount = 0;
    QVERIFY(state.fncIsWorkDay(QDate(2004, 1, 12)));
}

void TestAppState::holidayListLimit()
{
    AppState state = state2003();
    int added = 0;
    for (QDate d(2003, 4, 8); state.addHoliday(d); d = d.addDays(1))
        ++added;
    QCOMPARE(added, AppState::MaxHolidayCount - 14);
    QCOMPARE(state.intHolidayCount, AppState::MaxHolidayCount);
    // The entry after the last one in use exists and was not written.
    QVERIFY(!state.dateHoliday[AppState::MaxHolidayCount].isValid());
    QVERIFY(!state.addHoliday(QDate(2004, 3, 1)));
    QCOMPARE(state.intHolidayCount, AppState::MaxHolidayCount);
}

void TestAppState::removeHolidayMovesLaterEntries()
{
    AppState state = state2003();
    QVERIFY(state.addHoliday(QDate(2003, 6, 2)));
    QVERIFY(state.addHoliday(QDate(2003, 6, 3)));
    QVERIFY(state.addHoliday(QDate(2003, 6, 4)));
    QVERIFY(!state.fncIsWorkDay(QDate(2003, 6, 3)));
    state.removeHoliday(15);
    QCOMPARE(state.intHolidayCount, 16);
    QCOMPARE(state.dateHoliday[15], QDate(2003, 6, 4));
    QCOMPARE(state.intHolidayDay[15], QDate(2003, 6, 4).dayOfYear());
    QVERIFY(state.fncIsWorkDay(QDate(2003, 6, 3)));
    QVERIFY(!state.fncIsWorkDay(QDate(2003, 6, 4)));
}

QTEST_GUILESS_MAIN(TestAppState)
#include "tst_appstate.moc"
