#include "ui/main/filecommands.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "core/newschoolyear.h"
#include "core/prompts.h"
#include "core/schoolcalendar.h"
#include "storage/atomicfile.h"
#include "storage/classfile.h"
#include "storage/classfilereader.h"
#include "ui/common/classwatch.h"
#include "ui/common/monthview.h"
#include "ui/common/openclassfile.h"
#include "ui/main/classfilelock.h"
#include "ui/main/frmmain.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lunaplan {

FileCommands::FileCommands(frmMain& window, AppState& state, Prompts& prompts, ClassWatch& watch,
                           ClassFileLock& lock)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_prompts(prompts)
    , m_watch(watch)
    , m_lock(lock)
    , m_guard(prompts)
{}

bool FileCommands::askToSave(const QString& question)
{
    m_window.storeOpenWindows();
    if (!m_watch.isModified())
        return true;
    switch (m_prompts.askYesNoCancel(question, applicationTitle())) {
    case Prompts::Answer::Yes:
        return mnuFileSave_Click();
    case Prompts::Answer::No:
        return true;
    default:
        return false; // キャンセル
    }
}

void FileCommands::mnuFileOpen_Click()
{
    chooseAndOpen();
}

bool FileCommands::chooseAndOpen()
{
    if (!askToSave(u"開く前にファイルを保存しますか。"_s))
        return false;
    const QString name = m_prompts.openFileName(u"開く"_s, classFileFilter());
    if (name.isEmpty())
        return false;
    openFile(name);
    return true;
}

bool FileCommands::openFile(const QString& fileName)
{
    // openClassFile reports a file it cannot read with its own message.
    bool opened = false;
    m_guard.run(u"「%1」を開けませんでした。"_s.arg(QFileInfo(fileName).fileName()), [&] {
        ClassFileLock::Claim claim = m_lock.claimForOpening(fileName);
        if (claim.refused())
            return;
        opened = openClassFile(m_state, m_prompts, fileName);
        if (!opened)
            return;
        m_lock.adopt(std::move(claim));
        m_watch.markUnchanged();
        m_watch.notifyChanged();
    });
    return opened;
}

bool FileCommands::startFromPreviousYear()
{
    if (!askToSave(u"新しい年度を作る前にファイルを保存しますか。"_s))
        return false;
    AppState read; // the file's class, on its own: the file is only read
    const AppState* previous = &m_state;
    Prompts::Answer source = Prompts::Answer::No;
    if (m_state.intYear != 0) {
        source = m_prompts.askYesNoCancel(
            u"いま開いている%1 %2年%3組から次の年度を作りますか。「いいえ」を押すとファイルを選べます。"_s
                .arg(eraSchoolYearText(m_state.intYear), QString::number(m_state.intGrade), m_state.strClass),
            applicationTitle());
    }
    if (source == Prompts::Answer::Cancel)
        return false;
    if (source == Prompts::Answer::No) {
        const QString name = m_prompts.openFileName(u"前年度のファイルを開く"_s, classFileFilter());
        if (name.isEmpty() || !openClassFile(read, m_prompts, name))
            return false;
        previous = &read;
    }
    NextSchoolYear made;
    if (!m_guard.run(u"次の年度を作れませんでした。"_s,
                     [&] { made = startNextSchoolYear(*previous, m_state); }))
        return false;
    // The new class has no file: last year's file is no longer this class's to hold.
    m_lock.release();
    // Not marked unchanged: a class never saved has something to lose.
    m_watch.notifyChanged();
    if (made.gradeKept) {
        m_prompts.message(u"6年生の学級なので、学年は6年のままです。学級の設定で確かめてください。"_s,
                          applicationTitle(), Prompts::Icon::Information);
    }
    return true;
}

