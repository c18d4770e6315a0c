#include "core/velayeartotal.h"

#include "core/appstate.h"

namespace lunaplan {

void VelaYearTotal::calculate()
{
    sumSeasons(false);
}

void VelaYearTotal::full_calculate()
{
    sumSeasons(true);
}

void VelaYearTotal::sumSeasons(bool recalculateSeasons)
{
    clearTotals();
    VelaSeasonTotal* term = m_objFirstSeason.get();
    for (int n = 0; n < 3 && term; ++n, term = term->objNextSeason().get()) {
        if (recalculateSeasons)
            term->calculate();
        for (const TotalField field : PerCodeFields)
            addUnits(field, term->value(field));
    }
    computeSubtotals();
}

VelaSeasonTotal* VelaYearTotal::season(int number) const
{
    VelaSeasonTotal* term = m_objFirstSeason.get();
    for (int n = 1; n < number && term; ++n)
        term = term->objNextSeason().get();
    return number >= 1 ? term : nullptr;
}

std::shared_ptr<VelaYearTotal> makeYearWithTerms()
{
    auto year = std::make_shared<VelaYearTotal>();
    auto first = std::make_shared<VelaSeasonTotal>();
    auto second = std::make_shared<VelaSeasonTotal>();
    second->setObjNextSeason(std::make_shared<VelaSeasonTotal>());
    first->setObjNextSeason(std::move(second));
    year->setObjFirstSeason(std::move(first));
    return year;
}

int termOfMonth(int month)
{
    if (month >= 4 && month <= 7)
        return 1;
    if (month >= 8)
        return 2;
    return 3;
}

void assignResultTerms(AppState& state)
{
    VelaYearTotal& year = *state.objYearResult;
    for (int n = 1; n <= 3; ++n) {
        if (VelaSeasonTotal* term = year.season(n)) {
            term->setObjFirstDay(nullptr);
            term->setObjLastDay(nullptr);
        }
    }
    for (auto day = state.objDayHead->objNextDay(); day; day = day->objNextDay()) {
        if (day->boolNowPlanning())
            continue;
        VelaSeasonTotal* term = year.season(termOfMonth(day->dateThisDay().month()));
        if (!term)
            continue;
        if (!term->objFirstDay())
            term->setObjFirstDay(day);
        term->setObjLastDay(day);
    }
    year.full_calculate();
}

} // namespace lunaplan
