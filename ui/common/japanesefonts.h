#pragma once

#include <QFont>
#include <QStringList>

namespace lunaplan {

// Maps the font names that reports and layouts ask for ("ＭＳ 明朝",
// "ＭＳ ゴシック", "ＭＳ Ｐゴシック") to the metric-compatible IPA fonts.
// Call once after the application object exists.
void installJapaneseFontSubstitutions();

// The font of the user interface, the same in every locale and at every
// screen density setting: IPA P Gothic (IPA Gothic when the proportional face
// is missing, the application font when neither is) at 12 pixels, the size
// the window layouts are measured for (9 points at 96 dpi), unhinted.
QFont interfaceFont();

} // namespace lunaplan
