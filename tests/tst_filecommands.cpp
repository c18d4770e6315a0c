// The main window's file commands: open, close, save, save as and exit, with
// their questions, backups and failures.
#include "core/appstate.h"
#include "core/weekview.h"
#include "storage/classfile.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "tests/support/testfiles.h"
#include "ui/common/classwatch.h"
#include "ui/common/monthview.h"
#include "ui/common/windowlist.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/mainmenus.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

bool hasRecords(const AppState& state)
{
    return state.objDayHead->objNextDay() != nullptr;
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void menuItems();
    void closeWithoutClassAsksNothing();
    void closeAnsweredNo();
    void closeYesWithoutFileRunsSaveAs();
    void saveQuestionCancelled_data();
    void saveQuestionCancelled();
    void exitWithCancelledSaveAsStaysOpen();
    void closeYesWithFileSaves();
    void saveAsNewAndExistingFile();
    void saveAsBacksUpInTheFilesFolder();
    void failedBackupKeepsTheOlderOne();
    void failedSaveKeepsClassAndName();
    void saveNotDoneIsNoSuccess();
    void openReadsAFile();
    void openDamagedFileChangesNothing();
    void openCancelled();
    void openAfterCloseHoldsOnlyTheFilesDays();
    void exitAnsweredNoStoresGeometry();
    void exitWithFailedSaveStaysOpen();
    void backupNames_data();
    void backupNames();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void addRecord();

    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<test::MainWindowUnderTest> m_window;
};

void TestFileCommands::init()
{
    QVERIFY(m_dir.isValid());
    m_state = std::make_unique<AppState>();
    test::setUpClass2026(*m_state);
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    m_settings = std::make_unique<QSettings>(path(u"settings.ini"_s), QSettings::IniFormat);
    m_settings->clear();
    m_window = std::make_unique<test::MainWindowUnderTest>(*m_state, *m_prompts, *m_settings);
    m_window->show();
    m_window->Form_Activate();
}

void TestFileCommands::cleanup()
{
    if (m_window && m_window->isVisible()) {
        m_window->classWatch().markUnchanged(); // nothing to ask on the way out
        m_window->close();
    }
    m_window.reset();
    m_settings.reset();
    m_prompts.reset();
    m_state.reset();
}

void TestFileCommands::addRecord()
{
    m_state->objDayHead->appendDay(makeRecordedDay(QDate(2026, 6, 10), u"国算社理音体　　"_s, u"33333300"_s));
}

