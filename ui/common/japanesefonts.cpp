#include "ui/common/japanesefonts.h"

#include "reports/reportfonts.h"

#include <QGuiApplication>

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

} // namespace

void installJapaneseFontSubstitutions()
{
    for (const FontSubstitution& substitution : japaneseFontSubstitutions())
        QFont::insertSubstitutions(QString::fromUtf16(substitution.name), standInFamilies(substitution));
}

QFont interfaceFont()
{
    QFont font = QGuiApplication::font();
    // The first family found is used; the application's own family is the
    // last resort.
    font.setFamilies(ipaPGothicFamilies() + ipaGothicFamilies() + QStringList{font.family()});
    font.setPixelSize(12);
    // Outlines are drawn as designed, without running the face's hinting
    // program: at this size the IPA faces look the same either way, and
    // hinting made loading each glyph several times dearer at start.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace lunaplan
