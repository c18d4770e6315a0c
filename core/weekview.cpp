#include "core/weekview.h"

#include "core/appstate.h"
#include "core/daymarks.h"
#include "core/subjects.h"
#include "core/units.h"
#include "core/veladaytime.h"

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

// Weekday with Sunday = 1 … Saturday = 7.
int sundayBasedWeekday(QDate date)
{
    return date.dayOfWeek() % 7 + 1;
}

// Copies a day's lengths (and its subjects, unless only the frame is wanted)
// into a column; true when a period has a lesson.
bool fillPeriods(DayColumn& column, const VelaDayTime& day, bool withSubjects)
{
    const QString& subjects = day.strSubject();
    bool anyLesson = false;
    for (qsizetype p = 0; p < 8; ++p) {
        PeriodCell& cell = column.periods[static_cast<std::size_t>(p)];
        cell.lengthCode = lengthCodeAt(day.strCredit(), p);
        anyLesson = anyLesson || cell.lengthCode > 0;
        if (withSubjects && cell.lengthCode > 0 && p < subjects.size() && subjects[p] != u'\u3000')
            cell.subjectCode = subjects[p];
    }
    return anyLesson;
}

DayColumn headingOnly(int column, QDate date)
{
    DayColumn result;
    result.column = column;
    result.date = date;
    result.heading = dayHeading(date);
    return result;
}

DayColumn columnFor(const AppState& state, int column, QDate date, bool timetableA)
{
    DayColumn result = headingOnly(column, date);
    if (!state.fncIsWorkDay(date))
        return result;
    const auto day = subGetDay(state, date, timetableA);
    if (!day)
        return result;
    const bool anyLesson = fillPeriods(result, *day, true);
    result.registered = day->isRegistered();
    // A timetable without a single lesson (none set up yet, or a closed
    // class) has nothing to propose; a held record is always shown.
    result.hasPeriods = result.registered || anyLesson;
    return result;
}

// The template day of a timetable for a weekday number (Monday = 1 … Saturday = 6).
std::shared_ptr<VelaDayTime> templateDay(const AppState& state, int weekday, bool timetableA)
{
    const auto& week = timetableA ? state.objWeekA : state.objWeekB;
    for (auto day = week->objFirstDay(); day; day = day->objNextDay()) {
        if (day->intWeekName() == weekday)
            return day;
        if (day == week->objLastDay())
            break;
    }
    return nullptr;
}

bool hasLesson(const VelaDayTime* day)
{
    if (!day)
        return false;
    for (qsizetype p = 0; p < 8; ++p) {
        if (lengthCodeAt(day->strCredit(), p) > 0)
            return true;
    }
    return false;
}

DayColumn weekendColumnFor(const AppState& state, int column, QDate date, bool timetableA, bool asked)
{
    DayColumn result = headingOnly(column, date);
    if (!asked && !weekendDayOffersItself(state, date))
        return result;
    result.hasPeriods = true;
    if (const auto held = heldRecordFor(*state.objDayHead, date)) {
        fillPeriods(result, *held, true);
        result.registered = held->isRegistered();
        return result;
    }
    const auto saturday = templateDay(state, 6, timetableA);
    if (saturday && hasLesson(saturday.get()))
        fillPeriods(result, *saturday, true);
    else if (const auto monday = templateDay(state, 1, timetableA))
        fillPeriods(result, *monday, false);
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

QList<DayColumn> weekendColumns(const AppState& state, const ShownWeek& week, bool timetableA,
                                WeekendAsk asked)
{
    // A week cut at the end of the school year ends before its Friday.
    if (!week.last.isValid() || week.last.dayOfWeek() != Qt::Friday)
        return {};
    const QDate saturday = week.last.addDays(1);
    return {weekendColumnFor(state, 5, saturday, timetableA, asked.saturday),
            weekendColumnFor(state, 6, saturday.addDays(1), timetableA, asked.sunday)};
}

bool weekendDayOffersItself(const AppState& state, QDate date)
{
    return heldRecordFor(*state.objDayHead, date) || state.fncIsWorkDay(date);
}

DayColumn dayColumnFor(const AppState& state, QDate date, bool timetableA, bool asked)
{
    const int weekday = date.dayOfWeek();
    if (weekday >= Qt::Saturday)
        return weekendColumnFor(state, weekday - 1, date, timetableA, asked);
    return columnFor(state, weekday - 1, date, timetableA);
}

bool isDayRegistered(const AppState& state, QDate date)
{
    const auto held = heldRecordFor(*state.objDayHead, date);
    return held && held->isRegistered();
}

namespace {

// A column's lessons as a record holds them: a subject code (the empty slot
// for none) and a length digit per period.
struct RecordLessons {
    QString subjects;
    QString credits;
};

RecordLessons recordLessons(const DayColumn& column)
{
    RecordLessons lessons;
    for (const PeriodCell& cell : column.periods) {
        lessons.subjects += cell.subjectCode.isNull() ? EmptySlot : cell.subjectCode;
        lessons.credits += QString::number(cell.lengthCode).right(1);
    }
    return lessons;
}

} // namespace

QString doubledSubjectQuestion(const DayColumn& column)
{
    const RecordLessons lessons = recordLessons(column);
    const QString doubled = doubledSubjects(lessons.subjects, lessons.credits);
    if (doubled.isEmpty())
        return {};
    return u"%1は%2が2回以上あります。このまま登録しますか？"_s.arg(dayHeading(column.date),
                                                                    subjectNamesText(doubled));
}

bool registerDay(AppState& state, const DayColumn& column)
{
    if (!column.date.isValid() || !column.hasPeriods)
        return false;
    const RecordLessons lessons = recordLessons(column);
    state.objDayHead->appendDay(makeRecordedDay(column.date, lessons.subjects, lessons.credits));
    return true;
}

bool withdrawDay(AppState& state, QDate date)
{
    if (!isDayRegistered(state, date))
        return false;
    heldRecordFor(*state.objDayHead, date)->setBoolNowPlanning(true);
    return true;
}

std::shared_ptr<VelaDayTime> subGetDay(const AppState& state, QDate date, bool timetableA)
{
    if (auto held = heldRecordFor(*state.objDayHead, date))
        return held;
    return templateDay(state, sundayBasedWeekday(date) - 1, timetableA);
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
