#pragma once

#include "core/periodtotals.h"
#include "core/totalsrecord.h"

#include <memory>

namespace lunaplan {

class AppState;

// A school year as the sum of its three terms: the base hours (no terms), the
// plan and the actual hours.
class VelaYearTotal final : public TotalsRecord {
public:
    const std::shared_ptr<VelaSeasonTotal>& objFirstSeason() const { return m_objFirstSeason; }
    void setObjFirstSeason(std::shared_ptr<VelaSeasonTotal> season) { m_objFirstSeason = std::move(season); }

    // The year's fields become the sum of its terms' per-subject fields as they
    // stand; the subtotals follow from those sums.
    void calculate();
    // The same, after each term has recalculated itself from its days.
    void full_calculate();

    // Term 1, 2 or 3 of the chain; nullptr when the year has no such term.
    VelaSeasonTotal* season(int number) const;

private:
    void sumSeasons(bool recalculateSeasons);

    std::shared_ptr<VelaSeasonTotal> m_objFirstSeason;
};

// A year with a fresh chain of three empty terms.
std::shared_ptr<VelaYearTotal> makeYearWithTerms();

// The term (1 to 3) whose months hold a date: April to July, August to
// December, January to March.
int termOfMonth(int month);

// Points the terms of the actual year (objYearResult) at the held recorded
// days of their months and recomputes it with full_calculate.
void assignResultTerms(AppState& state);

} // namespace lunaplan
