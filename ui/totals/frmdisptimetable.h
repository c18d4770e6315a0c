#pragma once

#include "core/totalstable.h"
#include "ui/common/handlerguard.h"

#include <QWidget>

class QPushButton;
class QRadioButton;
class QTableWidget;

namespace lunaplan {

class AppState;
class ClassWatch;
class Prompts;
class TermChoice;
class WindowList;

// The totals table (時数集計表): plan, actual hours and their difference per
// subject for a chosen term and for the year. It recomputes everything each
// time it becomes active, and follows the class while it stays open beside
// the main window. 閉じる hides it; shown again it keeps its layout.
class frmDispTimeTable : public QWidget {
    Q_OBJECT

public:
    frmDispTimeTable(AppState& state, Prompts& prompts, QWidget* parent = nullptr);
    ~frmDispTimeTable() override;

    // Chooses the term of the selected date and fills the table; runs on every activation.
    void Form_Activate();
    // The class changed: the table of the chosen term again.
    void followClass();
    // A term chosen with its option button (0 to 2).
    void optSeason_Click(int index);
    void cmdCloseTimeTable_Click();
    // Saves the table as shown to a CSV file the teacher names.
    void cmdSaveCsv_Click();
    // Recomputes the actual hours and writes the table for the chosen term.
    // The grid changes only when everything could be computed; throws
    // OverflowError otherwise.
    void subFillTimeTable();

    QRadioButton* optSeason(int index) const;
    QTableWidget* gridTimeTable() const { return m_grid; }
    QPushButton* cmdCloseTimeTable() const { return m_cmdClose; }
    QPushButton* cmdSaveCsv() const { return m_cmdSaveCsv; }
    // The chosen term (0 to 2).
    int selectedSeason() const;
    // The table the grid shows.
    const TotalsTable& shownTable() const { return m_table; }

private:
    void buildGrid();
    void selectSeason(int index);
    void showTable(const TotalsTable& table, int season);
    AppState& m_state;
    Prompts& m_prompts;
    HandlerGuard m_guard;
    TermChoice* m_seasons = nullptr;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QPushButton* m_cmdSaveCsv = nullptr;
    TotalsTable m_table;
    int m_shownSeason = -1; // the term of m_table; -1 before the first filling
};

// Shows the totals table of the windows opened from the main window, creating
// it the first time, following the class; what the menu command 表示 > 集計表 runs.
frmDispTimeTable* showTotalsTable(WindowList& windows, AppState& state, Prompts& prompts, ClassWatch& watch);

} // namespace lunaplan
