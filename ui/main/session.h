#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QSettings;

namespace lunaplan {

class AppState;
class PrintPrompts;
class Prompts;
class QtPrintPrompts;
class QtPrompts;
class RecoveryCopy;
class ReportPrinter;
class frmMain;

// One run of the program: the state, the prompts, the settings store, the
// printer the reports print on, the main window (which holds the menus and
// follows whether the class changed since it was saved) and the recovery copy
// of unsaved work, created in that order and released in reverse.
class Session {
public:
    // Builds everything, offers back the class of a run that ended without
    // saving, and opens the class file, if one is named (not after a class
    // was restored: that is the work to go on with); then the wizard's start
    // page is skipped. A file that cannot be read gives its message and the
    // program starts empty, with the start page.
    explicit Session(const QString& fileName = QString());
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    AppState& state() const { return *m_state; }
    Prompts& prompts() const;
    frmMain& window() const { return *m_window; }
    // The one printer of the program: the print dialog and page setup share
    // it, so a paper chosen once holds for every report.
    QPrinter& printer() const;
    // The printer dialog and the print preview, over the main window.
    PrintPrompts& printPrompts() const;

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<QtPrompts> m_prompts;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<ReportPrinter> m_printer;
    std::unique_ptr<QtPrintPrompts> m_printPrompts;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<RecoveryCopy> m_recovery;
};

// Font names, the interface font, the window icon and Qt's Japanese texts,
// before any window is made.
void prepareApplication();

} // namespace lunaplan
