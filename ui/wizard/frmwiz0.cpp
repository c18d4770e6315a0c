#include "ui/wizard/frmwiz0.h"

#include "core/appstate.h"
#include "storage/prompts.h"
#include "ui/common/openclassfile.h"
#include "ui/common/twips.h"
#include "ui/wizard/pagecommon.h"
#include "ui/wizard/wizardnavigator.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace lunaplan {

frmWiz0::frmWiz0(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_navigator(navigator)
    , m_guard(prompts)
{
    setUpWizardPage(this, QStringLiteral("frmWiz0"), 6300, 3300);

    auto* comment = new QLabel(QStringLiteral("新しい学級と授業の計画をします。"), this);
    comment->setObjectName(QStringLiteral("lblWiz0Comment"));
    placeInTwips(comment, 480, 360, 5400, 315);

    const QString captions[2] = {QStringLiteral("新規作成"), QStringLiteral("既存のファイル")};
    for (int i = 0; i < 2; ++i) {
        m_options[i] = new QRadioButton(captions[i], this);
        m_options[i]->setObjectName(QStringLiteral("optWiz0NewOrOld_%1").arg(i));
        placeInTwips(m_options[i], 960, 960 + 480 * i, 3600, 330);
    }
    m_options[0]->setChecked(true);

    m_next = makeNavigationButton(this, QStringLiteral("cmdWiz0Next"), QStringLiteral("次へ"), 2880, 2460);
    m_end = makeNavigationButton(this, QStringLiteral("Command1"), QStringLiteral("設定の終了"), 4440, 2460);
    connect(m_next, &QPushButton::clicked, this, &frmWiz0::cmdWiz0Next_Click);
    connect(m_end, &QPushButton::clicked, this, &frmWiz0::Command1_Click);
}

void frmWiz0::Form_Activate()
{
    m_state.boolShowWizard = false;
    m_next->setFocus();
}

void frmWiz0::cmdWiz0Next_Click()
{
    m_guard.run(QStringLiteral("ウィザードを進められませんでした。"), [this] {
        if (!m_options[1]->isChecked()) {
            m_navigator.goTo(this, WizardPageId::Class);
            return;
        }
        const QString fileName = m_guard.prompts().openFileName(
            QStringLiteral("開く"), QStringLiteral("「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2"));
        if (fileName.isEmpty())
            return;
        // A file that cannot be read has been reported; the page closes either way.
        openClassFile(m_state, m_guard.prompts(), fileName);
        m_navigator.close(this);
    });
}

void frmWiz0::Command1_Click()
{
    m_navigator.close(this);
}

void frmWiz0::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

} // namespace lunaplan
