#include "desktop/desktopidentity.h"

#include <QDirIterator>
#include <QGuiApplication>

namespace lunaplan {

using namespace Qt::StringLiterals;

QString desktopApplicationId()
{
    return QString::fromUtf8(LUNAPLAN_APP_ID);
}

QIcon applicationIcon()
{
    // The build puts one PNG per size under this folder; the icon reads each
    // one's size from the file itself.
    QIcon icon;
    QDirIterator it(u":/lunaplan/icons"_s, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        icon.addFile(it.next());
    return icon;
}

void applyDesktopIdentity()
{
    QGuiApplication::setWindowIcon(applicationIcon());
    // Wayland compositors find the entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(desktopApplicationId());
}

} // namespace lunaplan
