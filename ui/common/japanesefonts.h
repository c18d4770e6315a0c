#pragma once

#include <QFont>

namespace lunaplan {

// Maps the font names that reports and layouts ask for ("ＭＳ 明朝",
// "ＭＳ ゴシック", "ＭＳ Ｐゴシック") to the metric-compatible IPA fonts.
// Call once after the application object exists.
void installJapaneseFontSubstitutions();

// The font of the user interface: IPA P Gothic at 9 points (IPA Gothic when
// the proportional face is missing, the application font when neither is).
QFont interfaceFont();

} // namespace lunaplan
