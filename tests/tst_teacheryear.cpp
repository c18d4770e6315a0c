// A teacher's whole small year through the real windows: a new class set up
// page by page, four days recorded (one cancelled and registered again),
// saved, closed and opened again; then the totals table and the annual report
// must show the figures worked out by hand below.
//
// Units are 15 minutes; a 45-minute lesson is 3 units, shown as lessons.remainder
// (31 units = 10 lessons and 1 unit = "10.1").
#include "core/appstate.h"
#include "core/daymarks.h"
#include "core/subjects.h"
#include "reports/recordingprinter.h"
#include "reports/reportprocedures.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprintprompts.h"
#include "tests/support/scriptedprompts.h"
#include "ui/common/clicklabel.h"
#include "ui/common/monthview.h"
#include "ui/common/windowlist.h"
#include "ui/main/frmmain.h"
#include "ui/main/menucommands.h"
#include "ui/main/recordingframe.h"
#include "ui/print/reportprinter.h"
#include "ui/totals/frmdisptimetable.h"
#include "ui/wizard/frmwiz2.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/frmwiz4.h"
#include "ui/wizard/frmwiz5.h"
#include "ui/wizard/wizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// Palette positions (wizard and main window alike).
constexpr int Kokugo = 1;
constexpr int Syakai = 2;
constexpr int Sannsuu = 3;
constexpr int Rika = 4;
constexpr int Onngaku = 6;
constexpr int Zukou = 7;
constexpr int Taiiku = 9;
constexpr int Doutoku = 12;
constexpr int Gakkatsu = 13;

// A timetable cell: weekday × 8 + period.
constexpr int cell(int weekday, int period)
{
    return weekday * 8 + period;
}

template <class W> W* child(const QObject* parent, const QString& name)
{
    W* found = parent ? parent->findChild<W*>(name) : nullptr;
    if (!found)
        qWarning("no %s named %s", W::staticMetaObject.className(), qPrintable(name));
    return found;
}

