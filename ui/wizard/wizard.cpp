#include "ui/wizard/wizard.h"

#include "ui/common/classwatch.h"
#include "ui/common/screenplacement.h"
#include "ui/common/windowlist.h"
#include "ui/wizard/frmwiz0.h"
#include "ui/wizard/frmwiz2.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/frmwiz4.h"
#include "ui/wizard/frmwiz5.h"

namespace lunaplan {

namespace {

// Where every page opens, from the host window's corner, so the pages of a
// walk through the chain follow one another in one place.
constexpr QPoint PageOffset(40, 40);

} // namespace

Wizard::Wizard(WizardHost host, AppState& state, Prompts& prompts)
    : m_host(std::move(host))
    , m_state(state)
    , m_prompts(prompts)
{
    connect(&m_host.watch, &ClassWatch::classChanged, this, &Wizard::followClass);
}

template <class Page> QWidget* Wizard::showPage()
{
    WindowList& windows = m_host.windows;
    Page* page = windows.find<Page>();
    if (!page) {
        page = new Page(m_state, m_prompts, static_cast<WizardNavigator&>(*this));
        windows.track(page);
        connect(page, &WizardPage::stored, this, [this, page] { m_host.watch.notifyChanged(page); });
        placeOnScreen(*page, m_host.mainWindow.frameGeometry().topLeft() + PageOffset, &m_host.mainWindow);
    }
    WindowList::present(page);
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
    if (from && shown && from != shown)
        from->close();
}

void Wizard::close(QWidget* page)
{
    if (page)
        page->close();
}

bool Wizard::openClassFile()
{
    return m_host.openClassFile();
}

bool Wizard::startFromPreviousYear()
{
    return m_host.startFromPreviousYear();
}

QWidget* Wizard::page(WizardPageId id) const
{
    const WindowList& windows = m_host.windows;
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

QList<WizardPage*> Wizard::openPages() const
{
    QList<WizardPage*> pages;
    for (QWidget* window : m_host.windows.windows()) {
        if (auto* wizardPage = qobject_cast<WizardPage*>(window))
            pages.append(wizardPage);
    }
    return pages;
}

void Wizard::storeOpenPages()
{
    for (WizardPage* page : openPages())
        page->storeEntries();
}

void Wizard::followClass(QObject* source)
{
    for (WizardPage* page : openPages()) {
        if (page != source && page->isVisible())
            page->followClass();
    }
}

} // namespace lunaplan
