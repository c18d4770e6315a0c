#include "ui/common/windowactivation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace lunaplan {

WindowActivation::WindowActivation(QWidget& window, std::function<void()> onActivate,
                                   std::function<void()> onLeave)
    : QObject(&window)
    , m_window(window)
    , m_onActivate(std::move(onActivate))
    , m_onLeave(std::move(onLeave))
{
    window.installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &WindowActivation::focusMoved);
}

bool WindowActivation::isThisWindow(const QWindow* window) const
{
    return window && window == m_window.window()->windowHandle();
}

void WindowActivation::activateNow()
{
    m_showPending = false;
    // The window manager's activation of this showing may still be on its way.
    m_comingHandled = !m_hasFocus;
    run();
}

void WindowActivation::run()
{
    if (m_onActivate)
        m_onActivate();
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::Show) {
            m_showPending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_showPending && m_window.isVisible())
                        activateNow();
                },
                Qt::QueuedConnection);
        } else if (event->type() == QEvent::Hide) {
            m_showPending = false;
            m_comingHandled = false;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowActivation::focusMoved(QWindow* focused)
{
    // Focus leaving the program says nothing about where it comes back from.
    if (!focused || focused->type() == Qt::Popup || focused->type() == Qt::ToolTip)
        return;
    if (!isThisWindow(focused)) {
        const bool toDialog = focused->modality() != Qt::NonModal;
        const bool left = m_hasFocus && !toDialog;
        m_hasFocus = false;
        m_comingHandled = false;
        m_backFromDialog = toDialog;
        if (left && m_onLeave)
            m_onLeave();
        return;
    }
    if (m_hasFocus)
        return;
    m_hasFocus = true;
    if (m_showPending) {
        m_showPending = false;
        m_backFromDialog = false;
        run();
        return;
    }
    if (m_comingHandled || m_backFromDialog) {
        m_comingHandled = false;
        m_backFromDialog = false;
        return;
    }
    run();
}

} // namespace lunaplan
