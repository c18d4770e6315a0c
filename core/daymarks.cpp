#include "core/daymarks.h"

#include "core/appstate.h"
#include "core/periodtotals.h"
#include "core/subjects.h"
#include "core/units.h"
#include "core/veladaytime.h"

#include <QStringList>

#include <algorithm>

namespace lunaplan {

using namespace Qt::StringLiterals;

CalendarMarks calendarMarks(const AppState& state, QDate first, QDate last, QDate today)
{
    CalendarMarks marks;
    if (!first.isValid() || !last.isValid())
        return marks;
    // One walk of the date-ordered list finds what heldRecordFor finds for
    // each day: the first record of a date, unless it was withdrawn.
    QDate previous;
    for (auto day = state.objDayHead->objNextDay(); day && day->dateThisDay() <= last;
         day = day->objNextDay()) {
        const QDate date = day->dateThisDay();
        if (date >= first && date != previous && !day->boolNowPlanning())
            marks.registered.insert(date);
        previous = date;
    }
    for (QDate day = first; day <= last && day < today; day = day.addDays(1)) {
        if (!marks.registered.contains(day) && state.fncIsWorkDay(day))
            marks.forgotten.insert(day);
    }
    return marks;
}

QString holidayKind(const AppState& state, QDate date)
{
    if (!date.isValid() || state.fncIsWorkDay(date))
        return {};
    const int count = std::min<int>(state.intHolidayCount, AppState::HolidaySlots);
    for (int i = 0; i < count; ++i) {
        if (state.dateHoliday[static_cast<std::size_t>(i)] == date)
            return i < AppState::NationalHolidayCount ? u"祝日"_s : u"特別な休日"_s;
    }
    if (state.legalDaysOff().contains(date))
        return u"祝日"_s;
    return u"休業日"_s;
}

QString doubledSubjects(QStringView subjects, QStringView credits)
{
    QString seen;
    QString doubled;
    for (qsizetype p = 0; p < subjects.size() && p < 8; ++p) {
        const QChar code = subjects[p];
        const Subject* subject = subjectByCode(code);
        if (!subject || subject->group == SubjectGroup::OutsideLessons || code == u'行' ||
            lengthCodeAt(credits, p) == 0)
            continue;
        if (!seen.contains(code))
            seen += code;
        else if (!doubled.contains(code))
            doubled += code;
    }
    return doubled;
}

QString doubledSubjectsHint(const VelaWeekTotal& week)
{
    static constexpr QStringView Weekdays = u"日月火水木金土";
    QStringList days;
    for (auto day = week.objFirstDay(); day; day = day->objNextDay()) {
        const QString doubled = doubledSubjects(day->strSubject(), day->strCredit());
        if (!doubled.isEmpty() && day->intWeekName() >= 0 && day->intWeekName() < 7)
            days << Weekdays[day->intWeekName()] + u'（' + subjectNamesText(doubled) + u'）';
        if (day == week.objLastDay())
            break;
    }
    return days.isEmpty() ? QString() : u"同じ教科が2回以上ある日："_s + days.join(u'、');
}

QString subjectNamesText(QStringView codes)
{
    QStringList names;
    for (const QChar code : codes) {
        const Subject* subject = subjectByCode(code);
        names << (subject ? (subject->fullName.isEmpty() ? subject->rowLabel : subject->fullName).toString()
                          : QString(code));
    }
    return names.join(u'・');
}

} // namespace lunaplan
