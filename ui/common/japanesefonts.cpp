#include "ui/common/japanesefonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace lunaplan {

void installJapaneseFontSubstitutions()
{
    QFont::insertSubstitution(u"ＭＳ 明朝"_s, u"IPAMincho"_s);
    QFont::insertSubstitution(u"ＭＳ ゴシック"_s, u"IPAGothic"_s);
    QFont::insertSubstitution(u"ＭＳ Ｐゴシック"_s, u"IPAPGothic"_s);
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
