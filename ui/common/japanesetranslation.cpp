#include "ui/common/japanesetranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lunaplan {

bool installQtJapaneseTranslation(QCoreApplication& application)
{
    // Once per application, however often start-up runs (tests run it again).
    const QString name = QStringLiteral("lunaplan-qtbase-ja");
    if (application.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(&application);
    translator->setObjectName(name);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace lunaplan
