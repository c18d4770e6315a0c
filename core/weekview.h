#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace lunaplan {

class AppState;
class VelaDayTime;

// The stretch of a week shown in the main window: Monday to Friday, cut at
// the first and last day of the school year.
struct ShownWeek {
    QDate first;
    QDate last;
};

// The week shown for a date picked on the calendar: a Saturday shows the week
// before it, a Sunday the week after. Nothing when the week cannot be shown
// (a Sunday that is 31 March: its week lies in the next school year).
std::optional<ShownWeek> weekForDate(QDate date, int schoolYear);

// One period of a day column as the grid shows it.
struct PeriodCell {
    int lengthCode = 0; // 0 to 4; 0 = no lesson: only the length label shows
    QChar subjectCode;  // null when the period holds no subject

    friend bool operator==(const PeriodCell&, const PeriodCell&) = default;
};

// A day column of the week on show.
struct DayColumn {
    int column = 0; // 0 = Monday … 4 = Friday, 5 = Saturday, 6 = Sunday
    QDate date;
    QString heading;         // "4／8(月)"
    bool hasPeriods = false; // a school day with a held record or a timetable day with lessons
    bool registered = false; // its lessons were registered (and not withdrawn)
    std::array<PeriodCell, 8> periods{};

    friend bool operator==(const DayColumn&, const DayColumn&) = default;
};

// The columns a week fills; weekdays outside the school year get none (the
// window shows nothing in their place).
QList<DayColumn> weekColumns(const AppState& state, const ShownWeek& week, bool timetableA);

// Whether the Saturday and the Sunday of the week on show were asked for.
struct WeekendAsk {
    bool saturday = false;
    bool sunday = false;
};

// The Saturday and Sunday columns (5 and 6) of a week: the Saturday and the
// Sunday after its Friday, each with its heading; periods only when the day
// holds a record, is a school day by the calendar rule, or was asked for.
// A day that is not registered is proposed from the timetable's Saturday day
// (its frame's lengths; the timetable page sets no subjects there), or, when
// that frame has no lesson, with Monday's lengths and no subjects. None for
// a week cut at the end of the school year.
QList<DayColumn> weekendColumns(const AppState& state, const ShownWeek& week, bool timetableA,
                                WeekendAsk asked = {});

// Whether a weekend day shows its periods without being asked: it holds a
// record or is a school day by the calendar rule.
bool weekendDayOffersItself(const AppState& state, QDate date);

// The column of one shown date, a weekday or a weekend day, as the week gives it.
DayColumn dayColumnFor(const AppState& state, QDate date, bool timetableA, bool asked = false);

// Whether a date holds a registered record (held and not withdrawn).
bool isDayRegistered(const AppState& state, QDate date);

// The question to ask before registering a column that holds a subject in
// more than one period: often a slip, yet an intended double period must stay
// possible. Empty when nothing is doubled.
QString doubledSubjectQuestion(const DayColumn& column);

// Registers a shown day with the lessons its column holds (the teacher's
// corrections included), replacing any record of its date. A column without
// periods (no date, a holiday) registers nothing: false.
bool registerDay(AppState& state, const DayColumn& column);

// Withdraws a date's registration: the record stays in the list, marked as
// withdrawn, so the date shows its proposal again. False when the date holds
// no registered record.
bool withdrawDay(AppState& state, QDate date);

// The day to show for a date: its held record, otherwise the template day of
// timetable A or B for its weekday, otherwise nothing.
std::shared_ptr<VelaDayTime> subGetDay(const AppState& state, QDate date, bool timetableA);

// Column heading of a date: month "／" day "(" weekday ")".
QString dayHeading(QDate date);

// Today's month and day inside the school year (January to March belong to
// the following calendar year; 29 February rolls over to 1 March in a common year).
QDate todayInSchoolYear(QDate today, int schoolYear);

// The school year the calendar shows: the class's, or today's while no class is set up.
int calendarSchoolYear(int intYear, QDate today);

} // namespace lunaplan
