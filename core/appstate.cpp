#include "core/appstate.h"

#include "core/errors.h"
#include "core/nationalholidays.h"

#include <utility>

namespace lunaplan {

namespace {

// Slot 0 is a 15-minute slot, the periods 45 minutes each.
constexpr std::array<std::array<QStringView, 6>, 6> DefaultFrames{{
    {u"13333300", u"13333000", u"13333300", u"13333000", u"13333000", u"13300000"},
    {u"13333300", u"13333300", u"13333300", u"13333000", u"13333000", u"13300000"},
    {u"13333300", u"13333300", u"13333300", u"13333300", u"13333300", u"13300000"},
    {u"13333300", u"13333330", u"13333300", u"13333300", u"13333330", u"13300000"},
    {u"13333300", u"13333330", u"13333300", u"13333300", u"13333330", u"13300000"},
    {u"13333300", u"13333330", u"13333300", u"13333300", u"13333330", u"13300000"},
}};

bool inRange(int n, qint16 first, qint16 last)
{
    return first <= n && n <= last;
}

} // namespace

qint16 dayNumber(QDate date)
{
    return date.isValid() ? static_cast<qint16>(date.dayOfYear()) : qint16{0};
}

QString defaultLessonFrame(int grade, int weekday)
{
    if (grade < 1 || grade > 6 || weekday < 0 || weekday > 5)
        return {};
    return DefaultFrames[static_cast<std::size_t>(grade - 1)][static_cast<std::size_t>(weekday)].toString();
}

AppState::AppState()
{
    subInitApplication();
}

void AppState::subInitApplication()
{
    boolShowWizard = true;
    subInitClassData();
    subInitYearPlan();
    boolCalendarReady = false;
}

void AppState::subInitClassData()
{
    for (int i = 0; i <= 5; ++i) {
        strWeekCreditA[static_cast<std::size_t>(i)].clear();
        strWeekCreditB[static_cast<std::size_t>(i)].clear();
    }
    for (int grade = 1; grade <= 6; ++grade) {
        for (int weekday = 0; weekday <= 5; ++weekday)
            strDefaultCredit[static_cast<std::size_t>(grade - 1)][static_cast<std::size_t>(weekday)] =
                defaultLessonFrame(grade, weekday);
    }
    objWeekA = makeTemplateWeek();
    objWeekB = makeTemplateWeek();
    objDayHead = std::make_shared<VelaDayTime>();
    objYearResult = makeYearWithTerms();
    intHolidayCount = NationalHolidayCount;
}

void AppState::subInitYearPlan()
{
    objYearBase = std::make_shared<VelaYearTotal>();
    objYearPlan = makeYearWithTerms();
}

bool AppState::fncIsWorkDay(QDate d) const
{
    if (!d.isValid())
        return false;
    const int n = d.dayOfYear();
    if (inRange(n, intYearStartDay, intSpringEndDay) || inRange(n, intSummerStartDay, intSummerEndDay) ||
        n >= intWinterStartDay || n <= intWinterEndDay || inRange(n, intSpring2StartDay, intYearEndDay))
        return false;
    const int weekday = d.dayOfWeek();
    if (weekday == Qt::Sunday)
        return false;
    if (weekday == Qt::Saturday) {
        const int day = d.day();
        if (boolSat24Off && ((day >= 8 && day <= 14) || (day >= 22 && day <= 28)))
            return false;
        if (boolSatOff)
            return false;
    }
    for (int i = 0; i < intHolidayCount && i < HolidaySlots; ++i) {
        if (intHolidayDay[static_cast<std::size_t>(i)] == n)
            return false;
    }
    // Compared by day of the year like the holiday list.
    return !legalDaysOffCache().dayNumbers.contains(static_cast<qint16>(n));
}

QDate AppState::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

const QList<QDate>& AppState::legalDaysOff() const
{
    return legalDaysOffCache().dates;
}

const AppState::LegalDaysOff& AppState::legalDaysOffCache() const
{
    // Derived again only when the year or an equinox day changed: the rule
    // runs for every day a calendar shows.
    const int year = intYear;
    const EquinoxDays computed = equinoxDays(year);
    const int autumn = dateAutumnEquinox.month() == 9 ? dateAutumnEquinox.day() : computed.autumn;
    const int vernal = dateVernalEquinox.month() == 3 ? dateVernalEquinox.day() : computed.vernal;
    if (m_legalDaysOff.year == year && m_legalDaysOff.autumn == autumn && m_legalDaysOff.vernal == vernal)
        return m_legalDaysOff;

    LegalDaysOff derived{year, autumn, vernal, {}, {}};
    if (year > 0) {
        try {
            derived.dates = additionalLegalHolidays(year, {autumn, vernal});
        } catch (const ConversionError&) {
            // A year without such a date has no days to add.
        }
        for (const QDate& date : std::as_const(derived.dates))
            derived.dayNumbers.append(dayNumber(date));
    }
    m_legalDaysOff = std::move(derived);
    return m_legalDaysOff;
}

bool AppState::addHoliday(QDate date)
{
    if (intHolidayCount < 0 || intHolidayCount >= MaxHolidayCount)
        return false;
    const auto index = static_cast<std::size_t>(intHolidayCount);
    dateHoliday[index] = date;
    intHolidayDay[index] = dayNumber(date);
    ++intHolidayCount;
    return true;
}

void AppState::removeHoliday(int index)
{
    if (index < 0 || index >= intHolidayCount)
        return;
    for (int i = index; i + 1 < intHolidayCount; ++i) {
        dateHoliday[static_cast<std::size_t>(i)] = dateHoliday[static_cast<std::size_t>(i + 1)];
        intHolidayDay[static_cast<std::size_t>(i)] = intHolidayDay[static_cast<std::size_t>(i + 1)];
    }
    --intHolidayCount;
}

const std::array<AppState::CalendarField, 12>& AppState::calendarFields()
{
    static const std::array<CalendarField, 12> fields{{
        {&AppState::dateYearStart, &AppState::intYearStartDay},
        {&AppState::dateSpringEnd, &AppState::intSpringEndDay},
        {&AppState::dateSummerStart, &AppState::intSummerStartDay},
        {&AppState::dateSummerEnd, &AppState::intSummerEndDay},
        {&AppState::dateWinterStart, &AppState::intWinterStartDay},
        {&AppState::dateWinterEnd, &AppState::intWinterEndDay},
        {&AppState::dateSpring2Start, &AppState::intSpring2StartDay},
        {&AppState::dateYearEnd, &AppState::intYearEndDay},
        {&AppState::dateAutumnEquinox, &AppState::intAutumnEquinoxDay},
        {&AppState::dateSportsDay, &AppState::intSportsDay},
        {&AppState::dateComingOfAge, &AppState::intComingOfAgeDay},
        {&AppState::dateVernalEquinox, &AppState::intVernalEquinoxDay},
    }};
    return fields;
}

void AppState::setCalendarDate(const CalendarField& field, QDate date)
{
    this->*field.date = date;
    this->*field.dayOfYear = dayNumber(date);
}

} // namespace lunaplan
