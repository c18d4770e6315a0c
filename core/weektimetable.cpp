#include "core/weektimetable.h"

#include "core/appstate.h"
#include "core/subjects.h"
#include "core/units.h"

#include <initializer_list>

namespace lunaplan {

EditedTimetable editedTimetable(AppState& state)
{
    if (state.boolEditWeekA)
        return {state.strWeekCreditA, *state.objWeekA};
    return {state.strWeekCreditB, *state.objWeekB};
}

bool fillDefaultFrames(AppState& state)
{
    // A grade read from a damaged file must not index past the table.
    if (state.intGrade < 1 || state.intGrade > 6)
        return false;
    std::array<QString, 7>& frames = editedTimetable(state).frames;
    for (int weekday = 0; weekday <= 5; ++weekday) {
        if (!frames[static_cast<std::size_t>(weekday)].isEmpty())
            return false;
    }
    const auto& defaults = state.strDefaultCredit[static_cast<std::size_t>(state.intGrade - 1)];
    for (std::size_t weekday = 0; weekday <= 5; ++weekday)
        frames[weekday] = defaults[weekday];
    return true;
}

void subSetWeekCredit(AppState& state, const std::array<int, TimetableCells>& lengthCodes)
{
    const EditedTimetable timetable = editedTimetable(state);
    for (int d = 0; d < TimetableDays; ++d) {
        QString frame;
        for (int p = 0; p < TimetablePeriods; ++p) {
            const int code = lengthCodes[static_cast<std::size_t>(d * TimetablePeriods + p)];
            frame += QString::number(code).back();
        }
        timetable.frames[static_cast<std::size_t>(d)] = frame;
    }
    for (VelaDayTime* day = timetable.week.objFirstDay().get(); day; day = day->objNextDay().get()) {
        const int weekday = day->intWeekName() - 1;
        if (weekday >= 0 && weekday <= 5)
            day->setStrCredit(timetable.frames[static_cast<std::size_t>(weekday)]);
        if (day == timetable.week.objLastDay().get())
            break;
    }
}

VelaDayTime* templateDay(const VelaWeekTotal& week, int weekName)
{
    for (VelaDayTime* day = week.objFirstDay().get(); day; day = day->objNextDay().get()) {
        if (day->intWeekName() == weekName)
            return day;
        if (day == week.objLastDay().get())
            break;
    }
    return nullptr;
}

QString withSubjectAt(const QString& daySubjects, int period, QChar code)
{
    QString subjects = daySubjects.left(TimetablePeriods);
    while (subjects.size() < TimetablePeriods)
        subjects += EmptySlot;
    if (period >= 0 && period < TimetablePeriods)
        subjects[period] = code;
    return subjects;
}

QString weeklyHoursText(int paletteIndex, qint16 units)
{
    QString name = subjectByCode(WizardPaletteOrder[paletteIndex])->fullName.toString();
    while (name.size() < 4)
        name += EmptySlot;
    return name + fncCreditToStr(units) + u" 時間";
}

std::array<qint16, 15> weeklyHours(VelaWeekTotal& week)
{
    week.calculate();
    std::array<qint16, 15> hours{};
    for (qsizetype i = 0; i < WizardPaletteOrder.size(); ++i)
        hours[static_cast<std::size_t>(i)] = week.value(subjectByCode(WizardPaletteOrder[i])->field);
    return hours;
}

bool dayHoldsLessons(const VelaWeekTotal& week, const std::array<QString, 7>& frames, int weekday)
{
    if (weekday < 0 || weekday > 5)
        return false;
    const VelaDayTime* day = templateDay(week, weekday + 1);
    if (!day)
        return false;
    const QString& subjects = day->strSubject();
    for (int p = 0; p < TimetablePeriods && p < subjects.size(); ++p) {
        if (subjects[p] != EmptySlot && lengthCodeAt(frames[static_cast<std::size_t>(weekday)], p) != 0)
            return true;
    }
    return false;
}

bool timetableHoldsLessons(const VelaWeekTotal& week, const std::array<QString, 7>& frames)
{
    for (int weekday = 0; weekday <= 5; ++weekday) {
        if (dayHoldsLessons(week, frames, weekday))
            return true;
    }
    return false;
}

void copyTimetableAToB(AppState& state)
{
    for (std::size_t weekday = 0; weekday <= 5; ++weekday)
        state.strWeekCreditB[weekday] = state.strWeekCreditA[weekday];
    for (int weekName = 1; weekName <= 6; ++weekName) {
        const VelaDayTime* from = templateDay(*state.objWeekA, weekName);
        VelaDayTime* to = templateDay(*state.objWeekB, weekName);
        if (!from || !to)
            continue;
        to->setStrSubject(from->strSubject());
        to->setStrCredit(state.strWeekCreditB[static_cast<std::size_t>(weekName - 1)]);
    }
}

void copyDaySubjects(AppState& state, int from, int to)
{
    if (from < 0 || from >= TimetableDays || to < 0 || to >= TimetableDays || from == to)
        return;
    const EditedTimetable timetable = editedTimetable(state);
    const VelaDayTime* source = templateDay(timetable.week, from + 1);
    VelaDayTime* target = templateDay(timetable.week, to + 1);
    if (!source || !target)
        return;
    const QString& frame = timetable.frames[static_cast<std::size_t>(from)];
    QString subjects;
    for (int p = 0; p < TimetablePeriods; ++p) {
        const bool shown = lengthCodeAt(frame, p) != 0 && p < source->strSubject().size();
        subjects += shown ? source->strSubject()[p] : EmptySlot;
    }
    target->setStrSubject(subjects);
}

int paletteIndexForKey(QChar key)
{
    return key.isNull() ? -1 : static_cast<int>(WizardPaletteKeys.indexOf(key.toUpper()));
}

namespace {

bool periodShown(const std::array<QString, 7>& frames, int weekday, int period)
{
    return lengthCodeAt(frames[static_cast<std::size_t>(weekday)], period) != 0;
}

// The shown period of a weekday nearest to `period` (the upper one of two
// equally near); -1 when the weekday shows none.
int nearestShownPeriod(const std::array<QString, 7>& frames, int weekday, int period)
{
    for (int distance = 0; distance < TimetablePeriods; ++distance) {
        for (const int p : {period - distance, period + distance}) {
            if (p >= 0 && p < TimetablePeriods && periodShown(frames, weekday, p))
                return p;
        }
    }
    return -1;
}

} // namespace

int periodFocusTarget(const std::array<QString, 7>& frames, int index, PeriodMove move)
{
    if (index < 0 || index >= TimetableCells)
        return index;
    const int weekday = index / TimetablePeriods;
    const int period = index % TimetablePeriods;
    switch (move) {
    case PeriodMove::Up:
    case PeriodMove::Down: {
        const int step = move == PeriodMove::Up ? -1 : 1;
        for (int p = period + step; p >= 0 && p < TimetablePeriods; p += step) {
            if (periodShown(frames, weekday, p))
                return weekday * TimetablePeriods + p;
        }
        return index;
    }
    case PeriodMove::Left:
    case PeriodMove::Right: {
        const int step = move == PeriodMove::Left ? -1 : 1;
        for (int d = weekday + step; d >= 0 && d < TimetableDays; d += step) {
            if (const int p = nearestShownPeriod(frames, d, period); p >= 0)
                return d * TimetablePeriods + p;
        }
        return index;
    }
    case PeriodMove::Next:
        for (int i = index + 1; i < TimetableCells; ++i) {
            if (periodShown(frames, i / TimetablePeriods, i % TimetablePeriods))
                return i;
        }
        return index;
    }
    return index;
}

} // namespace lunaplan
