#pragma once

#include "ui/common/handlerguard.h"

#include <QObject>
#include <QString>

namespace lunaplan {

class AppState;
class ClassFileLock;
class ClassWatch;
struct ClassFileData;
class Prompts;
class frmMain;

// The file commands of the main window's ﾌｧｲﾙ menu: open, close, save, save
// as and exit. Close, exit and open ask first whether to save, when the class
// changed since it was loaded or saved. Every command first has the open
// windows store what was typed into them, so nothing typed is left behind.
// The class file's lock follows the class: taken when a file is opened or
// saved under a new name, given up when the class goes.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(frmMain& window, AppState& state, Prompts& prompts, ClassWatch& watch, ClassFileLock& lock);

    // Asks whether to save the class in memory, then the file to open; a file
    // that cannot be read changes nothing.
    void mnuFileOpen_Click();
    // Asks whether to save, then gives up the class (its days, timetables and
    // plan). True when the class was closed; キャンセル, or a save the
    // teacher asked for that did not happen, keeps everything as it was.
    bool mnuFileClose_Click();
    // Saves to the class's file, or asks for a name when it has none or was
    // opened read only. True
    // when the class was saved (false when saving failed, there was nothing
    // to save, the teacher chose not to lose characters the file cannot
    // hold, or the save dialog was cancelled).
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    // Asks whether to save, gives up the class and closes the main window;
    // false when the program must not end (キャンセル, or no save happened).
    bool mnuFileExit_Click();

    // What 開く does: the save question, the file dialog, then the file is
    // read. False when the teacher cancelled the question or the dialog.
    bool chooseAndOpen();
    // Opens a class file that was chosen elsewhere (the command line) as 開く
    // does after its dialog. True when it was read; false too when another
    // Lunaplan holds it and the teacher cancelled.
    bool openFile(const QString& fileName);
    // 前年度のファイルから新規作成: the save question, then, when a class is
    // open, whether to start from it or from a file; the file is only read.
    // The class of the following school year becomes the class in memory,
    // never saved (so it has no file and counts as changed). False when the
    // teacher cancelled or nothing could be read.
    bool startFromPreviousYear();

    // Makes a class recovered from unsaved work the class in memory, tied to
    // fileName (which may be empty) and changed since it, as its file is
    // opened (the lock; a file another Lunaplan holds may be taken read only).
    // False when the teacher cancelled.
    bool restoreClass(const ClassFileData& data, const QString& fileName);

private:
    // The save question (はい, いいえ, キャンセル), asked only when there is
    // something to lose: true when the class may be given up.
    bool askToSave(const QString& question);
    // keepBackup: copy the file it replaces to its backup first.
    bool saveTo(const QString& fileName, bool keepBackup);

    frmMain& m_window;
    AppState& m_state;
    Prompts& m_prompts;
    ClassWatch& m_watch;
    ClassFileLock& m_lock;
    HandlerGuard m_guard;
};

// The backup that save as keeps of the file it replaces: the file's name up
// to its first dot, with the extension "bak", in the file's own folder.
QString backupPathFor(const QString& path);

// Copies an existing file to its backup. An older backup is replaced only
// once the new copy is complete; false (and nothing changed) when there is no
// file or the copy fails.
bool makeBackupCopy(const QString& path);

} // namespace lunaplan
