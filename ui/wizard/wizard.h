#pragma once

#include "ui/wizard/wizardnavigator.h"

#include <QObject>

namespace lunaplan {

class AppState;
class Prompts;
class WizardPage;
class frmMain;

// The setup wizard's chain of pages, owned by the main window. Pages are
// created through the main window's window list (at most one of each, created
// when shown, deleted when closed), all at one place on the screen. What a page
// stores is announced to every window at once, and the open pages follow what
// other windows change.
class Wizard final : public QObject, public WizardNavigator {
    Q_OBJECT

public:
    Wizard(frmMain& mainWindow, AppState& state, Prompts& prompts);

    void goTo(QWidget* from, WizardPageId to) override;
    void close(QWidget* page) override;
    bool openClassFile() override;
    bool startFromPreviousYear() override;

    // The page of that id, when it is open (shown or hidden).
    QWidget* page(WizardPageId id) const;
    // Has every open page store what was typed into it.
    void storeOpenPages();

private:
    // Shows the page, fills it from the state and keeps it following the class.
    template <class Page> QWidget* showPage();
    void followClass(QObject* source);
    QList<WizardPage*> openPages() const;

    frmMain& m_main;
    AppState& m_state;
    Prompts& m_prompts;
};

} // namespace lunaplan
