// The school calendar behind the class and calendar pages: the year list,
// equinox days, legal days off, school-day counts, special holidays and what
// a change of year does to them.
#include "core/appstate.h"
#include "core/nationalholidays.h"
#include "core/schoolcalendar.h"
#include "core/veladaytime.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// A class of `year` set up with the class page's defaults.
AppState classOf(int year)
{
    AppState state;
    state.intYear = static_cast<qint16>(year);
    subSetHoliday(state, defaultHolidayPeriodDays(year));
    return state;
}

QList<QDate> specialHolidays(const AppState& state)
{
    QList<QDate> dates;
    for (int i = AppState::NationalHolidayCount; i < state.intHolidayCount; ++i)
        dates.append(state.dateHoliday[static_cast<std::size_t>(i)]);
    return dates;
}

} // namespace

class TestSchoolCalendar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void yearChoices();
    void yearTexts_data();
    void yearTexts();
    void proposedFileNames_data();
    void proposedFileNames();
    void equinoxes_data();
    void equinoxes();
    void legalDaysOffAreDaysOff();
    void legalDaysOffFollowTheYear();
    void schoolDays2026();
    void toggling();
    void refusals();
    void yearChangeMovesSpecialHolidays();
    void yearChangeClearsTheEntryAfterTheList();
};

void TestSchoolCalendar::yearChoices()
{
    const QList<int> december = schoolYearChoices(QDate(2026, 12, 10));
    QCOMPARE(december.first(), 2002);
    QCOMPARE(december.last(), 2031);
    QCOMPARE(december.size(), 30);
    // January to March still belong to the school year that began in April.
    QCOMPARE(schoolYearChoices(QDate(2027, 3, 31)).last(), 2031);
    QCOMPARE(schoolYearChoices(QDate(2027, 4, 1)).last(), 2032);
}

void TestSchoolCalendar::yearTexts_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("era"); // as the reports print it
    QTest::newRow("first of the list") << 2002 << u"平成14年度(2002年度)"_s << u"平成14年度"_s;
    QTest::newRow("last of the old list") << 2012 << u"平成24年度(2012年度)"_s << u"平成24年度"_s;
    QTest::newRow("last Heisei year") << 2018 << u"平成30年度(2018年度)"_s << u"平成30年度"_s;
    QTest::newRow("first Reiwa year") << 2019 << u"令和元年度(2019年度)"_s << u"令和元年度"_s;
    QTest::newRow("Reiwa 8") << 2026 << u"令和8年度(2026年度)"_s << u"令和8年度"_s;
    QTest::newRow("Heisei 1") << 1989 << u"平成元年度(1989年度)"_s << u"平成元年度"_s;
    QTest::newRow("Showa") << 1988 << u"昭和63年度(1988年度)"_s << u"昭和63年度"_s;
    QTest::newRow("before the eras") << 1925 << u"1925年度"_s << u"1925年度"_s;
}

void TestSchoolCalendar::yearTexts()
{
    QFETCH(int, year);
    QFETCH(QString, text);
    QCOMPARE(schoolYearText(year), text);
    QTEST(eraSchoolYearText(year), "era");
}

void TestSchoolCalendar::proposedFileNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("name");
    QTest::newRow("class file") << QString() << u"2"_s << u"vl2"_s << u"令和8年度_3年2組.vl2"_s;
    QTest::newRow("report") << u"年間の時数集計表"_s << u"2"_s << u"pdf"_s
                            << u"年間の時数集計表_令和8年度_3年2組.pdf"_s;
    QTest::newRow("a name no file may hold")
        << u"時数集計表"_s << u"A/B:1"_s << u"csv"_s << u"時数集計表_令和8年度_3年A_B_1組.csv"_s;
}

void TestSchoolCalendar::proposedFileNames()
{
    QFETCH(QString, title);
    QFETCH(QString, className);
    QFETCH(QString, suffix);
    QTEST(proposedFileName(title, 2026, 3, className, suffix), "name");
}

void TestSchoolCalendar::equinoxes_data()
{
    QTest::addColumn<int>("schoolYear");
    QTest::addColumn<int>("autumn"); // September of the school year
    QTest::addColumn<int>("vernal"); // March of the following calendar year
    QTest::newRow("2002: 21 March 2003") << 2002 << 23 << 21;
    QTest::newRow("2006: 21 March 2007") << 2006 << 23 << 21;
    QTest::newRow("2009: 21 March 2010") << 2009 << 23 << 21;
    QTest::newRow("2012: 22 September") << 2012 << 22 << 20;
    QTest::newRow("2016: 22 September") << 2016 << 22 << 20;
    QTest::newRow("2020: 22 September") << 2020 << 22 << 20;
    QTest::newRow("2025: 20 March 2026") << 2025 << 23 << 20;
    QTest::newRow("2026: 21 March 2027") << 2026 << 23 << 21;
    QTest::newRow("2028: beyond the published days") << 2028 << 22 << 20;
    QTest::newRow("2031") << 2031 << 23 << 20;
    QTest::newRow("outside the approximation") << 2150 << 23 << 20;
}

