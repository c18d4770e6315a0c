#include "tests/support/testclass.h"

#include "core/appstate.h"
#include "core/schoolcalendar.h"

using namespace Qt::StringLiterals;

namespace lunaplan::test {

void setUpClass2026(AppState& state)
{
    state.intYear = 2026;
    state.intGrade = 3;
    state.strClass = u"2"_s;
    state.strTeacher = u"山田花子"_s;
    subSetHoliday(state, HolidayPeriodDays{});

    const QString weekA[6] = {u"学国算社理音　　"_s, u"学算国体図図　　"_s, u"学国算音理体　　"_s,
                              u"学社国算道総　　"_s, u"学算国理体英　　"_s, u"学国算　　　　　"_s};
    int weekday = 0;
    for (auto day = state.objWeekA->objFirstDay(); day; day = day->objNextDay(), ++weekday) {
        const auto i = static_cast<std::size_t>(weekday);
        state.strWeekCreditA[i] = state.strDefaultCredit[2][i];
        state.strWeekCreditB[i] = state.strDefaultCredit[2][i];
        day->setStrSubject(weekA[weekday]);
        day->setStrCredit(state.strWeekCreditA[i]);
    }
    weekday = 0;
    for (auto day = state.objWeekB->objFirstDay(); day; day = day->objNextDay(), ++weekday) {
        day->setStrSubject(u"学体体体体体　　"_s);
        day->setStrCredit(state.strWeekCreditB[static_cast<std::size_t>(weekday)]);
    }
}

void registerDay(AppState& state, QDate date, QChar code)
{
    state.objDayHead->appendDay(makeRecordedDay(date, QString(8, code), u"33333333"_s));
}

void setTermPlan(AppState& state, int term, TotalField field, qint16 units)
{
    VelaSeasonTotal& season = *state.objYearPlan->season(term);
    season.setValue(field, units);
    season.computeSubtotals();
    state.objYearPlan->calculate();
}

} // namespace lunaplan::test
