// The school calendar and the national holidays of a school year, checked
// against the official lists of national holidays.
#include "core/appstate.h"
#include "core/errors.h"
#include "core/nationalholidays.h"
#include "core/schoolcalendar.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

QList<QDate> toList(const std::array<QDate, 14>& entries)
{
    return QList<QDate>(entries.begin(), entries.end());
}

HolidayPeriodDays withEquinoxes(int autumn, int vernal)
{
    HolidayPeriodDays days;
    days.autumnEquinox = autumn;
    days.vernalEquinox = vernal;
    return days;
}

QDate d(int y, int m, int day)
{
    return QDate(y, m, day);
}

} // namespace

class TestHolidays : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entries_data();
    void entries();
    void additional_data();
    void additional();
    void happyMondays();
    void calendarDates();
    void impossibleDayIsRefused();
    void setHolidayWritesState();
};

void TestHolidays::entries_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("autumn");
    QTest::addColumn<int>("vernal");
    QTest::addColumn<QList<QDate>>("expected");
    // Order: 29 Apr, 3 May, 4 May, 5 May, marine day, respect-for-the-aged
    // day, autumn equinox, sports day, 3 Nov, 23 Nov, Emperor's birthday,
    // coming-of-age day, 11 Feb, vernal equinox; Sunday holidays moved.
    QTest::newRow("2003: 4 May a Sunday lands on the 5th")
        << 2003 << 23 << 20
        << QList<QDate>{d(2003, 4, 29),  d(2003, 5, 3),  d(2003, 5, 5),   d(2003, 5, 5),  d(2003, 7, 21),
                        d(2003, 9, 15),  d(2003, 9, 23), d(2003, 10, 13), d(2003, 11, 3), d(2003, 11, 24),
                        d(2003, 12, 23), d(2004, 1, 12), d(2004, 2, 11),  d(2004, 3, 20)};
    QTest::newRow("2008: 4 May a Sunday moves to the 6th")
        << 2008 << 23 << 20
        << QList<QDate>{d(2008, 4, 29),  d(2008, 5, 3),  d(2008, 5, 6),   d(2008, 5, 5),  d(2008, 7, 21),
                        d(2008, 9, 15),  d(2008, 9, 23), d(2008, 10, 13), d(2008, 11, 3), d(2008, 11, 24),
                        d(2008, 12, 23), d(2009, 1, 12), d(2009, 2, 11),  d(2009, 3, 20)};
    QTest::newRow("2009: 3 May and 21 Mar on Sundays")
        << 2009 << 23 << 21
        << QList<QDate>{d(2009, 4, 29),  d(2009, 5, 6),  d(2009, 5, 4),   d(2009, 5, 5),  d(2009, 7, 20),
                        d(2009, 9, 21),  d(2009, 9, 23), d(2009, 10, 12), d(2009, 11, 3), d(2009, 11, 23),
                        d(2009, 12, 23), d(2010, 1, 11), d(2010, 2, 11),  d(2010, 3, 22)};
    QTest::newRow("2018: last Emperor's birthday in December, a Sunday")
        << 2018 << 23 << 21
        << QList<QDate>{d(2018, 4, 30),  d(2018, 5, 3),  d(2018, 5, 4),  d(2018, 5, 5),  d(2018, 7, 16),
                        d(2018, 9, 17),  d(2018, 9, 24), d(2018, 10, 8), d(2018, 11, 3), d(2018, 11, 23),
                        d(2018, 12, 24), d(2019, 1, 14), d(2019, 2, 11), d(2019, 3, 21)};
    QTest::newRow("2019: Emperor's birthday in February")
        << 2019 << 23 << 20
        << QList<QDate>{d(2019, 4, 29), d(2019, 5, 3),  d(2019, 5, 4),   d(2019, 5, 6),  d(2019, 7, 15),
                        d(2019, 9, 16), d(2019, 9, 23), d(2019, 10, 14), d(2019, 11, 4), d(2019, 11, 23),
                        d(2020, 2, 24), d(2020, 1, 13), d(2020, 2, 11),  d(2020, 3, 20)};
    QTest::newRow("2020: marine and sports day moved to July")
        << 2020 << 22 << 20
        << QList<QDate>{d(2020, 4, 29), d(2020, 5, 6),  d(2020, 5, 4),  d(2020, 5, 5),  d(2020, 7, 23),
                        d(2020, 9, 21), d(2020, 9, 22), d(2020, 7, 24), d(2020, 11, 3), d(2020, 11, 23),
                        d(2021, 2, 23), d(2021, 1, 11), d(2021, 2, 11), d(2021, 3, 20)};
    QTest::newRow("2021: marine and sports day moved to July")
        << 2021 << 23 << 21
        << QList<QDate>{d(2021, 4, 29), d(2021, 5, 3),  d(2021, 5, 4),  d(2021, 5, 5),  d(2021, 7, 22),
                        d(2021, 9, 20), d(2021, 9, 23), d(2021, 7, 23), d(2021, 11, 3), d(2021, 11, 23),
                        d(2022, 2, 23), d(2022, 1, 10), d(2022, 2, 11), d(2022, 3, 21)};
    QTest::newRow("2026: 3 May a Sunday moves to the 6th")
        << 2026 << 23 << 21
        << QList<QDate>{d(2026, 4, 29), d(2026, 5, 6),  d(2026, 5, 4),   d(2026, 5, 5),  d(2026, 7, 20),
                        d(2026, 9, 21), d(2026, 9, 23), d(2026, 10, 12), d(2026, 11, 3), d(2026, 11, 23),
                        d(2027, 2, 23), d(2027, 1, 11), d(2027, 2, 11),  d(2027, 3, 22)};
}

