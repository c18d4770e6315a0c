#pragma once

#include <QDate>
#include <QList>

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
    // The fourteen national-holiday entries, each already moved off a Sunday:
    // 昭和の日, 憲法記念日, 4 May, こどもの日, 海の日, 敬老の日, 秋分の日,
    // スポーツの日, 文化の日, 勤労感謝の日, 天皇誕生日, 成人の日,
    // 建国記念の日, 春分の日.
    std::array<QDate, 14> holidays;
};

// The equinox holidays of a school year: the day of September of that year
// and the day of March of the following year. Published days where they are
// published, the usual astronomical approximation for 1980 to 2099, and the
// class page's design-time days (23, 20) outside those years.
struct EquinoxDays {
    int autumn = 23;
    int vernal = 20;

    friend bool operator==(const EquinoxDays&, const EquinoxDays&) = default;
};
EquinoxDays equinoxDays(int schoolYear);

// The class page's design-time holiday periods with the equinox days of the year.
HolidayPeriodDays defaultHolidayPeriodDays(int schoolYear);

// Computes the calendar of a school year as the holiday law stands for it.
// Throws ConversionError when a chosen day makes no date.
SchoolCalendar computeSchoolCalendar(int year, const HolidayPeriodDays& days);

// Days off by law in the school year that the fourteen entries cannot hold:
// 元日, 山の日, the one-off holidays of 2019, substitute days for those, and
// citizen's holidays between two national holidays (22 September 2026).
QList<QDate> additionalLegalHolidays(int year, const HolidayPeriodDays& days);

// Writes the calendar of state.intYear into the state: the twelve dates and
// their day numbers, the Saturday flags (every Saturday off) and holiday
// entries 0 to 13. The count and the teacher's own holidays stay.
void subSetHoliday(AppState& state, const HolidayPeriodDays& days);

} // namespace lunaplan
