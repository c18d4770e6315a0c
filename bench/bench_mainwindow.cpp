// The main window on the sample year: from process start to the first fully
// painted window, side by side with a bare Qt Widgets window started the same
// way and with a window showing one line of Japanese text (the first two each
// alone, and the three in turn with their ratios); the subject icons painted
// at the screen's pixel density; and a week change on the calendar, inside
// and outside the months shown.
//
// The benchmark runs offscreen unless QT_QPA_PLATFORM names a platform, so
// under a real X display: QT_QPA_PLATFORM=xcb bench_mainwindow
#include "core/appstate.h"
#include "core/subjects.h"
#include "ui/common/subjecticons.h"
#include "ui/main/frmmain.h"
#include "ui/main/session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <functional>

using namespace Qt::StringLiterals;

using namespace lunaplan;

namespace {

constexpr char ProgramFlag[] = "--start-program";
constexpr char BareFlag[] = "--start-bare-window";
constexpr char LabelFlag[] = "--start-label-window";

QString sampleYear()
{
    return QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
}

// Ends the event loop once a paint has happened after ready() turned true:
// the next turn of the loop comes after every widget due for painting was
// painted. exit(), not quit(): quitting closes the window, which asks whether
// to save.
class ExitAfterPaint : public QObject {
public:
    explicit ExitAfterPaint(std::function<bool()> ready)
        : m_ready(std::move(ready))
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done && m_ready()) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> m_ready;
    bool m_done = false;
};

// What the program does at start, up to its first fully painted window with
// the year loaded and the week of today shown.
int startProgram(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    // The recovery copy of a run of the real program must not stop the benchmark with its question.
    QStandardPaths::setTestModeEnabled(true);
    Session session(sampleYear());
    ExitAfterPaint exit([&session] { return session.state().boolCalendarReady; });
    app.installEventFilter(&exit);
    session.window().show();
    QApplication::exec();
    return session.state().boolCalendarReady ? 0 : 1;
}

// Shows a window of the main window's size and runs until it is painted.
int runUntilPainted(QApplication& app, QWidget& window)
{
    window.resize(892, 640);
    ExitAfterPaint exit([] { return true; });
    app.installEventFilter(&exit);
    window.show();
    return QApplication::exec();
}

// The same start with an empty window of the main window's size.
int startBareWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    return runUntilPainted(app, window);
}

// The bare window with the program's application set-up and one line of
// Japanese text: what any window of this program pays before its first
// character is on screen (the interface font found and loaded, the Qt
// translation, the desktop's accessibility bridge that the first text
// wakes up).
int startLabelWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    QLabel window(u"教科パレット"_s);
    return runUntilPainted(app, window);
}

QProcessEnvironment childEnvironment(const QTemporaryDir& settings)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(u"QT_QPA_PLATFORM"_s))
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, settings.path());
    return environment;
}

// Starts this program again with a flag and returns the seconds until it
// ended, or a negative number when it did not paint its window.
double timeChild(const QProcessEnvironment& environment, const char* flag)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(flag)});
    child.waitForFinished(-1);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 ? seconds : -1;
}

void runChild(benchmark::State& bench, const char* flag)
{
    QTemporaryDir settings;
    const QProcessEnvironment environment = childEnvironment(settings);
    for (auto _ : bench) {
        const double seconds = timeChild(environment, flag);
        if (seconds < 0)
            bench.SkipWithError("the child did not paint its window");
        bench.SetIterationTime(std::max(seconds, 0.0));
    }
}

void BM_ProcessStartToWindowPainted(benchmark::State& bench)
{
    runChild(bench, ProgramFlag);
}
BENCHMARK(BM_ProcessStartToWindowPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ProcessStartToBareWindowPainted(benchmark::State& bench)
{
    runChild(bench, BareFlag);
}
BENCHMARK(BM_ProcessStartToBareWindowPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

// The starts taken in turn, so that a machine whose load drifts during the
// run weighs on all alike. The counter "ratio" is the program's total time
// over the bare window's; "label_ratio" is the program's over the window with
// one line of Japanese text, the part of the start that is this program's own.
void BM_ProcessStartSideBySide(benchmark::State& bench)
{
    QTemporaryDir settings;
    const QProcessEnvironment environment = childEnvironment(settings);
    double program = 0;
    double bare = 0;
    double label = 0;
    for (auto _ : bench) {
        const double programSeconds = timeChild(environment, ProgramFlag);
        const double bareSeconds = timeChild(environment, BareFlag);
        const double labelSeconds = timeChild(environment, LabelFlag);
        if (programSeconds < 0 || bareSeconds < 0 || labelSeconds < 0)
            bench.SkipWithError("a child did not paint its window");
        program += std::max(programSeconds, 0.0);
        bare += std::max(bareSeconds, 0.0);
        label += std::max(labelSeconds, 0.0);
        bench.SetIterationTime(std::max(programSeconds, 0.0));
    }
    bench.counters["bare_ms"] = benchmark::Counter(bare * 1e3, benchmark::Counter::kAvgIterations);
    bench.counters["label_ms"] = benchmark::Counter(label * 1e3, benchmark::Counter::kAvgIterations);
    bench.counters["ratio"] = bare > 0 ? program / bare : 0;
    bench.counters["label_ratio"] = label > 0 ? program / label : 0;
}
BENCHMARK(BM_ProcessStartSideBySide)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The eighteen palette pictures painted afresh at the pixel density in use,
// as the palette's first painting does.
void BM_PaletteIconsPainted(benchmark::State& bench)
{
    const qreal scale = qApp->devicePixelRatio();
    for (auto _ : bench) {
        for (const QChar code : MainPaletteOrder) {
            // A copy that is changed gets an engine of its own, with no pictures yet.
            QIcon icon = subjectIcon(code);
            icon.detach();
            benchmark::DoNotOptimize(icon.pixmap(QSize(SubjectIconSize, SubjectIconSize), scale));
        }
    }
}
BENCHMARK(BM_PaletteIconsPainted)->Unit(benchmark::kMicrosecond);

void weekChange(benchmark::State& bench, QDate a, QDate b)
{
    QStandardPaths::setTestModeEnabled(true);
    Session session(sampleYear());
    session.window().show();
    session.window().Form_Activate();
    const QDate weeks[2] = {a, b};
    int i = 0;
    for (auto _ : bench) {
        session.window().MonthView1_DateClick(weeks[i]);
        i = 1 - i;
        QCoreApplication::processEvents(); // paint what changed
    }
    session.state().intYear = 0; // nothing to ask at the end
}

// Two weeks of June: the calendar stays where it is.
void BM_WeekChangeInsideShownMonths(benchmark::State& bench)
{
    weekChange(bench, QDate(2026, 6, 10), QDate(2026, 6, 17));
}
BENCHMARK(BM_WeekChangeInsideShownMonths)->Unit(benchmark::kMicrosecond);

// June and November: the calendar moves as well.
void BM_WeekChangeAcrossMonths(benchmark::State& bench)
{
    weekChange(bench, QDate(2026, 6, 10), QDate(2026, 11, 18));
}
BENCHMARK(BM_WeekChangeAcrossMonths)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], ProgramFlag) == 0)
        return startProgram(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], BareFlag) == 0)
        return startBareWindow(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], LabelFlag) == 0)
        return startLabelWindow(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
