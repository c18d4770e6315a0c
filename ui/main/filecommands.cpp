#include "ui/main/filecommands.h"

#include "core/appstate.h"
#include "storage/classfile.h"
#include "storage/prompts.h"
#include "ui/common/monthview.h"
#include "ui/common/openclassfile.h"
#include "ui/main/frmmain.h"
#include "ui/main/menuitems.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>

namespace lunaplan {

namespace {

const QString& fileFilter()
{
    static const QString filter = QStringLiteral("「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2");
    return filter;
}

} // namespace

FileCommands::FileCommands(frmMain& window, AppState& state, Prompts& prompts, QMenuBar* menuBar)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_prompts(prompts)
    , m_guard(prompts)
{
    m_mnuFile = menuBar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m_open = addMenuItem(m_mnuFile, QStringLiteral("mnuFileOpen"), QStringLiteral("開く(&O)..."));
    m_close = addMenuItem(m_mnuFile, QStringLiteral("mnuFileClose"), QStringLiteral("閉じる(&C)"));
    addMenuBar(m_mnuFile, QStringLiteral("mnuFileBar0"));
    m_save = addMenuItem(m_mnuFile, QStringLiteral("mnuFileSave"), QStringLiteral("上書き保存(&S)"));
    m_saveAs =
        addMenuItem(m_mnuFile, QStringLiteral("mnuFileSaveAs"), QStringLiteral("名前を付けて保存(&A)..."));
    addMenuBar(m_mnuFile, QStringLiteral("mnuFileBar1"));
    m_exit = addMenuItem(m_mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("終了(&X)"));

    connect(m_open, &QAction::triggered, this, &FileCommands::mnuFileOpen_Click);
    connect(m_close, &QAction::triggered, this, &FileCommands::mnuFileClose_Click);
    connect(m_save, &QAction::triggered, this, &FileCommands::mnuFileSave_Click);
    connect(m_saveAs, &QAction::triggered, this, &FileCommands::mnuFileSaveAs_Click);
    connect(m_exit, &QAction::triggered, this, &FileCommands::mnuFileExit_Click);
    showOpenOrSave();
}

void FileCommands::showOpenOrSave()
{
    const bool hasFile = !m_state.strFileName.isEmpty();
    m_save->setVisible(hasFile);
    m_open->setVisible(!hasFile);
}

bool FileCommands::askToSave(const QString& question)
{
    if (m_state.intYear == 0)
        return true;
    switch (m_prompts.askYesNoCancel(question, applicationTitle())) {
    case Prompts::Answer::Yes:
        return m_state.strFileName.isEmpty() ? mnuFileSaveAs_Click() : mnuFileSave_Click();
    case Prompts::Answer::No:
        return true;
    default:
        return false; // キャンセル
    }
}

void FileCommands::mnuFileOpen_Click()
{
    const QString name = m_prompts.openFileName(QStringLiteral("開く"), fileFilter());
    if (name.isEmpty())
        return;
    // openClassFile reports a file it cannot read with its own message.
    m_guard.run(QStringLiteral("「%1」を開けませんでした。").arg(QFileInfo(name).fileName()), [&] {
        if (!openClassFile(m_state, m_prompts, name))
            return;
        showOpenOrSave();
        m_window.Form_Activate();
    });
}

bool FileCommands::mnuFileClose_Click()
{
    if (!askToSave(QStringLiteral("閉じる前にファイルを保存しますか。")))
        return false;
    m_state.strFileName.clear();
    showOpenOrSave();
    return m_guard.run(QStringLiteral("ファイルを閉じられませんでした。"), [&] {
        m_state.subInitClassData();
        m_state.subInitYearPlan();

        const int year = m_window.shownSchoolYear();
        MonthView* calendar = m_window.MonthView1();
        calendar->setCurrentDate(QDate(year, 7, 1));
        calendar->setCurrentDate(QDate(year, 4, 1));
        m_window.subDispHoliday();
        m_window.MonthView1_DateClick(QDate(year, 4, 1));
    });
}

bool FileCommands::mnuFileSave_Click()
{
    bool written = false;
    return m_guard.run(QStringLiteral("ファイルを保存できませんでした。"), [&] {
        written = subSaveFile(m_state, m_prompts);
    }) && written;
}

bool FileCommands::mnuFileSaveAs_Click()
{
    const QString name = m_prompts.saveFileName(QStringLiteral("ファイル名を付けて保存"), fileFilter());
    if (name.isEmpty())
        return false;
    const QString previous = m_state.strFileName;
    m_state.strFileName = name;
    makeBackupCopy(name);
    if (!mnuFileSave_Click()) {
        m_state.strFileName = previous;
        return false;
    }
    return true;
}

bool FileCommands::mnuFileExit_Click()
{
    if (!askToSave(QStringLiteral("終了前にファイルを保存しますか。")))
        return false;
    m_state.intYear = 0;
    if (!m_window.isClosing())
        m_window.close();
    return true;
}

QString backupPathFor(const QString& path)
{
    const QFileInfo file(path);
    return file.dir().filePath(file.baseName() + QStringLiteral(".bak"));
}

bool makeBackupCopy(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QString backup = backupPathFor(path);
    if (QFileInfo(backup).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        return false; // the file is itself named .bak
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    // The copy goes to a temporary file beside the backup and takes its name
    // only when complete, so a failed copy leaves the older backup whole.
    // Unbuffered, as a class file is saved: each write reports its own failure.
    QSaveFile copy(backup);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(chunk.data(), chunk.size());
        if (got == 0)
            return copy.commit();
        qint64 done = 0;
        while (got > 0 && done < got) {
            const qint64 written = copy.write(chunk.constData() + done, got - done);
            if (written <= 0)
                break;
            done += written;
        }
        if (got < 0 || done < got) {
            copy.cancelWriting();
            return false;
        }
    }
}

} // namespace lunaplan
