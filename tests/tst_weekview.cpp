// The week shown for a picked date and what each of its day columns proposes.
#include "core/appstate.h"
#include "core/daymarks.h"
#include "core/periodtotals.h"
#include "core/schoolcalendar.h"
#include "core/weekview.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// School year 2003 (1 April a Tuesday) with the default holiday periods,
// timetable A Monday "国算社理音" and B Monday "体体体体体".
AppState state2003()
{
    AppState state;
    state.intYear = 2003;
    subSetHoliday(state, HolidayPeriodDays{});
    int weekday = 0;
    for (auto day = state.objWeekA->objFirstDay(); day; day = day->objNextDay(), ++weekday) {
        day->setStrSubject(u"　国算社理音　　"_s);
        day->setStrCredit(state.strDefaultCredit[2][static_cast<std::size_t>(weekday)]);
    }
    weekday = 0;
    for (auto day = state.objWeekB->objFirstDay(); day; day = day->objNextDay(), ++weekday) {
        day->setStrSubject(u"　体体体体体　　"_s);
        day->setStrCredit(u"03333300"_s);
    }
    return state;
}

QString subjectsOf(const DayColumn& column)
{
    QString text;
    for (const PeriodCell& cell : column.periods)
        text += cell.subjectCode.isNull() ? u'・' : cell.subjectCode;
    return text;
}

QString lengthsOf(const DayColumn& column)
{
    QString text;
    for (const PeriodCell& cell : column.periods)
        text += QString::number(cell.lengthCode);
    return text;
}

} // namespace

class TestWeekView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void weekForDate_data();
    void weekForDate();
    void sundayThirtyFirstMarchShowsNothing();
    void firstWeekOfTheYear();
    void lastWeekOfTheYear();
    void holidayShowsHeadingOnly();
    void registeredAndWithdrawnDays();
    void registerAndWithdraw_data();
    void registerAndWithdraw();
    void doubledSubjectQuestion();
    void timetableBProposal();
    void leapYearDayNumbersDoNotCollide();
    void missingTemplateDay();
    void emptyTimetableProposesNothing();
    void headings_data();
    void headings();
    void todayInSchoolYear_data();
    void todayInSchoolYear();
    void calendarMarks();
    void weekendColumns();
    void doubledSubjects_data();
    void doubledSubjects();
    void doubledSubjectsHint();
};

void TestWeekView::weekForDate_data()
{
    QTest::addColumn<QDate>("clicked");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("Wednesday") << QDate(2003, 6, 11) << QDate(2003, 6, 9) << QDate(2003, 6, 13);
    QTest::newRow("Monday") << QDate(2003, 6, 9) << QDate(2003, 6, 9) << QDate(2003, 6, 13);
    QTest::newRow("Friday") << QDate(2003, 6, 13) << QDate(2003, 6, 9) << QDate(2003, 6, 13);
    QTest::newRow("Saturday shows the week before")
        << QDate(2003, 6, 14) << QDate(2003, 6, 9) << QDate(2003, 6, 13);
    QTest::newRow("Sunday shows the week after")
        << QDate(2003, 6, 15) << QDate(2003, 6, 16) << QDate(2003, 6, 20);
    QTest::newRow("across months") << QDate(2003, 7, 1) << QDate(2003, 6, 30) << QDate(2003, 7, 4);
    QTest::newRow("Saturday 5 April, year starts Tuesday")
        << QDate(2003, 4, 5) << QDate(2003, 4, 1) << QDate(2003, 4, 4);
    QTest::newRow("Monday 29 March, year ends Wednesday")
        << QDate(2004, 3, 29) << QDate(2004, 3, 29) << QDate(2004, 3, 31);
}

void TestWeekView::weekForDate()
{
    QFETCH(QDate, clicked);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const auto week = lunaplan::weekForDate(clicked, 2003);
    QVERIFY(week);
    QCOMPARE(week->first, first);
    QCOMPARE(week->last, last);
}