// Ctrl+S saves with or without a file name and Ctrl+O opens, whichever of
// 開く and 上書き保存 the menu offers.
void TestFileCommands::menuItems()
{
    const MainMenus& menus = *m_window->menus();
    QVERIFY(menus.mnuFileOpen()->isVisible());
    QCOMPARE(menus.mnuFileOpen()->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(menus.mnuFileSaveAs()->shortcut(), QKeySequence(QKeySequence::Save));

    m_state->strFileName = path(u"class.vl2"_s);
    m_window->followClass();
    QVERIFY(!menus.mnuFileOpen()->isVisible());
    QCOMPARE(menus.mnuFileSave()->shortcut(), QKeySequence(QKeySequence::Save));
    QVERIFY(menus.mnuFileSaveAs()->shortcut().isEmpty());
    const auto* openKey = m_window->findChild<QAction*>(u"mnuFileOpenKey"_s);
    QVERIFY(openKey);
    QCOMPARE(openKey->shortcut(), QKeySequence(QKeySequence::Open));
    QVERIFY(m_window->actions().contains(openKey));
}

void TestFileCommands::closeWithoutClassAsksNothing()
{
    m_state->intYear = 0;
    m_window->fileCommands()->mnuFileClose_Click();
    QVERIFY(m_prompts->shown.isEmpty());
    QVERIFY(m_window->menus()->mnuFileOpen()->isVisible());
}

void TestFileCommands::closeAnsweredNo()
{
    addRecord();
    m_state->strFileName = path(u"class.vl2"_s);
    m_prompts->answers.enqueue(Prompts::Answer::No);
    QVERIFY(m_window->fileCommands()->mnuFileClose_Click());
    QCOMPARE(m_prompts->shown.size(), 1);
    QCOMPARE(m_prompts->shown[0].kind, u"yesnocancel"_s);
    QCOMPARE(m_prompts->shown[0].text, u"閉じる前にファイルを保存しますか。"_s);
    QCOMPARE(m_prompts->shown[0].title, u"Lunaplan"_s);
    QVERIFY(!QFile::exists(path(u"class.vl2"_s)));
    QVERIFY(m_state->strFileName.isEmpty());
    QVERIFY(!hasRecords(*m_state));
    QVERIFY(m_state->objWeekA->objFirstDay()->strSubject().isEmpty());
    // The class itself stays; the calendar and the week go to 1 April.
    QCOMPARE(m_state->intYear, 2026);
    QCOMPARE(m_state->strTeacher, u"山田花子"_s);
    QCOMPARE(m_state->dateSelected, QDate(2026, 4, 1));
    QCOMPARE(m_window->MonthView1()->firstVisibleMonth(), QDate(2026, 4, 1));
    QVERIFY(m_window->menus()->mnuFileOpen()->isVisible());
    QVERIFY(!m_window->menus()->mnuFileSave()->isVisible());
}

void TestFileCommands::closeYesWithoutFileRunsSaveAs()
{
    addRecord();
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    m_prompts->fileNames.enqueue(QString()); // the save dialog is cancelled
    QVERIFY(!m_window->fileCommands()->mnuFileClose_Click());
    QCOMPARE(m_prompts->shown.size(), 2);
    QCOMPARE(m_prompts->shown[1].kind, u"save"_s);
    QCOMPARE(m_prompts->shown[1].text, u"ファイル名を付けて保存"_s);
    QCOMPARE(m_prompts->lastFilter, u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2"_s);
    QVERIFY(QDir(m_dir.path()).entryList({u"*.vl2"_s}).isEmpty());
    // The teacher asked to save and nothing was saved: the class stays.
    QVERIFY(hasRecords(*m_state));

    // Answered with a name, the class is saved there before it is reset.
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    m_prompts->fileNames.enqueue(path(u"new.vl2"_s));
    QVERIFY(m_window->fileCommands()->mnuFileClose_Click());
    QVERIFY(QFile::exists(path(u"new.vl2"_s)));
    QVERIFY(!hasRecords(*m_state));
    QVERIFY(m_state->strFileName.isEmpty());
}

// キャンセル of the save question leaves everything as it was, whether the
// question came from Close, Exit or the window's close box.
void TestFileCommands::saveQuestionCancelled_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::newRow("close") << u"close"_s << u"閉じる前にファイルを保存しますか。"_s;
    QTest::newRow("exit") << u"exit"_s << u"終了前にファイルを保存しますか。"_s;
    QTest::newRow("close box") << u"close box"_s << u"終了前にファイルを保存しますか。"_s;
}

void TestFileCommands::saveQuestionCancelled()
{
    QFETCH(QString, command);
    QFETCH(QString, question);
    addRecord();
    m_state->strFileName = path(u"class.vl2"_s);
    m_window->followClass();
    auto* other = new QWidget;
    m_window->windowList().track(other);
    other->show();
    const QPointer<QWidget> watchOther(other);

    m_prompts->answers.enqueue(Prompts::Answer::Cancel);
    FileCommands& commands = *m_window->fileCommands();
    if (command == u"close")
        QVERIFY(!commands.mnuFileClose_Click());
    else if (command == u"exit")
        QVERIFY(!commands.mnuFileExit_Click());
    else
        QVERIFY(!m_window->close());
    QCOMPARE(m_prompts->shown.size(), 1);
    QCOMPARE(m_prompts->shown[0].kind, u"yesnocancel"_s);
    QCOMPARE(m_prompts->shown[0].text, question);
    QVERIFY(!QFile::exists(path(u"class.vl2"_s)));
    QVERIFY(hasRecords(*m_state));
    QCOMPARE(m_state->intYear, 2026);
    QCOMPARE(m_state->strFileName, path(u"class.vl2"_s));
    QVERIFY(m_window->menus()->mnuFileSave()->isVisible());
    QVERIFY(m_window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watchOther.isNull());
    QVERIFY(other->isVisible());
    QVERIFY(!m_settings->contains(u"Settings/MainLeft"_s));
}

// Exit answered はい on a class without a file: cancelling Save As must not
// end the program and throw the class away.
void TestFileCommands::exitWithCancelledSaveAsStaysOpen()
{
    addRecord();
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    m_prompts->fileNames.enqueue(QString());
    QVERIFY(!m_window->fileCommands()->mnuFileExit_Click());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_state->intYear, 2026);
    QVERIFY(hasRecords(*m_state));

    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    m_prompts->fileNames.enqueue(path(u"saved.vl2"_s));
    QVERIFY(m_window->fileCommands()->mnuFileExit_Click());
    QVERIFY(!m_window->isVisible());
    QVERIFY(QFile::exists(path(u"saved.vl2"_s)));
}

