// The recovery copy of unsaved work: written soon after a change, gone once
// nothing is to lose, offered back at start, and kept aside when declined or
// unreadable.
#include "core/appstate.h"
#include "core/veladaytime.h"
#include "storage/classfile.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/classwatch.h"
#include "ui/main/classfilelock.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/recoverycopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// One run of the program with its recovery copy in the test's folder.
struct Run {
    explicit Run(const QString& folder, std::chrono::milliseconds delay = 50ms)
        : program(folder + u"/settings.ini"_s)
        , recovery(std::make_unique<RecoveryCopy>(program.state, program.window->classWatch(),
                                                  folder + u"/recovery"_s, delay))
    {
        program.window->show();
        program.window->Form_Activate();
    }
    ~Run() { recovery.reset(); }

    // A day recorded as the recording frame records one.
    void record(QDate date)
    {
        program.state.objDayHead->appendDay(makeRecordedDay(date, u"国算社理音　　　"_s, u"33333000"_s));
        program.window->classWatch().notifyChanged();
    }
    FileCommands& commands() const { return *program.window->fileCommands(); }

    test::ProgramWindow program;
    std::unique_ptr<RecoveryCopy> recovery;
};

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void copyWrittenSoonAfterAChange();
    void copyGoesWhenNothingIsToLose_data();
    void copyGoesWhenNothingIsToLose();
    void steadyRecordingDoesNotHoldTheCopyBack();
    void failedWriteReportedOnceAndTriedAgain();
    void twoProgramsKeepTheirOwnCopies();
    void restoredAtStart();
    void declinedCopyKeptAsOneGeneration();
    void unreadableCopyKeptAside();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString slot0() const { return path(u"recovery/slot0.vl2"_s); }
    // A class file of the test class; the run opens it.
    QString openClass(Run& run);
    // A run that ended without saving: its copy holds the class with one day
    // recorded after the file was opened.
    void leaveUnsavedWork();

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecovery::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRecovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestRecovery::openClass(Run& run)
{
    AppState state;
    test::setUpClass2026(state);
    test::ScriptedPrompts prompts;
    state.strFileName = path(u"class.vl2"_s);
    subSaveFile(state, prompts);
    run.commands().openFile(state.strFileName);
    return state.strFileName;
}

void TestRecovery::leaveUnsavedWork()
{
    Run run(m_dir->path());
    openClass(run);
    run.record(QDate(2026, 6, 10));
    QTRY_VERIFY(QFileInfo::exists(slot0()));
    // A killed program releases nothing; the slot lock of a gone program is taken over.
    run.recovery.reset();
}

void TestRecovery::copyWrittenSoonAfterAChange()
{
    QVERIFY(RecoveryCopy::defaultFolder().endsWith(u"/recovery"_s));
    QVERIFY(RecoveryCopy::defaultFolder().contains(u".qttest"_s)); // never the real home in a test
    Run run(m_dir->path());
    const QString file = openClass(run);
    QVERIFY(!QFileInfo::exists(slot0())); // nothing to lose yet

    run.record(QDate(2026, 6, 10));
    QVERIFY(!QFileInfo::exists(slot0())); // not at once: the change is copied a moment later
    QTRY_VERIFY(QFileInfo::exists(slot0()));
    const auto copied = parseClassFile(contents(slot0()));
    QVERIFY(copied);
    QCOMPARE(*copied, captureClassFile(run.program.state));
    QCOMPARE(contents(path(u"recovery/slot0.file"_s)), file.toUtf8() + '\n');

    QVERIFY(run.commands().mnuFileSave_Click());
    QVERIFY(!QFileInfo::exists(slot0()));
    QVERIFY(!QFileInfo::exists(path(u"recovery/slot0.file"_s)));
}

void TestRecovery::copyGoesWhenNothingIsToLose_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close answered いいえ") << u"close"_s;
    QTest::newRow("exit answered いいえ") << u"exit"_s;
    QTest::newRow("change undone") << u"undo"_s;
}

void TestRecovery::copyGoesWhenNothingIsToLose()
{
    QFETCH(QString, how);
    Run run(m_dir->path());
    openClass(run);
    const QString teacher = run.program.state.strTeacher;
    run.program.state.strTeacher = u"佐藤"_s;
    run.program.window->classWatch().notifyChanged();
    QTRY_VERIFY(QFileInfo::exists(slot0()));

    run.program.prompts.answers.enqueue(Prompts::Answer::No);
    if (how == u"close"_s) {
        QVERIFY(run.commands().mnuFileClose_Click());
    } else if (how == u"exit"_s) {
        QVERIFY(run.commands().mnuFileExit_Click());
        run.recovery.reset(); // the end of the run
    } else {
        run.program.prompts.answers.clear();
        run.program.state.strTeacher = teacher;
        run.program.window->classWatch().notifyChanged();
    }
    QVERIFY(!QFileInfo::exists(slot0()));
}

// The copy comes within its delay of the first change not yet copied, however
// steadily the teacher goes on recording.
void TestRecovery::steadyRecordingDoesNotHoldTheCopyBack()
{
    Run run(m_dir->path(), 300ms);
    openClass(run);
    QElapsedTimer clock;
    clock.start();
    QDate day(2026, 6, 1);
    while (!QFileInfo::exists(slot0()) && clock.elapsed() < 2000) {
        run.record(day);
        day = day.addDays(1);
        QTest::qWait(40);
    }
    QVERIFY(QFileInfo::exists(slot0()));
    QVERIFY2(clock.elapsed() < 800, qPrintable(QString::number(clock.elapsed())));
}

