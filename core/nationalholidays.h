#pragma once

#include <QDate>
#include <QList>

#include <array>

namespace lunaplan {

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

// The days of school year Y that the law names, as the holiday law stands for
// it. Throws ConversionError when an equinox day makes no date.
//
// The fourteen national-holiday entries, each already moved off a Sunday:
// 昭和の日, 憲法記念日, 4 May, こどもの日, 海の日, 敬老の日, 秋分の日,
// スポーツの日, 文化の日, 勤労感謝の日, 天皇誕生日, 成人の日,
// 建国記念の日, 春分の日.
std::array<QDate, 14> nationalHolidayEntries(int year, EquinoxDays equinoxes);
// Days off by law in the school year that the fourteen entries cannot hold:
// 元日, 山の日, the one-off holidays of 2019, substitute days for those, and
// citizen's holidays between two national holidays (22 September 2026).
QList<QDate> additionalLegalHolidays(int year, EquinoxDays equinoxes);

// スポーツの日 of a school year and 成人の日 of a calendar year.
QDate sportsDay(int year);
QDate comingOfAgeDay(int calendarYear);

// The date, or ConversionError ("2026年9月31日は日付ではありません。").
QDate makeDate(int year, int month, int day);

} // namespace lunaplan