void click(QWidget* widget)
{
    QVERIFY(widget);
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    QTest::mouseClick(widget, Qt::LeftButton);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Scrolls a calendar with its arrows until the day is shown, then clicks it.
void clickDay(MonthView* view, QDate date)
{
    QVERIFY(view);
    auto* arrow = child<QAbstractButton>(view, date < view->firstVisibleMonth() ? u"previousMonthButton"_s
                                                                                : u"nextMonthButton"_s);
    for (int i = 0; i < 12 && view->dayRect(date).isEmpty(); ++i)
        click(arrow);
    QVERIFY2(!view->dayRect(date).isEmpty(), qPrintable(date.toString(Qt::ISODate)));
    QTest::mouseClick(view, Qt::LeftButton, {}, view->dayRect(date).center());
}

// Chooses an entry of a drop-down list as the list itself reports a choice.
void choose(QComboBox* box, int index)
{
    QVERIFY(box);
    QVERIFY(index >= 0 && index < box->count());
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// Types into a plan box: the click stores the page and selects the old entry.
void typeInto(QLineEdit* box, const QString& text)
{
    click(box);
    settle();
    QVERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// Japanese text arrives from the input method as a committed string.
void commitInput(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

// The figures of a summary row of the annual report: the texts printed just
// beside its caption, in column order, without their padding.
QStringList reportFigures(const RecordingPrinter& printer, const QString& caption)
{
    const PrintItem* label = printer.findText(caption);
    if (!label)
        return {u"(no %1)"_s.arg(caption)};
    QList<PrintItem> items;
    for (const PrintItem& item : printer.texts()) {
        if (item.from.y() == label->from.y() + 30 && item.from.x() >= 9040)
            items.append(item);
    }
    std::sort(items.begin(), items.end(),
              [](const PrintItem& a, const PrintItem& b) { return a.from.x() < b.from.x(); });
    QStringList figures;
    for (const PrintItem& item : items)
        figures.append(item.text.trimmed());
    return figures;
}

QStringList gridRow(const QTableWidget* grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column)
        texts.append(grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return texts;
}

} // namespace

class TestTeacherYear : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void wholeYear();

private:
    void setUpTheClass();
    void recordTheDays();
    void saveCloseAndOpen();
    void checkTotalsTable();
    void checkAnnualReport();

    QAction* item(const QString& name) const { return child<QAction>(m_program->window.get(), name); }
    RecordingFrame& frame() const { return *m_program->window->fraSubject(); }
    template <class Page> Page* page(WizardPageId id) const
    {
        settle();
        return qobject_cast<Page*>(m_program->window->wizard().page(id));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<test::ProgramWindow> m_program;
};

void TestTeacherYear::init()
{
    QVERIFY(m_dir.isValid());
    m_program = std::make_unique<test::ProgramWindow>(m_dir.filePath(u"settings.ini"_s));
    m_program->window->show(); // the teacher starts with 新規作成
    QVERIFY(QTest::qWaitForWindowExposed(m_program->window.get()));
}

void TestTeacherYear::cleanup()
{
    m_program.reset();
}

void TestTeacherYear::wholeYear()
{
    setUpTheClass();
    if (QTest::currentTestFailed())
        return;
    recordTheDays();
    if (QTest::currentTestFailed())
        return;
    saveCloseAndOpen();
    if (QTest::currentTestFailed())
        return;
    checkTotalsTable();
    checkAnnualReport();
    QCOMPARE(m_program->prompts.messages(), QStringList{});
}

void TestTeacherYear::setUpTheClass()
{
    item(u"mnuFileNew"_s)->trigger();

    // The class page: 2026, 3年2組, 山田花子; the holiday rows as proposed.
    auto* classPage = page<frmWiz2>(WizardPageId::Class);
    QVERIFY(classPage);
    QComboBox* years = child<QComboBox>(classPage, u"cboWiz1Year"_s);
    choose(years, years->findData(2026));
    choose(child<QComboBox>(classPage, u"cboWiz1Class_0"_s), 2);
    QComboBox* kumi = child<QComboBox>(classPage, u"cboWiz1Class_1"_s);
    choose(kumi, kumi->findText(u"2"_s));
    auto* teacher = child<QLineEdit>(classPage, u"txtWiz1Teacher"_s);
    click(teacher);
    commitInput(teacher, u"山田花子"_s);
    click(child<QPushButton>(classPage, u"cmdWiz2Next"_s));

    // The calendar page: Wednesday 20 May becomes a special holiday.
    auto* calendarPage = page<frmWiz3>(WizardPageId::Calendar);
    QVERIFY(calendarPage);
    clickDay(child<MonthView>(calendarPage, u"mvWiz3Calendar_0"_s), QDate(2026, 5, 20));
    QCOMPARE(child<QLabel>(calendarPage, u"lblWiz3NumberOfSchoolDays_0"_s)->text(),
             u"１学期の授業日数　70日"_s);
    QCOMPARE(child<QLabel>(calendarPage, u"lblWiz3NumberOfSchoolDays_3"_s)->text(),
             u"年間の授業日数　194日"_s);
    click(child<QPushButton>(calendarPage, u"cmdWiz3Next"_s));

    // Timetable A: Monday 国国算算体, Tuesday 算国理社, Wednesday 国算音 in
    // the proposed 45-minute periods 1 to 5.
    auto* timetable = page<frmWiz5>(WizardPageId::Timetable);
    QVERIFY(timetable);
    const auto put = [&](int subject, std::initializer_list<int> cells) {
        click(child<QToolButton>(timetable, u"cmdWiz5Subject_%1"_s.arg(subject)));
        for (int index : cells)
            click(child<QToolButton>(timetable, u"cmdWiz5WeekPlan_%1"_s.arg(index)));
    };
    put(Kokugo, {cell(0, 1), cell(0, 2), cell(1, 2), cell(2, 1)});
    put(Sannsuu, {cell(0, 3), cell(0, 4), cell(1, 1), cell(2, 2)});
    put(Taiiku, {cell(0, 5)});
    put(Rika, {cell(1, 3)});
    put(Syakai, {cell(1, 4)});
    put(Onngaku, {cell(2, 3)});
    QCOMPARE(child<QLabel>(timetable, u"lblWiz5WeekTime_1"_s)->text(), u"国語　　4.0 時間"_s);
    click(child<QPushButton>(timetable, u"cmdWiz5Next"_s));

    // Timetable B, on the same page: Wednesday 図図道.
    QCOMPARE(page<frmWiz5>(WizardPageId::Timetable), timetable);
    QCOMPARE(child<QGroupBox>(timetable, u"fraWiz5WeekPlan"_s)->title(), u"週間授業表B"_s);
    put(Zukou, {cell(2, 1), cell(2, 2)});
    put(Doutoku, {cell(2, 3)});
    click(child<QPushButton>(timetable, u"cmdWiz5Next"_s));

    // The plan page: the standard hours of grade 3, then 国語 20 lessons in
    // term 1 and 15 in term 2, 算数 10 lessons and one unit in term 1.
    auto* plan = page<frmWiz4>(WizardPageId::Plan);
    QVERIFY(plan);
    plan->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(plan));
    click(child<QPushButton>(plan, u"cmdWiz4Standard"_s));
    QCOMPARE(child<QLineEdit>(plan, u"txtWiz4YearBase_0"_s)->text(), u"245.0"_s);
    QCOMPARE(child<QLabel>(plan, u"lblWiz4BaseSum"_s)->text(), u"980.0"_s);
    typeInto(child<QLineEdit>(plan, u"txtWiz4YearPlan_0"_s), u"20"_s);   // 国語, term 1
    typeInto(child<QLineEdit>(plan, u"txtWiz4YearPlan_1"_s), u"15"_s);   // 国語, term 2
    typeInto(child<QLineEdit>(plan, u"txtWiz4YearPlan_6"_s), u"10.1"_s); // 算数, term 1
    click(child<QPushButton>(plan, u"cmdWiz4Cancel"_s));                 // 設定の終了
    QVERIFY(!page<frmWiz4>(WizardPageId::Plan));
    QCOMPARE(m_program->window->statusPanel()->text(), u"2026年　3年2組　　担任：山田花子"_s);
}

void TestTeacherYear::recordTheDays()
{
    m_program->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_program->window.get()));
    RecordingFrame& f = frame();
    const auto palette = [&](int subject) { click(child<QToolButton>(&f, u"cmdSubject_%1"_s.arg(subject))); };
    const auto period = [&](int index) { click(child<QToolButton>(&f, u"cmdWeek_%1"_s.arg(index))); };
    const auto reg = [&](int column) {
        // The timetable holds double periods on purpose: the question about a
        // subject twice is answered はい, as the teacher would.
        QString subjects;
        QString credits;
        for (int p = 0; p < RecordingFrame::Periods; ++p) {
            const QChar code = f.subjectCode(column * RecordingFrame::Periods + p);
            subjects += code.isNull() ? EmptySlot : code;
            credits += QString::number(f.lengthCode(column * RecordingFrame::Periods + p));
        }
        if (f.cmdReg(column)->text() == u"登録"_s && !doubledSubjects(subjects, credits).isEmpty())
            m_program->prompts.answers.enqueue(Prompts::Answer::Yes);
        click(child<QPushButton>(&f, u"cmdReg_%1"_s.arg(column)));
    };

    clickDay(m_program->window->MonthView1(), QDate(2026, 4, 6));
    QCOMPARE(child<QLabel>(&f, u"Label2_0"_s)->text(), u"4／6(月)"_s);
    QCOMPARE(child<QToolButton>(&f, u"cmdWeek_1"_s)->text(), u"国語"_s); // proposed from timetable A

    // Monday as proposed, registered; then cancelled, its 体育 made 学活, and
    // registered again.
    reg(0);
    QCOMPARE(child<QPushButton>(&f, u"cmdReg_0"_s)->text(), u"取消"_s);
    reg(0);
    QCOMPARE(child<QPushButton>(&f, u"cmdReg_0"_s)->text(), u"登録"_s);
    palette(Gakkatsu);
    period(cell(0, 5));
    reg(0);

    // Tuesday: 社会 lasts 60 minutes, and 国語 goes into the empty period 5.
    click(child<ClickLabel>(&f, u"labWeekCredit_%1"_s.arg(cell(1, 4))));
    choose(child<QComboBox>(&f, u"cboTime"_s), 4); // ６０分
    palette(Kokugo);
    period(cell(1, 5));
    reg(1);

    // Wednesday from timetable B, as proposed.
    click(child<QRadioButton>(&f, u"Option1_1"_s));
    QCOMPARE(child<QToolButton>(&f, u"cmdWeek_%1"_s.arg(cell(2, 1)))->text(), u"図工"_s);
    QCOMPARE(child<QToolButton>(&f, u"cmdWeek_%1"_s.arg(cell(0, 5)))->text(), u"学活"_s); // registered, kept
    reg(2);

    // Tuesday 8 September from timetable A, as proposed.
    click(child<QRadioButton>(&f, u"Option1_0"_s));
    clickDay(m_program->window->MonthView1(), QDate(2026, 9, 8));
    QCOMPARE(child<QLabel>(&f, u"Label2_1"_s)->text(), u"9／8(火)"_s);
    QCOMPARE(child<QToolButton>(&f, u"cmdWeek_%1"_s.arg(cell(1, 4)))->text(), u"社会"_s);
    reg(1);
}

