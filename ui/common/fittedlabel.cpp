#include "ui/common/fittedlabel.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace lunaplan {

namespace {

constexpr int SmallestPixelSize = 6;
constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

FittedLabel::FittedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fit();
}

int FittedLabel::textHeight(const QFont& font) const
{
    const QRect box(0, 0, std::max(1, contentsRect().width()), std::numeric_limits<int>::max() / 2);
    return QFontMetrics(font).boundingRect(box, Flags, text()).height();
}

void FittedLabel::fit()
{
    m_fittedFor = text();
    QFont candidate = font();
    int pixels = QFontInfo(candidate).pixelSize();
    while (pixels > SmallestPixelSize && textHeight(candidate) > contentsRect().height()) {
        --pixels;
        candidate.setPixelSize(pixels);
    }
    m_fitted = candidate;
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    if (m_fittedFor != text())
        fit();
    QPainter painter(this);
    painter.setFont(m_fitted);
    painter.setPen(palette().color(foregroundRole()));
    painter.setClipRect(contentsRect());
    painter.drawText(contentsRect(), Flags, text());
}

void FittedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void FittedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

} // namespace lunaplan
