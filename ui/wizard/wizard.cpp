#include "ui/wizard/wizard.h"

#include "core/appstate.h"
#include "ui/common/handlerguard.h"
#include "ui/common/windowlist.h"
#include "ui/main/frmmain.h"
#include "ui/wizard/frmwiz0.h"
#include "ui/wizard/frmwiz2.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/frmwiz4.h"
#include "ui/wizard/frmwiz5.h"

#include <QEvent>

namespace lunaplan {

Wizard::Wizard(frmMain& mainWindow, AppState& state, Prompts& prompts)
    : m_main(mainWindow)
    , m_state(state)
    , m_prompts(prompts)
{}

template <class Page> QWidget* Wizard::showPage()
{
    WindowList& windows = m_main.windowList();
    const bool isNew = windows.find<Page>() == nullptr;
    Page* page = windows.show<Page>(m_state, m_prompts, static_cast<WizardNavigator&>(*this));
    if (isNew) {
        page->installEventFilter(this);
        if constexpr (requires { &Page::stateChanged; })
            connect(page, &Page::stateChanged, this, &Wizard::refreshMainWindow);
    }
    // Filled now rather than on the window manager's activation, which may
    // come late or not at all.
    page->Form_Activate();
    return page;
}

void Wizard::goTo(QWidget* from, WizardPageId to)
{
    QWidget* shown = nullptr;
    switch (to) {
    case WizardPageId::Start:
        shown = showPage<frmWiz0>();
        break;
    case WizardPageId::Class:
        shown = showPage<frmWiz2>();
        break;
    case WizardPageId::Calendar:
        shown = showPage<frmWiz3>();
        break;
    case WizardPageId::Timetable:
        shown = showPage<frmWiz5>();
        break;
    case WizardPageId::Plan:
        shown = showPage<frmWiz4>();
        break;
    }
    if (!from || !shown)
        return;
    if (from != shown) {
        m_closing = from;
        from->close();
        m_closing = nullptr;
    }
    refreshMainWindow();
}

void Wizard::close(QWidget* page)
{
    if (!page)
        return;
    m_closing = page;
    page->close();
    m_closing = nullptr;
    refreshMainWindow();
}

QWidget* Wizard::page(WizardPageId id) const
{
    const WindowList& windows = m_main.windowList();
    switch (id) {
    case WizardPageId::Start:
        return windows.find<frmWiz0>();
    case WizardPageId::Class:
        return windows.find<frmWiz2>();
    case WizardPageId::Calendar:
        return windows.find<frmWiz3>();
    case WizardPageId::Timetable:
        return windows.find<frmWiz5>();
    case WizardPageId::Plan:
        return windows.find<frmWiz4>();
    }
    return nullptr;
}

void Wizard::refreshMainWindow()
{
    if (m_main.isClosing())
        return;
    HandlerGuard(m_prompts).run(QStringLiteral("メイン画面を更新できませんでした。"), [this] {
        // A calendar that is not ready is placed afresh by the activation
        // itself; otherwise the week on show is shown again.
        const bool weekShown = m_state.boolCalendarReady;
        m_main.Form_Activate();
        if (weekShown)
            m_main.MonthView1_DateClick(m_state.dateSelected);
    });
}

bool Wizard::eventFilter(QObject* watched, QEvent* event)
{
    // A page closed from its title bar hands the state back as well.
    if (event->type() == QEvent::Close && watched != m_closing && !m_main.isClosing())
        refreshMainWindow();
    return QObject::eventFilter(watched, event);
}

} // namespace lunaplan
