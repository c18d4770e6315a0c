#pragma once

#include "ui/common/handlerguard.h"

#include <QDate>
#include <QMainWindow>

#include <memory>

class QLabel;
class QSettings;

namespace lunaplan {

class AppState;
class FileCommands;
class MonthView;
class Prompts;
class RecordingFrame;
class WindowList;
class Wizard;

// The main window: the month calendar at the left, the recording area at the
// right, the menu bar and a status line with the class. Every other window is
// opened from it and closed with it.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // The window keeps references to the state, the prompts and the settings store.
    frmMain(AppState& state, Prompts& prompts, QSettings& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    void Form_Load();
    // Re-reads everything shown from the state; runs on every activation.
    void Form_Activate();
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
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPoint storedPosition() const;
    void applyFixedSize();
    // Shows the week of a date. With placeCalendar, or when the date's month
    // is not in view, that month becomes the calendar's first month (as far as
    // the school year allows), so a date always lands in the same place.
    void showWeekOf(QDate date, bool placeCalendar);

    AppState& m_state;
    QSettings& m_settings;
    HandlerGuard m_guard;
    MonthView* m_monthView = nullptr;
    RecordingFrame* m_recording = nullptr;
    FileCommands* m_fileCommands = nullptr;
    QLabel* m_statusPanel = nullptr;
    // Declared before the window list: the pages go before the wizard they navigate with.
    std::unique_ptr<Wizard> m_wizard;
    std::unique_ptr<WindowList> m_windows;
    bool m_closing = false;
    bool m_shownOnce = false;
};

} // namespace lunaplan
