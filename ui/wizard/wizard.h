#pragma once

#include "ui/wizard/wizardnavigator.h"

#include <QObject>

#include <functional>

namespace lunaplan {

class AppState;
class ClassWatch;
class Prompts;
class WindowList;
class WizardPage;

// What the wizard needs of the window it belongs to.
struct WizardHost {
    QWidget& mainWindow; // the pages open at its corner
    WindowList& windows; // where the pages are created and found
    ClassWatch& watch;   // what a page stores is announced here
    std::function<bool()> openClassFile;
    std::function<bool()> startFromPreviousYear;
};

// The setup wizard's chain of pages, owned by the main window. Pages are
// created through the host's window list (at most one of each, created
// when shown, deleted when closed), all at one place on the screen. What a page
// stores is announced to every window at once, and the open pages follow what
// other windows change.
class Wizard final : public QObject, public WizardNavigator {
    Q_OBJECT

public:
    Wizard(WizardHost host, AppState& state, Prompts& prompts);

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

    WizardHost m_host;
    AppState& m_state;
    Prompts& m_prompts;
};

} // namespace lunaplan
