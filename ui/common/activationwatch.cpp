#include "ui/common/activationwatch.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace lunaplan {

ActivationWatch::ActivationWatch(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatch::focusMoved);
}

void ActivationWatch::focusMoved(QWindow* focused)
{
    // Only where the focus went last counts: a dialog closed over another
    // window hands the focus there, and coming back from it is a real activation.
    if (focused && focused != m_window->windowHandle())
        m_awayInOwnDialog = m_ownDialogDepth > 0;
}

bool ActivationWatch::takeActivation()
{
    if (m_ownDialogDepth > 0)
        return false;
    return !std::exchange(m_awayInOwnDialog, false);
}

} // namespace lunaplan
