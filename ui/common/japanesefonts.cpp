#include "ui/common/japanesefonts.h"

#include "reports/reportfonts.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QStringList ipaPGothicFamilies()
{
    return standInFamilies(japaneseFontSubstitutions()[2]);
}

} // namespace

QStringList ipaGothicFamilies()
{
    return standInFamilies(japaneseFontSubstitutions()[1]);
}

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
    return font;
}

} // namespace lunaplan
