#include "ui/common/japanesefonts.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// English and Japanese family names of the IPA fonts.
QStringList ipaMinchoFamilies()
{
    return {u"IPAMincho"_s, u"IPA明朝"_s};
}

QStringList ipaPGothicFamilies()
{
    return {u"IPAPGothic"_s, u"IPA Pゴシック"_s};
}

} // namespace

QStringList ipaGothicFamilies()
{
    return {u"IPAGothic"_s, u"IPAゴシック"_s};
}

void installJapaneseFontSubstitutions()
{
    QFont::insertSubstitutions(u"ＭＳ 明朝"_s, ipaMinchoFamilies());
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, ipaGothicFamilies());
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, ipaPGothicFamilies());
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
