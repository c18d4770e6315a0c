#include "ui/common/fittedlabel.h"

#include "ui/common/fontfit.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lunaplan {

namespace {

constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

FittedLabel::FittedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

const QFont& FittedLabel::fittedFont() const
{
    if (m_fittedFor != text() || m_fittedSize != contentsRect().size())
        fit();
    return m_fitted;
}

int FittedLabel::textHeight(const QFont& font) const
{
    const QRect box(0, 0, std::max(1, contentsRect().width()), std::numeric_limits<int>::max() / 2);
    return QFontMetrics(font).boundingRect(box, Flags, text()).height();
}

void FittedLabel::fit() const
{
    m_fittedFor = text();
    m_fittedSize = contentsRect().size();
    m_fitted = font();
    const int available = std::max(1, contentsRect().height());
    const int needed = std::max(1, textHeight(m_fitted));
    const int natural = QFontInfo(m_fitted).pixelSize();
    if (needed <= available || natural <= SmallestFittedPixels)
        return;
    // Wrapped text takes an area that grows with the square of the pixel size.
    const int guess = static_cast<int>(natural * std::sqrt(static_cast<double>(available) / needed));
    QFont candidate = m_fitted;
    const int pixels = largestFittingSize(guess, SmallestFittedPixels, natural - 1, [&](int size) {
        candidate.setPixelSize(size);
        return textHeight(candidate) <= available;
    });
    m_fitted.setPixelSize(pixels);
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    painter.setClipRect(contentsRect());
    painter.drawText(contentsRect(), Flags, text());
}

void FittedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_fittedSize = QSize(); // fitted again when next asked for
}

} // namespace lunaplan
