#include "ui/common/japanesetranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lunaplan {

using namespace Qt::StringLiterals;

bool installQtJapaneseTranslation(QCoreApplication& application)
{
    // Once per application, however often start-up runs (tests run it again).
    const QString name = u"lunaplan-qtbase-ja"_s;
    if (application.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(&application);
    translator->setObjectName(name);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace lunaplan
