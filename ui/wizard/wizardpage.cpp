#include "ui/wizard/wizardpage.h"

#include "ui/common/twips.h"
#include "ui/common/windowactivation.h"

#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr int ButtonWidth = 1335;
constexpr int ButtonHeight = 435;

} // namespace

QString wizardCaption()
{
    return u"学級計画・授業計画ウィザード"_s;
}

WizardPage::WizardPage(AppState& state, Prompts& prompts, WizardNavigator& navigator,
                       const QString& objectName, int widthTwips, int heightTwips, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_prompts(prompts)
    , m_navigator(navigator)
    , m_guard(prompts)
{
    setObjectName(objectName);
    setWindowTitle(wizardCaption());
    if (widthTwips > 0 && heightTwips > 0)
        setFixedSize(twipsSize(widthTwips, heightTwips));
    m_activation = new WindowActivation(
        *this, [this] { Form_Activate(); }, [this] { storeEntries(); });
}

void WizardPage::Form_Activate()
{
    if (storeEntries())
        refill();
}

void WizardPage::refill()
{
    if (m_guard.run(fillFailure(), [this] { fill(); }))
        m_filled = true;
}

bool WizardPage::storeEntries()
{
    if (!m_filled)
        return true;
    const bool done = m_guard.run(u"入力した内容を保存できませんでした。"_s, [this] { store(); });
    if (done)
        Q_EMIT stored();
    return done;
}

void WizardPage::followClass()
{
    refill();
}

QPushButton* WizardPage::makeNavigationButton(const QString& objectName, const QString& caption, int x, int y,
                                              int widthTwips)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    placeInTwips(button, x, y, widthTwips > 0 ? widthTwips : ButtonWidth, ButtonHeight);
    return button;
}

void WizardPage::setEndButton(QPushButton* button)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, button, &QPushButton::click);
}

void WizardPage::leaveWizard()
{
    if (!storeEntries())
        return;
    m_leaving = true;
    m_navigator.close(this);
    m_leaving = false;
}

void WizardPage::closeEvent(QCloseEvent* event)
{
    // The title bar's close box, or the main window closing: what was typed
    // goes into the state first, as with 設定の終了.
    if (!m_leaving)
        storeEntries();
    QWidget::closeEvent(event);
}

} // namespace lunaplan
