// The month calendar's geometry: shown months, visible-day numbering, date ↔ cell, scrolling.
#include "ui/common/monthgrid.h"

#include <QTest>

#include <stdexcept>

using namespace lunaplan;

Q_DECLARE_METATYPE(lunaplan::MonthCell)

namespace QTest {
template <> char* toString(const MonthCell& cell)
{
    return qstrdup(QByteArray("MonthCell(" + QByteArray::number(cell.month) + ", " +
                              QByteArray::number(cell.week) + ", " + QByteArray::number(cell.weekday) + ")")
                       .constData());
}
} // namespace QTest

class TestMonthGrid : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enumeration_data();
    void enumeration();
    void indexOutsideTheDaysThrows_data();
    void indexOutsideTheDaysThrows();
    void neighbourDaysOnlyAtTheOuterBlocks();
    void cells_data();
    void cells();
    void showing_data();
    void showing();
    void keptWithin_data();
    void keptWithin();
    void rejectsEmptyLayouts();

private:
    static void addLayouts();
};

void TestMonthGrid::addLayouts()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QDate>("firstMonth");
    QTest::addColumn<QDate>("firstVisible");
    QTest::addColumn<QDate>("lastVisible");
    QTest::addColumn<int>("count");
    // 1 April 2026 is a Wednesday, 30 June a Tuesday, 31 July a Friday.
    QTest::newRow("3x1 Apr-Jun 2026")
        << 3 << 1 << QDate(2026, 4, 1) << QDate(2026, 3, 29) << QDate(2026, 7, 4) << 3 + 91 + 4;
    QTest::newRow("1x4 Apr-Jul 2026")
        << 1 << 4 << QDate(2026, 4, 1) << QDate(2026, 3, 29) << QDate(2026, 8, 1) << 3 + 122 + 1;
    // 1 August 2026 is a Saturday, 31 December a Thursday.
    QTest::newRow("1x5 Aug-Dec 2026")
        << 1 << 5 << QDate(2026, 8, 1) << QDate(2026, 7, 26) << QDate(2027, 1, 2) << 6 + 153 + 2;
    // 1 January 2027 is a Friday, 31 March a Wednesday.
    QTest::newRow("1x3 Jan-Mar 2027")
        << 1 << 3 << QDate(2027, 1, 1) << QDate(2026, 12, 27) << QDate(2027, 4, 3) << 5 + 90 + 3;
    // February 2026 runs from a Sunday to a Saturday: nothing to fill.
    QTest::newRow("1x1 Feb 2026 no neighbours")
        << 1 << 1 << QDate(2026, 2, 1) << QDate(2026, 2, 1) << QDate(2026, 2, 28) << 28;
    QTest::newRow("2x2 given mid-month")
        << 2 << 2 << QDate(2026, 11, 17) << QDate(2026, 11, 1) << QDate(2027, 3, 6) << 30 + 31 + 31 + 28 + 6;
}

void TestMonthGrid::enumeration_data()
{
    addLayouts();
}

// The visible days are one unbroken run of dates from the first leading day to
// the last trailing day, and their numbering follows the screen: block by
// block, week by week, Sunday to Saturday.
void TestMonthGrid::enumeration()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QDate, firstMonth);
    QFETCH(QDate, firstVisible);
    QFETCH(QDate, lastVisible);
    QFETCH(int, count);

    const MonthGrid grid(rows, columns, firstMonth);
    QCOMPARE(grid.firstMonth(), QDate(firstMonth.year(), firstMonth.month(), 1));
    QCOMPARE(grid.visibleDayCount(), count);
    QCOMPARE(grid.visibleDay(1), firstVisible);
    QCOMPARE(grid.visibleDay(count), lastVisible);

    std::optional<MonthCell> previous;
    for (int index = 1; index <= count; ++index) {
        const QDate day = grid.visibleDay(index);
        QCOMPARE(day, firstVisible.addDays(index - 1));
        const std::optional<MonthCell> cell = grid.cellOf(day);
        QVERIFY2(cell, qPrintable(day.toString(Qt::ISODate)));
        if (previous) {
            const auto key = [](const MonthCell& c) { return std::tuple(c.month, c.week, c.weekday); };
            QVERIFY2(key(*previous) < key(*cell), qPrintable(day.toString(Qt::ISODate)));
        }
        previous = cell;
    }
}

void TestMonthGrid::indexOutsideTheDaysThrows_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the last") << 99;
    QTest::newRow("the caller's loop bound") << 400;
}

void TestMonthGrid::indexOutsideTheDaysThrows()
{
    QFETCH(int, index);
    const MonthGrid grid(1, 3, QDate(2027, 1, 1));
    QCOMPARE(grid.visibleDayCount(), 98);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.visibleDay(index));
}

