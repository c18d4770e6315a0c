#include "ui/common/japanesefonts.h"

#include "reports/reportfonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace lunaplan {

void installJapaneseFontSubstitutions()
{
    for (const FontSubstitution& substitution : japaneseFontSubstitutions())
        QFont::insertSubstitution(QString::fromUtf16(substitution.name), QString::fromUtf16(substitution.family));
}

QFont interfaceFont()
{
    QFont font = QGuiApplication::font();
    for (const QString& family : {u"IPAPGothic"_s, u"IPAGothic"_s}) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamilies({family});
            break;
        }
    }
    // The window layouts are measured for a 9-point interface font.
    font.setPointSize(9);
    return font;
}

} // namespace lunaplan
