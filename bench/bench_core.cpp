// The core computations over a full year of 366 recorded days.
#include "core/appstate.h"
#include "core/schoolcalendar.h"
#include "core/velayeartotal.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

using namespace lunaplan;

namespace {

constexpr int SchoolYear = 2023; // April 2023 to March 2024: 366 days

std::vector<std::shared_ptr<VelaDayTime>> yearOfDays()
{
    std::vector<std::shared_ptr<VelaDayTime>> days;
    const QDate first(SchoolYear, 4, 1);
    const QDate last(SchoolYear + 1, 3, 31);
    for (QDate d = first; d <= last; d = d.addDays(1))
        days.push_back(makeRecordedDay(d, u"国算社理音体図総"_s, u"13333333"_s));
    return days;
}

AppState stateWithYear()
{
    AppState state;
    state.intYear = SchoolYear;
    subSetHoliday(state, HolidayPeriodDays{});
    for (auto& day : yearOfDays())
        state.objDayHead->appendDay(day);
    return state;
}

void BM_TermAssignmentAndFullCalculate(benchmark::State& bench)
{
    AppState state = stateWithYear();
    for (auto _ : bench) {
        assignResultTerms(state);
        benchmark::DoNotOptimize(state.objYearResult->SouJisuu());
    }
}
BENCHMARK(BM_TermAssignmentAndFullCalculate);

void BM_AppendDayRandomOrder(benchmark::State& bench)
{
    auto days = yearOfDays();
    std::mt19937 random(20261209);
    std::shuffle(days.begin(), days.end(), random);
    for (auto _ : bench) {
        bench.PauseTiming();
        auto head = std::make_shared<VelaDayTime>();
        std::vector<std::shared_ptr<VelaDayTime>> fresh;
        fresh.reserve(days.size());
        for (const auto& day : days)
            fresh.push_back(makeRecordedDay(day->dateThisDay(), day->strSubject(), day->strCredit()));
        bench.ResumeTiming();
        for (auto& day : fresh)
            head->appendDay(std::move(day));
        benchmark::DoNotOptimize(head->objNextDay());
    }
    bench.SetItemsProcessed(bench.iterations() * static_cast<int64_t>(days.size()));
}
BENCHMARK(BM_AppendDayRandomOrder);

void BM_IsWorkDayWholeYear(benchmark::State& bench)
{
    AppState state = stateWithYear();
    // A teacher with many days of their own off: the rule scans the whole list.
    for (QDate d(SchoolYear, 6, 1); state.addHoliday(d); d = d.addDays(1)) {
    }
    const QDate first(SchoolYear, 4, 1);
    const QDate last(SchoolYear + 1, 3, 31);
    for (auto _ : bench) {
        int schoolDays = 0;
        for (QDate d = first; d <= last; d = d.addDays(1))
            schoolDays += state.fncIsWorkDay(d) ? 1 : 0;
        benchmark::DoNotOptimize(schoolDays);
    }
}
BENCHMARK(BM_IsWorkDayWholeYear);

} // namespace
