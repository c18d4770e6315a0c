#pragma once

class QSettings;

namespace lunaplan {

class AppState;
class PrintPrompts;
class Prompts;
class ReportPrinter;

// What the main window and its commands work with, handed in by whoever runs
// the program (the session, or a test): all of it outlives the window.
struct MainServices {
    AppState& state;
    Prompts& prompts;
    QSettings& settings;
    PrintPrompts& printPrompts;
    ReportPrinter& printer;
};

} // namespace lunaplan
