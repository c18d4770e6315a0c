#pragma once

#include <QIcon>
#include <QString>

namespace lunaplan {

// The program's name on the desktop: the reverse-DNS id that names its desktop
// entry, its metainfo and its icon in the icon theme.
QString desktopApplicationId();

// The application icon at the sizes a window icon needs (16 to 128 px),
// rendered from its drawing.
QIcon applicationIcon();

// Makes the application icon the icon of every window and ties the program's
// windows to its desktop entry. Call once after the application object exists.
void applyDesktopIdentity();

} // namespace lunaplan
