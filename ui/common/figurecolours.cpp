#include "ui/common/figurecolours.h"

namespace lunaplan {

QColor toneColour(FigureTone tone)
{
    switch (tone) {
    case FigureTone::Negative:
        return QColor(255, 0, 0);
    case FigureTone::Positive:
        return QColor(0, 0, 255);
    case FigureTone::Plain:
        break;
    }
    return QColor(0, 0, 0);
}

const QColor& termBackground()
{
    static const QColor colour(230, 255, 255);
    return colour;
}

const QColor& yearBackground()
{
    static const QColor colour(205, 255, 255);
    return colour;
}

} // namespace lunaplan
