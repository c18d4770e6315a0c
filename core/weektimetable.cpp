#include "core/weektimetable.h"

#include "core/appstate.h"
#include "core/subjects.h"
#include "core/units.h"

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

} // namespace lunaplan
