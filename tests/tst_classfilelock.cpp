// One writer per class file: the lock taken beside the file, what opening a
// file another Lunaplan holds offers, the read-only class, and a folder where
// no lock can be made.
#include "core/appstate.h"
#include "storage/classfile.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/classwatch.h"
#include "ui/main/classfilelock.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/mainmenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether some program holds the lock of a class file (this process counts:
// a second QLockFile on the same file fails as another program's would).
bool isLocked(const QString& classFile)
{
    QLockFile probe(ClassFileLock::lockFileName(classFile));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return true;
}

} // namespace

class TestClassFileLock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void lockFollowsTheClass();
    void lockNameIsOneWhateverThePath();
    void heldElsewhereCancelled();
    void heldElsewhereOpenedReadOnly();
    void saveAsOverAFileHeldElsewhereIsRefused();
    void lockOfAProgramThatIsGoneIsTakenOver();
    void lockThatCannotBeMadeIsReportedOnce();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // A class file of the test class in the test's folder.
    QString writeClassFile(const QString& name);
    ClassFileLock& lock() const { return m_program->window->classFileLock(); }
    FileCommands& commands() const { return *m_program->window->fileCommands(); }

    QTemporaryDir m_dir;
    std::unique_ptr<test::ProgramWindow> m_program;
};

void TestClassFileLock::init()
{
    QVERIFY(m_dir.isValid());
    m_program = std::make_unique<test::ProgramWindow>(path(u"settings.ini"_s));
    m_program->window->show();
    m_program->window->Form_Activate();
}

void TestClassFileLock::cleanup()
{
    m_program.reset();
}

QString TestClassFileLock::writeClassFile(const QString& name)
{
    AppState state;
    test::setUpClass2026(state);
    test::ScriptedPrompts prompts;
    state.strFileName = path(name);
    [&] { QVERIFY(subSaveFile(state, prompts)); }();
    return state.strFileName;
}

// Open takes the lock; opening another file, save as to another name, close
// and exit move it or give it up.
void TestClassFileLock::lockFollowsTheClass()
{
    const QString a = writeClassFile(u"a.vl2"_s);
    const QString b = writeClassFile(u"b.vl2"_s);
    QVERIFY(commands().openFile(a));
    QVERIFY(QFileInfo::exists(path(u".~a.vl2.lock"_s)));
    QVERIFY(isLocked(a));

    QVERIFY(commands().openFile(a)); // the same file again keeps its lock
    QVERIFY(isLocked(a));

    QVERIFY(commands().openFile(b));
    QVERIFY(!isLocked(a));
    QVERIFY(!QFileInfo::exists(path(u".~a.vl2.lock"_s)));
    QVERIFY(isLocked(b));

    m_program->prompts.fileNames.enqueue(path(u"c.vl2"_s));
    QVERIFY(commands().mnuFileSaveAs_Click());
    QVERIFY(!isLocked(b));
    QVERIFY(isLocked(path(u"c.vl2"_s)));

    QVERIFY(commands().mnuFileClose_Click());
    QVERIFY(!isLocked(path(u"c.vl2"_s)));

    QVERIFY(commands().openFile(a));
    QVERIFY(commands().mnuFileExit_Click());
    QVERIFY(!isLocked(a));
    QVERIFY(m_program->prompts.messages().isEmpty());
}

void TestClassFileLock::lockNameIsOneWhateverThePath()
{
    const QString a = writeClassFile(u"a.vl2"_s);
    QVERIFY(QFile::link(a, path(u"link.vl2"_s)));
    QCOMPARE(ClassFileLock::lockFileName(path(u"link.vl2"_s)), ClassFileLock::lockFileName(a));
    QCOMPARE(ClassFileLock::lockFileName(m_dir.path() + u"/./a.vl2"_s), path(u".~a.vl2.lock"_s));
}

void TestClassFileLock::heldElsewhereCancelled()
{
    const QString a = writeClassFile(u"a.vl2"_s);
    const QString b = writeClassFile(u"b.vl2"_s);
    QVERIFY(commands().openFile(b));
    QLockFile other(ClassFileLock::lockFileName(a));
    QVERIFY(other.tryLock(0));

    m_program->prompts.answers.enqueue(Prompts::Answer::No); // キャンセル
    QVERIFY(!commands().openFile(a));
    const test::ScriptedPrompts::Shown& asked = m_program->prompts.shown.last();
    QCOMPARE(asked.kind, u"choice"_s);
    QVERIFY(asked.text.startsWith(u"「a.vl2」は別のLunaplanで開かれています。"_s));
    QVERIFY2(asked.text.contains(QSysInfo::machineHostName()), qPrintable(asked.text));
    QVERIFY(asked.text.contains(QString::number(QCoreApplication::applicationPid())));
    QCOMPARE(m_program->prompts.lastChoices, QStringList({u"読み取り専用で開く"_s, u"キャンセル"_s}));
    // The class and its lock stay as they were.
    QCOMPARE(m_program->state.strFileName, b);
    QVERIFY(isLocked(b));
    QVERIFY(!lock().isReadOnly());
}

