#include "ui/common/placedwordslabel.h"

#include <QPainter>
#include <QRegularExpression>

namespace lunaplan {

using namespace Qt::StringLiterals;

PlacedWordsLabel::PlacedWordsLabel(const QString& text, Qt::Orientation orientation, QList<int> centres,
                                   QWidget* parent)
    : QLabel(text, parent)
    , m_orientation(orientation)
    , m_centres(std::move(centres))
{}

void PlacedWordsLabel::paintEvent(QPaintEvent*)
{
    static const QRegularExpression separators(u"[\\s\\x{3000}]+"_s);
    const QStringList words = text().split(separators, Qt::SkipEmptyParts);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    for (qsizetype i = 0; i < words.size() && i < m_centres.size(); ++i) {
        const int centre = m_centres.at(i);
        const int wordWidth = metrics.horizontalAdvance(words.at(i));
        const QRect box = m_orientation == Qt::Horizontal
                              ? QRect(centre - wordWidth, 0, 2 * wordWidth, height())
                              : QRect(0, centre - metrics.height() / 2, width(), metrics.height());
        painter.drawText(box, Qt::AlignCenter, words.at(i));
    }
}

} // namespace lunaplan