void TestSchoolCalendar::equinoxes()
{
    QFETCH(int, schoolYear);
    QFETCH(int, autumn);
    QFETCH(int, vernal);
    QCOMPARE(equinoxDays(schoolYear), (EquinoxDays{autumn, vernal}));
    const HolidayPeriodDays days = defaultHolidayPeriodDays(schoolYear);
    QCOMPARE(days.autumnEquinox, autumn);
    QCOMPARE(days.vernalEquinox, vernal);
    QCOMPARE(days.springEnd, HolidayPeriodDays{}.springEnd);
}

void TestSchoolCalendar::legalDaysOffAreDaysOff()
{
    const AppState state = classOf(2026);
    // The citizen's holiday between 敬老の日 and 秋分の日 is no entry of the
    // list, yet a day off; 23 February is the Emperor's birthday, 23 December
    // no longer a holiday.
    QVERIFY(!state.fncIsWorkDay(QDate(2026, 9, 22)));
    QVERIFY(!state.fncIsWorkDay(QDate(2027, 2, 23)));
    QVERIFY(state.fncIsWorkDay(QDate(2026, 12, 23)));
    QVERIFY(state.fncIsWorkDay(QDate(2026, 9, 24)));
    QCOMPARE(state.intHolidayCount, AppState::NationalHolidayCount);
    QVERIFY(state.legalDaysOff().contains(QDate(2026, 9, 22)));
    QVERIFY(holidayMarks(state).contains(QDate(2026, 9, 22)));
    QVERIFY(holidayMarks(state).contains(QDate(2027, 2, 23)));
    QVERIFY(!holidayMarks(state).contains(QDate(2026, 12, 23)));

    QVERIFY(AppState().legalDaysOff().isEmpty());
}

void TestSchoolCalendar::legalDaysOffFollowTheYear()
{
    AppState state = classOf(2026);
    QVERIFY(!state.fncIsWorkDay(QDate(2026, 9, 22)));
    state.intYear = 2027;
    subSetHoliday(state, defaultHolidayPeriodDays(2027));
    // 22 September 2027 is an ordinary Wednesday.
    QVERIFY(state.fncIsWorkDay(QDate(2027, 9, 22)));
    QVERIFY(!state.legalDaysOff().contains(QDate(2026, 9, 22)));

    // With the autumn equinox on the 22nd there is no day between holidays.
    AppState moved = classOf(2026);
    HolidayPeriodDays days = defaultHolidayPeriodDays(2026);
    days.autumnEquinox = 22;
    subSetHoliday(moved, days);
    QVERIFY(!moved.fncIsWorkDay(QDate(2026, 9, 22)));
    QVERIFY(moved.fncIsWorkDay(QDate(2026, 9, 23)));
    QVERIFY(!moved.legalDaysOff().contains(QDate(2026, 9, 22)));
}

void TestSchoolCalendar::schoolDays2026()
{
    AppState state = classOf(2026);
    subCountWorkDays(state, 2026);
    // Counted by hand from the official holiday calendar and the default
    // holiday periods (4 April, 20 July to 31 August, 25 December to
    // 7 January, from 19 March).
    QCOMPARE(state.intWorkDays1, 71);
    QCOMPARE(state.intWorkDays2, 77);
    QCOMPARE(state.intWorkDays3, 47);
    QCOMPARE(state.intWorkDaysYear, 195);

    // Nothing is a school day before the class is set up.
    AppState empty;
    subCountWorkDays(empty, 2026);
    QCOMPARE(empty.intWorkDaysYear, 0);
}

