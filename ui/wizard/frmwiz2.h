#pragma once

#include "ui/wizard/wizardpage.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lunaplan {

// The wizard's class page: school year, grade, class and teacher above; the
// holiday periods and the equinox days below, from which the national
// holidays of the year are computed. A new school year takes effect at once:
// its equinox days and national holidays follow it.
class frmWiz2 : public WizardPage {
    Q_OBJECT

public:
    frmWiz2(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent = nullptr);

    void cboWiz1Year_Click();
    void cboWiz1Class_Click(int index);
    void txtWiz1Teacher_Click();
    void cmdWiz2Before_Click();
    void cmdWiz2Next_Click();
    void cmdWiz2Cancel_Click();

    // Stores year, grade, class and teacher. A new year while days are
    // recorded asks first whether the records may go; when they go, the class
    // no longer belongs to its file (which still holds them), so it is saved
    // under a name of its own. キャンセル puts the year back in its box.
    void subSetClass();
    // Stores the holiday periods and equinox days and computes the national
    // holidays of the year; the teacher's own holidays stay.
    void subSetHoliday();

    QComboBox* cboWiz1Year() const { return m_year; }
    QComboBox* cboWiz1Class(int index) const { return m_class[index == 0 ? 0 : 1]; }
    QLineEdit* txtWiz1Teacher() const { return m_teacher; }
    // Names the characters of the class and teacher boxes that the class
    // file cannot hold; hidden while there are none.
    QLabel* lblWiz1Unsaveable() const { return m_unsaveable; }
    // Indexes 0 to 8; there is no box 6 (null).
    QComboBox* cboWiz2Holiday(int index) const;
    QPushButton* cmdWiz2Before() const { return m_before; }
    QPushButton* cmdWiz2Next() const { return m_next; }
    QPushButton* cmdWiz2Cancel() const { return m_cancel; }

protected:
    // Both halves: subSetClass, then subSetHoliday.
    void store() override;
    // Every box from the state, as on a freshly opened page.
    void fill() override;
    QString fillFailure() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUpperHalf();
    void buildHolidayRows();
    void resetToDesignTime();
    void selectYear(int year);
    void preselectEquinoxes(int year);
    void showUnsaveableCharacters();
    int holidayDay(int index) const;

    QComboBox* m_year = nullptr;
    std::array<QComboBox*, 2> m_class{};
    QLineEdit* m_teacher = nullptr;
    QLabel* m_unsaveable = nullptr;
    std::array<QComboBox*, 9> m_holiday{};
    QPushButton* m_before = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace lunaplan
