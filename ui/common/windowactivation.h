#pragma once

#include <QObject>

#include <functional>

class QWidget;
class QWindow;

namespace lunaplan {

// The one way a window learns that the teacher came to it. The handler runs
// once per activation by the user and once when the window is shown (where
// no window manager hands out the focus), never twice for one coming: the
// window manager's activation right after a showing that was already handled
// does not run it again. A return from a modal dialog (a message box or a file
// dialog) is no coming: refilling then would undo what the handler that opened
// the dialog is in the middle of, and an error shown on activation would come
// back each time its box is closed. Popups (a combo box's list, a menu) are
// part of the window they open over.
//
// onLeave, when given, runs when the focus moves from the window to another
// window of the program that is not a modal dialog or a popup, so a window can
// store what was typed before another window acts on the state.
class WindowActivation final : public QObject {
public:
    WindowActivation(QWidget& window, std::function<void()> onActivate, std::function<void()> onLeave = {});

    // Runs the handler now, as the activation of the window's current showing.
    void activateNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusMoved(QWindow* focused);
    void run();
    bool isThisWindow(const QWindow* window) const;

    QWidget& m_window;
    std::function<void()> m_onActivate;
    std::function<void()> m_onLeave;
    bool m_hasFocus = false;
    bool m_showPending = false;    // shown, and not yet handled
    bool m_comingHandled = false;  // handled before the window manager's activation came
    bool m_backFromDialog = false; // the focus went last to a modal dialog
};

} // namespace lunaplan
