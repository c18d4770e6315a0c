#pragma once

#include <QIcon>
#include <QString>

namespace lunaplan {

// The program's name on the desktop: the reverse-DNS id that names its desktop
// entry, its metainfo and its icon in the icon theme.
QString desktopApplicationId();

// The application icon at every size rendered from its drawing (16 to 256 px).
QIcon applicationIcon();

// Makes the application icon the icon of every window and ties the program's
// windows to its desktop entry. Call once after the application object exists.
void applyDesktopIdentity();

} // namespace lunaplan