void TestFileCommands::closeYesWithFileSaves()
{
    addRecord();
    m_state->strFileName = path(u"class.vl2"_s);
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    m_window->fileCommands()->mnuFileClose_Click();
    AppState reread;
    reread.strFileName = path(u"class.vl2"_s);
    subLoadFile(reread, *m_prompts);
    QVERIFY(hasRecords(reread));
    QCOMPARE(reread.strTeacher, u"山田花子"_s);
}

void TestFileCommands::saveAsNewAndExistingFile()
{
    const QString target = path(u"x.vl2"_s);
    m_prompts->fileNames.enqueue(target);
    QVERIFY(m_window->fileCommands()->mnuFileSaveAs_Click());
    QCOMPARE(m_state->strFileName, target);
    QVERIFY(QFile::exists(target));
    QVERIFY(!QFile::exists(path(u"x.bak"_s))); // nothing to keep
    const QByteArray first = test::fileBytes(target);

    addRecord();
    m_prompts->fileNames.enqueue(target);
    QVERIFY(m_window->fileCommands()->mnuFileSaveAs_Click());
    QCOMPARE(test::fileBytes(path(u"x.bak"_s)), first);
    QVERIFY(test::fileBytes(target) != first);
    AppState reread;
    reread.strFileName = target;
    subLoadFile(reread, *m_prompts);
    QVERIFY(hasRecords(reread));
}

void TestFileCommands::saveAsBacksUpInTheFilesFolder()
{
    QVERIFY(QDir(m_dir.path()).mkdir(u"my.data"_s));
    m_prompts->fileNames.enqueue(path(u"my.data/class.vl2"_s));
    QVERIFY(m_window->fileCommands()->mnuFileSaveAs_Click());
    QCOMPARE(m_state->strFileName, path(u"my.data/class.vl2"_s));
    QVERIFY(QFile::exists(path(u"my.data/class.vl2"_s)));
    m_prompts->fileNames.enqueue(path(u"my.data/class.vl2"_s));
    QVERIFY(m_window->fileCommands()->mnuFileSaveAs_Click());
    QVERIFY(QFile::exists(path(u"my.data/class.bak"_s))); // next to the file, not cut at the folder's dot
    QVERIFY(!QFile::exists(path(u"my.bak"_s)));
}

// The older backup is replaced only by a complete copy: here the copy fails
// half-way (the file size limit of the process, as a full disk would).
void TestFileCommands::failedBackupKeepsTheOlderOne()
{
    const QString file = path(u"big.vl2"_s);
    QFile big(file);
    QVERIFY(big.open(QIODevice::WriteOnly));
    QCOMPARE(big.write(QByteArray(64 * 1024, 'x')), 64 * 1024);
    big.close();
    QFile older(path(u"big.bak"_s));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("older backup");
    older.close();

    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool copied = makeBackupCopy(file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!copied);
    QCOMPARE(test::fileBytes(path(u"big.bak"_s)), QByteArray("older backup"));
    QCOMPARE(QDir(m_dir.path()).entryList({u"big*"_s}, QDir::Files | QDir::Hidden),
             (QStringList{u"big.bak"_s, u"big.vl2"_s}));
    QVERIFY(makeBackupCopy(file));
    QCOMPARE(test::fileBytes(path(u"big.bak"_s)), test::fileBytes(file));
}

