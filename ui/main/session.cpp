#include "ui/main/session.h"

#include "core/appstate.h"
#include "desktop/desktopidentity.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/openclassfile.h"
#include "ui/common/qtprompts.h"
#include "ui/main/frmmain.h"
#include "ui/reports/qtprintprompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPrinter>
#include <QSettings>
#include <QTranslator>

namespace lunaplan {

namespace {

// Qt's own texts (standard buttons, file dialogs) in Japanese, whatever the
// system's language: the whole interface is Japanese. Installed once.
void installQtTranslation()
{
    const QString name = QStringLiteral("lunaplan-qtbase-ja");
    QCoreApplication* const app = QCoreApplication::instance();
    if (app->findChild<QTranslator*>(name))
        return;
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void prepareApplication()
{
    QApplication::setOrganizationName(QStringLiteral("Lunaplan"));
    QApplication::setApplicationName(QStringLiteral("Lunaplan"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    applyDesktopIdentity();
    installQtTranslation();
    installJapaneseFontSubstitutions();
    QApplication::setFont(interfaceFont());
}

Session::Session(const QString& fileName)
    : m_state(std::make_unique<AppState>())
    , m_prompts(std::make_unique<QtPrompts>())
    , m_settings(std::make_unique<QSettings>())
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_printPrompts(std::make_unique<QtPrintPrompts>())
    , m_window(std::make_unique<frmMain>(*m_state, *m_prompts, *m_settings))
{
    m_prompts->setParentWindow(m_window.get());
    m_printPrompts->setParentWindow(m_window.get());
    if (!fileName.isEmpty())
        openClassFile(*m_state, *m_prompts, fileName);
}

Session::~Session() = default;

Prompts& Session::prompts() const
{
    return *m_prompts;
}

PrintPrompts& Session::printPrompts() const
{
    return *m_printPrompts;
}

} // namespace lunaplan
