#pragma once

#include "core/outlook.h"
#include "ui/common/handlerguard.h"

#include <QDate>
#include <QWidget>

#include <array>

class QButtonGroup;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace lunaplan {

class AppState;
class ClassWatch;
class Prompts;
class TermChoice;
class WindowList;

// The outlook (見通し): where each subject of the year is heading, seen from a
// reference date, for a chosen term and for the year (fncOutlook), and the
// school days up to that date that were never registered. It recomputes on
// every activation and follows the class while it stays open beside the main
// window; the teacher's term, date and timetable stay as chosen. A forgotten
// day is shown in the main window through dateChosen, so the window needs no
// main window of its own. 閉じる hides it.
class frmOutlook : public QWidget {
    Q_OBJECT

public:
    // Two heading rows (the stretch, then the figure), then the 23 rows of the totals table.
    static constexpr int HeadingRows = 2;
    static constexpr int RowCount = HeadingRows + 23;
    // The row headings, then six figures of the term and six of the year.
    static constexpr int ColumnCount = 1 + 2 * 6;

    frmOutlook(AppState& state, Prompts& prompts, QWidget* parent = nullptr);
    ~frmOutlook() override;

    // Recomputes with the choices as they stand; runs on every activation.
    void Form_Activate();
    // The class changed: recomputed at once while the window is shown.
    void followClass();
    // A term chosen with its option button (0 to 2).
    void optSeason_Click(int index);
    // Timetable A (0) or B (1) for the days still to come.
    void optTimetable_Click(int index);
    // A reference date chosen: its term is chosen with it.
    void dtpReference_Change(QDate date);
    // A forgotten day chosen in the list: dateChosen with its date.
    void lstUnregistered_Click(int row);
    // Saves the outlook as shown to a CSV file the teacher names.
    void cmdSaveCsv_Click();
    void cmdClose_Click();
    // Computes the outlook for the choices and writes it into the controls.
    // They change only when everything could be computed; throws
    // OverflowError otherwise. A class of another school year than the one
    // shown takes the reference date of today (outlookReferenceDate).
    void subFillOutlook();

    QRadioButton* optSeason(int index) const;
    QRadioButton* optTimetable(int index) const { return m_optTimetable.at(static_cast<std::size_t>(index)); }
    QDateEdit* dtpReference() const { return m_dtpReference; }
    QTableWidget* gridOutlook() const { return m_grid; }
    QListWidget* lstUnregistered() const { return m_lstUnregistered; }
    QLabel* lblRemaining() const { return m_lblRemaining; }
    QLabel* lblUnregistered() const { return m_lblUnregistered; }
    QLabel* lblNote() const { return m_lblNote; }
    QPushButton* cmdSaveCsv() const { return m_cmdSaveCsv; }
    QPushButton* cmdClose() const { return m_cmdClose; }
    // The chosen term (0 to 2).
    int selectedSeason() const;
    bool timetableA() const;
    // The outlook the controls show.
    const Outlook& shownOutlook() const { return m_outlook; }

Q_SIGNALS:
    void dateChosen(QDate date);

private:
    void buildChoices();
    void buildGrid();
    void buildFooter();
    // Sets the date range of the class's school year and the date of today
    // in it, without running the handler of a changed date.
    void resetReferenceDate();
    void showFigures(const Outlook& outlook, int season);
    void fill();

    AppState& m_state;
    Prompts& m_prompts;
    HandlerGuard m_guard;
    TermChoice* m_seasons = nullptr;
    std::array<QRadioButton*, 2> m_optTimetable{};
    QButtonGroup* m_timetables = nullptr;
    QDateEdit* m_dtpReference = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_lblRemaining = nullptr;
    QLabel* m_lblNote = nullptr;
    QLabel* m_lblUnregistered = nullptr;
    QListWidget* m_lstUnregistered = nullptr;
    QPushButton* m_cmdSaveCsv = nullptr;
    QPushButton* m_cmdClose = nullptr;
    Outlook m_outlook;
    int m_shownSeason = -1; // the term m_outlook is shown for; -1 before the first filling
    int m_schoolYear = -1;  // the school year of the reference date's range
};

// Shows the outlook of the windows opened from the main window, creating it
// beside mainWindow the first time, following the class, and bringing
// mainWindow forward when a day is chosen; what the menu command 表示 > 見通し
// runs (it connects dateChosen to the main window's week).
frmOutlook* showOutlook(WindowList& windows, AppState& state, Prompts& prompts, ClassWatch& watch,
                        QWidget& mainWindow);

} // namespace lunaplan