void TestWeekView::sundayThirtyFirstMarchShowsNothing()
{
    // 31 March 2024, the last day of school year 2023, is a Sunday.
    QVERIFY(!lunaplan::weekForDate(QDate(2024, 3, 31), 2023));
    QVERIFY(lunaplan::weekForDate(QDate(2024, 3, 30), 2023));
}

void TestWeekView::firstWeekOfTheYear()
{
    AppState state = state2003();
    state.intSpringEndDay = state.intYearStartDay; // the spring holiday is 1 April only
    const auto week = lunaplan::weekForDate(QDate(2003, 4, 5), 2003);
    const QList<DayColumn> columns = weekColumns(state, *week, true);
    QCOMPARE(columns.size(), 4);
    QCOMPARE(columns.first().column, 1); // Monday's column is left as it was
    QCOMPARE(columns.first().date, QDate(2003, 4, 1));
    QCOMPARE(columns.first().heading, u"4／1(火)"_s);
    QVERIFY(!columns.first().hasPeriods);
    QCOMPARE(columns.last().column, 4);
    QCOMPARE(columns[1].date, QDate(2003, 4, 2));
    QVERIFY(columns[1].hasPeriods);
    QCOMPARE(subjectsOf(columns[1]), u"・国算社理音・・"_s);
}

void TestWeekView::lastWeekOfTheYear()
{
    const AppState state = state2003();
    const auto week = lunaplan::weekForDate(QDate(2004, 3, 30), 2003);
    const QList<DayColumn> columns = weekColumns(state, *week, true);
    QCOMPARE(columns.size(), 3);
    QCOMPARE(columns.last().column, 2);
    QCOMPARE(columns.last().date, QDate(2004, 3, 31));
    for (const DayColumn& column : columns)
        QVERIFY(!column.hasPeriods); // the spring holiday
}

void TestWeekView::holidayShowsHeadingOnly()
{
    const AppState state = state2003();
    // Monday 12 January 2004, coming-of-age day.
    const QList<DayColumn> columns =
        weekColumns(state, *lunaplan::weekForDate(QDate(2004, 1, 14), 2003), true);
    QCOMPARE(columns.size(), 5);
    QCOMPARE(columns[0].heading, u"1／12(月)"_s);
    QVERIFY(!columns[0].hasPeriods);
    QVERIFY(!columns[0].registered);
    QVERIFY(columns[1].hasPeriods);
}

void TestWeekView::registeredAndWithdrawnDays()
{
    AppState state = state2003();
    auto tuesday = makeRecordedDay(QDate(2003, 6, 10), u"国算社理音体　　"_s, u"33333300"_s);
    state.objDayHead->appendDay(tuesday);
    auto wednesday = makeRecordedDay(QDate(2003, 6, 11), u"図図図図図図　　"_s, u"33333300"_s);
    wednesday->setBoolNowPlanning(true);
    state.objDayHead->appendDay(wednesday);

    const QList<DayColumn> columns =
        weekColumns(state, *lunaplan::weekForDate(QDate(2003, 6, 10), 2003), true);
    QVERIFY(columns[1].registered);
    QCOMPARE(subjectsOf(columns[1]), u"国算社理音体・・"_s);
    QCOMPARE(lengthsOf(columns[1]), u"33333300"_s);
    QVERIFY(!columns[2].registered); // withdrawn: the timetable is proposed again
    QCOMPARE(subjectsOf(columns[2]), u"・国算社理音・・"_s);
    QCOMPARE(lengthsOf(columns[2]), u"13333300"_s);
    QVERIFY(!columns[0].registered);
}

void TestWeekView::registerAndWithdraw_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("steps");   // R registers the corrected column, W withdraws
    QTest::addColumn<QString>("results"); // what each step returned, 1 for true
    QTest::addColumn<bool>("registered");
    const QDate tuesday(2003, 6, 10);
    QTest::newRow("register") << tuesday << u"R"_s << u"1"_s << true;
    QTest::newRow("withdraw") << tuesday << u"RW"_s << u"11"_s << false;
    QTest::newRow("re-register after withdraw") << tuesday << u"RWR"_s << u"111"_s << true;
    QTest::newRow("register again replaces") << tuesday << u"RR"_s << u"11"_s << true;
    QTest::newRow("withdraw an unregistered day") << tuesday << u"W"_s << u"0"_s << false;
    QTest::newRow("holiday") << QDate(2004, 1, 12) << u"R"_s << u"0"_s << false;
    QTest::newRow("no day") << QDate() << u"R"_s << u"0"_s << false;
}

