#pragma once

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
    // a failed save means the program must not end.
    bool Form_Terminate();

    // Shows the week of a date picked on the calendar.
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

    AppState& m_state;
    QSettings& m_settings;
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
