#pragma once

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

#include <array>

namespace lunaplan {

class AppState;

// The days the teacher picks on the class page for the holiday periods and
// the two equinox holidays (day of the month each). The defaults are the
// page's design-time texts.
struct HolidayPeriodDays {
    int springEnd = 4;      // April
    int summerStart = 20;   // July
    int summerEnd = 31;     // August
    int winterStart = 25;   // December
    int winterEnd = 7;      // January of the following year
    int spring2Start = 19;  // March of the following year
    int autumnEquinox = 23; // September
    int vernalEquinox = 20; // March of the following year
};

// The calendar of school year Y computed from those days.
struct SchoolCalendar {
    QDate yearStart;
    QDate springEnd;
    QDate summerStart;
    QDate summerEnd;
    QDate winterStart;
    QDate winterEnd;
    QDate spring2Start;
    QDate yearEnd;
    QDate autumnEquinox;
    QDate sportsDay;
    QDate comingOfAge;
    QDate vernalEquinox;
    // The fourteen national-holiday entries, each already moved off a Sunday
    // (see nationalHolidayEntries).
    std::array<QDate, 14> holidays;
};

// The class page's design-time holiday periods with the equinox days of the year.
HolidayPeriodDays defaultHolidayPeriodDays(int schoolYear);

// Computes the calendar of a school year as the holiday law stands for it.
// Throws ConversionError when a chosen day makes no date.
SchoolCalendar computeSchoolCalendar(int year, const HolidayPeriodDays& days);

// Writes the calendar of state.intYear into the state: the twelve dates and
// their day numbers, the Saturday flags (every Saturday off) and holiday
// entries 0 to 13. The count and the teacher's own holidays stay.
void subSetHoliday(AppState& state, const HolidayPeriodDays& days);

// The school years the class page offers: 2002 (the first the program knew)
// up to five years after the school year of today.
QList<int> schoolYearChoices(QDate today);

// A school year in the era of its April: "平成15年度", "令和元年度".
QString eraSchoolYearText(int year);
// A school year as the class page lists it, in the era of its April and in
// the Western calendar: "平成15年度(2003年度)", "令和元年度(2019年度)".
QString schoolYearText(int year);
// The name a file is proposed under, made from the class: "令和8年度_3年2組.vl2"
// for the class file, "年間の時数集計表_令和8年度_3年2組.pdf" with a title.
QString proposedFileName(const QString& title, int year, int grade, const QString& className,
                         QStringView suffix);
QString proposedClassFileName(int year, int grade, const QString& className);

// The first and last day of term 1, 2 or 3 of a school year: April to July,
// August to December, January to March.
struct TermRange {
    QDate first;
    QDate last;
};
TermRange termRange(int schoolYear, int term);

// Counts the school days of each term and of the year of `schoolYear` by the
// school-day rule into intWorkDays1, 2, 3 and intWorkDaysYear.
void subCountWorkDays(AppState& state, int schoolYear);

// What a click on a day of the calendar page did.
enum class HolidayClick {
    MadeHoliday,   // a school day became a special holiday
    MadeSchoolDay, // a special holiday was taken out of the list
    Unchanged,     // a day off by rule (weekend, holiday period, national holiday)
    HeldLessons,   // refused: the day holds registered lessons
    ListFull,      // refused: the holiday list has no room left
};

// Turns a school day into a special holiday (appended to the list) or a
// special holiday back into a school day (later entries move down). Days off
// by any other rule stay as they are.
HolidayClick toggleSpecialHoliday(AppState& state, QDate date);

// Days drawn in red on the calendars besides Sundays: the holiday list in use
// and the legal days off.
QSet<QDate> holidayMarks(const AppState& state);

// Moves the special holidays (entries 14 on) to the same month and day of
// school year `year`, keeping their order. A day that the new year lacks
// (29 February) is taken out of the list; the dropped dates are returned.
// The unused entries after the list are cleared, so that every stored entry
// makes a date in the new year.
QList<QDate> moveSpecialHolidaysToYear(AppState& state, int year);

} // namespace lunaplan
