#pragma once

#include "core/totalstable.h"

#include <QColor>

namespace lunaplan {

// The colours the figure tables share: a difference from the plan in red
// (short), blue (above) or black, on the light cyan of the term's columns and
// the darker one of the year's.
QColor toneColour(FigureTone tone);
const QColor& termBackground();
const QColor& yearBackground();

} // namespace lunaplan