void TestWeekView::registerAndWithdraw()
{
    QFETCH(QDate, date);
    QFETCH(QString, steps);
    QFETCH(QString, results);
    QFETCH(bool, registered);
    AppState state = state2003();
    DayColumn proposed;
    if (date.isValid())
        proposed = dayColumnFor(state, date, true);
    // The teacher's correction: 体 for 算数 in period 2.
    DayColumn corrected = proposed;
    corrected.periods[2].subjectCode = u'体';

    QString returned;
    for (const QChar step : steps) {
        const bool done = step == u'R' ? registerDay(state, corrected) : withdrawDay(state, date);
        returned += done ? u'1' : u'0';
    }
    QCOMPARE(returned, results);
    QCOMPARE(isDayRegistered(state, date), registered);

    int records = 0;
    for (auto day = state.objDayHead->objNextDay(); day; day = day->objNextDay())
        records += day->dateThisDay() == date ? 1 : 0;
    QCOMPARE(records, steps.contains(u'R') && results.contains(u'1') ? 1 : 0);
    if (!date.isValid())
        return;
    const DayColumn shown = dayColumnFor(state, date, true);
    QCOMPARE(shown.registered, registered);
    QCOMPARE(subjectsOf(shown), subjectsOf(registered ? corrected : proposed));
    QCOMPARE(lengthsOf(shown), lengthsOf(proposed));
}

void TestWeekView::doubledSubjectQuestion()
{
    const AppState state = state2003();
    DayColumn column = dayColumnFor(state, QDate(2003, 6, 10), true);
    QCOMPARE(lunaplan::doubledSubjectQuestion(column), QString());
    column.periods[4].subjectCode = u'算';
    QCOMPARE(lunaplan::doubledSubjectQuestion(column),
             u"6／10(火)は算数が2回以上あります。このまま登録しますか？"_s);
}

void TestWeekView::timetableBProposal()
{
    AppState state = state2003();
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 6, 10), u"国国国国国国　　"_s, u"33333300"_s));
    const QList<DayColumn> columns =
        weekColumns(state, *lunaplan::weekForDate(QDate(2003, 6, 10), 2003), false);
    QCOMPARE(subjectsOf(columns[0]), u"・体体体体体・・"_s); // slot 0 has no length in B
    QCOMPARE(lengthsOf(columns[0]), u"03333300"_s);
    QCOMPARE(subjectsOf(columns[1]), u"国国国国国国・・"_s); // registered days stay as recorded
}

void TestWeekView::leapYearDayNumbersDoNotCollide()
{
    // School year 2019 ends in a leap year: 1 April 2019 and Tuesday 31 March 2020 are both day 91.
    AppState state;
    state.intYear = 2019;
    subSetHoliday(state, HolidayPeriodDays{});
    state.objDayHead->appendDay(makeRecordedDay(QDate(2019, 4, 1), u"体体体体体体体体"_s, u"33333333"_s));
    const auto shown = subGetDay(state, QDate(2020, 3, 31), true);
    QVERIFY(shown);
    QVERIFY(!shown->dateThisDay().isValid()); // the template day, not the April record
}

void TestWeekView::missingTemplateDay()
{
    AppState state = state2003();
    state.objWeekA->objFirstDay()->setObjNextDay(nullptr); // damaged: Monday only
    state.objWeekA->setObjLastDay(state.objWeekA->objFirstDay());
    const QList<DayColumn> columns =
        weekColumns(state, *lunaplan::weekForDate(QDate(2003, 6, 10), 2003), true);
    QVERIFY(columns[0].hasPeriods);
    QVERIFY(!columns[1].hasPeriods); // shown like a day off
}

