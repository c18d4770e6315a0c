#pragma once

#include "ui/wizard/wizardnavigator.h"

#include <QObject>
#include <QPointer>

namespace lunaplan {

class AppState;
class Prompts;
class frmMain;

// The setup wizard's chain of pages, owned by the main window. Pages are
// created through the main window's window list (at most one of each, created
// when shown, deleted when closed). Whenever a page hands the state back, the
// main window is brought up to date at once rather than on its next
// activation, which a window manager may never deliver.
class Wizard final : public QObject, public WizardNavigator {
    Q_OBJECT

public:
    Wizard(frmMain& mainWindow, AppState& state, Prompts& prompts);

    void goTo(QWidget* from, WizardPageId to) override;
    void close(QWidget* page) override;

    // The page of that id, when it is open (shown or hidden).
    QWidget* page(WizardPageId id) const;

    // Re-reads the main window from the state and shows its week again, so new
    // holidays, timetables or a new year show at once.
    void refreshMainWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the page, fills it from the state and keeps an eye on it.
    template <class Page> QWidget* showPage();
    void watch(QWidget* page);

    frmMain& m_main;
    AppState& m_state;
    Prompts& m_prompts;
    // The page the wizard itself is closing (its close needs no second refresh).
    QPointer<QWidget> m_closing;
};

} // namespace lunaplan