void TestRecovery::failedWriteReportedOnceAndTriedAgain()
{
    Run run(m_dir->path());
    QSignalSpy failed(run.recovery.get(), &RecoveryCopy::writeFailed);
    openClass(run);
    QVERIFY(QDir().mkpath(slot0())); // a folder in the copy's place: the writer refuses it

    run.record(QDate(2026, 6, 10));
    QTRY_COMPARE(failed.size(), 1);
    QVERIFY(failed.first().first().toString().startsWith(u"復旧用コピーを書けませんでした: "_s));
    run.record(QDate(2026, 6, 11));
    QTest::qWait(200);
    QCOMPARE(failed.size(), 1);

    QVERIFY(QDir(slot0()).removeRecursively());
    run.record(QDate(2026, 6, 12));
    QTRY_VERIFY(QFileInfo(slot0()).isFile());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(*parseClassFile(contents(slot0())), captureClassFile(run.program.state));
}

void TestRecovery::twoProgramsKeepTheirOwnCopies()
{
    Run first(m_dir->path());
    Run second(m_dir->path());
    test::setUpClass2026(first.program.state);
    first.record(QDate(2026, 6, 10));
    test::setUpClass2026(second.program.state);
    second.program.state.strTeacher = u"佐藤"_s;
    second.program.window->classWatch().notifyChanged();
    QTRY_VERIFY(QFileInfo::exists(slot0()) && QFileInfo::exists(path(u"recovery/slot1.vl2"_s)));
    QCOMPARE(parseClassFile(contents(path(u"recovery/slot1.vl2"_s)))->strTeacher, u"佐藤"_s);
}

// はい: the class of the copy, tied to its file (and its lock), still to be saved.
void TestRecovery::restoredAtStart()
{
    leaveUnsavedWork();
    const QByteArray copy = contents(slot0());
    Run next(m_dir->path());
    test::ScriptedPrompts& prompts = next.program.prompts;
    prompts.answers.enqueue(Prompts::Answer::Yes);
    QVERIFY(offerRecoveredClass(*next.recovery, next.commands(), prompts));
    const QString question = prompts.shown.first().text;
    QVERIFY2(question.contains(u"2026年度　3年2組　　担任：山田花子"_s), qPrintable(question));
    QVERIFY(question.contains(path(u"class.vl2"_s)));
    QVERIFY(question.contains(QLocale().toString(QFileInfo(slot0()).lastModified(), u"yyyy年M月d日 H:mm"_s)));

    const AppState& state = next.program.state;
    QCOMPARE(state.strFileName, path(u"class.vl2"_s));
    QVERIFY(state.objDayHead->searchDay(QDate(2026, 6, 10)));
    QCOMPARE(formatClassFile(captureClassFile(state)), copy);
    QVERIFY(next.program.window->classWatch().isModified());
    QCOMPARE(next.program.window->windowTitle(), u"class.vl2[*] - Lunaplan Ver1.0.0"_s);
    QVERIFY(next.program.window->isWindowModified());
    QVERIFY(!QLockFile(ClassFileLock::lockFileName(state.strFileName)).tryLock(0));

    QVERIFY(next.commands().mnuFileSave_Click());
    QVERIFY(!QFileInfo::exists(slot0()));
    QVERIFY(next.program.state.objDayHead->searchDay(QDate(2026, 6, 10)));
}

// いいえ: the copy goes aside, replacing an older one, and nothing is asked
// again; the class stays as it was.
void TestRecovery::declinedCopyKeptAsOneGeneration()
{
    QVERIFY(QDir().mkpath(path(u"recovery"_s)));
    writeBytes(path(u"recovery/previous.vl2"_s), "older");
    leaveUnsavedWork();
    const QByteArray copy = contents(slot0());
    Run next(m_dir->path());
    next.program.prompts.answers.enqueue(Prompts::Answer::No);
    QVERIFY(!offerRecoveredClass(*next.recovery, next.commands(), next.program.prompts));
    QCOMPARE(next.program.state.intYear, 0);
    QVERIFY(!QFileInfo::exists(slot0()));
    QCOMPARE(contents(path(u"recovery/previous.vl2"_s)), copy);
    QCOMPARE(contents(path(u"recovery/previous.file"_s)), path(u"class.vl2"_s).toUtf8() + '\n');
    QVERIFY(!offerRecoveredClass(*next.recovery, next.commands(), next.program.prompts));
    QCOMPARE(next.program.prompts.shown.size(), 1);
}

void TestRecovery::unreadableCopyKeptAside()
{
    QVERIFY(QDir().mkpath(path(u"recovery"_s)));
    writeBytes(slot0(), "Soraplan\r\n2026\r\nnot a grade\r\n");
    Run next(m_dir->path());
    QVERIFY(!offerRecoveredClass(*next.recovery, next.commands(), next.program.prompts));
    const QStringList messages = next.program.prompts.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(u"読めませんでした"_s), qPrintable(messages.first()));
    QVERIFY(messages.first().contains(path(u"recovery/previous.vl2"_s)));
    QCOMPARE(contents(path(u"recovery/previous.vl2"_s)), QByteArray("Soraplan\r\n2026\r\nnot a grade\r\n"));
    QCOMPARE(next.program.state.intYear, 0);
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