void TestWeekView::emptyTimetableProposesNothing()
{
    // A closed class: fresh, empty timetables. Only a held record is offered.
    AppState state = state2003();
    state.objWeekA = makeTemplateWeek();
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 6, 11), u"　　　　　　　　"_s, u"00000000"_s));
    const QList<DayColumn> columns =
        weekColumns(state, *lunaplan::weekForDate(QDate(2003, 6, 10), 2003), true);
    QCOMPARE(columns.size(), 5);
    for (const DayColumn& column : columns)
        QCOMPARE(column.hasPeriods, column.date == QDate(2003, 6, 11));
    QVERIFY(columns[2].registered);
}

void TestWeekView::headings_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("heading");
    QTest::newRow("April") << QDate(2003, 4, 8) << u"4／8(火)"_s;
    QTest::newRow("December") << QDate(2026, 12, 11) << u"12／11(金)"_s;
    QTest::newRow("Monday") << QDate(2026, 12, 7) << u"12／7(月)"_s;
}

void TestWeekView::headings()
{
    QFETCH(QDate, date);
    QFETCH(QString, heading);
    QCOMPARE(dayHeading(date), heading);
}

void TestWeekView::todayInSchoolYear_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("schoolYear");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("February belongs to the next calendar year")
        << QDate(2027, 2, 15) << 2003 << QDate(2004, 2, 15);
    QTest::newRow("December") << QDate(2026, 12, 9) << 2026 << QDate(2026, 12, 9);
    QTest::newRow("29 February into a common year") << QDate(2024, 2, 29) << 2002 << QDate(2003, 3, 1);
    QTest::newRow("29 February into a leap year") << QDate(2024, 2, 29) << 2023 << QDate(2024, 2, 29);
}

void TestWeekView::todayInSchoolYear()
{
    QFETCH(QDate, today);
    QFETCH(int, schoolYear);
    QFETCH(QDate, expected);
    QCOMPARE(lunaplan::todayInSchoolYear(today, schoolYear), expected);
    QCOMPARE(calendarSchoolYear(0, QDate(2027, 2, 15)), 2026);
    QCOMPARE(calendarSchoolYear(2003, QDate(2027, 2, 15)), 2003);
}

void TestWeekView::calendarMarks()
{
    AppState state = state2003();
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 6, 10), u"国国国国国国　　"_s, u"33333300"_s));
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 6, 11), u"国国国国国国　　"_s, u"33333300"_s));
    heldRecordFor(*state.objDayHead, QDate(2003, 6, 11))->setBoolNowPlanning(true);
    // A day registered after today (planned ahead) still shows as registered.
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 6, 16), u"国　　　　　　　"_s, u"30000000"_s));
    state.intHolidayCount = 1;
    state.intHolidayDay[0] = static_cast<qint16>(QDate(2003, 6, 9).dayOfYear());

    const CalendarMarks marks =
        lunaplan::calendarMarks(state, QDate(2003, 6, 8), QDate(2003, 6, 16), QDate(2003, 6, 13));
    QCOMPARE(marks.registered, (QSet<QDate>{QDate(2003, 6, 10), QDate(2003, 6, 16)}));
    // The holiday, today and the weekend are not forgotten; a withdrawn day is.
    QCOMPARE(marks.forgotten, (QSet<QDate>{QDate(2003, 6, 11), QDate(2003, 6, 12)}));
    QVERIFY(
        lunaplan::calendarMarks(state, QDate(), QDate(2003, 6, 16), QDate(2003, 6, 13)).registered.isEmpty());
}

