#include "ui/common/twips.h"

#include <QWidget>

namespace lunaplan {

void placeInTwips(QWidget* widget, int x, int y, int width, int height)
{
    widget->setGeometry(twipsRect(x, y, width, height));
}

} // namespace lunaplan
