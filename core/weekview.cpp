#include "core/weekview.h"

#include "core/appstate.h"
#include "core/units.h"

namespace lunaplan {

namespace {

// Weekday with Sunday = 1 … Saturday = 7.
int sundayBasedWeekday(QDate date)
{
    return date.dayOfWeek() % 7 + 1;
}

DayColumn columnFor(const AppState& state, int column, QDate date, bool timetableA)
{
    DayColumn result;
    result.column = column;
    result.date = date;
    result.heading = dayHeading(date);
    if (!state.fncIsWorkDay(date))
        return result;
    const auto day = subGetDay(state, date, timetableA);
    if (!day)
        return result;
    const QString& subjects = day->strSubject();
    bool anyLesson = false;
    for (qsizetype p = 0; p < 8; ++p) {
        PeriodCell& cell = result.periods[static_cast<std::size_t>(p)];
        cell.lengthCode = lengthCodeAt(day->strCredit(), p);
        anyLesson = anyLesson || cell.lengthCode > 0;
        if (cell.lengthCode > 0 && p < subjects.size() && subjects[p] != u'\u3000')
            cell.subjectCode = subjects[p];
    }
    result.registered = day->isRegistered();
    // A timetable without a single lesson (none set up yet, or a closed
    // class) has nothing to propose; a held record is always shown.
    result.hasPeriods = result.registered || anyLesson;
    return result;
}

} // namespace

std::optional<ShownWeek> weekForDate(QDate date, int schoolYear)
{
    if (!date.isValid())
        return std::nullopt;
    const int w = sundayBasedWeekday(date);
    QDate first = date.addDays(-(w - 2));
    QDate last = date.addDays(6 - w);
    if (first.month() == 3 && date.month() == 4)
        first = QDate(schoolYear, 4, 1);
    if (last.month() == 4 && date.month() == 3)
        last = QDate(schoolYear + 1, 3, 31);
    if (first > last)
        return std::nullopt;
    return ShownWeek{first, last};
}

QList<DayColumn> weekColumns(const AppState& state, const ShownWeek& week, bool timetableA)
{
    QList<DayColumn> columns;
    for (QDate day = week.first; day <= week.last; day = day.addDays(1)) {
        const int weekday = sundayBasedWeekday(day);
        if (weekday >= 2 && weekday <= 6)
            columns.append(columnFor(state, weekday - 2, day, timetableA));
    }
    return columns;
}

std::shared_ptr<VelaDayTime> subGetDay(const AppState& state, QDate date, bool timetableA)
{
    if (auto held = heldRecordFor(*state.objDayHead, date))
        return held;
    const int weekday = sundayBasedWeekday(date) - 1;
    const auto& week = timetableA ? state.objWeekA : state.objWeekB;
    for (auto day = week->objFirstDay(); day; day = day->objNextDay()) {
        if (day->intWeekName() == weekday)
            return day;
        if (day == week->objLastDay())
            break;
    }
    return nullptr;
}

QString dayHeading(QDate date)
{
    static constexpr QStringView weekdays = u"月火水木金土日";
    return QString::number(date.month()) + u'／' + QString::number(date.day()) + u'(' +
           weekdays[date.dayOfWeek() - 1] + u')';
}

QDate todayInSchoolYear(QDate today, int schoolYear)
{
    const int year = today.month() <= 3 ? schoolYear + 1 : schoolYear;
    return QDate(year, today.month(), 1).addDays(today.day() - 1);
}

int calendarSchoolYear(int intYear, QDate today)
{
    return intYear != 0 ? intYear : schoolYearOf(today);
}

} // namespace lunaplan
