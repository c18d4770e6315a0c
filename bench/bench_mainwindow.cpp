// The main window on the sample year: from process start to the window shown
// with the year loaded, and one week change on the calendar.
#include "core/appstate.h"
#include "ui/main/frmmain.h"
#include "ui/main/session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstring>

using namespace lunaplan;

namespace {

constexpr char ChildFlag[] = "--start-and-quit";

QString sampleYear()
{
    return QStringLiteral(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
}

// What the program does at start, ending as soon as the window has been shown
// and activated.
int startAndQuit(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    Session session(sampleYear());
    session.window().show();
    // After the first activation, which was queued at showing. exit(), not
    // quit(): quitting closes the window, which asks whether to save.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    return session.state().boolCalendarReady ? 0 : 1;
}

void BM_ProcessStartToWindowShown(benchmark::State& bench)
{
    QTemporaryDir settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    for (auto _ : bench) {
        QProcess child;
        child.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag)});
        child.waitForFinished(-1);
        bench.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (child.exitCode() != 0)
            bench.SkipWithError("the child did not show the window");
    }
}
BENCHMARK(BM_ProcessStartToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_WeekChange(benchmark::State& bench)
{
    Session session(sampleYear());
    session.window().show();
    session.window().Form_Activate();
    const QDate weeks[2] = {QDate(2026, 6, 10), QDate(2026, 11, 18)};
    int i = 0;
    for (auto _ : bench) {
        session.window().MonthView1_DateClick(weeks[i]);
        i = 1 - i;
        QCoreApplication::processEvents(); // paint what changed
    }
}
BENCHMARK(BM_WeekChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], ChildFlag) == 0)
        return startAndQuit(argc, argv);
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
