#pragma once

#include "core/periodtotals.h"

#include <QString>
#include <QStringView>

#include <array>

namespace lunaplan {

class AppState;

// The weekly timetable the wizard's timetable page edits: A or B as the
// state's boolEditWeekA says. Frames 0 to 5 are Monday to Saturday.
struct EditedTimetable {
    std::array<QString, 7>& frames;
    VelaWeekTotal& week;
};
EditedTimetable editedTimetable(AppState& state);

inline constexpr int TimetableDays = 5;    // Monday to Friday are edited
inline constexpr int TimetablePeriods = 8; // periods 0 to 7
inline constexpr int TimetableCells = TimetableDays * TimetablePeriods;

// A new timetable starts from the default frames of the class's grade: when
// all six frames are empty and the grade is 1 to 6, they are copied in.
// True when it copied them.
bool fillDefaultFrames(AppState& state);

// The lengths of the edited Monday-to-Friday grid (index weekday × 8 +
// period, each a code 0 to 4) become frames 0 to 4, and every template day
// takes its weekday's frame as strCredit. Saturday's frame is kept as it is.
void subSetWeekCredit(AppState& state, const std::array<int, TimetableCells>& lengthCodes);

// The template day of a weekday (intWeekName 1 = Monday … 6 = Saturday); null when the week has none.
VelaDayTime* templateDay(const VelaWeekTotal& week, int weekName);

// A day's subject string with one period changed. The result always has
// eight slots: missing ones are empty, and the other periods keep their codes
// (also those of hidden periods and of subjects the page has no button for).
QString withSubjectAt(const QString& daySubjects, int period, QChar code);

// The caption of the weekly-hours label of a wizard palette subject,
// "国語　　5.0 時間" for five 45-minute lessons.
QString weeklyHoursText(int paletteIndex, qint16 units);

// Totals the edited week and gives the weekly units of each wizard palette
// subject, in palette order.
std::array<qint16, 15> weeklyHours(VelaWeekTotal& week);

} // namespace lunaplan
