#include "ui/common/windowlist.h"

namespace lunaplan {

WindowList::WindowList(QObject* parent)
    : QObject(parent)
{}

WindowList::~WindowList()
{
    // Newest first, as when they are closed; each deletion only shortens the list.
    const QList<QPointer<QWidget>> remaining = m_windows;
    m_windows.clear();
    for (auto it = remaining.crbegin(); it != remaining.crend(); ++it)
        delete it->data();
}

void WindowList::track(QWidget* window)
{
    if (!window || windows().contains(window))
        return;
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_windows.append(window);
    connect(window, &QObject::destroyed, this, &WindowList::forget);
}

QList<QWidget*> WindowList::windows() const
{
    QList<QWidget*> open;
    for (const QPointer<QWidget>& window : m_windows) {
        if (window)
            open.append(window.data());
    }
    return open;
}

bool WindowList::closeAllNewestFirst()
{
    while (!m_windows.isEmpty()) {
        QPointer<QWidget> window = m_windows.constLast();
        if (!window) {
            m_windows.removeLast();
            continue;
        }
        if (!window->close())
            return false;
        // Closed: deletion follows from the event loop, the list forgets it now.
        m_windows.removeAll(window);
    }
    return true;
}

void WindowList::present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowList::forget(QObject* window)
{
    m_windows.removeIf([window](const QPointer<QWidget>& listed) {
        return !listed || static_cast<QObject*>(listed.data()) == window;
    });
}

} // namespace lunaplan
