#include "core/newschoolyear.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "core/schoolcalendar.h"
#include "core/totalsrecord.h"
#include "core/units.h"
#include "core/yearplan.h"

#include <algorithm>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr int LastGrade = 6;

// The subjects of a template week, Monday to Saturday.
std::array<QString, 6> weekSubjects(const VelaWeekTotal& week)
{
    std::array<QString, 6> subjects{};
    std::size_t i = 0;
    for (const VelaDayTime* day = week.objFirstDay().get(); day && i < subjects.size();
         day = day->objNextDay().get(), ++i) {
        subjects[i] = day->strSubject();
        if (day == week.objLastDay().get())
            break;
    }
    return subjects;
}

void setWeek(VelaWeekTotal& week, const std::array<QString, 6>& subjects,
             const std::array<QString, 7>& frames)
{
    std::size_t i = 0;
    for (VelaDayTime* day = week.objFirstDay().get(); day && i < subjects.size();
         day = day->objNextDay().get(), ++i) {
        day->setStrSubject(subjects[i]);
        day->setStrCredit(frames[static_cast<std::size_t>(day->intWeekName() - 1)]);
        if (day == week.objLastDay().get())
            break;
    }
}

// The standard hours of the grade; rows the standard has no figure for are
// the school's own choice (クラブ, 行事 …) and keep the previous year's.
TotalsRecord baseHoursFor(int grade, const TotalsRecord& previous)
{
    TotalsRecord base;
    const auto lessons = standardAnnualLessons(grade);
    for (std::size_t row = 0; row < lessons.size(); ++row) {
        const TotalField field = PerCodeFields[row];
        base.setValue(field, lessons[row] ? checkedUnits(qint64{*lessons[row]} * 3) : previous.value(field));
    }
    base.computeSubtotals();
    return base;
}

} // namespace

NextSchoolYear startNextSchoolYear(const AppState& previous, AppState& next)
{
    if (previous.intYear <= 0)
        throw ConversionError(u"前年度の学級がありません。"_s);

    // Everything taken from `previous` is copied before `next` changes,
    // since both may be the same state; what can fail comes first as well.
    NextSchoolYear result;
    result.year = previous.intYear + 1;
    result.gradeKept = previous.intGrade >= LastGrade;
    result.grade = std::clamp(previous.intGrade + 1, 1, LastGrade);
    const QString className = previous.strClass;
    const QString teacher = previous.strTeacher;
    const std::array<QString, 6> subjectsA = weekSubjects(*previous.objWeekA);
    const std::array<QString, 6> subjectsB = weekSubjects(*previous.objWeekB);
    const std::array<QString, 7> framesA = previous.strWeekCreditA;
    const std::array<QString, 7> framesB = previous.strWeekCreditB;
    const TotalsRecord base = baseHoursFor(result.grade, *previous.objYearBase);
    const HolidayPeriodDays holidays = defaultHolidayPeriodDays(result.year);
    computeSchoolCalendar(result.year, holidays);

    next.subInitClassData();
    next.subInitYearPlan();
    next.intYear = static_cast<qint16>(result.year);
    next.intGrade = static_cast<qint16>(result.grade);
    next.strClass = className;
    next.strTeacher = teacher;
    next.strFileName.clear();

    subSetHoliday(next, holidays);
    // Only the national holidays: last year's own days off are last year's.
    next.intHolidayCount = AppState::NationalHolidayCount;
    for (std::size_t i = AppState::NationalHolidayCount; i < next.dateHoliday.size(); ++i) {
        next.dateHoliday[i] = QDate();
        next.intHolidayDay[i] = 0;
    }

    next.strWeekCreditA = framesA;
    next.strWeekCreditB = framesB;
    setWeek(*next.objWeekA, subjectsA, framesA);
    setWeek(*next.objWeekB, subjectsB, framesB);
    static_cast<TotalsRecord&>(*next.objYearBase) = base;

    next.boolCalendarReady = false;
    subCountWorkDays(next, result.year);
    return result;
}

} // namespace lunaplan
