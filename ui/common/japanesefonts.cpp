#include "ui/common/japanesefonts.h"

#include "reports/reportfonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// The families of a face under both of its names: the font database lists a
// font under its Japanese name in a Japanese locale and under its English
// name elsewhere, so a font asked for by one name only is missed in the other.
QStringList ipaGothicFamilies()
{
    return standInFamilies(japaneseFontSubstitutions()[1]);
}

QStringList ipaPGothicFamilies()
{
    return standInFamilies(japaneseFontSubstitutions()[2]);
}

// The first of the names the font database lists, or the last resort. A font
// is given one family, not the list: Qt asks fontconfig for the desktop's
// fallback fonts of every script at once for a font with several families,
// where a font with one family asks only when a character is missing from it.
// The list is searched rather than asking for each name: asking resolves
// aliases through fontconfig, a full font match per name.
QString firstInstalledFamily(const QStringList& names, const QString& lastResort)
{
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&installed](const QString& name) { return installed.contains(name); });
    return found != names.end() ? *found : lastResort;
}

} // namespace

void installJapaneseFontSubstitutions()
{
    for (const FontSubstitution& substitution : japaneseFontSubstitutions())
        QFont::insertSubstitutions(QString::fromUtf16(substitution.name), standInFamilies(substitution));
}

QFont interfaceFont()
{
    QFont font = QGuiApplication::font();
    font.setFamily(firstInstalledFamily(ipaPGothicFamilies() + ipaGothicFamilies(), font.family()));
    font.setPixelSize(12);
    // Outlines are drawn as designed, without running the face's hinting
    // program: at this size the IPA faces look the same either way, and
    // hinting made loading each glyph several times dearer at start.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace lunaplan