void TestTeacherYear::saveCloseAndOpen()
{
    const QString file = m_dir.filePath(u"3年2組.vl2"_s);
    m_program->prompts.fileNames.enqueue(file);
    item(u"mnuFileSaveAs"_s)->trigger();
    QVERIFY(QFileInfo::exists(file));

    // Just saved: nothing to lose, so closing asks nothing.
    const qsizetype shownBefore = m_program->prompts.shown.size();
    item(u"mnuFileClose"_s)->trigger();
    QCOMPARE(m_program->prompts.shown.size(), shownBefore);
    QVERIFY(!m_program->state.objDayHead->objNextDay()); // the records are gone
    QVERIFY(m_program->state.strFileName.isEmpty());

    m_program->prompts.fileNames.enqueue(file);
    item(u"mnuFileOpen"_s)->trigger();
    QCOMPARE(m_program->state.strFileName, file);
    QCOMPARE(m_program->state.strTeacher, u"山田花子"_s);
    QCOMPARE(m_program->prompts.answers.size(), 0);
    QCOMPARE(m_program->prompts.fileNames.size(), 0);
}

void TestTeacherYear::checkTotalsTable()
{
    item(u"mnuViewShowTimeTable"_s)->trigger();
    auto* totals = m_program->window->windowList().find<frmDispTimeTable>();
    QVERIFY(totals);
    click(child<QRadioButton>(totals, u"optSeason0"_s));
    const QTableWidget* grid = child<QTableWidget>(totals, u"gridTimeTable"_s);
    QVERIFY(grid);

    // Term 1 records: Mon 国国算算学, Tue 算国理社(60分)国, Wed 図図道; all
    // 45 minutes = 3 units but 社会 = 4. Tue 8 Sept 算国理社 belongs to term 2.
    //                 term: plan, actual, difference | year: plan, actual, difference
    const QList<QStringList> rows{
        // plan 20+15 lessons; actual term 1 = 4×3 = 12 units, year +3 = 15
        {u"国語"_s, u"20.0"_s, u"4.0"_s, u"-16.0"_s, u"35.0"_s, u"5.0"_s, u"-30.0"_s},
        // actual 4 units = 1.1; year 4+3 = 7 = 2.1
        {u"社会"_s, u"0.0"_s, u"1.1"_s, u"1.1"_s, u"0.0"_s, u"2.1"_s, u"2.1"_s},
        // plan 31 units; actual 3×3 = 9 (-22 = -7.1), year 12 (-19 = -6.1)
        {u"算数"_s, u"10.1"_s, u"3.0"_s, u"-7.1"_s, u"10.1"_s, u"4.0"_s, u"-6.1"_s},
        {u"理科"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s, u"0.0"_s, u"2.0"_s, u"2.0"_s},
        {u"図工"_s, u"0.0"_s, u"2.0"_s, u"2.0"_s, u"0.0"_s, u"2.0"_s, u"2.0"_s},
        {u"体育"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s}, // cancelled
        // 12+4+9+3+6 = 34 units; plan 60+31 = 91 (year 136); year 34+12 = 46
        {u"教科小計"_s, u"30.1"_s, u"11.1"_s, u"-19.0"_s, u"45.1"_s, u"15.1"_s, u"-30.0"_s},
        {u"道徳"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s},
        {u"学活"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s},
        {u"特活小計"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s},
        // 34 + 道徳 3 + 特活 3 = 40 units; year 52
        {u"総授業時数"_s, u"30.1"_s, u"13.1"_s, u"-17.0"_s, u"45.1"_s, u"17.1"_s, u"-28.0"_s},
        {u"総時数"_s, u"30.1"_s, u"13.1"_s, u"-17.0"_s, u"45.1"_s, u"17.1"_s, u"-28.0"_s},
    };
    for (const QStringList& expected : rows) {
        int row = 1;
        while (row < grid->rowCount() && grid->item(row, 0)->text() != expected.first())
            ++row;
        QCOMPARE(gridRow(grid, row), expected);
    }
}

