#pragma once

#include <QFont>
#include <QString>

#include <array>

namespace lunaplan {

// A font name that reports and layouts ask for and the metric-compatible IPA
// font that stands in for it.
struct FontSubstitution {
    const char16_t* name;
    const char16_t* family;
};

// "ＭＳ 明朝" → IPAMincho, "ＭＳ ゴシック" → IPAGothic, "ＭＳ Ｐゴシック" → IPAPGothic.
const std::array<FontSubstitution, 3>& japaneseFontSubstitutions();

// The font a report draws with: the named face (or its IPA stand-in) with its
// size given in twips as pixel size, so a painter that draws in twips draws
// it at its size in points on any device.
QFont reportFont(const QString& name, int points);

} // namespace lunaplan
