#pragma once

#include "core/weekview.h"
#include "ui/common/periodgrid.h"
#include "ui/common/subjectchoice.h"

#include <QDate>
#include <QFrame>
#include <QList>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace lunaplan {

class AppState;
class FittedLabel;
class HandlerGuard;
class SubjectPalette;

// The recording area of the main window: the subject palette, the week grid
// of seven days (Monday to Sunday) by eight periods with a lesson-length label
// beside each period, a register button under each day, the choice of
// timetable and the teacher's ask for a Saturday or Sunday of lessons.
// A period's index is weekday × 8 + period (weekday 0 = Monday … 6 = Sunday).
class RecordingFrame : public QFrame {
    Q_OBJECT

public:
    static constexpr int Days = 7;
    static constexpr int Periods = PeriodGrid::Periods;
    static constexpr int Cells = Days * Periods;

    // Handlers that change the day list run through the window's guard.
    RecordingFrame(AppState& state, const HandlerGuard& guard, QWidget* parent = nullptr);

    // Choosing and clearing the subject that clicks on periods put in.
    void cmdSubject_Click(int index);
    void fraSubject_Click();
    // A click on period i: puts in the chosen subject, or empties the period
    // when it already holds that subject.
    void cmdWeek_Click(int index);
    // A click on the length label of period i: the length list opens over it.
    void labWeekCredit_Click(int index);
    // A length picked from the list for the period being edited.
    void cboTime_Click();
    // Registers the day of column c, or cancels its registration. A column
    // that shows no school day (no date, a holiday) has nothing to register.
    void cmdReg_Click(int column);

    // Hides every period, length label and register button.
    void subUnvisibleButton();

    // How a week's columns replace what is on show.
    enum ColumnUpdate {
        NewWeek,         // every column as the week gives it
        KeepCorrections, // the week on show again: a column whose day still gives what it
                         // gave when shown keeps the teacher's corrections
    };
    // Shows the day columns of a week. Weekdays not among them (outside the
    // school year) show nothing: no heading, no periods, no date. Only the
    // controls whose content changes are touched.
    void showDayColumns(const QList<DayColumn>& columns, ColumnUpdate update = NewWeek);
    // No week on show: every column empty, so nothing can be registered.
    void clearWeek() { showDayColumns({}); }
    // Hides the length list and forgets the period being edited.
    void closeLengthChoice();

    bool timetableA() const;
    // Whether the Saturday and Sunday of a week were asked for; a week other
    // than the one asked for starts with neither.
    WeekendAsk weekendAsked(const ShownWeek& week);
    // 「土曜日に授業を記録」 (0) and 「日曜日に授業を記録」 (1).
    QCheckBox* chkWeekend(int index) const { return m_chkWeekend.at(static_cast<std::size_t>(index)); }
    const QString& chosenSubject() const { return m_choice.name(); }
    // The date of a day column; invalid while the column shows no day.
    QDate dateShownDay(int column) const { return m_dateShownDay.at(static_cast<std::size_t>(column)); }
    // The subject code a period holds; null for none.
    QChar subjectCode(int index) const { return m_grid->subject(index); }
    int lengthCode(int index) const { return m_grid->lengthCode(index); }

    // Controls by their names, for the window and for tests.
    SubjectPalette* fraPalette() const { return m_palette; }
    QToolButton* cmdWeek(int index) const { return m_grid->button(index); }
    ClickLabel* labWeekCredit(int index) const { return m_grid->lengthLabel(index); }
    QLabel* Label2(int column) const { return m_label2.at(static_cast<std::size_t>(column)); }
    QPushButton* cmdReg(int column) const { return m_cmdReg.at(static_cast<std::size_t>(column)); }
    QRadioButton* Option1(int index) const { return m_option1.at(static_cast<std::size_t>(index)); }
    QComboBox* cboTime() const { return m_cboTime; }

Q_SIGNALS:
    // Option1(index) was chosen: the week on show is to be proposed again.
    void timetableChosen(int index);
    // The teacher asked for a Saturday or Sunday column, or took the ask back.
    void weekendChosen();
    // A day was registered or its registration withdrawn.
    void recordsChanged();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildGrid();
    void buildOptions();
    void buildWeekendChoice();
    void showWeekendChoice(int column, const DayColumn& day);
    void setColumnLocked(int column, bool locked);
    // The register button's caption and the column's lock for a day's registration.
    void showRegistered(int column, bool registered);
    // The day of a column with the periods as the teacher left them.
    DayColumn shownColumn(int column) const;
    void showColumn(int column, const DayColumn& day);
    // A period of a column that is on show and not locked.
    bool isEditable(int index) const;

    AppState& m_state;
    const HandlerGuard& m_guard;
    SubjectPalette* m_palette = nullptr;
    FittedLabel* m_comment = nullptr;
    QLabel* m_periodNumbers = nullptr;
    QComboBox* m_cboTime = nullptr;
    std::array<QLabel*, Days> m_label2{};
    PeriodGrid* m_grid = nullptr;
    std::array<QPushButton*, Days> m_cmdReg{};
    std::array<QRadioButton*, 2> m_option1{};
    std::array<QCheckBox*, 2> m_chkWeekend{};
    WeekendAsk m_weekendAsk;
    QDate m_askedWeekLast; // the Friday of the week the ask belongs to
    std::array<QDate, Days> m_dateShownDay{};
    // What each column's day gave when it was shown (or last registered).
    std::array<DayColumn, Days> m_givenColumn{};
    std::array<bool, Days> m_columnShown{};  // a school day with its periods
    std::array<bool, Days> m_columnLocked{}; // registered
    SubjectChoice m_choice;
};

} // namespace lunaplan
