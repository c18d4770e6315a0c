#include "ui/wizard/frmwiz0.h"

#include "core/appstate.h"
#include "ui/common/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace lunaplan {

using namespace Qt::StringLiterals;

frmWiz0::frmWiz0(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent)
    : WizardPage(state, prompts, navigator, u"frmWiz0"_s, 6300, 3300, parent)
{
    auto* comment = new QLabel(u"新しい学級と授業の計画をします。"_s, this);
    comment->setObjectName(u"lblWiz0Comment"_s);
    placeInTwips(comment, 480, 360, 5400, 315);

    const QString captions[OptionCount] = {u"新規作成"_s, u"既存のファイル"_s,
                                           u"前年度のファイルから新規作成"_s};
    for (int i = 0; i < OptionCount; ++i) {
        m_options[i] = new QRadioButton(captions[i], this);
        m_options[i]->setObjectName(u"optWiz0NewOrOld_%1"_s.arg(i));
        placeInTwips(m_options[i], 960, 960 + 420 * i, 4800, 330);
    }
    m_options[0]->setChecked(true);

    m_next = makeNavigationButton(u"cmdWiz0Next"_s, u"次へ"_s, 2880, 2460);
    m_end = makeNavigationButton(u"Command1"_s, u"設定の終了"_s, 4440, 2460);
    connect(m_next, &QPushButton::clicked, this, &frmWiz0::cmdWiz0Next_Click);
    connect(m_end, &QPushButton::clicked, this, &frmWiz0::Command1_Click);
    setEndButton(m_end);
}

void frmWiz0::fill()
{
    m_state.boolShowWizard = false;
    m_next->setFocus();
}

QString frmWiz0::fillFailure() const
{
    return u"ウィザードを表示できませんでした。"_s;
}

void frmWiz0::cmdWiz0Next_Click()
{
    if (m_options[0]->isChecked()) {
        leaveTo(WizardPageId::Class);
        return;
    }
    if (m_options[2]->isChecked()) {
        // The page stays when the teacher cancelled or no file could be read.
        if (m_navigator.startFromPreviousYear())
            leaveTo(WizardPageId::Class);
        return;
    }
    // Asks first whether to save a changed class; a file that cannot be read
    // has been reported. The page stays when the teacher cancelled.
    if (m_navigator.openClassFile())
        leaveWizard();
}

void frmWiz0::Command1_Click()
{
    leaveWizard();
}

} // namespace lunaplan