void TestSchoolCalendar::toggling()
{
    AppState state = classOf(2026);
    const QDate wednesday(2026, 6, 10);
    const QDate thursday(2026, 6, 11);

    QCOMPARE(toggleSpecialHoliday(state, wednesday), HolidayClick::MadeHoliday);
    QCOMPARE(toggleSpecialHoliday(state, thursday), HolidayClick::MadeHoliday);
    QCOMPARE(specialHolidays(state), (QList<QDate>{wednesday, thursday}));
    QVERIFY(!state.fncIsWorkDay(wednesday));
    subCountWorkDays(state, 2026);
    QCOMPARE(state.intWorkDays1, 69);
    QCOMPARE(state.intWorkDaysYear, 193);

    // Taking the first out moves the second down one place.
    QCOMPARE(toggleSpecialHoliday(state, wednesday), HolidayClick::MadeSchoolDay);
    QCOMPARE(specialHolidays(state), QList<QDate>{thursday});
    QCOMPARE(state.intHolidayDay[14], thursday.dayOfYear());
    QVERIFY(state.fncIsWorkDay(wednesday));
    subCountWorkDays(state, 2026);
    QCOMPARE(state.intWorkDays1, 70);

    // Days off by another rule stay days off and stay out of the list.
    for (const QDate day : {QDate(2026, 5, 6), QDate(2026, 9, 22), QDate(2026, 6, 13), QDate(2026, 8, 3)}) {
        QCOMPARE(toggleSpecialHoliday(state, day), HolidayClick::Unchanged);
        QVERIFY(!state.fncIsWorkDay(day));
    }
    QCOMPARE(specialHolidays(state), QList<QDate>{thursday});
}

void TestSchoolCalendar::refusals()
{
    AppState state = classOf(2026);
    const QDate held(2026, 6, 10);
    state.objDayHead->appendDay(makeRecordedDay(held, u"学国算社理　　　"_s, u"13333000"_s));
    QCOMPARE(toggleSpecialHoliday(state, held), HolidayClick::HeldLessons);
    QVERIFY(state.fncIsWorkDay(held));
    QCOMPARE(state.intHolidayCount, AppState::NationalHolidayCount);
    // A withdrawn registration holds no lessons.
    state.objDayHead->objNextDay()->setBoolNowPlanning(true);
    QCOMPARE(toggleSpecialHoliday(state, held), HolidayClick::MadeHoliday);

    // A full list takes nothing more and is not written past its end.
    QDate day(2026, 4, 6);
    while (state.intHolidayCount < AppState::MaxHolidayCount) {
        if (state.fncIsWorkDay(day))
            QCOMPARE(toggleSpecialHoliday(state, day), HolidayClick::MadeHoliday);
        day = day.addDays(1);
    }
    while (!state.fncIsWorkDay(day))
        day = day.addDays(1);
    QCOMPARE(toggleSpecialHoliday(state, day), HolidayClick::ListFull);
    QCOMPARE(state.intHolidayCount, AppState::MaxHolidayCount);
    QVERIFY(state.fncIsWorkDay(day));
    QVERIFY(!state.dateHoliday[AppState::MaxHolidayCount].isValid());
}

void TestSchoolCalendar::yearChangeMovesSpecialHolidays()
{
    AppState state = classOf(2027);
    for (const QDate& date : {QDate(2027, 6, 1), QDate(2028, 2, 29), QDate(2028, 3, 1)})
        QVERIFY(state.addHoliday(date));

    const QList<QDate> dropped = moveSpecialHolidaysToYear(state, 2026);
    QCOMPARE(dropped, QList<QDate>{QDate(2028, 2, 29)});
    QCOMPARE(specialHolidays(state), (QList<QDate>{QDate(2026, 6, 1), QDate(2027, 3, 1)}));
    QCOMPARE(state.intHolidayDay[15], QDate(2027, 3, 1).dayOfYear());
    // The entry after the list is stored as well: it must make a date too.
    QVERIFY(!state.dateHoliday[16].isValid());

    // Into a leap year and back: the same month and day each time.
    QCOMPARE(moveSpecialHolidaysToYear(state, 2031), QList<QDate>{});
    QCOMPARE(specialHolidays(state), (QList<QDate>{QDate(2031, 6, 1), QDate(2032, 3, 1)}));
    QCOMPARE(state.intHolidayDay[15], 61);
}

void TestSchoolCalendar::yearChangeClearsTheEntryAfterTheList()
{
    // 29 February clicked and clicked away again stays behind the list.
    AppState state = classOf(2027);
    QVERIFY(state.addHoliday(QDate(2028, 2, 29)));
    state.removeHoliday(14);
    QCOMPARE(state.dateHoliday[14], QDate(2028, 2, 29));

    QCOMPARE(moveSpecialHolidaysToYear(state, 2026), QList<QDate>{});
    QCOMPARE(state.intHolidayCount, AppState::NationalHolidayCount);
    QVERIFY(!state.dateHoliday[14].isValid());
}

QTEST_GUILESS_MAIN(TestSchoolCalendar)
#include "tst_schoolcalendar.moc"
