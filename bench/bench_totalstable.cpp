// The totals table on the sample year: the figures alone, and one activation
// of the window (recompute, write the grid, paint).
#include "core/appstate.h"
#include "core/totalstable.h"
#include "storage/classfile.h"
#include "ui/common/qtprompts.h"
#include "ui/main/session.h"
#include "ui/totals/frmdisptimetable.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

using namespace lunaplan;

namespace {

void loadSampleYear(AppState& state)
{
    QtPrompts prompts;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    subLoadFile(state, prompts);
    if (state.intYear == 0)
        throw std::runtime_error("sample year not loaded");
    state.dateSelected = QDate(2026, 11, 18);
}

void BM_TotalsTableFigures(benchmark::State& bench)
{
    AppState state;
    loadSampleYear(state);
    for (auto _ : bench)
        benchmark::DoNotOptimize(fncTotalsTable(state, 1));
}
BENCHMARK(BM_TotalsTableFigures)->Unit(benchmark::kMicrosecond);

void BM_TotalsTableActivation(benchmark::State& bench)
{
    AppState state;
    loadSampleYear(state);
    QtPrompts prompts;
    frmDispTimeTable window(state, prompts);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : bench) {
        window.Form_Activate();
        window.repaint(); // paint the grid as the teacher sees it
    }
}
BENCHMARK(BM_TotalsTableActivation)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
