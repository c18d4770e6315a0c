// Writes the sample class year of the README and the benchmarks with the
// program's own writer: school year 2026, grade 3, class 2, the days from the
// first day of term 1 to 9 December 2026 following timetable A, with changed
// periods, events and withdrawn days sprinkled in deterministically.
//
//     lunaplan_generate_sample examples/sample-2026-3-2.vl2
#include "core/appstate.h"
#include "core/errors.h"
#include "core/schoolcalendar.h"
#include "core/unattendedprompts.h"
#include "storage/classfile.h"

#include <QDate>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <random>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

constexpr int Year = 2026;
constexpr int Grade = 3;

// Timetable A: a 15-minute reading module in slot 0, five periods a day.
const std::array<QString, 6> WeekA{u"国学国算理音　　"_s, u"国国算社体図　　"_s, u"国算国理体英　　"_s,
                                   u"国国算社図総　　"_s, u"国算国体音道　　"_s, u"　　　　　　　　"_s};
// Timetable B: the week before an event, with a double period of 総合.
const std::array<QString, 6> WeekB{u"　国算総総学　　"_s, u"　国算体音理　　"_s, u"　算国社図図　　"_s,
                                   u"　国算理社体　　"_s, u"　国算英体道　　"_s, u"　　　　　　　　"_s};

void setTimetable(VelaWeekTotal& week, const std::array<QString, 6>& subjects, std::array<QString, 7>& frames)
{
    int weekday = 0;
    for (VelaDayTime* day = week.objFirstDay().get(); day; day = day->objNextDay().get(), ++weekday) {
        frames[static_cast<std::size_t>(weekday)] = defaultLessonFrame(Grade, weekday);
        day->setStrSubject(subjects[static_cast<std::size_t>(weekday)]);
        day->setStrCredit(frames[static_cast<std::size_t>(weekday)]);
    }
}

// The standard annual lesson hours of grade 3, in lessons of 45 minutes.
void setBaseAndPlan(AppState& state)
{
    const std::array<std::pair<TotalField, int>, 11> standard{{{TotalField::kokugo, 245},
                                                               {TotalField::syakai, 70},
                                                               {TotalField::sannsuu, 175},
                                                               {TotalField::rika, 90},
                                                               {TotalField::onngaku, 60},
                                                               {TotalField::zukou, 60},
                                                               {TotalField::taiiku, 105},
                                                               {TotalField::eigo, 35},
                                                               {TotalField::sougou, 70},
                                                               {TotalField::doutoku, 35},
                                                               {TotalField::gakkyuukatsudou, 35}}};
    for (const auto& [field, lessons] : standard) {
        state.objYearBase->setValue(field, static_cast<qint16>(3 * lessons));
        // Terms of about 35, 40 and 25 per cent of the year, in whole lessons.
        const int first = (lessons * 35 + 50) / 100;
        const int second = (lessons * 40 + 50) / 100;
        const std::array<int, 3> terms{first, second, lessons - first - second};
        for (int n = 1; n <= 3; ++n)
            state.objYearPlan->season(n)->setValue(
                field, static_cast<qint16>(3 * terms[static_cast<std::size_t>(n - 1)]));
    }
    state.objYearBase->computeSubtotals();
    for (int n = 1; n <= 3; ++n)
        state.objYearPlan->season(n)->computeSubtotals();
    state.objYearPlan->calculate();
}

struct DayPlan {
    QString subjects;
    QString credits;
};

