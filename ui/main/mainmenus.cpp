#include "ui/main/mainmenus.h"

#include "ui/main/filecommands.h"
#include "ui/main/menucommands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

// The handler's result, where it has one, is for its other callers.
template <class Commands, class Result>
QAction* addItem(QMenu* menu, const QString& name, const QString& caption, Commands* commands,
                 Result (Commands::*handler)(), const QKeySequence& shortcut = {})
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    menu->addAction(action);
    QObject::connect(action, &QAction::triggered, commands, handler);
    return action;
}

void addSeparator(QMenu* menu, const QString& name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

MainMenus::MainMenus(QMainWindow& window, FileCommands& file, MenuCommands& commands)
    : QObject(&window)
{
    QMenuBar* bar = window.menuBar();
    m_mnuFile = addMenu(bar, u"mnuFile"_s, u"ﾌｧｲﾙ(&F)"_s);
    addItem(m_mnuFile, u"mnuFileNew"_s, u"新規作成(&N)"_s, &commands, &MenuCommands::mnuFileNew_Click,
            QKeySequence(u"Ctrl+N"_s));
    addItem(m_mnuFile, u"mnuFileNewFromPrevious"_s, u"前年度のファイルから新規作成(&Y)..."_s, &commands,
            &MenuCommands::mnuFileNewFromPrevious_Click);
    m_open = addItem(m_mnuFile, u"mnuFileOpen"_s, u"開く(&O)..."_s, &file, &FileCommands::mnuFileOpen_Click);
    addItem(m_mnuFile, u"mnuFileClose"_s, u"閉じる(&C)"_s, &file, &FileCommands::mnuFileClose_Click);
    addSeparator(m_mnuFile, u"mnuFileBar0"_s);
    m_save =
        addItem(m_mnuFile, u"mnuFileSave"_s, u"上書き保存(&S)"_s, &file, &FileCommands::mnuFileSave_Click);
    m_saveAs = addItem(m_mnuFile, u"mnuFileSaveAs"_s, u"名前を付けて保存(&A)..."_s, &file,
                       &FileCommands::mnuFileSaveAs_Click);
    addSeparator(m_mnuFile, u"mnuFileBar1"_s);
    addItem(m_mnuFile, u"mnuFilePageSetup"_s, u"ﾍﾟｰｼﾞ設定(&U)..."_s, &commands,
            &MenuCommands::mnuFilePageSetup_Click);
    addItem(m_mnuFile, u"mnuFilePrint"_s, u"印刷(&P)..."_s, &commands, &MenuCommands::mnuFilePrint_Click);
    addSeparator(m_mnuFile, u"mnuFileBar2"_s);
    addItem(m_mnuFile, u"mnuFileExit"_s, u"終了(&X)"_s, &file, &FileCommands::mnuFileExit_Click);

    m_openKey = new QAction(&window);
    m_openKey->setObjectName(u"mnuFileOpenKey"_s);
    window.addAction(m_openKey);
    connect(m_openKey, &QAction::triggered, &file, &FileCommands::mnuFileOpen_Click);

    QMenu* edit = addMenu(bar, u"mnuEdit"_s, u"設定(&E)"_s);
    addItem(edit, u"mnuEditModifyHoliday"_s, u"学級と休日の変更"_s, &commands,
            &MenuCommands::mnuEditModifyHoliday_Click);
    addItem(edit, u"mnuEditModifySpecial"_s, u"特別な休日の変更"_s, &commands,
            &MenuCommands::mnuEditModifySpecial_Click);
    addItem(edit, u"mnuEditModifyWeekA"_s, u"週間時間割 A の変更"_s, &commands,
            &MenuCommands::mnuEditModifyWeekA_Click);
    addItem(edit, u"mnuEditModifyWeekB"_s, u"週間時間割 B の変更"_s, &commands,
            &MenuCommands::mnuEditModifyWeekB_Click);
    addItem(edit, u"mnuEditModifyYear"_s, u"年間授業計画の変更"_s, &commands,
            &MenuCommands::mnuEditModifyYear_Click);

    QMenu* view = addMenu(bar, u"mnuView"_s, u"表示(&V)"_s);
    addItem(view, u"mnuViewShowTimeTable"_s, u"集計表"_s, &commands,
            &MenuCommands::mnuViewShowTimeTable_Click);
    addItem(view, u"mnuViewShowOutlook"_s, u"見通し"_s, &commands, &MenuCommands::mnuViewShowOutlook_Click);

    QMenu* help = addMenu(bar, u"mnuHelp"_s, u"ﾍﾙﾌﾟ(&H)"_s);
    addItem(help, u"mnuHelpContents"_s, u"ﾍﾙﾌﾟ"_s, &commands, &MenuCommands::mnuHelpContents_Click);
}

void MainMenus::showOpenOrSave(bool hasFile)
{
    const QKeySequence saveKey(QKeySequence::Save);
    const QKeySequence openKey(QKeySequence::Open);
    m_save->setVisible(hasFile);
    m_open->setVisible(!hasFile);
    // A hidden item's shortcut does nothing, so the keys go where they act.
    m_save->setShortcut(hasFile ? saveKey : QKeySequence());
    m_saveAs->setShortcut(hasFile ? QKeySequence() : saveKey);
    m_open->setShortcut(hasFile ? QKeySequence() : openKey);
    m_openKey->setShortcut(hasFile ? openKey : QKeySequence());
}

} // namespace lunaplan
