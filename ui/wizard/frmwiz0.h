#pragma once

#include "ui/wizard/wizardpage.h"

#include <algorithm>

class QPushButton;
class QRadioButton;

namespace lunaplan {

// The wizard's start page: set up a new class year, open a class file, or
// start the next school year from last year's class.
class frmWiz0 : public WizardPage {
    Q_OBJECT

public:
    frmWiz0(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent = nullptr);

    // New class: on to the class page. Existing file: asks for it and reads it.
    // From last year's file: makes the next school year, then the class page.
    void cmdWiz0Next_Click();
    // Leaves the wizard; nothing changes.
    void Command1_Click();

    static constexpr int OptionCount = 3;
    QRadioButton* optWiz0NewOrOld(int index) const
    {
        return m_options[std::clamp(index, 0, OptionCount - 1)];
    }
    QPushButton* cmdWiz0Next() const { return m_next; }
    QPushButton* Command1() const { return m_end; }

protected:
    // The start page is shown once per run: it clears boolShowWizard.
    void fill() override;
    QString fillFailure() const override;

private:
    QRadioButton* m_options[OptionCount];
    QPushButton* m_next;
    QPushButton* m_end;
};

} // namespace lunaplan
