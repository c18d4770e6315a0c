#pragma once

#include <QObject>
#include <QScopeGuard>

#include <utility>

class QWidget;
class QWindow;

namespace lunaplan {

// Tells a window's activations by the user (coming back from another window
// or from another program) from its return from a message box or file dialog
// it opened itself. Windows that re-read the state on every activation must
// not do so on such a return: an error shown on activation would come back
// each time its box is closed, and a choice made before a dialog would be
// undone by it.
class ActivationWatch final : public QObject {
public:
    // Watches the focus of the whole program for window.
    explicit ActivationWatch(QWidget* window);

    // Runs handler; any window that takes the focus meanwhile is one of this
    // window's own dialogs.
    template <class Handler> decltype(auto) whileOwnDialogs(Handler&& handler)
    {
        ++m_ownDialogDepth;
        const auto restore = qScopeGuard([this] { --m_ownDialogDepth; });
        return std::forward<Handler>(handler)();
    }

    // To be called when the window has become active: true when the activation
    // counts, false when the window merely got the focus back from its own dialog.
    bool takeActivation();

private:
    void focusMoved(QWindow* focused);

    QWidget* m_window;
    int m_ownDialogDepth = 0;
    bool m_awayInOwnDialog = false;
};

} // namespace lunaplan
