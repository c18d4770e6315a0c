#pragma once

#include "core/weekview.h"
#include "ui/common/handlerguard.h"

#include <QDate>
#include <QMainWindow>

#include <memory>

class QLabel;
class QSettings;

namespace lunaplan {

class AppState;
class ClassFileLock;
class ClassWatch;
class FileCommands;
class MainMenus;
class MenuCommands;
class MonthView;
class Prompts;
class RecordingFrame;
class WindowList;
class Wizard;
struct MainServices;

// The main window: the month calendar at the left, the recording area at the
// right, the menu bar and a status line with the class. Every other window is
// opened from it and closed with it. Its title names the class file, says when
// it was opened read only and marks a class that changed since it was loaded
// or saved.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // The window keeps references to everything in services.
    explicit frmMain(const MainServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    void Form_Load();
    // Re-reads everything shown from the state; runs on every activation.
    void Form_Activate();
    // Shows the class as it is now, after a change made anywhere: calendar
    // marks, status line, title and the week on show, where the teacher's
    // corrections of a day that is not registered stay unless what the day
    // proposes changed.
    void followClass();
    // Has every open window store what was typed into it (before a file
    // command acts on the class).
    void storeOpenWindows();
    // Says in the status line, for a few seconds, that the class was saved.
    void showSaved(const QString& fileName);
    // Closes the other windows and stores the geometry.
    void Form_Unload();
    // Asks whether to save (unless the class was already given up); false when
    // the program must not end (キャンセル, or a save that did not happen).
    bool Form_Terminate();

    // Shows the week of a date picked on the calendar. When the date has no
    // week in the school year, no week is shown: the grid is emptied.
    void MonthView1_DateClick(QDate date);
    // Any click on the calendar, the month arrows included.
    void MonthView1_Click();
    void Option1_Click(int index);
    // Marks the school days of the calendar in bold.
    void subDispHoliday();
    void subDispYearAtStatus();

    MonthView* MonthView1() const { return m_monthView; }
    RecordingFrame* fraSubject() const { return m_recording; }
    FileCommands* fileCommands() const { return m_fileCommands; }
    MenuCommands* menuCommands() const { return m_menuCommands; }
    MainMenus* menus() const { return m_menus; }
    // The class as the windows follow it, and whether it changed since it was saved.
    ClassWatch& classWatch() const { return *m_watch; }
    // The lock of the class file, and whether the class was opened read only.
    ClassFileLock& classFileLock() const { return *m_lock; }
    QLabel* statusPanel() const { return m_statusPanel; }
    WindowList& windowList() const { return *m_windows; }
    // Runs the window's handlers that call the core: a fault is shown and the window goes on.
    const HandlerGuard& guard() const { return m_guard; }
    // The setup wizard's pages (the 設定 menu enters the chain here).
    Wizard& wizard() const { return *m_wizard; }
    // Whether the window is being closed (its close event is running).
    bool isClosing() const { return m_closing; }
    // The school year the calendar shows.
    int shownSchoolYear() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPoint storedPosition() const;
    void applyFixedSize();
    void applyCalendarRange();
    void showTitle();
    // Shows the week of a date. With placeCalendar, or when the date's month
    // is not in view, that month becomes the calendar's first month (as far as
    // the school year allows), so a date always lands in the same place.
    void showWeekOf(QDate date, bool placeCalendar);
    // The week on show again, the teacher's corrections kept where the day
    // still proposes what it did.
    void showWeekAgain();
    // The seven columns of a week: Monday to Friday, then Saturday and Sunday.
    QList<DayColumn> columnsOf(const ShownWeek& week);

    AppState& m_state;
    QSettings& m_settings;
    HandlerGuard m_guard;
    ClassWatch* m_watch = nullptr;
    std::unique_ptr<ClassFileLock> m_lock;
    MonthView* m_monthView = nullptr;
    RecordingFrame* m_recording = nullptr;
    FileCommands* m_fileCommands = nullptr;
    MenuCommands* m_menuCommands = nullptr;
    MainMenus* m_menus = nullptr;
    QLabel* m_statusPanel = nullptr;
    // Declared before the window list: the pages go before the wizard they navigate with.
    std::unique_ptr<Wizard> m_wizard;
    std::unique_ptr<WindowList> m_windows;
    bool m_closing = false;
};

} // namespace lunaplan
