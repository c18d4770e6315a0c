#pragma once

#include "ui/common/handlerguard.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lunaplan {

class AppState;
class Prompts;
class WizardNavigator;

// The wizard's class page: school year, grade, class and teacher above; the
// holiday periods and the equinox days below, from which the national
// holidays of the year are computed.
class frmWiz2 : public QWidget {
    Q_OBJECT

public:
    frmWiz2(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent = nullptr);

    // Fills every box from the state, as on a freshly opened page.
    void Form_Activate();

    void cboWiz1Year_Click();
    void cboWiz1Class_Click(int index);
    void txtWiz1Teacher_Click();
    void cmdWiz2Before_Click();
    void cmdWiz2Next_Click();
    void cmdWiz2Cancel_Click();

    // Stores year, grade, class and teacher. A new year while days are
    // recorded asks first whether the records may go.
    void subSetClass();
    // Stores the holiday periods and equinox days and computes the national
    // holidays of the year; the teacher's own holidays stay.
    void subSetHoliday();

    QComboBox* cboWiz1Year() const { return m_year; }
    QComboBox* cboWiz1Class(int index) const { return m_class[index == 0 ? 0 : 1]; }
    QLineEdit* txtWiz1Teacher() const { return m_teacher; }
    // Indexes 0 to 8; there is no box 6 (null).
    QComboBox* cboWiz2Holiday(int index) const;
    QPushButton* cmdWiz2Before() const { return m_before; }
    QPushButton* cmdWiz2Next() const { return m_next; }
    QPushButton* cmdWiz2Cancel() const { return m_cancel; }

Q_SIGNALS:
    // The school year changed (and with it what the main window shows).
    void stateChanged();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUpperHalf();
    void buildHolidayRows();
    void resetToDesignTime();
    void selectYear(int year);
    void preselectEquinoxes(int year);
    int holidayDay(int index) const;
    // Commits both halves, then moves on with `leave` unless that failed.
    template <class Leave> void commitAndLeave(Leave&& leave);

    AppState& m_state;
    WizardNavigator& m_navigator;
    HandlerGuard m_guard;
    QComboBox* m_year = nullptr;
    std::array<QComboBox*, 2> m_class{};
    QLineEdit* m_teacher = nullptr;
    std::array<QComboBox*, 9> m_holiday{};
    QPushButton* m_before = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_cancel = nullptr;
    // A handler is running: an activation while its question box closes
    // must not refill the boxes it is about to read.
    bool m_busy = false;
};

} // namespace lunaplan
