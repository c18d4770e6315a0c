#include "tests/support/programwindow.h"

#include "ui/main/menucommands.h"
#include "ui/wizard/wizard.h"

namespace lunaplan::test {

ProgramWindow::ProgramWindow(const QString& settingsFile)
    : settings(settingsFile, QSettings::IniFormat)
{
    state.boolShowWizard = false;
    window = std::make_unique<frmMain>(state, prompts, settings);
    new MenuCommands(*window, state, prompts, printPrompts, printer, window->wizard());
}

ProgramWindow::~ProgramWindow()
{
    if (window->isVisible()) {
        state.intYear = 0; // nothing to ask on the way out
        window->close();
    }
    window.reset();
}

} // namespace lunaplan::test