void TestHolidays::entries()
{
    QFETCH(int, year);
    QFETCH(int, autumn);
    QFETCH(int, vernal);
    QFETCH(QList<QDate>, expected);
    QCOMPARE(toList(computeSchoolCalendar(year, withEquinoxes(autumn, vernal)).holidays), expected);
}

void TestHolidays::additional_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("autumn");
    QTest::addColumn<int>("vernal");
    QTest::addColumn<QList<QDate>>("expected");
    QTest::newRow("2003") << 2003 << 23 << 20 << QList<QDate>{d(2004, 1, 1)};
    QTest::newRow("2009: citizen's holiday in September")
        << 2009 << 23 << 21 << QList<QDate>{d(2009, 9, 22), d(2010, 1, 1)};
    QTest::newRow("2019: enthronement days off, mountain day moved off Sunday")
        << 2019 << 23 << 20 << QList<QDate>{d(2019, 4, 30), d(2019, 5, 1),   d(2019, 5, 2),
                                            d(2019, 8, 12), d(2019, 10, 22), d(2020, 1, 1)};
    QTest::newRow("2020: mountain day moved")
        << 2020 << 22 << 20 << QList<QDate>{d(2020, 8, 10), d(2021, 1, 1)};
    QTest::newRow("2021: mountain day on a Sunday")
        << 2021 << 23 << 21 << QList<QDate>{d(2021, 8, 9), d(2022, 1, 1)};
    QTest::newRow("2022: New Year's Day on a Sunday")
        << 2022 << 23 << 21 << QList<QDate>{d(2022, 8, 11), d(2023, 1, 2)};
    QTest::newRow("2026: citizen's holiday 22 September")
        << 2026 << 23 << 21 << QList<QDate>{d(2026, 8, 11), d(2026, 9, 22), d(2027, 1, 1)};
    QTest::newRow("2026 with autumn equinox on the 22nd: no citizen's holiday")
        << 2026 << 22 << 21 << QList<QDate>{d(2026, 8, 11), d(2027, 1, 1)};
}

void TestHolidays::additional()
{
    QFETCH(int, year);
    QFETCH(int, autumn);
    QFETCH(int, vernal);
    QFETCH(QList<QDate>, expected);
    QCOMPARE(additionalLegalHolidays(year, EquinoxDays{autumn, vernal}), expected);
}

