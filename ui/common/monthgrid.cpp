#include "ui/common/monthgrid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace lunaplan {

namespace {

// Months from the first of a to the first of b.
int monthsBetween(QDate a, QDate b)
{
    return (b.year() - a.year()) * 12 + (b.month() - a.month());
}

} // namespace

MonthGrid::MonthGrid(int rows, int columns, QDate firstMonth)
    : m_rows(rows)
    , m_columns(columns)
    , m_firstMonth(firstMonth.isValid() ? monthStart(firstMonth) : QDate())
{
    if (rows < 1 || columns < 1)
        throw std::invalid_argument("a month grid needs at least one row and one column");
    if (!firstMonth.isValid())
        throw std::invalid_argument("a month grid needs a valid first month");
    m_lastMonth = m_firstMonth.addMonths(monthCount() - 1);
    m_lastShownDay = m_lastMonth.addMonths(1).addDays(-1);
    m_firstVisible = m_firstMonth.addDays(-weekdayColumn(m_firstMonth));
    m_lastVisible = m_lastShownDay.addDays(DaysPerWeek - 1 - weekdayColumn(m_lastShownDay));
}

QDate MonthGrid::month(int index) const
{
    if (index < 0 || index >= monthCount())
        throw std::out_of_range("no month block " + std::to_string(index));
    return m_firstMonth.addMonths(index);
}

int MonthGrid::visibleDayCount() const
{
    return static_cast<int>(firstVisibleDay().daysTo(lastVisibleDay())) + 1;
}

QDate MonthGrid::visibleDay(int index) const
{
    if (index < 1 || index > visibleDayCount())
        throw std::out_of_range("no visible day " + std::to_string(index));
    return firstVisibleDay().addDays(index - 1);
}

bool MonthGrid::isVisible(QDate date) const
{
    return date.isValid() && date >= m_firstVisible && date <= m_lastVisible;
}

bool MonthGrid::isNeighbourDay(QDate date) const
{
    return isVisible(date) && (date < m_firstMonth || date > m_lastShownDay);
}

std::optional<MonthCell> MonthGrid::cellOf(QDate date) const
{
    if (!isVisible(date))
        return std::nullopt;
    // Leading days stand in the first week of block 0, trailing days in the
    // last week of the last block; all other dates in their own month's block.
    int block = monthsBetween(m_firstMonth, monthStart(date));
    QDate blockMonth = monthStart(date);
    if (block < 0) {
        block = 0;
        blockMonth = m_firstMonth;
    } else if (block >= monthCount()) {
        block = monthCount() - 1;
        blockMonth = lastMonth();
    }
    const int offset = static_cast<int>(blockMonth.addDays(-weekdayColumn(blockMonth)).daysTo(date));
    return MonthCell{block, offset / DaysPerWeek, offset % DaysPerWeek};
}

MonthGrid::BlockDays MonthGrid::blockDays(int index) const
{
    const QDate blockMonth = month(index);
    return {blockMonth.addDays(-weekdayColumn(blockMonth)), index == 0 ? m_firstVisible : blockMonth,
            index == monthCount() - 1 ? m_lastVisible : blockMonth.addMonths(1).addDays(-1)};
}

QDate MonthGrid::dateAt(const MonthCell& cell) const
{
    if (cell.month < 0 || cell.month >= monthCount() || cell.week < 0 || cell.week >= WeeksPerMonth ||
        cell.weekday < 0 || cell.weekday >= DaysPerWeek)
        return {};
    const BlockDays days = blockDays(cell.month);
    const QDate date = days.firstCell.addDays(cell.week * DaysPerWeek + cell.weekday);
    return date >= days.first && date <= days.last ? date : QDate();
}

MonthGrid MonthGrid::scrolled(int months) const
{
    return MonthGrid(m_rows, m_columns, m_firstMonth.addMonths(months));
}

MonthGrid MonthGrid::showing(QDate date) const
{
    if (!date.isValid())
        return *this;
    const int block = monthsBetween(m_firstMonth, monthStart(date));
    if (block < 0)
        return scrolled(block);
    if (block >= monthCount())
        return scrolled(block - monthCount() + 1);
    return *this;
}

MonthGrid MonthGrid::keptWithin(QDate first, QDate last) const
{
    if (!first.isValid() || !last.isValid() || last < first)
        return *this;
    const int latestStart =
        std::max(0, monthsBetween(monthStart(first), monthStart(last)) - monthCount() + 1);
    const int start = std::clamp(monthsBetween(monthStart(first), m_firstMonth), 0, latestStart);
    return MonthGrid(m_rows, m_columns, monthStart(first).addMonths(start));
}

} // namespace lunaplan