void TestFileCommands::failedSaveKeepsClassAndName()
{
    addRecord();
    m_state->strFileName = path(u"class.vl2"_s);
    m_prompts->fileNames.enqueue(path(u"no such folder/class.vl2"_s));
    QVERIFY(!m_window->fileCommands()->mnuFileSaveAs_Click());
    QCOMPARE(m_state->strFileName, path(u"class.vl2"_s)); // still the file the class came from
    QCOMPARE(m_prompts->messages().size(), 1);
    QVERIFY(m_prompts->messages().first().startsWith(u"ファイルを保存できませんでした。"_s));

    // Close: the save fails, so the class is not thrown away.
    m_state->strFileName = path(u"no such folder/class.vl2"_s);
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    QVERIFY(!m_window->fileCommands()->mnuFileClose_Click());
    QVERIFY(hasRecords(*m_state));
    QCOMPARE(m_state->strFileName, path(u"no such folder/class.vl2"_s));
}

// A save that writes nothing (the teacher keeps a character the file cannot
// hold, or there is no class) is not reported as done.
void TestFileCommands::saveNotDoneIsNoSuccess()
{
    addRecord();
    m_state->strTeacher = u"𠮷田"_s;
    m_state->strFileName = path(u"declined.vl2"_s);
    m_prompts->answers.enqueue(Prompts::Answer::No);
    QVERIFY(!m_window->fileCommands()->mnuFileSave_Click());
    QVERIFY(!QFile::exists(path(u"declined.vl2"_s)));

    // Close asks to save, the save is declined at the characters: nothing is lost.
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    m_prompts->answers.enqueue(Prompts::Answer::No);
    QVERIFY(!m_window->fileCommands()->mnuFileClose_Click());
    QVERIFY(hasRecords(*m_state));

    m_state->intYear = 0;
    m_prompts->fileNames.enqueue(path(u"no-class.vl2"_s));
    QVERIFY(!m_window->fileCommands()->mnuFileSaveAs_Click());
    QCOMPARE(m_state->strFileName, path(u"declined.vl2"_s));
    QCOMPARE(m_prompts->messages().last(), noDataToSaveMessage());
    QVERIFY(!QFile::exists(path(u"no-class.vl2"_s)));
}

