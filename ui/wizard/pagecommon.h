#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace lunaplan {

// What the setup wizard's pages share.

// The caption of every page.
QString wizardCaption();

// Makes a page a window of a fixed size in twips with the wizard's caption.
void setUpWizardPage(QWidget* page, const QString& objectName, int widthTwips, int heightTwips);

// A navigation button ("前へ", "次へ", "設定の終了") placed in twips.
QPushButton* makeNavigationButton(QWidget* page, const QString& objectName, const QString& caption, int x,
                                  int y);

} // namespace lunaplan
