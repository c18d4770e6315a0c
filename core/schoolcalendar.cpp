#include "core/schoolcalendar.h"

#include "core/appstate.h"
#include "core/nationalholidays.h"
#include "core/units.h"
#include "core/veladaytime.h"

#include <array>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr int FirstListedYear = 2002;
constexpr int YearsAhead = 5;

struct Era {
    int firstYear;
    const char16_t* name;
};

// By the school year's April: 令和元年度 is 2019 although the era began in May.
constexpr std::array<Era, 3> Eras{{{2019, u"令和"}, {1989, u"平成"}, {1926, u"昭和"}}};

std::size_t slot(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

HolidayPeriodDays defaultHolidayPeriodDays(int schoolYear)
{
    const EquinoxDays equinoxes = equinoxDays(schoolYear);
    HolidayPeriodDays days;
    days.autumnEquinox = equinoxes.autumn;
    days.vernalEquinox = equinoxes.vernal;
    return days;
}

SchoolCalendar computeSchoolCalendar(int year, const HolidayPeriodDays& days)
{
    SchoolCalendar c;
    c.yearStart = makeDate(year, 4, 1);
    c.springEnd = makeDate(year, 4, days.springEnd);
    c.summerStart = makeDate(year, 7, days.summerStart);
    c.summerEnd = makeDate(year, 8, days.summerEnd);
    c.winterStart = makeDate(year, 12, days.winterStart);
    c.winterEnd = makeDate(year + 1, 1, days.winterEnd);
    c.spring2Start = makeDate(year + 1, 3, days.spring2Start);
    c.yearEnd = makeDate(year + 1, 3, 31);
    c.autumnEquinox = makeDate(year, 9, days.autumnEquinox);
    c.sportsDay = sportsDay(year);
    c.comingOfAge = comingOfAgeDay(year + 1);
    c.vernalEquinox = makeDate(year + 1, 3, days.vernalEquinox);
    c.holidays = nationalHolidayEntries(year, {days.autumnEquinox, days.vernalEquinox});
    return c;
}

void subSetHoliday(AppState& state, const HolidayPeriodDays& days)
{
    const SchoolCalendar c = computeSchoolCalendar(state.intYear, days);
    const std::array<QDate, 12> dates{c.yearStart,     c.springEnd, c.summerStart,  c.summerEnd,
                                      c.winterStart,   c.winterEnd, c.spring2Start, c.yearEnd,
                                      c.autumnEquinox, c.sportsDay, c.comingOfAge,  c.vernalEquinox};
    const auto& fields = AppState::calendarFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        state.setCalendarDate(fields[i], dates[i]);
    state.boolSat24Off = false;
    state.boolSatOff = true;
    for (std::size_t i = 0; i < c.holidays.size(); ++i) {
        state.dateHoliday[i] = c.holidays[i];
        state.intHolidayDay[i] = dayNumber(c.holidays[i]);
    }
}

QList<int> schoolYearChoices(QDate today)
{
    QList<int> years;
    for (int year = FirstListedYear; year <= schoolYearOf(today) + YearsAhead; ++year)
        years.append(year);
    return years;
}

QString eraSchoolYearText(int year)
{
    for (const Era& era : Eras) {
        if (year >= era.firstYear) {
            const int eraYear = year - era.firstYear + 1;
            const QString number = eraYear == 1 ? u"元"_s : QString::number(eraYear);
            return QString::fromUtf16(era.name) + number + u"年度";
        }
    }
    return QString::number(year) + u"年度";
}

QString schoolYearText(int year)
{
    const QString era = eraSchoolYearText(year);
    const QString western = QString::number(year) + u"年度";
    return era == western ? era : era + u'(' + western + u')';
}

QString proposedFileName(const QString& title, int year, int grade, const QString& className,
                         QStringView suffix)
{
    QString name = eraSchoolYearText(year) + u'_' + QString::number(grade) + u'年' + className + u'組';
    if (!title.isEmpty())
        name.prepend(title + u'_');
    // Characters a file name cannot hold on the teachers' systems become "_".
    for (QChar& c : name) {
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = u'_';
    }
    return name + u'.' + suffix;
}

QString proposedClassFileName(int year, int grade, const QString& className)
{
    return proposedFileName(QString(), year, grade, className, u"vl2");
}

TermRange termRange(int schoolYear, int term)
{
    switch (term) {
    case 1:
        return {QDate(schoolYear, 4, 1), QDate(schoolYear, 7, 31)};
    case 2:
        return {QDate(schoolYear, 8, 1), QDate(schoolYear, 12, 31)};
    default:
        return {QDate(schoolYear + 1, 1, 1), QDate(schoolYear + 1, 3, 31)};
    }
}

void subCountWorkDays(AppState& state, int schoolYear)
{
    std::array<qint16, 3> counts{};
    for (int term = 1; term <= 3; ++term) {
        const TermRange range = termRange(schoolYear, term);
        for (QDate d = range.first; d.isValid() && d <= range.last; d = d.addDays(1)) {
            if (state.fncIsWorkDay(d))
                ++counts[slot(term - 1)];
        }
    }
    state.intWorkDays1 = counts[0];
    state.intWorkDays2 = counts[1];
    state.intWorkDays3 = counts[2];
    state.intWorkDaysYear = static_cast<qint16>(counts[0] + counts[1] + counts[2]);
}

HolidayClick toggleSpecialHoliday(AppState& state, QDate date)
{
    if (!state.fncIsWorkDay(date)) {
        const qint16 n = dayNumber(date);
        for (int g = AppState::NationalHolidayCount; g < state.intHolidayCount; ++g) {
            if (state.intHolidayDay[slot(g)] == n) {
                state.removeHoliday(g);
                return HolidayClick::MadeSchoolDay;
            }
        }
        return HolidayClick::Unchanged;
    }
    if (heldRecordFor(*state.objDayHead, date))
        return HolidayClick::HeldLessons;
    return state.addHoliday(date) ? HolidayClick::MadeHoliday : HolidayClick::ListFull;
}

QSet<QDate> holidayMarks(const AppState& state)
{
    QSet<QDate> marks;
    for (int i = 0; i < state.intHolidayCount && i < AppState::HolidaySlots; ++i)
        marks.insert(state.dateHoliday[slot(i)]);
    for (const QDate& date : state.legalDaysOff())
        marks.insert(date);
    return marks;
}

QList<QDate> moveSpecialHolidaysToYear(AppState& state, int year)
{
    QList<QDate> kept;
    QList<QDate> dropped;
    const int first = AppState::NationalHolidayCount;
    for (int i = first; i < state.intHolidayCount && i < AppState::HolidaySlots; ++i) {
        const QDate old = state.dateHoliday[slot(i)];
        if (!old.isValid()) {
            kept.append(old);
            continue;
        }
        const QDate moved(old.month() <= 3 ? year + 1 : year, old.month(), old.day());
        if (moved.isValid())
            kept.append(moved);
        else
            dropped.append(old);
    }
    if (state.intHolidayCount < first)
        return dropped;

    for (int i = 0; i < kept.size(); ++i) {
        state.dateHoliday[slot(first + i)] = kept[i];
        state.intHolidayDay[slot(first + i)] = dayNumber(kept[i]);
    }
    state.intHolidayCount = static_cast<qint16>(first + kept.size());
    for (int i = state.intHolidayCount; i < AppState::HolidaySlots; ++i) {
        state.dateHoliday[slot(i)] = QDate();
        state.intHolidayDay[slot(i)] = 0;
    }
    return dropped;
}

} // namespace lunaplan
