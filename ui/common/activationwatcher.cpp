#include "ui/common/activationwatcher.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace lunaplan {

ActivationWatcher::ActivationWatcher(QWidget* window, std::function<void()> onActivate)
    : QObject(window)
    , m_window(window)
    , m_onActivate(std::move(onActivate))
{
    window->installEventFilter(this);
}

bool ActivationWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::ActivationChange && m_window->isActiveWindow()) {
            m_onActivate();
        } else if (event->type() == QEvent::Show && !m_shownOnce) {
            m_shownOnce = true;
            QMetaObject::invokeMethod(
                this, [this] { m_onActivate(); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lunaplan
