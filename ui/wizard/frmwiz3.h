#pragma once

#include "ui/wizard/wizardpage.h"

#include <QDate>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace lunaplan {

class MonthView;
class dlgResultSorry;

// The wizard's calendar page: the school year in three calendars, one per
// term, school days in bold and counted per term and for the year. A click
// makes a school day a special holiday or a special holiday a school day
// again; each click is stored at once.
class frmWiz3 : public WizardPage {
    Q_OBJECT

public:
    frmWiz3(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent = nullptr);

    // A click on day `date` of calendar `index` (0 to 2).
    void mvWiz3Calendar_DateClick(int index, QDate date);
    void cmdWiz3Before_Click();
    void cmdWiz3Next_Click();
    void cmdWiz3Cancel_Click();

    MonthView* mvWiz3Calendar(int index) const { return m_calendars[static_cast<std::size_t>(index)]; }
    QLabel* lblWiz3NumberOfSchoolDays(int index) const { return m_counts[static_cast<std::size_t>(index)]; }
    QGroupBox* fraWiz3Month() const { return m_frame; }
    dlgResultSorry* resultSorry() const { return m_sorry; }
    QPushButton* cmdWiz3Before() const { return m_before; }
    QPushButton* cmdWiz3Next() const { return m_next; }
    QPushButton* cmdWiz3Cancel() const { return m_cancel; }

protected:
    // Limits the calendars to their terms, marks and counts the school days.
    void fill() override;
    QString fillFailure() const override;

private:
    void markSchoolDays();
    void writeCounts();

    QGroupBox* m_frame;
    std::array<MonthView*, 3> m_calendars{};
    std::array<QLabel*, 4> m_counts{};
    dlgResultSorry* m_sorry;
    QPushButton* m_before;
    QPushButton* m_next;
    QPushButton* m_cancel;
    int m_year = 0; // the school year on show
};

} // namespace lunaplan
