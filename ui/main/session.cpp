#include "ui/main/session.h"

#include "core/appstate.h"
#include "desktop/desktopidentity.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/japanesetranslation.h"
#include "ui/common/openclassfile.h"
#include "ui/common/qtprompts.h"
#include "ui/main/frmmain.h"
#include "ui/main/menucommands.h"
#include "ui/reports/qtprintprompts.h"
#include "ui/reports/reportprinter.h"
#include "ui/wizard/wizard.h"

#include <QApplication>
#include <QSettings>

namespace lunaplan {

void prepareApplication()
{
    QApplication::setOrganizationName(QStringLiteral("Lunaplan"));
    QApplication::setApplicationName(QStringLiteral("Lunaplan"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    applyDesktopIdentity();
    // The interface is Japanese whatever the desktop's language, standard dialogs included.
    if (auto* application = QCoreApplication::instance())
        installQtJapaneseTranslation(*application);
    installJapaneseFontSubstitutions();
    QApplication::setFont(interfaceFont());
}

Session::Session(const QString& fileName)
    : m_state(std::make_unique<AppState>())
    , m_prompts(std::make_unique<QtPrompts>())
    , m_settings(std::make_unique<QSettings>())
    , m_printer(std::make_unique<ReportPrinter>())
    , m_printPrompts(std::make_unique<QtPrintPrompts>())
    , m_window(std::make_unique<frmMain>(*m_state, *m_prompts, *m_settings))
{
    m_prompts->setParentWindow(m_window.get());
    m_printPrompts->setParentWindow(m_window.get());
    // The menus beyond the file's own need the printer; the window owns them.
    new MenuCommands(*m_window, *m_state, *m_prompts, *m_printPrompts, *m_printer, m_window->wizard());
    // A class file named at start is what the teacher wants to see: no start
    // page then (unless it could not be read).
    if (!fileName.isEmpty() && openClassFile(*m_state, *m_prompts, fileName))
        m_state->boolShowWizard = false;
}

Session::~Session() = default;

QPrinter& Session::printer() const
{
    return m_printer->get();
}

Prompts& Session::prompts() const
{
    return *m_prompts;
}

PrintPrompts& Session::printPrompts() const
{
    return *m_printPrompts;
}

} // namespace lunaplan
