#include "ui/main/session.h"

#include "core/appstate.h"
#include "desktop/desktopidentity.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/japanesetranslation.h"
#include "ui/common/qtprompts.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/main/mainservices.h"
#include "ui/main/recoverycopy.h"
#include "ui/print/qtprintprompts.h"
#include "ui/print/reportprinter.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QStatusBar>

namespace lunaplan {

using namespace Qt::StringLiterals;

void prepareApplication()
{
    QApplication::setOrganizationName(u"Lunaplan"_s);
    QApplication::setApplicationName(u"Lunaplan"_s);
    QApplication::setApplicationVersion(u"1.0.0"_s);
    applyDesktopIdentity();
    // Dates and names in Qt's own dialogs (the file dialog's columns, its
    // file types) are Japanese whatever the desktop's language. The program
    // writes its own figures with QString::number, which no locale changes.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
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
    , m_window(std::make_unique<frmMain>(
          MainServices{*m_state, *m_prompts, *m_settings, *m_printPrompts, *m_printer}))
    , m_recovery(
          std::make_unique<RecoveryCopy>(*m_state, m_window->classWatch(), RecoveryCopy::defaultFolder()))
{
    m_prompts->setParentWindow(m_window.get());
    m_printPrompts->setParentWindow(m_window.get());
    QObject::connect(m_recovery.get(), &RecoveryCopy::writeFailed, m_window.get(),
                     [this](const QString& message) { m_window->statusBar()->showMessage(message); });
    if (offerRecoveredClass(*m_recovery, *m_window->fileCommands(), *m_prompts)) {
        m_state->boolShowWizard = false;
        return;
    }
    // A class file named at start is what the teacher wants to see: no start
    // page then (unless it could not be read).
    if (!fileName.isEmpty() && m_window->fileCommands()->openFile(fileName))
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