void TestWeekView::weekendColumns()
{
    AppState state = state2003();
    state.boolSatOff = true;
    const ShownWeek week{QDate(2003, 6, 9), QDate(2003, 6, 13)};
    auto saturdayDay = state.objWeekA->objFirstDay();
    while (saturdayDay->intWeekName() != 6)
        saturdayDay = saturdayDay->objNextDay();
    saturdayDay->setStrCredit(u"00000000"_s);

    // Off by the rule and not asked for: headings only.
    QList<DayColumn> columns = lunaplan::weekendColumns(state, week, true);
    QCOMPARE(columns.size(), 2);
    QCOMPARE(columns[0].column, 5);
    QCOMPARE(columns[0].heading, u"6／14(土)"_s);
    QCOMPARE(columns[1].column, 6);
    QCOMPARE(columns[1].date, QDate(2003, 6, 15));
    QVERIFY(!columns[0].hasPeriods && !columns[1].hasPeriods);

    // Asked for, with an empty Saturday frame: Monday's lengths, no subjects.
    columns = lunaplan::weekendColumns(state, week, true, {true, false});
    QVERIFY(columns[0].hasPeriods && !columns[0].registered);
    QCOMPARE(lengthsOf(columns[0]), state.objWeekA->objFirstDay()->strCredit());
    QCOMPARE(subjectsOf(columns[0]), u"・・・・・・・・"_s);
    QVERIFY(!columns[1].hasPeriods);

    // A Saturday frame with lessons is proposed as it stands; a school
    // Saturday by the rule needs no asking.
    saturdayDay->setStrCredit(u"03330000"_s);
    state.boolSatOff = false;
    columns = lunaplan::weekendColumns(state, week, true);
    QVERIFY(columns[0].hasPeriods);
    QCOMPARE(lengthsOf(columns[0]), u"03330000"_s);
    QCOMPARE(subjectsOf(columns[0]), u"・国算社・・・・"_s);

    // A Sunday that holds a record shows it, registered.
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 6, 15), u"行行行行　　　　"_s, u"33330000"_s));
    columns = lunaplan::weekendColumns(state, week, true);
    QVERIFY(columns[1].hasPeriods && columns[1].registered);
    QCOMPARE(subjectsOf(columns[1]), u"行行行行・・・・"_s);
    QCOMPARE(lunaplan::dayColumnFor(state, QDate(2003, 6, 15), true), columns[1]);
    QCOMPARE(lunaplan::dayColumnFor(state, QDate(2003, 6, 12), true),
             lunaplan::weekColumns(state, week, true)[3]);

    // The last week of the year, cut on a Wednesday, has no weekend.
    QVERIFY(lunaplan::weekendColumns(state, {QDate(2004, 3, 29), QDate(2004, 3, 31)}, true, {true, true})
                .isEmpty());
}

void TestWeekView::doubledSubjects_data()
{
    QTest::addColumn<QString>("subjects");
    QTest::addColumn<QString>("credits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << u"学国算社理音　　"_s << u"13333300"_s << QString();
    QTest::newRow("算数 twice") << u"　算国算理音　　"_s << u"03333300"_s << u"算"_s;
    QTest::newRow("two subjects, each once") << u"国算国算算理　　"_s << u"33333300"_s << u"国算"_s;
    QTest::newRow("a period without a lesson") << u"　算国算理音　　"_s << u"03303300"_s << QString();
    QTest::newRow("empty periods, 予, 切 and 行") << u"　　予予切切行行"_s << u"33333333"_s << QString();
    QTest::newRow("short length text") << u"算算"_s << u"3"_s << QString();
}

void TestWeekView::doubledSubjects()
{
    QFETCH(QString, subjects);
    QFETCH(QString, credits);
    QFETCH(QString, expected);
    QCOMPARE(lunaplan::doubledSubjects(subjects, credits), expected);
}

void TestWeekView::doubledSubjectsHint()
{
    AppState state = state2003();
    QCOMPARE(lunaplan::doubledSubjectsHint(*state.objWeekA), QString());
    auto day = state.objWeekA->objFirstDay();
    day->setStrSubject(u"　算国算理音　　"_s);
    day = day->objNextDay()->objNextDay();
    day->setStrSubject(u"　国算国算音　　"_s);
    QCOMPARE(lunaplan::doubledSubjectsHint(*state.objWeekA),
             u"同じ教科が2回以上ある日：月（算数）、水（国語・算数）"_s);
    QCOMPARE(subjectNamesText(u"予ク"), u"予備・クラブ"_s);
}

QTEST_GUILESS_MAIN(TestWeekView)
#include "tst_weekview.moc"