void TestFileCommands::openReadsAFile()
{
    addRecord();
    m_state->strFileName = path(u"class.vl2"_s);
    subSaveFile(*m_state, *m_prompts);

    AppState fresh;
    test::ScriptedPrompts prompts;
    QSettings settings(path(u"other.ini"_s), QSettings::IniFormat);
    test::MainWindowUnderTest window(fresh, prompts, settings);
    window.Form_Activate();
    prompts.fileNames.enqueue(path(u"class.vl2"_s));
    window.fileCommands()->mnuFileOpen_Click();
    QCOMPARE(prompts.shown.first().text, u"開く"_s);
    QCOMPARE(prompts.lastFilter, u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2"_s);
    QCOMPARE(fresh.strFileName, path(u"class.vl2"_s));
    QCOMPARE(fresh.intYear, 2026);
    QVERIFY(hasRecords(fresh));
    QVERIFY(fresh.boolCalendarReady); // the activation placed the calendar again
    QCOMPARE(fresh.dateSelected, todayInSchoolYear(QDate::currentDate(), 2026));
    QCOMPARE(window.statusPanel()->text(), u"2026年　3年2組　　担任：山田花子"_s);
    QVERIFY(window.menus()->mnuFileSave()->isVisible());
    QVERIFY(!window.menus()->mnuFileOpen()->isVisible());
}

void TestFileCommands::openDamagedFileChangesNothing()
{
    QFile damaged(path(u"damaged.vl2"_s));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("Soraplan\r\n 2026\r\n three\r\n");
    damaged.close();
    addRecord();
    m_prompts->answers.enqueue(Prompts::Answer::No); // the class is not saved first
    m_prompts->fileNames.enqueue(damaged.fileName());
    m_window->fileCommands()->mnuFileOpen_Click();
    QCOMPARE(m_prompts->messages().size(), 1);
    QVERIFY(m_prompts->messages().first().contains(u"3行目"_s));
    QVERIFY(m_state->strFileName.isEmpty());
    QCOMPARE(m_state->intYear, 2026);
    QCOMPARE(m_state->intGrade, 3);
    QVERIFY(hasRecords(*m_state));
    QVERIFY(m_window->menus()->mnuFileOpen()->isVisible());
    QVERIFY(!m_window->menus()->mnuFileSave()->isVisible());

    // Not a class file at all: its own message, and the menu stays.
    QFile other(path(u"other.vl2"_s));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("Soraplan \r\n");
    other.close();
    m_prompts->answers.enqueue(Prompts::Answer::No);
    m_prompts->fileNames.enqueue(other.fileName());
    m_window->fileCommands()->mnuFileOpen_Click();
    QCOMPARE(m_prompts->messages().last(), u"「Lunaplan2002」のデータファイルではありません"_s);
    QVERIFY(m_window->menus()->mnuFileOpen()->isVisible());
}

void TestFileCommands::openCancelled()
{
    m_prompts->answers.enqueue(Prompts::Answer::No);
    m_prompts->fileNames.enqueue(QString());
    m_window->fileCommands()->mnuFileOpen_Click();
    QCOMPARE(m_prompts->shown.size(), 2);
    QCOMPARE(m_state->intYear, 2026);
}

// A day registered after Close (or in a class never saved) belongs to another
// school year than the file: opening the file must not keep it.
void TestFileCommands::openAfterCloseHoldsOnlyTheFilesDays()
{
    addRecord();
    m_prompts->answers.enqueue(Prompts::Answer::No);
    m_window->fileCommands()->mnuFileClose_Click();
    m_state->objDayHead->appendDay(makeRecordedDay(QDate(2026, 4, 21), u"体体体体体体　　"_s, u"33333300"_s));
    m_prompts->answers.enqueue(Prompts::Answer::No);
    m_prompts->fileNames.enqueue(QString::fromUtf8(LUNAPLAN_FIXTURES_DIR "/two-days.vl2"));
    m_window->fileCommands()->mnuFileOpen_Click();
    QCOMPARE(m_state->intYear, 2003);
    QList<QDate> dates;
    for (auto day = m_state->objDayHead->objNextDay(); day; day = day->objNextDay())
        dates.append(day->dateThisDay());
    QCOMPARE(dates, (QList<QDate>{QDate(2003, 4, 21), QDate(2004, 2, 12)}));
}

void TestFileCommands::exitAnsweredNoStoresGeometry()
{
    m_window->move(200, 150);
    m_prompts->answers.enqueue(Prompts::Answer::No);
    QVERIFY(m_window->fileCommands()->mnuFileExit_Click());
    QCOMPARE(m_prompts->shown.size(), 1); // asked once, not again on the way out
    QCOMPARE(m_prompts->shown[0].text, u"終了前にファイルを保存しますか。"_s);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_state->intYear, 0);
    QVERIFY(m_settings->contains(u"Settings/MainLeft"_s));
    QCOMPARE(m_settings->value(u"Settings/MainLeft"_s).toString(),
             QString::number(m_window->frameGeometry().x() * 15));
    QVERIFY(m_settings->value(u"Settings/MainWidth"_s).toInt() > 0);
}

void TestFileCommands::exitWithFailedSaveStaysOpen()
{
    m_state->strFileName = path(u"no such folder/class.vl2"_s);
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    QVERIFY(!m_window->fileCommands()->mnuFileExit_Click());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_state->intYear, 2026);

    // The close box asks the same; a failed save keeps the window too.
    m_prompts->answers.enqueue(Prompts::Answer::Yes);
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    m_prompts->answers.enqueue(Prompts::Answer::No);
    QVERIFY(m_window->close());
}

void TestFileCommands::backupNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("backup");
    QTest::newRow("extension") << u"/home/t/class.vl2"_s << u"/home/t/class.bak"_s;
    QTest::newRow("dot in a folder") << u"/home/t/my.data/class.vl2"_s << u"/home/t/my.data/class.bak"_s;
    QTest::newRow("no extension") << u"/home/t/class"_s << u"/home/t/class.bak"_s;
    QTest::newRow("two dots") << u"/home/t/class.2026.vl2"_s << u"/home/t/class.bak"_s;
}

void TestFileCommands::backupNames()
{
    QFETCH(QString, file);
    QFETCH(QString, backup);
    QCOMPARE(backupPathFor(file), backup);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
