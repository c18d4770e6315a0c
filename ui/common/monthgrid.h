#pragma once

#include <QDate>

#include <optional>

namespace lunaplan {

// A place in a month calendar: the month block (0-based, in reading order of
// the blocks), the week row inside the block (0 to 5) and the weekday column
// (0 = Sunday to 6 = Saturday).
struct MonthCell {
    int month = 0;
    int week = 0;
    int weekday = 0;

    friend bool operator==(const MonthCell&, const MonthCell&) = default;
};

// The geometry of a calendar of consecutive months laid out in rows and
// columns, without any drawing: which months are shown, where a date stands
// and which dates are visible.
//
// Weeks start on Sunday and every month block has six week rows. The first
// block also shows the days of the month before that fill its first week
// (leading days); the last block shows the days of the month after that fill
// its last week (trailing days). Blocks in between show only their own month,
// so no date stands in two places and the visible days form one unbroken run
// of dates, numbered 1, 2, ... in screen order.
class MonthGrid {
public:
    static constexpr int DaysPerWeek = 7;
    static constexpr int WeeksPerMonth = 6;

    // Throws std::invalid_argument when rows or columns is below 1 or the date is invalid.
    MonthGrid(int rows, int columns, QDate firstMonth);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    int monthCount() const { return m_rows * m_columns; }

    // The first day of the first and the last month shown.
    QDate firstMonth() const { return m_firstMonth; }
    QDate lastMonth() const { return m_lastMonth; }
    // The first day of the month in block index (0-based). Throws std::out_of_range.
    QDate month(int index) const;

    QDate firstVisibleDay() const { return m_firstVisible; }
    QDate lastVisibleDay() const { return m_lastVisible; }
    int visibleDayCount() const;
    // The visible day of a 1-based index in screen order. Throws std::out_of_range
    // for an index below 1 or past the last visible day.
    QDate visibleDay(int index) const;
    bool isVisible(QDate date) const;
    // A visible day that belongs to the month before the first or after the last shown month.
    bool isNeighbourDay(QDate date) const;

    // Where a visible date stands; nothing for a date that is not shown.
    std::optional<MonthCell> cellOf(QDate date) const;
    // The date shown in a cell; an invalid date for an empty cell or a cell outside the grid.
    QDate dateAt(const MonthCell& cell) const;
    // The days of block index: its first cell shows firstCell (the Sunday on
    // or before the first of its month), and cell k = week × 7 + weekday
    // shows firstCell + k when that date lies from first to last (the block's
    // month, with the leading days in the first block and the trailing days
    // in the last). Throws std::out_of_range.
    struct BlockDays {
        QDate firstCell;
        QDate first;
        QDate last;
    };
    BlockDays blockDays(int index) const;

    // The same layout scrolled by a number of months.
    MonthGrid scrolled(int months) const;
    // The same layout scrolled as little as possible so that the month of date is shown.
    MonthGrid showing(QDate date) const;
    // The same layout scrolled as little as possible so that no shown month lies
    // before the month of first, and none after the month of last unless the
    // months from first to last are fewer than the blocks; then the first block
    // shows the month of first.
    MonthGrid keptWithin(QDate first, QDate last) const;

    // Sunday = 0 ... Saturday = 6.
    static int weekdayColumn(QDate date) { return date.dayOfWeek() % DaysPerWeek; }
    static QDate monthStart(QDate date) { return QDate(date.year(), date.month(), 1); }

    friend bool operator==(const MonthGrid&, const MonthGrid&) = default;

private:
    int m_rows;
    int m_columns;
    QDate m_firstMonth;
    // Derived from the above once: every cell of every painting asks for them.
    QDate m_lastMonth;
    QDate m_lastShownDay; // the last day of the last month
    QDate m_firstVisible;
    QDate m_lastVisible;
};

} // namespace lunaplan
