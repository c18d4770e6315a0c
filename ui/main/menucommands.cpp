#include "ui/main/menucommands.h"

#include "core/appstate.h"
#include "ui/common/windowlist.h"
#include "ui/help/helpwindow.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/menuitems.h"
#include "ui/reports/frmdisptimetable.h"
#include "ui/reports/frmprint.h"
#include "ui/reports/printprompts.h"
#include "ui/reports/reportprinter.h"
#include "ui/wizard/wizardnavigator.h"

#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace lunaplan {

MenuCommands::MenuCommands(frmMain& window, AppState& state, Prompts& prompts, PrintPrompts& printPrompts,
                           ReportPrinter& printer, WizardNavigator& wizard)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_prompts(prompts)
    , m_printPrompts(printPrompts)
    , m_printer(printer)
    , m_wizard(wizard)
{
    FileCommands* file = window.fileCommands();
    QMenu* mnuFile = file->mnuFile();
    QAction* first = mnuFile->actions().value(0);
    QAction* exit = file->mnuFileExit();
    QAction* fileNew =
        addMenuItem(mnuFile, u"mnuFileNew"_s, u"新規作成(&N)"_s, first, QKeySequence(u"Ctrl+N"_s));
    QAction* pageSetup = addMenuItem(mnuFile, u"mnuFilePageSetup"_s, u"ﾍﾟｰｼﾞ設定(&U)..."_s, exit);
    QAction* print = addMenuItem(mnuFile, u"mnuFilePrint"_s, u"印刷(&P)..."_s, exit);
    addMenuBar(mnuFile, u"mnuFileBar2"_s, exit);
    connect(fileNew, &QAction::triggered, this, &MenuCommands::mnuFileNew_Click);
    connect(pageSetup, &QAction::triggered, this, &MenuCommands::mnuFilePageSetup_Click);
    connect(print, &QAction::triggered, this, &MenuCommands::mnuFilePrint_Click);

    QMenuBar* bar = window.menuBar();
    QMenu* mnuEdit = bar->addMenu(u"設定(&E)"_s);
    mnuEdit->setObjectName(u"mnuEdit"_s);
    const struct {
        const char16_t* name;
        const char16_t* caption;
        void (MenuCommands::*handler)();
    } editItems[] = {
        {u"mnuEditModifyHoliday", u"学級と休日の変更", &MenuCommands::mnuEditModifyHoliday_Click},
        {u"mnuEditModifySpecial", u"特別な休日の変更", &MenuCommands::mnuEditModifySpecial_Click},
        {u"mnuEditModifyWeekA", u"週間時間割 A の変更", &MenuCommands::mnuEditModifyWeekA_Click},
        {u"mnuEditModifyWeekB", u"週間時間割 B の変更", &MenuCommands::mnuEditModifyWeekB_Click},
        {u"mnuEditModifyYear", u"年間授業計画の変更", &MenuCommands::mnuEditModifyYear_Click},
    };
    for (const auto& item : editItems) {
        QAction* action =
            addMenuItem(mnuEdit, QString::fromUtf16(item.name), QString::fromUtf16(item.caption));
        connect(action, &QAction::triggered, this, item.handler);
    }

    QMenu* mnuView = bar->addMenu(u"表示(&V)"_s);
    mnuView->setObjectName(u"mnuView"_s);
    connect(addMenuItem(mnuView, u"mnuViewShowTimeTable"_s, u"集計表"_s), &QAction::triggered, this,
            &MenuCommands::mnuViewShowTimeTable_Click);

    QMenu* mnuHelp = bar->addMenu(u"ﾍﾙﾌﾟ(&H)"_s);
    mnuHelp->setObjectName(u"mnuHelp"_s);
    connect(addMenuItem(mnuHelp, u"mnuHelpContents"_s, u"ﾍﾙﾌﾟ"_s), &QAction::triggered, this,
            &MenuCommands::mnuHelpContents_Click);
}

void MenuCommands::mnuFileNew_Click()
{
    if (m_window.fileCommands()->mnuFileClose_Click())
        m_wizard.goTo(nullptr, WizardPageId::Class);
}

void MenuCommands::mnuFilePageSetup_Click()
{
    m_printPrompts.pageSetup(m_printer.get(), u"ﾍﾟｰｼﾞ設定"_s);
}

void MenuCommands::mnuFilePrint_Click()
{
    m_window.windowList().show<frmPrint>(m_state, m_prompts, m_printPrompts, m_printer.get());
}

void MenuCommands::mnuEditModifyHoliday_Click()
{
    m_wizard.goTo(nullptr, WizardPageId::Class);
}

void MenuCommands::mnuEditModifySpecial_Click()
{
    m_wizard.goTo(nullptr, WizardPageId::Calendar);
}

void MenuCommands::mnuEditModifyWeekA_Click()
{
    m_state.boolEditWeekA = true;
    m_wizard.goTo(nullptr, WizardPageId::Timetable);
}

void MenuCommands::mnuEditModifyWeekB_Click()
{
    m_state.boolEditWeekA = false;
    m_wizard.goTo(nullptr, WizardPageId::Timetable);
}

void MenuCommands::mnuEditModifyYear_Click()
{
    m_wizard.goTo(nullptr, WizardPageId::Plan);
}

void MenuCommands::mnuViewShowTimeTable_Click()
{
    showTotalsTable(m_window.windowList(), m_state, m_prompts);
}

void MenuCommands::mnuHelpContents_Click()
{
    lunaplan::mnuHelpContents_Click(m_window, m_prompts, m_window.windowList());
}

} // namespace lunaplan
