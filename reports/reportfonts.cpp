#include "reports/reportfonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace lunaplan {

const std::array<FontSubstitution, 3>& japaneseFontSubstitutions()
{
    static constexpr std::array<FontSubstitution, 3> table{{
        {u"ＭＳ 明朝", u"IPAMincho", u"IPA明朝"},
        {u"ＭＳ ゴシック", u"IPAGothic", u"IPAゴシック"},
        {u"ＭＳ Ｐゴシック", u"IPAPGothic", u"IPA Pゴシック"},
    }};
    return table;
}

QStringList standInFamilies(const FontSubstitution& substitution)
{
    return {QString::fromUtf16(substitution.family), QString::fromUtf16(substitution.localFamily)};
}

QFont reportFont(const QString& name, int points)
{
    // The stand-in is named directly: a report rendered without the
    // application's font substitutions (the command line) looks the same.
    QStringList families;
    for (const FontSubstitution& substitution : japaneseFontSubstitutions()) {
        if (name == QStringView(substitution.name))
            families.append(standInFamilies(substitution));
    }
    families.append(name);
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qMax(1, points * 20)); // 20 twips to the point
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

double textAdvance(const QString& fontName, int points, const QString& text)
{
    return QFontMetricsF(reportFont(fontName, points)).horizontalAdvance(text);
}

} // namespace lunaplan
