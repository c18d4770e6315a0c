#include "ui/main/menucommands.h"

#include "core/appstate.h"
#include "ui/common/classwatch.h"
#include "ui/common/screenplacement.h"
#include "ui/common/windowlist.h"
#include "ui/help/helpwindow.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/mainservices.h"
#include "ui/outlook/frmoutlook.h"
#include "ui/print/frmprint.h"
#include "ui/print/printprompts.h"
#include "ui/print/reportprinter.h"
#include "ui/totals/frmdisptimetable.h"
#include "ui/wizard/wizardnavigator.h"

using namespace Qt::StringLiterals;

namespace lunaplan {

MenuCommands::MenuCommands(frmMain& window, const MainServices& services, WizardNavigator& wizard)
    : QObject(&window)
    , m_window(window)
    , m_state(services.state)
    , m_prompts(services.prompts)
    , m_printPrompts(services.printPrompts)
    , m_printer(services.printer)
    , m_wizard(wizard)
{}

void MenuCommands::placeBesideMainWindow(QWidget& window) const
{
    // To the right of the main window, or as near as the screen allows.
    placeOnScreen(window, m_window.frameGeometry().topRight() + QPoint(8, 0), &m_window);
}

void MenuCommands::mnuFileNew_Click()
{
    if (m_window.fileCommands()->mnuFileClose_Click())
        m_wizard.goTo(nullptr, WizardPageId::Class);
}

void MenuCommands::mnuFileNewFromPrevious_Click()
{
    if (m_window.fileCommands()->startFromPreviousYear())
        m_wizard.goTo(nullptr, WizardPageId::Class);
}

void MenuCommands::mnuFilePageSetup_Click()
{
    m_printPrompts.pageSetup(m_printer.get(), u"ﾍﾟｰｼﾞ設定"_s);
}

void MenuCommands::mnuFilePrint_Click()
{
    const bool isNew = m_window.windowList().find<frmPrint>() == nullptr;
    auto* print = m_window.windowList().show<frmPrint>(m_state, m_prompts, m_printPrompts, m_printer.get());
    if (isNew)
        placeBesideMainWindow(*print);
    connect(&m_window.classWatch(), &ClassWatch::classChanged, print, &frmPrint::followClass,
            Qt::UniqueConnection);
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
    const bool isNew = m_window.windowList().find<frmDispTimeTable>() == nullptr;
    auto* totals = showTotalsTable(m_window.windowList(), m_state, m_prompts, m_window.classWatch());
    if (isNew)
        placeBesideMainWindow(*totals);
}

void MenuCommands::mnuViewShowOutlook_Click()
{
    auto* outlook = showOutlook(m_window.windowList(), m_state, m_prompts, m_window.classWatch(), m_window);
    connect(outlook, &frmOutlook::dateChosen, &m_window, &frmMain::MonthView1_DateClick,
            Qt::UniqueConnection);
}

void MenuCommands::mnuHelpContents_Click()
{
    lunaplan::mnuHelpContents_Click(m_window, m_prompts, m_window.windowList());
}

} // namespace lunaplan
