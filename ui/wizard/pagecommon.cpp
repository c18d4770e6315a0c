#include "ui/wizard/pagecommon.h"

#include "ui/common/twips.h"

#include <QPushButton>
#include <QWidget>

namespace lunaplan {

namespace {

constexpr int ButtonWidth = 1335;
constexpr int ButtonHeight = 435;

} // namespace

QString wizardCaption()
{
    return QStringLiteral("学級計画・授業計画ウィザード");
}

void setUpWizardPage(QWidget* page, const QString& objectName, int widthTwips, int heightTwips)
{
    page->setObjectName(objectName);
    page->setWindowFlag(Qt::Window);
    page->setWindowTitle(wizardCaption());
    page->setFixedSize(twipsSize(widthTwips, heightTwips));
}

QPushButton* makeNavigationButton(QWidget* page, const QString& objectName, const QString& caption, int x,
                                  int y)
{
    auto* button = new QPushButton(caption, page);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    placeInTwips(button, x, y, ButtonWidth, ButtonHeight);
    return button;
}

} // namespace lunaplan
