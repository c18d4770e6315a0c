#include "ui/common/clicklabel.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace lunaplan {

ClickLabel::ClickLabel(QWidget* parent)
    : ClickLabel(QString(), parent)
{}

ClickLabel::ClickLabel(const QString& text, QWidget* parent)
    : QFrame(parent)
    , m_text(text)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
}

void ClickLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void ClickLabel::setAlignment(Qt::Alignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

QSize ClickLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int frame = 2 * frameWidth();
    return {metrics.horizontalAdvance(m_text) + frame, metrics.height() + frame};
}

QSize ClickLabel::minimumSizeHint() const
{
    return sizeHint();
}

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
    QFrame::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            event->accept();
            Q_EMIT clicked();
            return;
        }
        break;
    default:
        break;
    }
    QFrame::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // As a label draws plain text, in the colours of the widget's state
    // (greyed when disabled).
    QStyleOption state;
    state.initFrom(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(m_alignment), state.palette, isEnabled(),
                          m_text, foregroundRole());
    if (!hasFocus())
        return;
    // A label draws no focus of its own; without the frame a keyboard user
    // cannot see where Space would act.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace lunaplan
