#pragma once

#include "core/yearplan.h"
#include "ui/wizard/wizardpage.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace lunaplan {

// The wizard's last page: base hours and the planned hours of the three
// terms for the nineteen plan subjects, their totals, and beside them the
// year's plan per subject with its difference from the base hours. Entries
// are stored whenever an entry box receives the focus, and before the page
// refills or is left.
class frmWiz4 : public WizardPage {
    Q_OBJECT

public:
    frmWiz4(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent = nullptr);

    // Checks every box (a refused entry becomes "0"), stores base and plan,
    // and shows the totals and the year summary.
    void subSetYearPlan();
    // The plan boxes from the three terms of the plan.
    void subDispSavedData();

    // Fills the base column with the standard annual hours of the class's
    // grade and stores them; rows without a standard keep their value.
    void cmdWiz4Standard_Click();
    void cmdWiz4Before_Click();
    void cmdWiz4Cancel_Click();

    // Controls by their names, for tests.
    QLineEdit* txtWiz4YearBase(int row) const { return m_base.at(static_cast<std::size_t>(row)); }
    QLineEdit* txtWiz4YearPlan(int index) const { return m_plan.at(static_cast<std::size_t>(index)); }
    QLabel* lblWiz4BaseSum() const { return m_baseSum; }
    // Shown while a box holds an entry that is not a count.
    QLabel* lblWiz4Refused() const { return m_refusedHint; }
    // Whether a box is marked as holding an entry that was not stored.
    bool isRefused(const QLineEdit* box) const;
    QLabel* lblWiz4Sum(int term) const { return m_termSum.at(static_cast<std::size_t>(term)); }
    QTableWidget* gridWiz4YearSum() const { return m_grid; }
    QPushButton* cmdWiz4Standard() const { return m_cmdStandard; }
    QPushButton* cmdWiz4Before() const { return m_cmdBefore; }
    QPushButton* cmdWiz4Cancel() const { return m_cmdCancel; }

protected:
    void store() override;
    // The boxes from the state, then their totals.
    void fill() override;
    QString fillFailure() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTable(QGroupBox* frame);
    void buildGrid(QGroupBox* frame);
    void buildButtons();
    QLineEdit* makeBox(QGroupBox* frame, const QString& name, int x, int row);
    void setGridCell(int row, int column, const QString& text, const QColor& colour);
    void showRefusals();
    void boxFocused(QLineEdit* box);
    void boxKeyPressed(QLineEdit* box, int key, bool keypad);

    std::array<QLineEdit*, PlanRows> m_base{};
    std::array<QLineEdit*, PlanBoxes> m_plan{};
    QLabel* m_baseSum = nullptr;
    QLabel* m_refusedHint = nullptr;
    // The boxes whose entries the last store refused: they keep what was typed.
    PlanRefusals m_refused;
    std::array<QLabel*, PlanTerms> m_termSum{};
    QTableWidget* m_grid = nullptr;
    QPushButton* m_cmdStandard = nullptr;
    QPushButton* m_cmdBefore = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};

} // namespace lunaplan