void TestHolidays::happyMondays()
{
    const SchoolCalendar c2004 = computeSchoolCalendar(2004, withEquinoxes(23, 20));
    QCOMPARE(c2004.holidays[4], d(2004, 7, 19));
    QCOMPARE(c2004.holidays[5], d(2004, 9, 20));
    QCOMPARE(c2004.sportsDay, d(2004, 10, 11));
    QCOMPARE(c2004.comingOfAge, d(2005, 1, 10));
    // Before 2003 the marine day and the respect-for-the-aged day had fixed dates.
    const SchoolCalendar c2002 = computeSchoolCalendar(2002, withEquinoxes(23, 21));
    QCOMPARE(c2002.holidays[4], d(2002, 7, 20));
    QCOMPARE(c2002.holidays[5], d(2002, 9, 16)); // 15 September 2002 was a Sunday
    QCOMPARE(c2002.holidays[8], d(2002, 11, 4)); // so was 3 November
}

void TestHolidays::calendarDates()
{
    HolidayPeriodDays days;
    days.springEnd = 6;
    days.summerStart = 21;
    days.summerEnd = 25;
    days.winterStart = 26;
    days.winterEnd = 6;
    days.spring2Start = 24;
    const SchoolCalendar c = computeSchoolCalendar(2026, days);
    QCOMPARE(c.yearStart, d(2026, 4, 1));
    QCOMPARE(c.springEnd, d(2026, 4, 6));
    QCOMPARE(c.summerStart, d(2026, 7, 21));
    QCOMPARE(c.summerEnd, d(2026, 8, 25));
    QCOMPARE(c.winterStart, d(2026, 12, 26));
    QCOMPARE(c.winterEnd, d(2027, 1, 6));
    QCOMPARE(c.spring2Start, d(2027, 3, 24));
    QCOMPARE(c.yearEnd, d(2027, 3, 31));
    QCOMPARE(c.autumnEquinox, d(2026, 9, 23));
    QCOMPARE(c.vernalEquinox, d(2027, 3, 20));
    QCOMPARE(c.sportsDay, d(2026, 10, 12));
    QCOMPARE(c.comingOfAge, d(2027, 1, 11));
}

void TestHolidays::impossibleDayIsRefused()
{
    HolidayPeriodDays days;
    days.springEnd = 31; // there is no 31 April
    QVERIFY_THROWS_EXCEPTION(ConversionError, computeSchoolCalendar(2026, days));
}

void TestHolidays::setHolidayWritesState()
{
    AppState state;
    state.intYear = 2026;
    state.intHolidayCount = 16;
    state.dateHoliday[14] = d(2026, 6, 1);
    state.intHolidayDay[14] = static_cast<qint16>(d(2026, 6, 1).dayOfYear());
    subSetHoliday(state, withEquinoxes(23, 21));

    QCOMPARE(state.dateYearStart, d(2026, 4, 1));
    QCOMPARE(state.intYearStartDay, 91);
    QCOMPARE(state.dateWinterEnd, d(2027, 1, 7));
    QCOMPARE(state.intWinterEndDay, 7);
    QCOMPARE(state.dateYearEnd, d(2027, 3, 31));
    QCOMPARE(state.intYearEndDay, 90);
    QCOMPARE(state.dateVernalEquinox, d(2027, 3, 21));
    QCOMPARE(state.intVernalEquinoxDay, 80);
    QVERIFY(state.boolSatOff);
    QVERIFY(!state.boolSat24Off);
    QCOMPARE(state.dateHoliday[1], d(2026, 5, 6));
    QCOMPARE(state.intHolidayDay[1], d(2026, 5, 6).dayOfYear());
    QCOMPARE(state.dateHoliday[13], d(2027, 3, 22));
    // The teacher's own holidays and the count stay.
    QCOMPARE(state.intHolidayCount, 16);
    QCOMPARE(state.dateHoliday[14], d(2026, 6, 1));
    QVERIFY(!state.fncIsWorkDay(d(2026, 6, 1)));
    QVERIFY(!state.fncIsWorkDay(d(2026, 5, 6)));
    QVERIFY(state.fncIsWorkDay(d(2026, 5, 7)));
    QVERIFY(!state.fncIsWorkDay(d(2027, 2, 23)));
    QVERIFY(state.fncIsWorkDay(d(2026, 12, 23)));
}

QTEST_GUILESS_MAIN(TestHolidays)
#include "tst_holidays.moc"
