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

// Whether a weekday (0 = Monday … 5 = Saturday) of a timetable holds a lesson:
// a subject in a period whose length is not "なし". Hidden periods keep their
// codes, but nobody sees them, so they are nothing to lose.
bool dayHoldsLessons(const VelaWeekTotal& week, const std::array<QString, 7>& frames, int weekday);
// The same for any day, Monday to Saturday.
bool timetableHoldsLessons(const VelaWeekTotal& week, const std::array<QString, 7>& frames);

// Timetable B becomes a copy of A: the lesson lengths of Monday to Saturday
// and the subjects of every template day. A is not changed.
void copyTimetableAToB(AppState& state);

// In the edited timetable, weekday `to` (0 = Monday … 4 = Friday) takes the
// subjects weekday `from` shows: each period of `from` whose length is "なし"
// gives an empty period. `to` keeps its own lesson lengths.
void copyDaySubjects(AppState& state, int from, int to);

// The keys that choose the wizard palette's subjects, in palette order:
// 総合 G, 国語 K, 社会 H, 算数 S, 理科 R, 生活 L, 音楽 O, 図工 Z, 家庭 F,
// 体育 T, 読解 Y, 英語 E, 道徳 D, 学活 A, クラブ B (mostly the sound of the
// subject's name in rōmaji).
inline constexpr QStringView WizardPaletteKeys = u"GKHSRLOZFTYEDAB";
// The palette index a key chooses (either case); -1 for any other key.
int paletteIndexForKey(QChar key);

// Where the keyboard moves in the subject grid of the edited timetable.
// Periods of length "なし" have no button and are passed over.
enum class PeriodMove {
    Up,    // the period above, in the same weekday
    Down,  // the period below, in the same weekday
    Left,  // the previous weekday: the same period, or its nearest shown one
    Right, // the next weekday, likewise
    Next,  // after a period was filled: down, then on to the top of the next weekday
};
// The grid index (weekday × 8 + period) the focus moves to from `index`;
// `index` itself when there is nowhere to go.
int periodFocusTarget(const std::array<QString, 7>& frames, int index, PeriodMove move);

} // namespace lunaplan
