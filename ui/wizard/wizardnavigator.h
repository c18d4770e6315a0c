#pragma once

class QWidget;

namespace lunaplan {

// The pages of the setup wizard, in the order of the chain.
enum class WizardPageId { Start, Class, Calendar, Timetable, Plan };

// How a wizard page moves along the chain. Each page exists at most once; it
// is created when shown and destroyed when left. The implementation also
// brings the main window up to date whenever a page hands the state back.
class WizardNavigator {
public:
    virtual ~WizardNavigator() = default;

    // Shows the page `to` (created when it is not open, then activated), then
    // hides and destroys `from` (null when no page is left).
    virtual void goTo(QWidget* from, WizardPageId to) = 0;
    // Hides and destroys a page: the wizard ends there.
    virtual void close(QWidget* page) = 0;
    // Opens a class file as ﾌｧｲﾙ > 開く does: asks whether to save the class
    // in memory, then for the file, and reads it. False when the teacher
    // cancelled the question or the file dialog; true once a file was chosen
    // (read or reported as unreadable).
    virtual bool openClassFile() = 0;
    // Starts the next school year from last year's class as ﾌｧｲﾙ >
    // 前年度のファイルから新規作成 does. True when the new class is in the state.
    virtual bool startFromPreviousYear() = 0;

protected:
    WizardNavigator() = default;
    WizardNavigator(const WizardNavigator&) = default;
    WizardNavigator& operator=(const WizardNavigator&) = default;
};

} // namespace lunaplan
