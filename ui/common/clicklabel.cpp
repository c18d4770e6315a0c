#include "ui/common/clicklabel.h"

#include <QMouseEvent>

namespace lunaplan {

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    // Accept the press so that the click is not taken by the frame behind.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint())) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace lunaplan
