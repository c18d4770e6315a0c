#pragma once

#include "ui/common/handlerguard.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace lunaplan {

class AppState;
class Prompts;
class frmMain;

// The file commands of the main window's ﾌｧｲﾙ menu: open, close, save, save
// as and exit, with the save question that close and exit ask first.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(frmMain& window, AppState& state, Prompts& prompts, QMenuBar* menuBar);

    void mnuFileOpen_Click();
    // Asks whether to save, then gives up the class (its days, timetables and
    // plan). True when the class was closed; キャンセル, or a save the
    // teacher asked for that did not happen, keeps everything as it was.
    bool mnuFileClose_Click();
    // True when the class was saved (false when saving failed, there was
    // nothing to save, the teacher chose not to lose characters the file
    // cannot hold, or the save dialog was cancelled).
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    // Asks whether to save, gives up the class and closes the main window;
    // false when the program must not end (キャンセル, or no save happened).
    bool mnuFileExit_Click();

    // Offers Save while the class has a file, Open while it has none.
    void showOpenOrSave();

    QMenu* mnuFile() const { return m_mnuFile; }
    QAction* mnuFileOpen() const { return m_open; }
    QAction* mnuFileClose() const { return m_close; }
    QAction* mnuFileSave() const { return m_save; }
    QAction* mnuFileSaveAs() const { return m_saveAs; }
    QAction* mnuFileExit() const { return m_exit; }

private:
    // The save question of close and exit (はい, いいえ, キャンセル): true
    // when the class may be given up, that is いいえ, or はい and it was saved.
    bool askToSave(const QString& question);

    frmMain& m_window;
    AppState& m_state;
    Prompts& m_prompts;
    HandlerGuard m_guard;
    QMenu* m_mnuFile = nullptr;
    QAction* m_open = nullptr;
    QAction* m_close = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_exit = nullptr;
};

// The backup that save as keeps of the file it replaces: the file's name up
// to its first dot, with the extension "bak", in the file's own folder.
QString backupPathFor(const QString& path);

// Copies an existing file to its backup. An older backup is replaced only
// once the new copy is complete; false (and nothing changed) when there is no
// file or the copy fails.
bool makeBackupCopy(const QString& path);

} // namespace lunaplan
