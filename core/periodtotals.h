#pragma once

#include "core/totalsrecord.h"
#include "core/veladaytime.h"

#include <memory>

namespace lunaplan {

// Totals over a range of consecutive days, from objFirstDay along objNextDay
// up to and including objLastDay (or to the end of the chain when objLastDay
// is empty or not on it).
class VelaRangeTotal : public TotalsRecord {
public:
    const std::shared_ptr<VelaDayTime>& objFirstDay() const { return m_objFirstDay; }
    void setObjFirstDay(std::shared_ptr<VelaDayTime> day) { m_objFirstDay = std::move(day); }
    const std::shared_ptr<VelaDayTime>& objLastDay() const { return m_objLastDay; }
    void setObjLastDay(std::shared_ptr<VelaDayTime> day) { m_objLastDay = std::move(day); }

    // Recomputes all 23 fields from the day range; withdrawn days count nothing.
    void calculate();

protected:
    VelaRangeTotal() = default;
    ~VelaRangeTotal() = default;

private:
    std::shared_ptr<VelaDayTime> m_objFirstDay;
    std::shared_ptr<VelaDayTime> m_objLastDay;
};

// A week: the template weeks of the timetables, and the weeks of the reports.
class VelaWeekTotal final : public VelaRangeTotal {};

// A term (学期): a plan typed in, or the recorded days of its months.
class VelaSeasonTotal final : public VelaRangeTotal {
public:
    const std::shared_ptr<VelaSeasonTotal>& objNextSeason() const { return m_objNextSeason; }
    void setObjNextSeason(std::shared_ptr<VelaSeasonTotal> season) { m_objNextSeason = std::move(season); }

private:
    std::shared_ptr<VelaSeasonTotal> m_objNextSeason;
};

// A template week of six days, Monday (intWeekName 1) to Saturday (6), with
// boolWeekEnd set on Saturday and nothing else filled in.
std::shared_ptr<VelaWeekTotal> makeTemplateWeek();

} // namespace lunaplan
