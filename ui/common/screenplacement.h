#pragma once

#include <QPoint>

class QWidget;

namespace lunaplan {

// Moves a window that is about to be shown so that its frame's corner stands
// at `wanted`, or as near to it as keeps the whole window, title bar and frame
// included, inside the available area of its screen (above the panels and
// docks). `reference` is a window on show whose frame tells how thick the
// window manager's frame is; without one a usual frame is assumed.
void placeOnScreen(QWidget& window, QPoint wanted, const QWidget* reference = nullptr);

} // namespace lunaplan
