#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace lunaplan {

class AppState;
class QtPrompts;
class frmMain;

// One run of the program: the state, the prompts, the settings store and the
// main window, created in that order and released in reverse.
class Session {
public:
    // Builds everything and opens the class file, if one is named; then the
    // wizard's start page is skipped. A file that cannot be read gives its
    // message and the program starts empty, with the start page.
    explicit Session(const QString& fileName = QString());
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    AppState& state() const { return *m_state; }
    frmMain& window() const { return *m_window; }

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<QtPrompts> m_prompts;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<frmMain> m_window;
};

// Font names and the interface font, before any window is made.
void prepareApplication();

} // namespace lunaplan
