#include "ui/main/frmmain.h"

#include "core/appstate.h"
#include "core/daymarks.h"
#include "core/schoolcalendar.h"
#include "core/weekview.h"
#include "ui/common/classwatch.h"
#include "ui/common/monthview.h"
#include "ui/common/screenplacement.h"
#include "ui/common/twips.h"
#include "ui/common/windowactivation.h"
#include "ui/common/windowlist.h"
#include "ui/main/classfilelock.h"
#include "ui/main/filecommands.h"
#include "ui/main/mainmenus.h"
#include "ui/main/mainservices.h"
#include "ui/main/menucommands.h"
#include "ui/main/recordingframe.h"
#include "ui/wizard/wizard.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr int DefaultPosition = 1000; // twips
constexpr int ClientWidth = 15060;    // seven day columns, within a 1024-pixel screen
constexpr int StatusTop = 8430;
constexpr int StatusHeight = 375;
constexpr int SavedMessageMilliseconds = 5000;

QString settingKey(const char16_t* name)
{
    return u"Settings/" + QString::fromUtf16(name);
}

} // namespace

frmMain::frmMain(const MainServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_state(services.state)
    , m_settings(services.settings)
    , m_guard(services.prompts)
    , m_watch(new ClassWatch(services.state, this))
    , m_lock(std::make_unique<ClassFileLock>(services.prompts))
    , m_windows(std::make_unique<WindowList>())
{
    AppState& state = services.state;
    setObjectName(u"frmMain"_s);
    state.objMainForm = this;

    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    setCentralWidget(client);

    auto* calendarFrame = new QFrame(client);
    calendarFrame->setObjectName(u"fraCalenderMain"_s);
    calendarFrame->setFrameShape(QFrame::NoFrame);
    placeInTwips(calendarFrame, 0, 120, 2415, 8295);
    m_monthView = new MonthView(calendarFrame);
    m_monthView->setObjectName(u"MonthView1"_s);
    m_monthView->setMonthGrid(3, 1);
    m_monthView->setGeometry(calendarFrame->rect());
    connect(m_monthView, &MonthView::dateClicked, this, &frmMain::MonthView1_DateClick);
    connect(m_monthView, &MonthView::clicked, this, &frmMain::MonthView1_Click);
    // Months brought into view by the keyboard need their marks as well.
    connect(m_monthView, &MonthView::visibleMonthsChanged, this, &frmMain::subDispHoliday);
    // The keyboard starts on the calendar, where a week is picked.
    m_monthView->setFocus();

    m_recording = new RecordingFrame(state, m_guard, client);
    placeInTwips(m_recording, 2400, 0, 12615, 8415);
    connect(m_recording, &RecordingFrame::timetableChosen, this, &frmMain::Option1_Click);
    connect(m_recording, &RecordingFrame::weekendChosen, this,
            [this] { m_guard.run(u"週を表示できませんでした。"_s, [&] { showWeekAgain(); }); });

    m_statusPanel = new QLabel(this);
    m_statusPanel->setObjectName(u"sbStatusBar_panel1"_s);
    statusBar()->setObjectName(u"sbStatusBar"_s);
    statusBar()->addWidget(m_statusPanel, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(twipsToPixels(StatusHeight));

    m_wizard = std::make_unique<Wizard>(
        WizardHost{*this, *m_windows, *m_watch, [this] { return m_fileCommands->chooseAndOpen(); },
                   [this] { return m_fileCommands->startFromPreviousYear(); }},
        state, services.prompts);
    m_fileCommands = new FileCommands(*this, state, services.prompts, *m_watch, *m_lock);
    m_menuCommands = new MenuCommands(*this, services, *m_wizard);
    m_menus = new MainMenus(*this, *m_fileCommands, *m_menuCommands);

    connect(m_watch, &ClassWatch::classChanged, this, [this](QObject* source) {
        if (source != this)
            followClass();
        else
            showTitle();
    });
    connect(m_watch, &ClassWatch::modifiedChanged, this, &frmMain::showTitle);
    connect(m_recording, &RecordingFrame::recordsChanged, this, [this] {
        m_watch->notifyChanged(this);
        subDispHoliday(); // the registered and forgotten marks
    });
    new WindowActivation(*this, [this] { Form_Activate(); });

    showTitle();
    applyFixedSize();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::applyFixedSize()
{
    // The client area below the menu bar holds the controls and the status line.
    centralWidget()->setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(StatusTop));
    setFixedSize(twipsToPixels(ClientWidth),
                 menuBar()->sizeHint().height() + twipsToPixels(StatusTop) + twipsToPixels(StatusHeight));
}

QPoint frmMain::storedPosition() const
{
    const int left = m_settings.value(settingKey(u"MainLeft"), DefaultPosition).toInt();
    const int top = m_settings.value(settingKey(u"MainTop"), DefaultPosition).toInt();
    return {twipsToPixels(left), twipsToPixels(top)};
}

void frmMain::Form_Load()
{
    // A position stored on a larger or another screen is brought into view.
    placeOnScreen(*this, storedPosition());
}

int frmMain::shownSchoolYear() const
{
    return calendarSchoolYear(m_state.intYear, QDate::currentDate());
}

void frmMain::Form_Activate()
{
    // The window stays where the teacher put it; it is placed from the
    // settings once, when it is loaded.
    applyFixedSize();
    followClass();
    m_recording->closeLengthChoice();
    // The start page, once per run (not when a class file was named at start).
    if (m_state.boolShowWizard)
        m_wizard->goTo(nullptr, WizardPageId::Start);
}

void frmMain::applyCalendarRange()
{
    const int year = shownSchoolYear();
    m_monthView->setMaxDate(QDate(9999, 12, 31));
    m_monthView->setMinDate(QDate(year, 4, 1));
    m_monthView->setMaxDate(QDate(year + 1, 3, 31));
}

void frmMain::followClass()
{
    if (m_closing)
        return;
    applyCalendarRange();
    m_guard.run(u"画面を更新できませんでした。"_s, [&] {
        if (!m_state.boolCalendarReady) {
            // A new class, a file just read or a new year: the week of today in its year.
            const QDate today = todayInSchoolYear(QDate::currentDate(), shownSchoolYear());
            showWeekOf(today, true);
            m_state.dateSelected = today;
            m_state.boolCalendarReady = true;
            m_state.dateWeekFirst = today;
            m_state.dateWeekLast = today;
        } else {
            showWeekAgain();
        }
        subDispHoliday();
    });
    // A class opened read only is saved under another name only.
    m_menus->showOpenOrSave(!m_state.strFileName.isEmpty() && !m_lock->isReadOnly());
    subDispYearAtStatus();
    showTitle();
}

void frmMain::showTitle()
{
    const QString program = u"Lunaplan Ver1.0.0"_s;
    if (!m_state.strFileName.isEmpty())
        setWindowTitle(QFileInfo(m_state.strFileName).fileName() +
                       (m_lock->isReadOnly() ? u" [読み取り専用]"_s : QString()) + u"[*] - " + program);
    else if (m_state.intYear != 0)
        setWindowTitle(u"無題[*] - " + program);
    else
        setWindowTitle(program);
    if (windowTitle().contains(u"[*]"))
        setWindowModified(m_watch->isModified());
}

void frmMain::storeOpenWindows()
{
    m_wizard->storeOpenPages();
}

void frmMain::showSaved(const QString& fileName)
{
    statusBar()->showMessage(u"「%1」に保存しました。"_s.arg(QFileInfo(fileName).fileName()),
                             SavedMessageMilliseconds);
}

void frmMain::MonthView1_DateClick(QDate date)
{
    m_guard.run(u"週を表示できませんでした。"_s, [&] { showWeekOf(date, false); });
}

void frmMain::showWeekOf(QDate date, bool placeCalendar)
{
    const auto week = weekForDate(date, shownSchoolYear());
    // A week that cannot be selected on the calendar is not shown, and no
    // earlier week's controls may stay live in its place.
    if (!week || week->first < m_monthView->minDate() || week->last > m_monthView->maxDate()) {
        m_monthView->clearSelectedRange();
        m_recording->clearWeek();
        return;
    }
    const QDate month(date.year(), date.month(), 1);
    if (placeCalendar || month < m_monthView->firstVisibleMonth() || month > m_monthView->lastVisibleMonth())
        m_monthView->showMonthFirst(date);
    else
        m_monthView->setCurrentDate(date);
    m_monthView->setSelectedRange(week->first, week->last);
    m_state.dateSelected = date;
    m_state.dateWeekFirst = week->first;
    m_state.dateWeekLast = week->last;
    m_recording->showDayColumns(columnsOf(*week));
}

QList<DayColumn> frmMain::columnsOf(const ShownWeek& week)
{
    const bool timetableA = m_recording->timetableA();
    return weekColumns(m_state, week, timetableA) +
           weekendColumns(m_state, week, timetableA, m_recording->weekendAsked(week));
}

void frmMain::showWeekAgain()
{
    const auto week = weekForDate(m_state.dateSelected, shownSchoolYear());
    if (week && week->first >= m_monthView->minDate() && week->last <= m_monthView->maxDate())
        m_recording->showDayColumns(columnsOf(*week), RecordingFrame::KeepCorrections);
}

void frmMain::MonthView1_Click()
{
    subDispHoliday();
}

void frmMain::Option1_Click(int)
{
    MonthView1_DateClick(m_state.dateSelected);
}

void frmMain::subDispHoliday()
{
    m_guard.run(u"登校日を表示できませんでした。"_s, [&] {
        m_monthView->setHolidays(holidayMarks(m_state));
        const int count = m_monthView->visibleDayCount();
        for (int i = 1; i <= count; ++i) {
            const QDate day = m_monthView->visibleDay(i);
            m_monthView->setDayBold(day, m_state.fncIsWorkDay(day));
        }
        if (count > 0) {
            const CalendarMarks marks = calendarMarks(m_state, m_monthView->visibleDay(1),
                                                      m_monthView->visibleDay(count), m_state.today());
            m_monthView->setDayMarks(marks.registered, marks.forgotten);
        }
    });
}

void frmMain::subDispYearAtStatus()
{
    m_statusPanel->setText(QString::number(m_state.intYear) + u"年　" + QString::number(m_state.intGrade) +
                           u"年" + m_state.strClass + u"組　　担任：" + m_state.strTeacher);
}

void frmMain::Form_Unload()
{
    m_windows->closeAllNewestFirst();
    if (isMinimized())
        return;
    const QRect frame = frameGeometry();
    m_settings.setValue(settingKey(u"MainLeft"), QString::number(pixelsToTwips(frame.x())));
    m_settings.setValue(settingKey(u"MainTop"), QString::number(pixelsToTwips(frame.y())));
    m_settings.setValue(settingKey(u"MainWidth"), QString::number(pixelsToTwips(frame.width())));
    m_settings.setValue(settingKey(u"MainHeight"), QString::number(pixelsToTwips(frame.height())));
}

bool frmMain::Form_Terminate()
{
    return m_fileCommands->mnuFileExit_Click();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    // The save question comes before anything closes: キャンセル, or a save
    // that did not happen, leaves this window and the others as they were.
    if (!Form_Terminate()) {
        m_closing = false;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

} // namespace lunaplan