// A read-only class: its title says so, it offers no 上書き保存, its file is
// never written, and a save under another name makes it that file's writer.
void TestClassFileLock::heldElsewhereOpenedReadOnly()
{
    const QString a = writeClassFile(u"a.vl2"_s);
    const QByteArray before = contents(a);
    QLockFile other(ClassFileLock::lockFileName(a));
    QVERIFY(other.tryLock(0));

    m_program->prompts.answers.enqueue(Prompts::Answer::Yes); // 読み取り専用で開く
    QVERIFY(commands().openFile(a));
    frmMain& window = *m_program->window;
    QVERIFY(lock().isReadOnly());
    QCOMPARE(window.windowTitle(), u"a.vl2 [読み取り専用][*] - Lunaplan Ver1.0.0"_s);
    QVERIFY(!window.menus()->mnuFileSave()->isVisible());
    QCOMPARE(window.menus()->mnuFileSaveAs()->shortcut(), QKeySequence(QKeySequence::Save));

    m_program->state.strTeacher = u"佐藤"_s;
    window.classWatch().notifyChanged();
    // 上書き保存 (or Ctrl+S) asks for another name; the held file is refused.
    m_program->prompts.fileNames.enqueue(a);
    QVERIFY(!commands().mnuFileSave_Click());
    QVERIFY(m_program->prompts.messages().last().startsWith(
        u"「a.vl2」は別のLunaplanで開かれているため、保存できません。"_s));
    QCOMPARE(contents(a), before);

    m_program->prompts.fileNames.enqueue(path(u"mine.vl2"_s));
    QVERIFY(commands().mnuFileSave_Click());
    QCOMPARE(m_program->state.strFileName, path(u"mine.vl2"_s));
    QVERIFY(!lock().isReadOnly());
    QVERIFY(isLocked(path(u"mine.vl2"_s)));
    QCOMPARE(window.windowTitle(), u"mine.vl2[*] - Lunaplan Ver1.0.0"_s);
    QVERIFY(window.menus()->mnuFileSave()->isVisible());
    QCOMPARE(contents(a), before);
}

void TestClassFileLock::saveAsOverAFileHeldElsewhereIsRefused()
{
    const QString a = writeClassFile(u"a.vl2"_s);
    const QString held = writeClassFile(u"held.vl2"_s);
    const QByteArray before = contents(held);
    QVERIFY(commands().openFile(a));
    QLockFile other(ClassFileLock::lockFileName(held));
    QVERIFY(other.tryLock(0));

    m_program->prompts.fileNames.enqueue(held);
    QVERIFY(!commands().mnuFileSaveAs_Click());
    QCOMPARE(contents(held), before);
    QVERIFY(!QFileInfo::exists(path(u"held.bak"_s))); // not even its backup is touched
    QCOMPARE(m_program->state.strFileName, a);
    QVERIFY(isLocked(a));
}

// A lock whose program ended without giving it up (a crash, a power cut) is
// taken over without a question, however old it is.
void TestClassFileLock::lockOfAProgramThatIsGoneIsTakenOver()
{
    const QString a = writeClassFile(u"a.vl2"_s);
    QProcess gone;
    gone.start(u"true"_s);
    QVERIFY(gone.waitForStarted());
    const qint64 gonePid = gone.processId();
    QVERIFY(gone.waitForFinished());
    QFile left(ClassFileLock::lockFileName(a));
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write(QByteArray::number(gonePid) + "\nlunaplan\n" + QSysInfo::machineHostName().toUtf8() + '\n');
    QVERIFY(left.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    left.close();

    QVERIFY(commands().openFile(a));
    QVERIFY(!lock().isReadOnly());
    QVERIFY(m_program->prompts.shown.isEmpty());
    QLockFile probe(ClassFileLock::lockFileName(a));
    qint64 pid = 0;
    QVERIFY(probe.getLockInfo(&pid, nullptr, nullptr));
    QCOMPARE(pid, QCoreApplication::applicationPid());
}

// A name whose lock file the folder cannot hold (the lock's name is longer
// than a name may be) stands for any place without locks, even for root.
void TestClassFileLock::lockThatCannotBeMadeIsReportedOnce()
{
    const QString file = path(QString(250, u'a') + u".vl2"_s);
    QFile longName(file);
    QVERIFY(longName.open(QIODevice::WriteOnly));
    longName.write(contents(writeClassFile(u"a.vl2"_s)));
    longName.close();

    QVERIFY(commands().openFile(file));
    QCOMPARE(m_program->prompts.messages().size(), 1);
    QVERIFY(m_program->prompts.messages().first().contains(u"ロックファイルを作れません"_s));
    QVERIFY(!lock().isReadOnly());
    QVERIFY(m_program->window->menus()->mnuFileSave()->isVisible());

    QVERIFY(commands().openFile(file));
    QCOMPARE(m_program->prompts.messages().size(), 1);
    QCOMPARE(m_program->state.strFileName, file);
}

QTEST_MAIN(TestClassFileLock)
#include "tst_classfilelock.moc"