void TestTeacherYear::checkAnnualReport()
{
    RecordingPrinter printer;
    subPrintYear(m_program->state, printer);

    // Columns: 国 社 算 理 生 音 図 家 体 読 英 教科小計 総 道 学 ク 児 行
    // 特活小計 総授業時数 打切 予備 総時数; the same figures as the table.
    QCOMPARE(reportFigures(printer, u"一学期　実績"_s),
             QStringList({u"4.0"_s, u"1.1"_s, u"3.0"_s, u"1.0"_s,  u"0.0"_s, u"0.0"_s, u"2.0"_s, u"0.0"_s,
                          u"0.0"_s, u"0.0"_s, u"0.0"_s, u"11.1"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s, u"0.0"_s,
                          u"0.0"_s, u"0.0"_s, u"1.0"_s, u"13.1"_s, u"0.0"_s, u"0.0"_s, u"13.1"_s}));
    QCOMPARE(reportFigures(printer, u"年　間　計画"_s),
             QStringList({u"35.0"_s, u"0.0"_s, u"10.1"_s, u"0.0"_s,  u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s,
                          u"0.0"_s,  u"0.0"_s, u"0.0"_s,  u"45.1"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s,
                          u"0.0"_s,  u"0.0"_s, u"0.0"_s,  u"45.1"_s, u"0.0"_s, u"0.0"_s, u"45.1"_s}));
    QCOMPARE(reportFigures(printer, u"年　間　実績"_s),
             QStringList({u"5.0"_s, u"2.1"_s, u"4.0"_s, u"2.0"_s,  u"0.0"_s, u"0.0"_s, u"2.0"_s, u"0.0"_s,
                          u"0.0"_s, u"0.0"_s, u"0.0"_s, u"15.1"_s, u"0.0"_s, u"1.0"_s, u"1.0"_s, u"0.0"_s,
                          u"0.0"_s, u"0.0"_s, u"1.0"_s, u"17.1"_s, u"0.0"_s, u"0.0"_s, u"17.1"_s}));
    // The special holiday is gone from the school days: 70 in term 1, 194 in the year.
    QList<int> schoolDays;
    for (const PrintItem& text : printer.texts()) {
        if (text.text.startsWith(u"授業日数"_s))
            schoolDays.append(text.text.sliced(4).chopped(1).trimmed().toInt());
    }
    QCOMPARE(schoolDays.size(), 4);
    QCOMPARE(schoolDays.first(), 70);
    QCOMPARE(schoolDays.last(), 194);
}

QTEST_MAIN(TestTeacherYear)
#include "tst_teacheryear.moc"