// Days that do not follow the timetable.
std::map<QDate, DayPlan> specialDays()
{
    return {
        {QDate(Year, 4, 6), {u"　行行学　　　　"_s, u"03330000"_s}},  // 始業式
        {QDate(Year, 5, 15), {u"　行行行行行　　"_s, u"03333300"_s}}, // 遠足
        {QDate(Year, 6, 5), {u"国算国行体音　　"_s, u"13333300"_s}},  // 授業参観
        {QDate(Year, 7, 13), {u"国学国算理　　　"_s, u"13333000"_s}}, // 個人面談: no fifth period
        {QDate(Year, 7, 14), {u"国国算社体　　　"_s, u"13333000"_s}},
        {QDate(Year, 7, 15), {u"国算国理体　　　"_s, u"13333000"_s}},
        {QDate(Year, 7, 16), {u"国国算社図　　　"_s, u"13333000"_s}},
        {QDate(Year, 7, 17), {u"　学行学　　　　"_s, u"03330000"_s}},  // 終業式
        {QDate(Year, 9, 1), {u"　行学学　　　　"_s, u"03330000"_s}},   // 始業式
        {QDate(Year, 9, 8), {u"国算国理切切　　"_s, u"13333300"_s}},   // 台風: afternoon cut short
        {QDate(Year, 10, 2), {u"　行行行行行　　"_s, u"04444400"_s}},  // 運動会
        {QDate(Year, 11, 13), {u"　行行行行国　　"_s, u"03333300"_s}}, // 学習発表会
    };
}

// Weeks that follow timetable B: the practice weeks before the events.
bool followsTimetableB(QDate date)
{
    return (date >= QDate(Year, 9, 28) && date <= QDate(Year, 10, 1)) ||
           (date >= QDate(Year, 11, 9) && date <= QDate(Year, 11, 12));
}

void registerDays(AppState& state)
{
    std::mt19937 random(20260406); // fixed: the file is the same on every run
    const auto chance = [&](unsigned percent) { return random() % 100 < percent; };
    const QString palette = u"国社算理音図体英総道学"_s;
    const std::map<QDate, DayPlan> special = specialDays();
    int month = 0;
    for (QDate date = state.dateSpringEnd.addDays(1); date <= QDate(Year, 12, 9); date = date.addDays(1)) {
        if (!state.fncIsWorkDay(date))
            continue;
        const auto weekday = static_cast<std::size_t>(date.dayOfWeek() - 1);
        const bool weekB = followsTimetableB(date);
        QString subjects = (weekB ? WeekB : WeekA)[weekday];
        QString credits = (weekB ? state.strWeekCreditB : state.strWeekCreditA)[weekday];
        if (const auto it = special.find(date); it != special.end()) {
            subjects = it->second.subjects;
            credits = it->second.credits;
        } else {
            // The monthly evacuation drill takes one period of the first school day.
            if (date.month() != month) {
                subjects[static_cast<qsizetype>(1 + random() % 5)] = u'行';
                month = date.month();
            } else if (chance(12)) {
                // A period changed on the day: another subject in its place.
                const auto slot = static_cast<qsizetype>(1 + random() % 5);
                QChar other = palette[static_cast<qsizetype>(random() % palette.size())];
                if (other == subjects[slot])
                    other = u'学';
                subjects[slot] = other;
            }
        }
        auto day = makeRecordedDay(date, subjects, credits);
        // A registration taken back (the day was later found to be wrong).
        day->setBoolNowPlanning(chance(2));
        state.objDayHead->appendDay(std::move(day));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.vl2\n", argv[0]);
        return 2;
    }
    AppState state;
    state.intYear = Year;
    state.intGrade = Grade;
    state.strClass = u"2"_s;
    state.strTeacher = u"森山　葵"_s;

    HolidayPeriodDays periods;
    periods.springEnd = 5;    // term 1 starts on Monday 6 April
    periods.summerStart = 21; // after 海の日, Monday 20 July
    periods.summerEnd = 31;
    periods.winterStart = 25;
    periods.winterEnd = 7;
    periods.spring2Start = 25;
    periods.autumnEquinox = 23;
    periods.vernalEquinox = 21; // a Sunday in 2027: the Monday is off
    subSetHoliday(state, periods);
    // The school's own holiday, its founding day. The legal days off that the
    // national entries cannot hold (元日, 山の日, 22 September) are derived
    // from the year, so they are not holidays of the list.
    state.addHoliday(QDate(Year, 11, 20));

    setTimetable(*state.objWeekA, WeekA, state.strWeekCreditA);
    setTimetable(*state.objWeekB, WeekB, state.strWeekCreditB);
    setBaseAndPlan(state);
    registerDays(state);

    state.strFileName = QString::fromLocal8Bit(argv[1]);
    QTextStream messages(stderr);
    UnattendedPrompts prompts(&messages);
    try {
        if (!subSaveFile(state, prompts))
            return 1;
    } catch (const LunaError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
