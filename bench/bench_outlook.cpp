// The outlook of the sample year, and "lunaplan --csv" for a large school:
// 36 class files (six grades of six classes, every school day of the year
// registered), as a whole process beside reading and decoding the same files.
#include "core/appstate.h"
#include "core/classcsv.h"
#include "core/outlook.h"
#include "core/unattendedprompts.h"
#include "core/weekview.h"
#include "storage/classfile.h"
#include "storage/cp932.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>

using namespace Qt::StringLiterals;

using namespace lunaplan;

namespace {

const QDate SampleDay(2026, 12, 9); // the sample's last registered day

void loadSample(AppState& state)
{
    UnattendedPrompts prompts;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    subLoadFile(state, prompts);
}

void BM_OutlookOfTheSampleYear(benchmark::State& bench)
{
    AppState state;
    loadSample(state);
    for (auto _ : bench)
        benchmark::DoNotOptimize(fncOutlook(state, SampleDay, true));
}
BENCHMARK(BM_OutlookOfTheSampleYear)->Unit(benchmark::kMicrosecond);

// Both CSV tables of the sample year's class, as the command line makes them.
void BM_ClassCsv(benchmark::State& bench, CsvKind kind)
{
    AppState state;
    loadSample(state);
    for (auto _ : bench) {
        ClassesCsv csv(kind, 0, SampleDay);
        csv.addClass(state);
        benchmark::DoNotOptimize(csv.toBytes());
    }
}
BENCHMARK_CAPTURE(BM_ClassCsv, totals, CsvKind::Totals)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClassCsv, outlook, CsvKind::Outlook)->Unit(benchmark::kMicrosecond);

// The sample class as each class of the school, its days registered from
// timetable A up to the end of the year, written by the program's own writer.
struct School {
    QTemporaryDir dir;
    QStringList files;
    School()
    {
        AppState state;
        loadSample(state);
        for (QDate day = SampleDay.addDays(1); day <= QDate(2027, 3, 31); day = day.addDays(1)) {
            if (!state.fncIsWorkDay(day) || day.dayOfWeek() > Qt::Friday)
                continue;
            const auto proposed = subGetDay(state, day, true);
            state.objDayHead->appendDay(makeRecordedDay(day, proposed->strSubject(), proposed->strCredit()));
        }
        UnattendedPrompts prompts;
        for (int grade = 1; grade <= 6; ++grade) {
            for (int group = 1; group <= 6; ++group) {
                state.intGrade = static_cast<qint16>(grade);
                state.strClass = QString::number(group);
                state.strTeacher = u"担任　%1の%2"_s.arg(grade).arg(group);
                state.strFileName = dir.filePath(u"%1-%2.vl2"_s.arg(grade).arg(group));
                subSaveFile(state, prompts);
                files.append(state.strFileName);
            }
        }
    }
};

const School& school()
{
    static const School instance;
    return instance;
}

// The floor: reading the files and decoding them from code page 932.
double readAndDecode(const QStringList& files)
{
    Cp932Codec codec;
    QElapsedTimer timer;
    timer.start();
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read a class file");
        benchmark::DoNotOptimize(codec.decode(file.readAll()));
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BM_ReadAndDecode36(benchmark::State& bench)
{
    for (auto _ : bench)
        bench.SetIterationTime(readAndDecode(school().files));
}
BENCHMARK(BM_ReadAndDecode36)->UseManualTime()->Unit(benchmark::kMillisecond);

// The floor as a process: this program run again with ReadAndDecodeOption
// reads and decodes the files and ends, so a process start of Qt Core is in
// the figure (the program's start includes Qt Gui's and Qt Widgets').
constexpr char ReadAndDecodeOption[] = "--read-and-decode";

QString benchmarkProgram()
{
    return QFile::symLinkTarget(u"/proc/self/exe"_s);
}

double timedRun(const QString& program, const QStringList& arguments, benchmark::State& bench)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    child.waitForFinished(-1);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        bench.SkipWithError("a child process failed");
    return seconds;
}

// The whole "lunaplan --csv" process for the 36 files. Each run is followed
// by the floors under the same load: ratio is the process's time to reading
// and decoding in this process, process_ratio its time to a process that
// only reads and decodes.
void BM_CsvProcess36(benchmark::State& bench, const char* table)
{
    const School& classes = school();
    const QString out = classes.dir.filePath(u"school.csv"_s);
    const QStringList arguments =
        QStringList{u"--csv"_s, out, u"--table"_s, QString::fromLatin1(table), u"--date"_s, u"2027-03-31"_s} +
        classes.files;
    const QStringList floorArguments = QStringList{QString::fromLatin1(ReadAndDecodeOption)} + classes.files;
    double process = 0;
    double floor = 0;
    double floorProcess = 0;
    for (auto _ : bench) {
        const double seconds = timedRun(QString::fromUtf8(LUNAPLAN_PROGRAM), arguments, bench);
        bench.SetIterationTime(seconds);
        process += seconds;
        floor += readAndDecode(classes.files);
        floorProcess += timedRun(benchmarkProgram(), floorArguments, bench);
    }
    const double runs = static_cast<double>(bench.iterations());
    bench.counters["decode_ms"] = benchmark::Counter(floor * 1e3 / runs);
    bench.counters["decode_process_ms"] = benchmark::Counter(floorProcess * 1e3 / runs);
    bench.counters["ratio"] = benchmark::Counter(process / floor);
    bench.counters["process_ratio"] = benchmark::Counter(process / floorProcess);
}
BENCHMARK_CAPTURE(BM_CsvProcess36, totals, "totals")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CsvProcess36, outlook, "outlook")->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], ReadAndDecodeOption) == 0) {
        QStringList files;
        for (int i = 2; i < argc; ++i)
            files.append(QString::fromLocal8Bit(argv[i]));
        readAndDecode(files);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
