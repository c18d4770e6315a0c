#pragma once

#include "core/appstate.h"
#include "tests/support/scriptedprintprompts.h"
#include "tests/support/scriptedprompts.h"
#include "ui/main/frmmain.h"
#include "ui/print/reportprinter.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace lunaplan::test {

// The program's main window with its whole menu bar, wired as the session
// wires it, but with scripted prompts and a settings file of the test's own.
// The state starts without the wizard's start page. Released without any
// question: the window closes as after 終了 answered.
class ProgramWindow {
public:
    explicit ProgramWindow(const QString& settingsFile);
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    AppState state;
    ScriptedPrompts prompts;
    ScriptedPrintPrompts printPrompts;
    ReportPrinter printer;
    QSettings settings;
    std::unique_ptr<frmMain> window;
};

// The printing side of the program for a main window under test: scripted
// dialogs and the program's one printer.
struct TestPrinting {
    ScriptedPrintPrompts printPrompts;
    ReportPrinter printer;
};

// The main window over a test's own state, prompts and settings.
class MainWindowUnderTest : private TestPrinting, public frmMain {
public:
    MainWindowUnderTest(AppState& state, Prompts& prompts, QSettings& settings);
};

} // namespace lunaplan::test
