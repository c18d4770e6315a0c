#include "core/nationalholidays.h"

#include "core/errors.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

// The n-th Monday of a month.
QDate nthMonday(int year, int month, int n)
{
    const QDate first(year, month, 1);
    const int offset = (Qt::Monday - first.dayOfWeek() + 7) % 7;
    return first.addDays(offset + 7 * (n - 1));
}

QDate marineDay(int year)
{
    if (year == 2020)
        return QDate(2020, 7, 23);
    if (year == 2021)
        return QDate(2021, 7, 22);
    return year < 2003 ? QDate(year, 7, 20) : nthMonday(year, 7, 3);
}

QDate respectForTheAgedDay(int year)
{
    return year < 2003 ? QDate(year, 9, 15) : nthMonday(year, 9, 3);
}

// The Emperor's Birthday of a school year: 23 December up to 2018, then
// 23 February of the following calendar year.
QDate emperorsBirthday(int year)
{
    return year <= 2018 ? QDate(year, 12, 23) : QDate(year + 1, 2, 23);
}

// National holidays of the school year that are no entry of the list.
QList<QDate> holidaysOutsideEntries(int year)
{
    QList<QDate> days{QDate(year + 1, 1, 1)};
    if (year == 2020)
        days.append(QDate(2020, 8, 10));
    else if (year == 2021)
        days.append(QDate(2021, 8, 8));
    else if (year >= 2016)
        days.append(QDate(year, 8, 11));
    if (year == 2019)
        days.append({QDate(2019, 5, 1), QDate(2019, 10, 22)});
    return days;
}

// The entries as the law dates them, before any is moved off a Sunday.
std::array<QDate, 14> lawEntries(int year, EquinoxDays equinoxes)
{
    return {QDate(year, 4, 29),
            QDate(year, 5, 3),
            QDate(year, 5, 4),
            QDate(year, 5, 5),
            marineDay(year),
            respectForTheAgedDay(year),
            makeDate(year, 9, equinoxes.autumn),
            sportsDay(year),
            QDate(year, 11, 3),
            QDate(year, 11, 23),
            emperorsBirthday(year),
            comingOfAgeDay(year + 1),
            QDate(year + 1, 2, 11),
            makeDate(year + 1, 3, equinoxes.vernal)};
}

// The day off that replaces a national holiday on a Sunday: the Monday up to
// 2006, from 2007 the next day that is not itself a national holiday.
QDate substituteDay(QDate sunday, const std::set<QDate>& nationalHolidays)
{
    QDate day = sunday.addDays(1);
    if (sunday.year() >= 2007) {
        while (nationalHolidays.count(day))
            day = day.addDays(1);
    }
    return day;
}

std::set<QDate> nationalHolidaySet(int year, const std::array<QDate, 14>& raw)
{
    std::set<QDate> set(raw.begin(), raw.end());
    for (const QDate& day : holidaysOutsideEntries(year))
        set.insert(day);
    return set;
}

// Equinox days as published in the official gazette, by calendar year.
constexpr int FirstPublishedYear = 2000;
constexpr std::array<int, 28> PublishedAutumnEquinox{23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 22, 23,
                                                     23, 23, 22, 23, 23, 23, 22, 23, 23, 23, 22, 23, 23, 23};
constexpr std::array<int, 28> PublishedVernalEquinox{20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 21, 21, 20, 20,
                                                     21, 21, 20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 20, 21};

// The usual approximation of the equinox day for 1980 to 2099; base is the
// fractional day in 1980 (23.2488 for September, 20.8431 for March).
std::optional<int> approximateEquinox(int calendarYear, double base)
{
    if (calendarYear < 1980 || calendarYear > 2099)
        return std::nullopt;
    const int years = calendarYear - 1980;
    return static_cast<int>(std::floor(base + 0.242194 * years)) - years / 4;
}

int equinoxDay(int calendarYear, const std::array<int, 28>& published, double base, int fallback)
{
    const int index = calendarYear - FirstPublishedYear;
    if (index >= 0 && index < static_cast<int>(published.size()))
        return published[static_cast<std::size_t>(index)];
    return approximateEquinox(calendarYear, base).value_or(fallback);
}

} // namespace

EquinoxDays equinoxDays(int schoolYear)
{
    const EquinoxDays fallback;
    return {equinoxDay(schoolYear, PublishedAutumnEquinox, 23.2488, fallback.autumn),
            equinoxDay(schoolYear + 1, PublishedVernalEquinox, 20.8431, fallback.vernal)};
}

QDate makeDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        throw ConversionError(u"%1年%2月%3日は日付ではありません。"_s.arg(year).arg(month).arg(day));
    return date;
}

QDate sportsDay(int year)
{
    if (year == 2020)
        return QDate(2020, 7, 24);
    if (year == 2021)
        return QDate(2021, 7, 23);
    return year < 2000 ? QDate(year, 10, 10) : nthMonday(year, 10, 2);
}

QDate comingOfAgeDay(int calendarYear)
{
    return calendarYear < 2000 ? QDate(calendarYear, 1, 15) : nthMonday(calendarYear, 1, 2);
}

std::array<QDate, 14> nationalHolidayEntries(int year, EquinoxDays equinoxes)
{
    std::array<QDate, 14> entries = lawEntries(year, equinoxes);
    const std::set<QDate> national = nationalHolidaySet(year, entries);
    for (QDate& day : entries) {
        if (day.dayOfWeek() == Qt::Sunday)
            day = substituteDay(day, national);
    }
    return entries;
}

QList<QDate> additionalLegalHolidays(int year, EquinoxDays equinoxes)
{
    const std::set<QDate> national = nationalHolidaySet(year, lawEntries(year, equinoxes));
    const std::array<QDate, 14> entries = nationalHolidayEntries(year, equinoxes);
    const std::set<QDate> held(entries.begin(), entries.end());

    std::set<QDate> extra;
    for (const QDate& day : holidaysOutsideEntries(year)) {
        extra.insert(day.dayOfWeek() == Qt::Sunday ? substituteDay(day, national) : day);
    }
    // A day between two national holidays is a day off (国民の休日).
    for (QDate day(year, 4, 1); day <= QDate(year + 1, 3, 31); day = day.addDays(1)) {
        if (!national.count(day) && national.count(day.addDays(-1)) && national.count(day.addDays(1)))
            extra.insert(day);
    }

    QList<QDate> result;
    for (const QDate& day : extra) {
        if (day.dayOfWeek() != Qt::Sunday && !held.count(day))
            result.append(day);
    }
    return result;
}

} // namespace lunaplan
