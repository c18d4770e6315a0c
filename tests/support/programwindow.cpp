#include "tests/support/programwindow.h"

#include "ui/common/classwatch.h"

#include "ui/main/mainservices.h"

namespace lunaplan::test {

ProgramWindow::ProgramWindow(const QString& settingsFile)
    : settings(settingsFile, QSettings::IniFormat)
{
    state.boolShowWizard = false;
    window = std::make_unique<frmMain>(MainServices{state, prompts, settings, printPrompts, printer});
}

ProgramWindow::~ProgramWindow()
{
    if (window->isVisible()) {
        window->storeOpenWindows();
        window->classWatch().markUnchanged(); // nothing to ask on the way out
        window->close();
    }
    window.reset();
}

MainWindowUnderTest::MainWindowUnderTest(AppState& state, Prompts& prompts, QSettings& settings)
    : frmMain(MainServices{state, prompts, settings, printPrompts, printer})
{}

} // namespace lunaplan::test
