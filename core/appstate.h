#pragma once

#include "core/periodtotals.h"
#include "core/veladaytime.h"
#include "core/velayeartotal.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>

namespace lunaplan {

// Everything the program knows about the class year being worked on. One
// instance is created at start-up and handed by reference to every window.
// Integers are signed 16-bit as the data file stores them.
class AppState {
public:
    // Start-up values, with fresh template weeks, plans and an empty day list.
    AppState();

    static constexpr int HolidaySlots = 201;    // entries 0 to 200
    static constexpr int MaxHolidayCount = 200; // the file also stores the entry after the last
    static constexpr int NationalHolidayCount = 14;

    // Class identity.
    qint16 intYear = 0;  // school year (年度); 0 = no class set up yet
    qint16 intGrade = 0; // 1 to 6; 0 = not set
    QString strClass;
    QString strTeacher;
    QString strFileName; // current class data file; empty = not saved or opened

    // School calendar: twelve dates, each with its day of the year.
    QDate dateYearStart;
    qint16 intYearStartDay = 0;
    QDate dateSpringEnd;
    qint16 intSpringEndDay = 0;
    QDate dateSummerStart;
    qint16 intSummerStartDay = 0;
    QDate dateSummerEnd;
    qint16 intSummerEndDay = 0;
    QDate dateWinterStart;
    qint16 intWinterStartDay = 0;
    QDate dateWinterEnd;
    qint16 intWinterEndDay = 0;
    QDate dateSpring2Start;
    qint16 intSpring2StartDay = 0;
    QDate dateYearEnd;
    qint16 intYearEndDay = 0;
    QDate dateAutumnEquinox;
    qint16 intAutumnEquinoxDay = 0;
    QDate dateSportsDay;
    qint16 intSportsDay = 0;
    QDate dateComingOfAge;
    qint16 intComingOfAgeDay = 0;
    QDate dateVernalEquinox;
    qint16 intVernalEquinoxDay = 0;

    bool boolSat24Off = false; // second and fourth Saturdays off
    bool boolSatOff = false;   // every Saturday off

    // Holiday list: the national holidays first, then the teacher's own.
    qint16 intHolidayCount = NationalHolidayCount;
    std::array<QDate, HolidaySlots> dateHoliday{};
    std::array<qint16, HolidaySlots> intHolidayDay{};

    // Weekly timetables A and B: template weeks and lesson-length frames
    // (entries 0 to 5 = Monday to Saturday, eight digits each).
    std::shared_ptr<VelaWeekTotal> objWeekA;
    std::shared_ptr<VelaWeekTotal> objWeekB;
    std::array<QString, 7> strWeekCreditA{};
    std::array<QString, 7> strWeekCreditB{};
    // Default frames by grade (index grade - 1) and weekday (0 = Monday … 5 = Saturday).
    std::array<std::array<QString, 6>, 6> strDefaultCredit{};

    // Plan, records and totals.
    std::shared_ptr<VelaYearTotal> objYearBase;   // base annual hours, no terms
    std::shared_ptr<VelaYearTotal> objYearPlan;   // planned hours per term
    std::shared_ptr<VelaDayTime> objDayHead;      // empty head of the recorded days
    std::shared_ptr<VelaYearTotal> objYearResult; // actual hours, rebuilt on demand

    // Window state that several windows share.
    QPointer<QObject> objMainForm;
    bool boolShowWizard = true;
    bool boolCalendarReady = false;
    bool boolEditWeekA = true;
    qint16 intCreditIndexMain = 0;
    qint16 intCreditIndexWiz5 = 0;
    QDate dateSelected;
    QDate dateWeekFirst;
    QDate dateWeekLast;
    qint16 intWorkDays1 = 0;
    qint16 intWorkDays2 = 0;
    qint16 intWorkDays3 = 0;
    qint16 intWorkDaysYear = 0;

    // Start-up: shows the wizard next, fresh class data and plan.
    void subInitApplication();
    // Fresh timetables, frames, day list and actual year; the class identity,
    // calendar and holiday entries stay.
    void subInitClassData();
    // Fresh base hours and plan.
    void subInitYearPlan();

    // The school-day rule: holiday periods, Sundays, Saturdays, holiday list,
    // and the legal days off below.
    bool fncIsWorkDay(QDate d) const;

    // Days off by law that the fourteen national-holiday entries cannot hold
    // (元日, 山の日, citizen's holidays such as 22 September 2026 …), derived
    // from intYear and the equinox days; never stored in the holiday list, so
    // they cannot be clicked away and do not follow a change of year. Empty
    // while no class is set up.
    const QList<QDate>& legalDaysOff() const;

    // Today's date as the setup pages take it: the system clock, unless a
    // date was pinned with setToday (tests; an invalid date follows the clock).
    QDate today() const;
    void setToday(QDate date) { m_today = date; }

    // Appends a holiday the teacher chose; false (nothing written) when the
    // list already holds MaxHolidayCount entries.
    bool addHoliday(QDate date);
    // Removes entry index, moving the later entries down one place.
    void removeHoliday(int index);

    // Sets a calendar date and its day-of-year field together (a null date clears both).
    struct CalendarField {
        QDate AppState::*date;
        qint16 AppState::*dayOfYear;
    };
    // The twelve calendar dates in the order the data file stores them.
    static const std::array<CalendarField, 12>& calendarFields();
    void setCalendarDate(const CalendarField& field, QDate date);

private:
    // legalDaysOff for the year and equinox days it was derived from.
    struct LegalDaysOff {
        int year = 0;
        int autumn = 0;
        int vernal = 0;
        QList<QDate> dates;
        QList<qint16> dayNumbers;
    };
    const LegalDaysOff& legalDaysOffCache() const;
    mutable LegalDaysOff m_legalDaysOff;
    QDate m_today;
};

// Day of the year of a date as the state stores it; 0 for the zero date.
qint16 dayNumber(QDate date);

// The default lesson-length frame of a grade (1 to 6) and weekday (0 = Monday … 5 = Saturday).
QString defaultLessonFrame(int grade, int weekday);

} // namespace lunaplan
