#pragma once

#include "ui/common/handlerguard.h"
#include "ui/wizard/wizardnavigator.h"

#include <QString>
#include <QWidget>

class QPushButton;

namespace lunaplan {

class AppState;
class Prompts;
class WindowActivation;

// What every page of the setup wizard is: a window with the wizard's caption
// and its navigation buttons, filled from the state whenever the teacher comes
// to it, and one rule: what was typed is stored into the state before the page
// refills itself and before it is left by any path — 前へ, 次へ, 設定の終了, the
// title bar's close box, Escape, the teacher going to another window (whose
// menu may open another page or end the program). A page refills only from
// the state.
class WizardPage : public QWidget {
    Q_OBJECT

public:
    // Stores what was typed, then fills the page from the state; runs on
    // every activation and when the page is first shown.
    void Form_Activate();
    // Stores what was typed into the state; a failure is shown. True when
    // everything typed is in the state.
    bool storeEntries();
    // The class changed elsewhere: the page shows it as it is now.
    void followClass();

Q_SIGNALS:
    // The page wrote what was typed into the state.
    void stored();

protected:
    // A page of a fixed size in twips; (0, 0) for a page laid out by its own layout.
    WizardPage(AppState& state, Prompts& prompts, WizardNavigator& navigator, const QString& objectName,
               int widthTwips, int heightTwips, QWidget* parent);

    // Writes the page's boxes into the state; throws LunaError. Pages that
    // store every click at once have nothing left to store.
    virtual void store() {}
    // Fills the page from the state; throws LunaError.
    virtual void fill() = 0;
    // The action named when filling fails.
    virtual QString fillFailure() const = 0;

    // A navigation button ("前へ", "次へ", "設定の終了") placed in twips;
    // width 0 for the usual width.
    QPushButton* makeNavigationButton(const QString& objectName, const QString& caption, int x, int y,
                                      int widthTwips = 0);
    // Pressed by Escape: the page's "設定の終了".
    void setEndButton(QPushButton* button);

    // Stores, then shows the page `to` and closes this one; a page whose
    // entries could not be stored stays. `before` runs between the two.
    template <class Before> void leaveTo(WizardPageId to, Before&& before);
    void leaveTo(WizardPageId to)
    {
        leaveTo(to, [] {});
    }
    // Stores, then ends the wizard on this page.
    void leaveWizard();
    // Fills the page again without storing (the page now edits something else).
    void refill();

    void closeEvent(QCloseEvent* event) override;

    AppState& m_state;
    Prompts& m_prompts;
    WizardNavigator& m_navigator;
    HandlerGuard m_guard;

private:
    WindowActivation* m_activation = nullptr;
    bool m_leaving = false;
    // Filled from the state at least once: before that its boxes hold only
    // their design-time texts, which are nobody's entries.
    bool m_filled = false;
};

template <class Before> void WizardPage::leaveTo(WizardPageId to, Before&& before)
{
    if (!storeEntries())
        return;
    using namespace Qt::StringLiterals;
    // A local guard: the navigator destroys the page it leaves.
    const HandlerGuard guard(m_prompts);
    m_leaving = true;
    guard.run(u"ウィザードを進められませんでした。"_s, [&] {
        before();
        m_navigator.goTo(this, to);
    });
    // A page that was closed is deleted only later, from the event loop.
    m_leaving = false;
}

// The caption of every page.
QString wizardCaption();

} // namespace lunaplan
