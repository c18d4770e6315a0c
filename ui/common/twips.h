#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace lunaplan {

// Window layouts are written in twips (1/1440 inch). At 96 dpi fifteen twips
// make one pixel; Qt's device-independent pixels take care of other screens,
// so this is the only conversion the widgets need.
inline constexpr int TwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel (halves away from zero).
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

constexpr QPoint twipsPoint(int x, int y)
{
    return {twipsToPixels(x), twipsToPixels(y)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

constexpr QRect twipsRect(int x, int y, int width, int height)
{
    return {twipsToPixels(x), twipsToPixels(y), twipsToPixels(width), twipsToPixels(height)};
}

// Places a widget inside its parent at a position and size given in twips.
void placeInTwips(QWidget* widget, int x, int y, int width, int height);

} // namespace lunaplan
