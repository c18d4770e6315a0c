#pragma once

#include <QFont>
#include <QString>

#include <array>

namespace lunaplan {

// A font name that reports and layouts ask for and the metric-compatible IPA
// font that stands in for it.
struct FontSubstitution {
    const char16_t* name;
    const char16_t* family;      // the stand-in's English family name
    const char16_t* localFamily; // its Japanese family name
};

// "ＭＳ 明朝" → IPAMincho, "ＭＳ ゴシック" → IPAGothic, "ＭＳ Ｐゴシック" → IPAPGothic.
const std::array<FontSubstitution, 3>& japaneseFontSubstitutions();

// The stand-in under both its family names: in a Japanese locale the font
// database lists the IPA fonts only under their Japanese names.
QStringList standInFamilies(const FontSubstitution& substitution);

// The font a report draws with: the named face (or its IPA stand-in) with its
// size given in twips as pixel size, so a painter that draws in twips draws
// it at its size in points on any device.
QFont reportFont(const QString& name, int points);

// How far a text reaches to the right in a report font, in twips.
double textAdvance(const QString& fontName, int points, const QString& text);

} // namespace lunaplan
