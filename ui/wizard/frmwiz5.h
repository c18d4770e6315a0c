#pragma once

#include "core/weektimetable.h"
#include "ui/common/periodgrid.h"
#include "ui/common/subjectchoice.h"
#include "ui/wizard/wizardpage.h"

#include <array>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;

namespace lunaplan {

class SubjectPalette;

// The wizard's timetable page: the lesson lengths (left) and the subjects
// (right) of weekly timetable A or B, Monday to Friday, periods 0 to 7, and
// the weekly hours per subject. The state's boolEditWeekA says which
// timetable it edits; every change is written into the state at once.
// Grid indexes are weekday × 8 + period (weekday 0 = Monday).
class frmWiz5 : public WizardPage {
    Q_OBJECT

public:
    frmWiz5(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent = nullptr);

    // The length list opens over length label i.
    void labWiz5WeekCredit_Click(int index);
    // A length picked from the list for the label being edited.
    void cboWiz5Time_Click();
    // Palette button i becomes the chosen subject (pressing or clicking it).
    void cmdWiz5Subject_Click(int index);
    // A click on the subject panel's background forgets the chosen subject.
    void fraWiz5WeekPlan_Click();
    // A click on period k puts the chosen subject in, or empties the period.
    void cmdWiz5WeekPlan_Click(int index);
    // Timetable B only: B becomes a copy of A (lengths and subjects), after a
    // question when B already holds lessons.
    void cmdWiz5CopyA_Click();
    // Weekday `to` (0 = Monday … 4 = Friday; -1 every other weekday) takes the
    // subjects weekday `from` shows, after a question when it holds lessons.
    void cmdWiz5CopyDay_Click(int from, int to);

    void cmdWiz5Before_Click();
    void cmdWiz5Next_Click();
    void cmdWiz5Cancel_Click();

    // The length grid into the frames and template days of the edited timetable.
    void subSetWeekCredit();
    // The subject grid from the template days; then the weekly hours.
    void subDispWeekPlan();
    // Totals the week and shows the weekly hours of every palette subject.
    void subDispWeekTime();
    // Palette index of a subject code; -1 when the palette has no button for it.
    int subGetSubject(QChar code) const;

    const QString& chosenSubject() const { return m_choice.name(); }

    // Controls by their names, for tests.
    QGroupBox* fraWiz5WeekCredit() const { return m_fraWeekCredit; }
    QGroupBox* fraWiz5WeekPlan() const { return m_fraWeekPlan; }
    SubjectPalette* fraWiz5Palette() const { return m_palette; }
    ClickLabel* labWiz5WeekCredit(int index) const { return m_grid->lengthLabel(index); }
    QComboBox* cboWiz5Time() const { return m_cboTime; }
    QToolButton* cmdWiz5Subject(int index) const;
    QToolButton* cmdWiz5WeekPlan(int index) const { return m_grid->button(index); }
    // The days of the edited timetable that hold a subject twice.
    QLabel* lblWiz5Doubled() const { return m_lblDoubled; }
    QLabel* lblWiz5WeekTime(int index) const { return m_lblWeekTime.at(static_cast<std::size_t>(index)); }
    QPushButton* cmdWiz5CopyA() const { return m_cmdCopyA; }
    QToolButton* cmdWiz5CopyDay(int weekday) const
    {
        return m_cmdCopyDay.at(static_cast<std::size_t>(weekday));
    }
    QPushButton* cmdWiz5Before() const { return m_cmdBefore; }
    QPushButton* cmdWiz5Next() const { return m_cmdNext; }
    QPushButton* cmdWiz5Cancel() const { return m_cmdCancel; }

protected:
    // The lengths into the frames (the subjects are stored as they are clicked).
    void store() override;
    // Re-reads the edited timetable from the state.
    void fill() override;
    QString fillFailure() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLengthPanel();
    void buildSubjectPanel();
    void buildButtons();
    void buildCopyButtons();
    // The subject period button `index` shows into its template day; then the weekly hours.
    void storePeriod(int index);
    // The keyboard on period button `index`: arrows move, a subject's key
    // puts it in, Space and Enter act as a click, Delete empties. True when
    // the key was taken.
    bool periodKeyPressed(int index, const QKeyEvent& event);
    // Stores, then shows the other pass in this page.
    void switchPass(bool timetableA);

    QGroupBox* m_fraWeekCredit = nullptr;
    QGroupBox* m_fraWeekPlan = nullptr;
    PeriodGrid* m_grid = nullptr;
    SubjectPalette* m_palette = nullptr;
    QComboBox* m_cboTime = nullptr;
    std::array<QLabel*, 15> m_lblWeekTime{};
    QPushButton* m_cmdCopyA = nullptr;
    std::array<QToolButton*, TimetableDays> m_cmdCopyDay{};
    QLabel* m_lblDoubled = nullptr;
    QPushButton* m_cmdBefore = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    SubjectChoice m_choice;
};

} // namespace lunaplan
