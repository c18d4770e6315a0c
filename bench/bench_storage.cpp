// Reading and writing the class data file: a maximal file (200 holidays, 366
// recorded days) and the sample class year of examples/; and the long run of
// the randomised work on the sample year that the test suite runs briefly.
#include "core/appstate.h"
#include "core/schoolcalendar.h"
#include "core/unattendedprompts.h"
#include "storage/classfile.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"
#include "storage/cp932.h"
#include "tests/support/classyearload.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

using namespace Qt::StringLiterals;

using namespace lunaplan;

namespace {

QByteArray maximalFile()
{
    AppState state;
    state.intYear = 2023; // April 2023 to March 2024: 366 days
    state.intGrade = 4;
    state.strClass = u"3"_s;
    state.strTeacher = u"高橋　一郎"_s;
    subSetHoliday(state, HolidayPeriodDays{});
    for (QDate d(2023, 6, 1); state.addHoliday(d); d = d.addDays(1)) {
    }
    for (QDate d(2023, 4, 1); d <= QDate(2024, 3, 31); d = d.addDays(1)) {
        auto day = makeRecordedDay(d, u"国算社理音体図総"_s, u"13333333"_s);
        day->setStrComment(u"授業参観～保護者会"_s);
        state.objDayHead->appendDay(std::move(day));
    }
    return formatClassFile(captureClassFile(state));
}

QByteArray sampleFile()
{
    QFile file(QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the sample class year is missing");
    return file.readAll();
}

struct Files {
    QTemporaryDir dir;
    QString maximal;
    QString sample;
    Files()
        : maximal(dir.filePath(u"maximal.vl2"_s))
        , sample(dir.filePath(u"sample.vl2"_s))
    {
        for (const auto& [path, bytes] :
             {std::pair{maximal, maximalFile()}, std::pair{sample, sampleFile()}}) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                throw std::runtime_error("cannot write the benchmark files");
        }
    }
};

const QString& pathOf(bool maximal)
{
    static Files files;
    return maximal ? files.maximal : files.sample;
}

AppState loaded(const QString& path)
{
    AppState state;
    UnattendedPrompts prompts;
    state.strFileName = path;
    subLoadFile(state, prompts);
    return state;
}

// Read, check and apply to a fresh state (the state's start-up included).
void BM_Load(benchmark::State& bench, bool maximal)
{
    const QString& path = pathOf(maximal);
    for (auto _ : bench) {
        AppState state = loaded(path);
        benchmark::DoNotOptimize(state.objDayHead->objNextDay());
    }
}
BENCHMARK_CAPTURE(BM_Load, maximal, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Load, sample, false)->Unit(benchmark::kMicrosecond);

// Opening a file as the open command does, into a state that already holds
// a class (its day list is replaced), beside the floor it is measured
// against: reading the same bytes and decoding them from code page 932 with
// iconv, and nothing more. Run together, their ratio is the cost of building
// the state on top of the bytes.
void BM_OpenFile(benchmark::State& bench, bool maximal)
{
    const QString& path = pathOf(maximal);
    AppState state = loaded(path);
    UnattendedPrompts prompts;
    for (auto _ : bench) {
        state.strFileName = path;
        subLoadFile(state, prompts);
        benchmark::DoNotOptimize(state.objDayHead->objNextDay());
    }
}
BENCHMARK_CAPTURE(BM_OpenFile, maximal, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenFile, sample, false)->Unit(benchmark::kMicrosecond);

void BM_ReadAndDecode(benchmark::State& bench, bool maximal)
{
    const QString& path = pathOf(maximal);
    Cp932Codec codec;
    for (auto _ : bench) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read the benchmark file");
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(codec.decode(bytes));
    }
}
BENCHMARK_CAPTURE(BM_ReadAndDecode, maximal, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadAndDecode, sample, false)->Unit(benchmark::kMicrosecond);

// The reader alone: bytes to a checked record.
void BM_Parse(benchmark::State& bench, bool maximal)
{
    QFile file(pathOf(maximal));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : bench)
        benchmark::DoNotOptimize(parseClassFile(bytes));
    bench.SetBytesProcessed(bench.iterations() * bytes.size());
}
BENCHMARK_CAPTURE(BM_Parse, maximal, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Parse, sample, false)->Unit(benchmark::kMicrosecond);

// The writer alone: state to bytes.
void BM_Format(benchmark::State& bench, bool maximal)
{
    const AppState state = loaded(pathOf(maximal));
    for (auto _ : bench)
        benchmark::DoNotOptimize(formatClassFile(captureClassFile(state)));
}
BENCHMARK_CAPTURE(BM_Format, maximal, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Format, sample, false)->Unit(benchmark::kMicrosecond);

// A whole save: write, check that it reads back, replace the file atomically
// (QSaveFile syncs the new file to disk before it replaces the old one).
void BM_Save(benchmark::State& bench, bool maximal)
{
    AppState state = loaded(pathOf(maximal));
    QTemporaryDir dir;
    state.strFileName = dir.filePath(u"saved.vl2"_s);
    UnattendedPrompts prompts;
    for (auto _ : bench)
        subSaveFile(state, prompts);
}
BENCHMARK_CAPTURE(BM_Save, maximal, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Save, sample, false)->Unit(benchmark::kMicrosecond);

// Registrations, withdrawals, plan changes, saves and reopenings of the
// sample year, 2,000 steps per iteration from a fresh load with a seed of
// its own; every save must read back to the class saved. The counters are
// the totals of the whole run.
void BM_RandomWork(benchmark::State& bench)
{
    constexpr int StepsPerRun = 2000;
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"work.vl2"_s);
    UnattendedPrompts prompts;
    quint32 seed = 0;
    double steps = 0, registrations = 0, withdrawals = 0, planChanges = 0, saves = 0, reopenings = 0;
    for (auto _ : bench) {
        AppState state = loaded(pathOf(false));
        const test::ClassYearLoad run = test::runClassYearLoad(state, prompts, fileName, ++seed, StepsPerRun);
        if (!run.mismatch.isEmpty()) {
            bench.SkipWithError(qPrintable(u"seed %1: %2"_s.arg(seed).arg(run.mismatch)));
            break;
        }
        steps += StepsPerRun;
        registrations += run.registrations;
        withdrawals += run.withdrawals;
        planChanges += run.planChanges;
        saves += run.saves;
        reopenings += run.reopenings;
    }
    bench.counters["steps"] = steps;
    bench.counters["registrations"] = registrations;
    bench.counters["withdrawals"] = withdrawals;
    bench.counters["plan_changes"] = planChanges;
    bench.counters["saves"] = saves;
    bench.counters["reopenings"] = reopenings;
}
BENCHMARK(BM_RandomWork)->Iterations(100)->Unit(benchmark::kMillisecond);

} // namespace
