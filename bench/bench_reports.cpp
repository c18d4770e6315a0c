// The annual report of the sample year: drawn to the recording back end and
// written as PDF, and the whole "lunaplan --pdf" process (compare with
// BM_ProcessStartToWindowShown of bench_mainwindow).
#include "core/appstate.h"
#include "core/unattendedprompts.h"
#include "reports/pdfexport.h"
#include "reports/recordingprinter.h"
#include "reports/reportprocedures.h"
#include "storage/classfile.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

using namespace lunaplan;

namespace {

QString sampleYear()
{
    return QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
}

void loadSample(AppState& state)
{
    UnattendedPrompts prompts;
    state.strFileName = sampleYear();
    subLoadFile(state, prompts);
}

void BM_AnnualReportRecorded(benchmark::State& bench)
{
    AppState state;
    loadSample(state);
    for (auto _ : bench) {
        RecordingPrinter printer;
        subPrintYear(state, printer);
        benchmark::DoNotOptimize(printer.page().items.size());
    }
}
BENCHMARK(BM_AnnualReportRecorded)->Unit(benchmark::kMillisecond);

void BM_AnnualReportToPdf(benchmark::State& bench)
{
    AppState state;
    loadSample(state);
    for (auto _ : bench)
        benchmark::DoNotOptimize(reportPdf(state, 0).size());
}
BENCHMARK(BM_AnnualReportToPdf)->Unit(benchmark::kMillisecond);

void BM_PdfProcess(benchmark::State& bench)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"year.pdf"_s);
    for (auto _ : bench) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromUtf8(LUNAPLAN_PROGRAM),
                    {u"--pdf"_s, out, u"--report"_s, u"0"_s, sampleYear()});
        child.waitForFinished(-1);
        bench.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (child.exitCode() != 0)
            bench.SkipWithError("lunaplan --pdf failed");
    }
}
BENCHMARK(BM_PdfProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