// Months between the first and the last block show only their own days, so a
// date stands in one place: 31 January 2027 (a Sunday) stays in January's
// block and February's first row starts with an empty Sunday.
void TestMonthGrid::neighbourDaysOnlyAtTheOuterBlocks()
{
    const MonthGrid grid(1, 3, QDate(2027, 1, 1));
    QCOMPARE(grid.cellOf(QDate(2027, 1, 31)), (MonthCell{0, 5, 0}));
    QCOMPARE(grid.dateAt({1, 0, 0}), QDate());
    QCOMPARE(grid.dateAt({1, 0, 1}), QDate(2027, 2, 1));
    QCOMPARE(grid.dateAt({0, 5, 1}), QDate());
    QCOMPARE(grid.dateAt({1, 4, 1}), QDate()); // 1 March belongs to March's block

    QVERIFY(grid.isNeighbourDay(QDate(2026, 12, 27)));
    QVERIFY(grid.isNeighbourDay(QDate(2027, 4, 3)));
    QVERIFY(!grid.isNeighbourDay(QDate(2027, 2, 1)));
    QVERIFY(!grid.isNeighbourDay(QDate(2027, 4, 4))); // not shown at all
    QVERIFY(!grid.isVisible(QDate(2026, 12, 26)));
    QVERIFY(!grid.cellOf(QDate(2026, 12, 26)));
    QVERIFY(!grid.cellOf(QDate(2027, 4, 4)));
    QVERIFY(!grid.cellOf(QDate()));
}

void TestMonthGrid::cells_data()
{
    addLayouts();
}

// Every visible date goes to a cell and back, every cell that shows a date
// shows a visible one, and no two dates share a cell.
void TestMonthGrid::cells()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QDate, firstMonth);
    QFETCH(int, count);

    const MonthGrid grid(rows, columns, firstMonth);
    int shown = 0;
    for (int month = 0; month < grid.monthCount(); ++month) {
        for (int week = 0; week < MonthGrid::WeeksPerMonth; ++week) {
            for (int weekday = 0; weekday < MonthGrid::DaysPerWeek; ++weekday) {
                const MonthCell cell{month, week, weekday};
                const QDate date = grid.dateAt(cell);
                if (!date.isValid())
                    continue;
                ++shown;
                QCOMPARE(MonthGrid::weekdayColumn(date), weekday);
                QCOMPARE(grid.cellOf(date), cell);
            }
        }
    }
    QCOMPARE(shown, count);
    QCOMPARE(grid.dateAt({-1, 0, 0}), QDate());
    QCOMPARE(grid.dateAt({grid.monthCount(), 0, 0}), QDate());
    QCOMPARE(grid.dateAt({0, MonthGrid::WeeksPerMonth, 0}), QDate());
    QCOMPARE(grid.dateAt({0, 0, MonthGrid::DaysPerWeek}), QDate());
}

void TestMonthGrid::showing_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("firstMonth");
    // Three months from April 2026.
    QTest::newRow("already shown") << QDate(2026, 6, 30) << QDate(2026, 4, 1);
    QTest::newRow("leading day is not its month") << QDate(2026, 3, 31) << QDate(2026, 3, 1);
    QTest::newRow("next month: one step") << QDate(2026, 7, 1) << QDate(2026, 5, 1);
    QTest::newRow("far ahead: last block") << QDate(2027, 2, 14) << QDate(2026, 12, 1);
    QTest::newRow("far back: first block") << QDate(2025, 11, 3) << QDate(2025, 11, 1);
    QTest::newRow("invalid date: unchanged") << QDate() << QDate(2026, 4, 1);
}

void TestMonthGrid::showing()
{
    QFETCH(QDate, date);
    QFETCH(QDate, firstMonth);
    const MonthGrid moved = MonthGrid(3, 1, QDate(2026, 4, 1)).showing(date);
    QCOMPARE(moved.firstMonth(), firstMonth);
    QCOMPARE(moved.monthCount(), 3);
}

void TestMonthGrid::keptWithin_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QDate>("firstMonth");
    QTest::addColumn<QDate>("min");
    QTest::addColumn<QDate>("max");
    QTest::addColumn<QDate>("expected");
    const QDate april(2026, 4, 1);
    const QDate march(2027, 3, 31);
    QTest::newRow("inside") << 3 << QDate(2026, 9, 1) << april << march << QDate(2026, 9, 1);
    QTest::newRow("before the range") << 3 << QDate(2025, 12, 1) << april << march << april;
    QTest::newRow("last months stay filled") << 3 << QDate(2027, 2, 1) << april << march << QDate(2027, 1, 1);
    QTest::newRow("mid-month bounds")
        << 3 << QDate(2027, 3, 1) << QDate(2026, 4, 20) << QDate(2027, 3, 2) << QDate(2027, 1, 1);
    QTest::newRow("range as long as the grid")
        << 4 << QDate(2026, 7, 1) << april << QDate(2026, 7, 31) << april;
    QTest::newRow("range shorter than the grid")
        << 3 << QDate(2026, 5, 1) << april << QDate(2026, 5, 31) << april;
    QTest::newRow("reversed range: unchanged")
        << 3 << QDate(2026, 5, 1) << march << april << QDate(2026, 5, 1);
}

void TestMonthGrid::keptWithin()
{
    QFETCH(int, columns);
    QFETCH(QDate, firstMonth);
    QFETCH(QDate, min);
    QFETCH(QDate, max);
    QFETCH(QDate, expected);
    QCOMPARE(MonthGrid(1, columns, firstMonth).keptWithin(min, max).firstMonth(), expected);
}

void TestMonthGrid::rejectsEmptyLayouts()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MonthGrid(0, 3, QDate(2026, 4, 1)));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MonthGrid(3, 0, QDate(2026, 4, 1)));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MonthGrid(1, 1, QDate()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, MonthGrid(1, 3, QDate(2026, 4, 1)).month(3));
}

QTEST_APPLESS_MAIN(TestMonthGrid)
#include "tst_monthgrid.moc"