bool FileCommands::restoreClass(const ClassFileData& data, const QString& fileName)
{
    bool restored = false;
    m_guard.run(u"クラスを復元できませんでした。"_s, [&] {
        ClassFileLock::Claim claim;
        if (!fileName.isEmpty()) {
            claim = m_lock.claimForOpening(fileName);
            if (claim.refused())
                return;
        }
        applyClassFile(m_state, data);
        m_state.strFileName = fileName;
        m_lock.adopt(std::move(claim));
        // Not markUnchanged: the file does not hold this yet, so the teacher saves.
        m_watch.notifyChanged();
        restored = true;
    });
    return restored;
}

bool FileCommands::mnuFileClose_Click()
{
    if (!askToSave(u"閉じる前にファイルを保存しますか。"_s))
        return false;
    m_state.strFileName.clear();
    m_lock.release();
    const bool closed = m_guard.run(u"ファイルを閉じられませんでした。"_s, [&] {
        m_state.subInitClassData();
        m_state.subInitYearPlan();

        const int year = m_window.shownSchoolYear();
        MonthView* calendar = m_window.MonthView1();
        calendar->setCurrentDate(QDate(year, 7, 1));
        calendar->setCurrentDate(QDate(year, 4, 1));
        m_window.subDispHoliday();
        m_window.MonthView1_DateClick(QDate(year, 4, 1));
    });
    // What is left is what the teacher chose to give up: nothing to ask for any more.
    m_watch.markUnchanged();
    m_watch.notifyChanged();
    return closed;
}

bool FileCommands::mnuFileSave_Click()
{
    if (m_state.strFileName.isEmpty() || m_lock.isReadOnly())
        return mnuFileSaveAs_Click();
    return saveTo(m_state.strFileName, false);
}

bool FileCommands::saveTo(const QString& fileName, bool keepBackup)
{
    m_window.storeOpenWindows();
    if (m_state.intYear == 0) {
        m_prompts.message(noDataToSaveMessage(), applicationTitle(), Prompts::Icon::None);
        return false;
    }
    ClassFileLock::Claim claim = m_lock.claimForSaving(fileName);
    if (claim.refused())
        return false;
    if (keepBackup)
        makeBackupCopy(fileName);
    const QString previous = m_state.strFileName;
    m_state.strFileName = fileName;
    bool written = false;
    const bool saved = m_guard.run(u"ファイルを保存できませんでした。"_s,
                                   [&] { written = subSaveFile(m_state, m_prompts); });
    if (!saved || !written) {
        m_state.strFileName = previous;
        return false;
    }
    m_lock.adopt(std::move(claim));
    m_watch.markUnchanged();
    m_watch.notifyChanged();
    m_window.showSaved(fileName);
    return true;
}

bool FileCommands::mnuFileSaveAs_Click()
{
    m_window.storeOpenWindows();
    if (m_state.intYear == 0) {
        m_prompts.message(noDataToSaveMessage(), applicationTitle(), Prompts::Icon::None);
        return false;
    }
    const QString proposed = m_state.strFileName.isEmpty()
                                 ? proposedClassFileName(m_state.intYear, m_state.intGrade, m_state.strClass)
                                 : m_state.strFileName;
    const QString name = m_prompts.saveFileName(u"ファイル名を付けて保存"_s, classFileFilter(), proposed);
    if (name.isEmpty())
        return false;
    return saveTo(name, true);
}

bool FileCommands::mnuFileExit_Click()
{
    if (!askToSave(u"終了前にファイルを保存しますか。"_s))
        return false;
    m_state.intYear = 0;
    m_lock.release();
    if (!m_window.isClosing())
        m_window.close();
    return true;
}

QString backupPathFor(const QString& path)
{
    const QFileInfo file(path);
    return file.dir().filePath(file.baseName() + u".bak"_s);
}

bool makeBackupCopy(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    // A failed copy is passed over and saving goes on; the writer replaces an
    // older backup only by a complete copy, and refuses a file that is itself
    // named .bak as its own backup.
    try {
        copyFileAtomically(path, backupPathFor(path));
        return true;
    } catch (const LunaError&) {
        return false;
    }
}

} // namespace lunaplan
