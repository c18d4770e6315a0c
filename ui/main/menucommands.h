#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace lunaplan {

class AppState;
class PrintPrompts;
class Prompts;
class ReportPrinter;
class WizardNavigator;
class frmMain;
struct MainServices;

// The main window's commands beyond the file's own: 新規作成, page setup and
// print in the ﾌｧｲﾙ menu, the 設定 menu that reopens the wizard's pages, 表示
// with the totals table and the outlook, and ﾍﾙﾌﾟ.
class MenuCommands : public QObject {
    Q_OBJECT

public:
    MenuCommands(frmMain& window, const MainServices& services, WizardNavigator& wizard);

    // Closes the class (which may ask to save) and starts the class page;
    // nothing happens when the class was not closed.
    void mnuFileNew_Click();
    // 前年度のファイルから新規作成: the class of the next school year from last
    // year's, then the wizard from the class page to check every page.
    void mnuFileNewFromPrevious_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuEditModifyHoliday_Click();
    void mnuEditModifySpecial_Click();
    void mnuEditModifyWeekA_Click();
    void mnuEditModifyWeekB_Click();
    void mnuEditModifyYear_Click();
    void mnuViewShowTimeTable_Click();
    // The outlook; a forgotten day chosen there is shown in the main window.
    void mnuViewShowOutlook_Click();
    void mnuHelpContents_Click();

private:
    void placeBesideMainWindow(QWidget& window) const;

    frmMain& m_window;
    AppState& m_state;
    Prompts& m_prompts;
    PrintPrompts& m_printPrompts;
    ReportPrinter& m_printer;
    WizardNavigator& m_wizard;
};

} // namespace lunaplan
