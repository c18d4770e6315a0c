// The setup wizard driven as a teacher drives it: the start page, the class
// page with its year question, the calendar page, and the chain between them
// with the main window kept up to date.
#include "core/appstate.h"
#include "core/nationalholidays.h"
#include "core/schoolcalendar.h"
#include "storage/classfile.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/monthview.h"
#include "ui/main/frmmain.h"
#include "ui/main/session.h"
#include "ui/wizard/dlgresultsorry.h"
#include "ui/wizard/frmwiz0.h"
#include "ui/wizard/frmwiz2.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/wizard.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::WizardPageId)
Q_DECLARE_METATYPE(lunaplan::Prompts::Answer)

namespace {

int recordCount(const AppState& state)
{
    int count = 0;
    for (auto day = state.objDayHead->objNextDay(); day; day = day->objNextDay())
        ++count;
    return count;
}

// Deletes the pages that were closed (they go with the event loop).
void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString labelText(const QWidget* page, const QString& name)
{
    const auto* label = page->findChild<QLabel*>(name);
    return label ? label->text() : u"(missing)"_s;
}

// Chooses a school year in the class page's list as the teacher does.
void chooseYear(frmWiz2& page, int year)
{
    const int index = page.cboWiz1Year()->findData(year);
    QVERIFY(index >= 0);
    page.cboWiz1Year()->setCurrentIndex(index);
    Q_EMIT page.cboWiz1Year()->activated(index);
}

} // namespace

class TestWizard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startPageOnFirstActivationOnly();
    void fileOnTheCommandLineSkipsTheStartPage();
    void startPageControls();
    void startPageOpensAFile();
    void startPageCancelledFileChoice();
    void navigation_data();
    void navigation();
    void classPageControls();
    void classPageShowsTheStoredClass();
    void classPageFirstRun_data();
    void classPageFirstRun();
    void closingFromTheTitleBarRefreshesTheMainWindow();
    void yearOutsideTheListIsKept();
    void yearQuestion_data();
    void yearQuestion();
    void yearChangeKeepsSpecialHolidaysAndSaves();
    void holidayRowsAreStored();
    void calendarPageShowsTheYear();
    void calendarClicksToggleHolidays();
    void calendarRefusesARecordedDay();
    void calendarRefusesAFullList();
    void walkThroughTheChain();

private:
    frmMain& main() const { return *m_window; }
    Wizard& wizard() const { return m_window->wizard(); }
    template <class Page> Page* open(WizardPageId id)
    {
        wizard().goTo(nullptr, id);
        return qobject_cast<Page*>(wizard().page(id));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<test::MainWindowUnderTest> m_window;
};

void TestWizard::init()
{
    m_state = std::make_unique<AppState>();
    // The class page offers years and preselects equinox days from today:
    // a date of school year 2026, whatever the clock says.
    m_state->setToday(QDate(2026, 6, 1));
    m_prompts = std::make_unique<test::ScriptedPrompts>();
    m_settings = std::make_unique<QSettings>(m_dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    m_settings->clear();
    m_window = std::make_unique<test::MainWindowUnderTest>(*m_state, *m_prompts, *m_settings);
}

void TestWizard::cleanup()
{
    m_window.reset();
    m_settings.reset();
    m_prompts.reset();
    m_state.reset();
}

void TestWizard::startPageOnFirstActivationOnly()
{
    QVERIFY(m_state->boolShowWizard);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The first showing activates the main window, which opens the start page.
    QTRY_VERIFY(wizard().page(WizardPageId::Start));
    QWidget* start = wizard().page(WizardPageId::Start);
    QVERIFY(start->isVisible());
    QVERIFY(!m_state->boolShowWizard);

    qobject_cast<frmWiz0*>(start)->Command1()->click();
    flushDeletions();
    QVERIFY(!wizard().page(WizardPageId::Start));
    main().Form_Activate();
    QVERIFY(!wizard().page(WizardPageId::Start));
    // An empty class year stays in the main window.
    QCOMPARE(m_state->intYear, 0);
}

void TestWizard::fileOnTheCommandLineSkipsTheStartPage()
{
    QStandardPaths::setTestModeEnabled(true); // the session's recovery copy stays out of the home folder
    Session session(QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2"));
    QCOMPARE(session.state().intYear, 2026);
    QVERIFY(!session.state().boolShowWizard);
    session.window().Form_Activate();
    QVERIFY(!session.window().wizard().page(WizardPageId::Start));
}

void TestWizard::startPageControls()
{
    auto* page = open<frmWiz0>(WizardPageId::Start);
    QVERIFY(page);
    QCOMPARE(page->windowTitle(), u"学級計画・授業計画ウィザード"_s);
    QCOMPARE(labelText(page, u"lblWiz0Comment"_s), u"新しい学級と授業の計画をします。"_s);
    QCOMPARE(page->optWiz0NewOrOld(0)->text(), u"新規作成"_s);
    QCOMPARE(page->optWiz0NewOrOld(1)->text(), u"既存のファイル"_s);
    QVERIFY(page->optWiz0NewOrOld(0)->isChecked());
    QCOMPARE(page->cmdWiz0Next()->text(), u"次へ"_s);
    QCOMPARE(page->Command1()->text(), u"設定の終了"_s);
    // Options one above the other, the buttons side by side below them.
    QVERIFY(page->optWiz0NewOrOld(0)->y() < page->optWiz0NewOrOld(1)->y());
    QCOMPARE(page->cmdWiz0Next()->y(), page->Command1()->y());
    QVERIFY(page->cmdWiz0Next()->x() < page->Command1()->x());
    QVERIFY(page->cmdWiz0Next()->y() > page->optWiz0NewOrOld(1)->y());
}

void TestWizard::startPageOpensAFile()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(wizard().page(WizardPageId::Start));
    auto* page = qobject_cast<frmWiz0*>(wizard().page(WizardPageId::Start));
    page->optWiz0NewOrOld(1)->click();
    const QString file = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    m_prompts->fileNames.enqueue(file);
    page->cmdWiz0Next()->click();

    QCOMPARE(m_prompts->shown.first().kind, u"open"_s);
    QCOMPARE(m_prompts->shown.first().text, u"開く"_s);
    QCOMPARE(m_prompts->lastFilter, u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2"_s);
    QCOMPARE(m_state->strFileName, file);
    QCOMPARE(m_state->intYear, 2026);
    flushDeletions();
    QVERIFY(!wizard().page(WizardPageId::Start));
    // The main window shows the class at once, without waiting for an activation.
    QVERIFY(main().statusPanel()->text().startsWith(u"2026年　3年2組"_s));
    const MonthView* calendar = main().MonthView1();
    QCOMPARE(calendar->minDate(), QDate(2026, 4, 1));
    int bold = 0;
    for (int i = 1; i <= calendar->visibleDayCount(); ++i)
        bold += calendar->isDayBold(calendar->visibleDay(i)) ? 1 : 0;
    QVERIFY(bold > 0);
}

void TestWizard::startPageCancelledFileChoice()
{
    auto* page = open<frmWiz0>(WizardPageId::Start);
    page->optWiz0NewOrOld(1)->click();
    m_prompts->fileNames.enqueue(QString());
    page->cmdWiz0Next()->click();
    flushDeletions();
    QCOMPARE(wizard().page(WizardPageId::Start), page);
    QVERIFY(page->optWiz0NewOrOld(1)->isChecked());
    QCOMPARE(m_state->intYear, 0);
    QVERIFY(m_state->strFileName.isEmpty());
}

void TestWizard::navigation_data()
{
    QTest::addColumn<WizardPageId>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected"); // the page open afterwards; -1 none
    const int none = -1;
    const auto id = [](WizardPageId page) { return static_cast<int>(page); };
    QTest::newRow("start 次へ (new)") << WizardPageId::Start << u"cmdWiz0Next"_s << id(WizardPageId::Class);
    QTest::newRow("start 設定の終了") << WizardPageId::Start << u"Command1"_s << none;
    QTest::newRow("class 前へ") << WizardPageId::Class << u"cmdWiz2Before"_s << id(WizardPageId::Start);
    QTest::newRow("class 次へ") << WizardPageId::Class << u"cmdWiz2Next"_s << id(WizardPageId::Calendar);
    QTest::newRow("class 設定の終了") << WizardPageId::Class << u"cmdWiz2Cancel"_s << none;
    QTest::newRow("calendar 前へ") << WizardPageId::Calendar << u"cmdWiz3Before"_s << id(WizardPageId::Class);
    QTest::newRow("calendar 設定の終了") << WizardPageId::Calendar << u"cmdWiz3Cancel"_s << none;
}

void TestWizard::navigation()
{
    QFETCH(WizardPageId, from);
    QFETCH(QString, button);
    QFETCH(int, expected);
    test::setUpClass2026(*m_state);
    m_state->boolShowWizard = false;
    m_state->boolEditWeekA = false;

    wizard().goTo(nullptr, from);
    QPointer<QWidget> page = wizard().page(from);
    QVERIFY(page);
    auto* pushButton = page->findChild<QPushButton*>(button);
    QVERIFY(pushButton);
    pushButton->click();
    flushDeletions();

    QVERIFY(!page);
    for (const WizardPageId other : {WizardPageId::Start, WizardPageId::Class, WizardPageId::Calendar}) {
        QWidget* open = wizard().page(other);
        QCOMPARE(open != nullptr, static_cast<int>(other) == expected);
        if (open)
            QVERIFY(open->isVisible());
    }
    QVERIFY(!m_state->boolEditWeekA);
    QVERIFY(m_prompts->shown.isEmpty());
}

void TestWizard::classPageControls()
{
    auto* page = open<frmWiz2>(WizardPageId::Class);
    QCOMPARE(page->windowTitle(), u"学級計画・授業計画ウィザード"_s);
    const QList<std::pair<QString, QString>> labels{
        {u"lblWiz1Comment"_s, u"新しいクラスの設定をします。"_s},
        {u"lblWiz1Year"_s, u"年度"_s},
        {u"lblWiz1Class"_s, u"クラス"_s},
        {u"lblWiz1Rank"_s, u"学年"_s},
        {u"lblWiz1Kumi"_s, u"組"_s},
        {u"lblWiz1Teacher"_s, u"担任"_s},
        {u"lblWiz2Comment"_s, u"休日の設定をします。"_s},
        {u"lblWiz2Holiday_0"_s, u"春休み（年度始め）"_s},
        {u"lblWiz2Holiday_1"_s, u"夏休み"_s},
        {u"lblWiz2Holiday_2"_s, u"冬休み"_s},
        {u"lblWiz2Holiday_3"_s, u"春休み（年度末）"_s},
        {u"lblWiz2Holiday_4"_s, u"秋分の日"_s},
        {u"lblWiz2Holiday_7"_s, u"春分の日"_s},
        {u"lblWiz2Holiday_8"_s, u"土曜日の扱い ... Ver2.0以降では完全週休二日としました。"_s},
        {u"lblWiz2Holiday_9"_s, u"4／1"_s},
        {u"lblWiz2Holiday_10"_s, u"7／"_s},
        {u"lblWiz2Holiday_11"_s, u"12／"_s},
        {u"lblWiz2Holiday_12"_s, u"3／"_s},
        {u"lblWiz2Holiday_13"_s, u"9／"_s},
        {u"lblWiz2Holiday_16"_s, u"3／"_s},
        {u"lblWiz2Holiday_17"_s, u"～　4／"_s},
        {u"lblWiz2Holiday_18"_s, u"～　8／"_s},
        {u"lblWiz2Holiday_19"_s, u"～　1／"_s},
        {u"lblWiz2Holiday_20"_s, u"～　3／31"_s},
    };
    for (const auto& [name, text] : labels)
        QCOMPARE(labelText(page, name), text);
    QCOMPARE(page->cmdWiz2Before()->text(), u"前へ"_s);
    QCOMPARE(page->cmdWiz2Next()->text(), u"次へ"_s);
    QCOMPARE(page->cmdWiz2Cancel()->text(), u"設定の終了"_s);

    // The year list: entry k is school year 2002 + k, up to five years ahead.
    QComboBox* years = page->cboWiz1Year();
    QCOMPARE(years->itemText(0), u"平成14年度(2002年度)"_s);
    QCOMPARE(years->itemText(10), u"平成24年度(2012年度)"_s);
    QCOMPARE(years->itemText(17), u"令和元年度(2019年度)"_s);
    QCOMPARE(years->itemData(24).toInt(), 2026);
    QCOMPARE(years->count(), 30); // up to 2031
    QCOMPARE(years->itemData(29).toInt(), 2031);
    QCOMPARE(years->currentIndex(), -1);
    QCOMPARE(page->cboWiz1Class(0)->count(), 6);
    QCOMPARE(page->cboWiz1Class(1)->count(), 12);
    QCOMPARE(page->cboWiz1Class(1)->itemText(11), u"12"_s);
    QVERIFY(page->cboWiz1Class(0)->currentText().isEmpty());
    QVERIFY(page->cboWiz1Class(1)->currentText().isEmpty());

    // Day boxes: first and last entry, design-time day.
    const int boxes[][4] = {{0, 2, 12, 4}, {1, 18, 27, 20}, {5, 17, 31, 31}, {2, 18, 27, 25},
                            {8, 2, 29, 7}, {3, 15, 29, 19}, {4, 21, 23, 23}, {7, 20, 21, 20}};
    const EquinoxDays equinoxes = equinoxDays(2026);
    for (const auto& box : boxes) {
        QComboBox* combo = page->cboWiz2Holiday(box[0]);
        QCOMPARE(combo->itemText(0).toInt(), box[1]);
        QCOMPARE(combo->itemText(combo->count() - 1).toInt(), box[2]);
        const int initial = box[0] == 4 ? equinoxes.autumn : box[0] == 7 ? equinoxes.vernal : box[3];
        QCOMPARE(combo->currentText().toInt(), initial);
    }
    QVERIFY(!page->cboWiz2Holiday(6));
    // The rows stand in screen order, one under the other.
    QVERIFY(page->cboWiz2Holiday(0)->y() < page->cboWiz2Holiday(1)->y());
    QVERIFY(page->cboWiz2Holiday(3)->y() < page->cboWiz2Holiday(4)->y());
    QVERIFY(page->cboWiz2Holiday(4)->y() < page->cboWiz2Holiday(7)->y());
    QCOMPARE(page->cboWiz2Holiday(1)->y(), page->cboWiz2Holiday(5)->y());
}

void TestWizard::classPageShowsTheStoredClass()
{
    m_state->intYear = 2003;
    m_state->intGrade = 0;
    m_state->strClass = u"さくら"_s;
    m_state->strTeacher = u"鈴木一郎"_s;
    m_state->boolCalendarReady = true;
    HolidayPeriodDays days;
    days.springEnd = 7;
    days.summerStart = 22;
    days.winterEnd = 8;
    days.autumnEquinox = 23;
    days.vernalEquinox = 21;
    subSetHoliday(*m_state, days);

    auto* page = open<frmWiz2>(WizardPageId::Class);
    QCOMPARE(page->cboWiz1Year()->currentText(), u"平成15年度(2003年度)"_s);
    // Opening the page moves nothing in the main window: the week on show stays.
    QVERIFY(m_state->boolCalendarReady);
    QCOMPARE(m_state->intGrade, 1);
    QCOMPARE(page->cboWiz1Class(0)->currentText(), u"1"_s);
    QCOMPARE(page->cboWiz1Class(1)->currentText(), u"さくら"_s);
    QCOMPARE(page->txtWiz1Teacher()->text(), u"鈴木一郎"_s);
    QCOMPARE(m_state->strTeacher, u"鈴木一郎"_s);
    QCOMPARE(page->cboWiz2Holiday(0)->currentText(), u"7"_s);
    QCOMPARE(page->cboWiz2Holiday(1)->currentText(), u"22"_s);
    QCOMPARE(page->cboWiz2Holiday(8)->currentText(), u"8"_s);
    QCOMPARE(page->cboWiz2Holiday(7)->currentText(), u"21"_s);

    // What was typed is stored before the page refills at its next activation.
    page->cboWiz2Holiday(0)->setCurrentIndex(0);
    page->txtWiz1Teacher()->setText(u"高橋"_s);
    page->Form_Activate();
    QCOMPARE(page->cboWiz2Holiday(0)->currentText(), u"2"_s);
    QCOMPARE(m_state->dateSpringEnd, QDate(2003, 4, 2));
    QCOMPARE(page->txtWiz1Teacher()->text(), u"高橋"_s);
    QCOMPARE(m_state->strTeacher, u"高橋"_s);
}

void TestWizard::classPageFirstRun_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("year");
    QTest::newRow("June") << QDate(2026, 6, 1) << 2026;
    // With no year chosen the calendar year of today is stored, also in January to March.
    QTest::newRow("February") << QDate(2027, 2, 15) << 2027;
}

void TestWizard::classPageFirstRun()
{
    QFETCH(QDate, today);
    QFETCH(int, year);
    m_state->setToday(today);
    auto* page = open<frmWiz2>(WizardPageId::Class);
    page->cboWiz1Class(0)->setCurrentIndex(3);
    page->cboWiz1Class(1)->setEditText(u"2"_s);
    page->txtWiz1Teacher()->setText(u"山田花子"_s);
    page->cmdWiz2Next()->click();

    QCOMPARE(m_state->intYear, year);
    QCOMPARE(m_state->intGrade, 4);
    QCOMPARE(m_state->strClass, u"2"_s);
    QCOMPARE(m_state->strTeacher, u"山田花子"_s);
    // The equinox days of that year were preselected and stored.
    QCOMPARE(m_state->dateAutumnEquinox, QDate(year, 9, equinoxDays(year).autumn));
    QCOMPARE(m_state->dateVernalEquinox, QDate(year + 1, 3, equinoxDays(year).vernal));
    QVERIFY(m_state->boolSatOff);
    QVERIFY(wizard().page(WizardPageId::Calendar));
    // The main window shows the new class at once.
    QCOMPARE(main().statusPanel()->text(), QString::number(year) + u"年　4年2組　　担任：山田花子"_s);
}

void TestWizard::closingFromTheTitleBarRefreshesTheMainWindow()
{
    test::setUpClass2026(*m_state);
    auto* page = open<frmWiz2>(WizardPageId::Class);
    page->cboWiz1Class(0)->setCurrentIndex(5);
    Q_EMIT page->cboWiz1Class(0)->activated(5);
    QCOMPARE(m_state->intGrade, 6);
    page->close();
    QVERIFY(main().statusPanel()->text().startsWith(u"2026年　6年2組"_s));
}

void TestWizard::yearOutsideTheListIsKept()
{
    m_state->intYear = 1999;
    m_state->intGrade = 2;
    auto* page = open<frmWiz2>(WizardPageId::Class);
    QCOMPARE(page->cboWiz1Year()->currentText(), u"平成11年度(1999年度)"_s);
    QCOMPARE(page->cboWiz1Year()->itemText(page->cboWiz1Year()->currentIndex() + 1),
             u"平成14年度(2002年度)"_s);
    page->cmdWiz2Cancel()->click();
    QCOMPARE(m_state->intYear, 1999);
    QCOMPARE(m_state->dateYearStart, QDate(1999, 4, 1));
}

void TestWizard::yearQuestion_data()
{
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("visible");
    QTest::newRow("はい: records go, new year") << Prompts::Answer::Yes << 2027 << 0 << false;
    QTest::newRow("いいえ: nothing stored, page hidden") << Prompts::Answer::No << 2026 << 1 << false;
    QTest::newRow("キャンセル: nothing stored, page stays") << Prompts::Answer::Cancel << 2026 << 1 << true;
}

void TestWizard::yearQuestion()
{
    QFETCH(Prompts::Answer, answer);
    QFETCH(int, year);
    QFETCH(int, records);
    QFETCH(bool, visible);
    test::setUpClass2026(*m_state);
    m_state->objDayHead->appendDay(makeRecordedDay(QDate(2026, 6, 10), u"学国算社理　　　"_s, u"13333000"_s));

    auto* page = open<frmWiz2>(WizardPageId::Class);
    QVERIFY(page->isVisible());
    page->txtWiz1Teacher()->setText(u"新任"_s); // typed, not yet stored
    m_prompts->answers.enqueue(answer);
    chooseYear(*page, 2027);

    QCOMPARE(m_prompts->shown.size(), 1);
    QCOMPARE(m_prompts->shown[0].kind, u"yesnocancel"_s);
    QCOMPARE(m_prompts->shown[0].title, u"Lunaplan"_s);
    QCOMPARE(m_prompts->shown[0].text,
             u"学級計画・授業計画の年度が、実績を登録している年度と食い違っています。"
             u"実績を破棄してもいいときは「はい」を押してください（保存済みのファイルには影響ありません）。"
             u"「いいえ」を押すと実績はそのままですが、設定した計画はキャンセルとなります。"_s);
    QCOMPARE(m_state->intYear, year);
    QCOMPARE(recordCount(*m_state), records);
    QCOMPARE(page->isVisible(), visible);
    QCOMPARE(m_state->strTeacher, answer == Prompts::Answer::Yes ? u"新任"_s : u"山田花子"_s);
    QCOMPARE(m_state->intGrade, 3);
    QCOMPARE(m_state->strClass, u"2"_s);
    // Hidden, not destroyed: the page is there to be shown again.
    flushDeletions();
    QCOMPARE(wizard().page(WizardPageId::Class), page);
    // A new year shows in the main window at once.
    if (answer == Prompts::Answer::Yes)
        QVERIFY(main().statusPanel()->text().startsWith(u"2027年"_s));
}

void TestWizard::yearChangeKeepsSpecialHolidaysAndSaves()
{
    test::setUpClass2026(*m_state);
    m_state->intYear = 2027;
    subSetHoliday(*m_state, defaultHolidayPeriodDays(2027));
    QVERIFY(m_state->addHoliday(QDate(2027, 6, 1)));
    QVERIFY(m_state->addHoliday(QDate(2028, 2, 29)));
    m_state->strFileName = m_dir.filePath(u"class.vl2"_s);

    auto* page = open<frmWiz2>(WizardPageId::Class);
    chooseYear(*page, 2026);
    page->cmdWiz2Cancel()->click();

    QCOMPARE(m_state->intYear, 2026);
    QCOMPARE(m_state->intHolidayCount, 15);
    QCOMPARE(m_state->dateHoliday[14], QDate(2026, 6, 1));
    QVERIFY(!m_state->fncIsWorkDay(QDate(2026, 6, 1)));
    QCOMPARE(m_prompts->messages(),
             QStringList{u"令和8年度(2026年度)には2月29日がないため、特別な休日から外しました。"_s});
    // The equinox days of the new year were chosen: 21 March 2027.
    QCOMPARE(m_state->dateVernalEquinox, QDate(2027, 3, 21));
    // Whatever the wizard stored can be saved and read back.
    subSaveFile(*m_state, *m_prompts);
    AppState reread;
    reread.strFileName = m_state->strFileName;
    subLoadFile(reread, *m_prompts);
    QCOMPARE(reread.intYear, 2026);
    QCOMPARE(reread.dateHoliday[14], QDate(2026, 6, 1));
}

void TestWizard::holidayRowsAreStored()
{
    m_state->intYear = 2004;
    auto* page = open<frmWiz2>(WizardPageId::Class);
    const std::pair<int, int> chosen[] = {{0, 6}, {1, 21}, {5, 25}, {2, 24},
                                          {8, 9}, {3, 23}, {4, 22}, {7, 21}};
    for (const auto& [box, day] : chosen)
        page->cboWiz2Holiday(box)->setCurrentText(QString::number(day));
    page->cmdWiz2Cancel()->click();

    QCOMPARE(m_state->dateYearStart, QDate(2004, 4, 1));
    QCOMPARE(m_state->dateSpringEnd, QDate(2004, 4, 6));
    QCOMPARE(m_state->dateSummerStart, QDate(2004, 7, 21));
    QCOMPARE(m_state->dateSummerEnd, QDate(2004, 8, 25));
    QCOMPARE(m_state->dateWinterStart, QDate(2004, 12, 24));
    QCOMPARE(m_state->dateWinterEnd, QDate(2005, 1, 9));
    QCOMPARE(m_state->intWinterEndDay, 9);
    QCOMPARE(m_state->dateSpring2Start, QDate(2005, 3, 23));
    QCOMPARE(m_state->dateYearEnd, QDate(2005, 3, 31));
    QCOMPARE(m_state->dateAutumnEquinox, QDate(2004, 9, 22));
    QCOMPARE(m_state->dateVernalEquinox, QDate(2005, 3, 21));
    // The third Mondays of July and September 2004.
    QCOMPARE(m_state->dateHoliday[4], QDate(2004, 7, 19));
    QCOMPARE(m_state->dateHoliday[5], QDate(2004, 9, 20));
    QCOMPARE(m_state->dateHoliday[6], QDate(2004, 9, 22));
}

void TestWizard::calendarPageShowsTheYear()
{
    test::setUpClass2026(*m_state);
    subSetHoliday(*m_state, defaultHolidayPeriodDays(2026));
    auto* page = open<frmWiz3>(WizardPageId::Calendar);
    QCOMPARE(page->windowTitle(), u"学級計画・授業計画ウィザード"_s);
    QCOMPARE(
        page->fraWiz3Month()->title(),
        u"休日の設定（休日にしたい日付をクリックしてください。同じところをクリックすると取り消します。）"_s);

    const QDate firsts[] = {QDate(2026, 4, 1), QDate(2026, 8, 1), QDate(2027, 1, 1)};
    const QDate lasts[] = {QDate(2026, 7, 31), QDate(2026, 12, 31), QDate(2027, 3, 31)};
    for (int i = 0; i < 3; ++i) {
        const MonthView* calendar = page->mvWiz3Calendar(i);
        QCOMPARE(calendar->minDate(), firsts[i]);
        QCOMPARE(calendar->maxDate(), lasts[i]);
        // Every month of the term is on show.
        QCOMPARE(calendar->firstVisibleMonth(), firsts[i]);
        QCOMPARE(calendar->lastVisibleMonth(), QDate(lasts[i].year(), lasts[i].month(), 1));
    }
    // Term 1 on top, term 3 at the bottom.
    QVERIFY(page->mvWiz3Calendar(0)->y() < page->mvWiz3Calendar(1)->y());
    QVERIFY(page->mvWiz3Calendar(1)->y() < page->mvWiz3Calendar(2)->y());

    const MonthView* term1 = page->mvWiz3Calendar(0);
    for (int day = 1; day <= 4; ++day)
        QVERIFY(!term1->isDayBold(QDate(2026, 4, day)));
    QVERIFY(term1->isDayBold(QDate(2026, 4, 6)));
    QVERIFY(!term1->isDayBold(QDate(2026, 4, 11))); // Saturday
    QVERIFY(!term1->isDayBold(QDate(2026, 7, 20)));
    QVERIFY(!page->mvWiz3Calendar(1)->isDayBold(QDate(2026, 9, 22)));
    QVERIFY(page->mvWiz3Calendar(1)->holidays().contains(QDate(2026, 9, 22)));
    QVERIFY(page->mvWiz3Calendar(1)->isDayBold(QDate(2026, 12, 23)));
    QVERIFY(!page->mvWiz3Calendar(2)->isDayBold(QDate(2027, 2, 23)));
    QVERIFY(!page->mvWiz3Calendar(2)->isDayBold(QDate(2027, 3, 19)));

    QCOMPARE(page->lblWiz3NumberOfSchoolDays(0)->text(), u"１学期の授業日数　71日"_s);
    QCOMPARE(page->lblWiz3NumberOfSchoolDays(1)->text(), u"２学期の授業日数　77日"_s);
    QCOMPARE(page->lblWiz3NumberOfSchoolDays(2)->text(), u"３学期の授業日数　47日"_s);
    QCOMPARE(page->lblWiz3NumberOfSchoolDays(3)->text(), u"年間の授業日数　195日"_s);
    QCOMPARE(m_state->intWorkDaysYear, 195);
}

void TestWizard::calendarClicksToggleHolidays()
{
    test::setUpClass2026(*m_state);
    subSetHoliday(*m_state, defaultHolidayPeriodDays(2026));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_state->boolShowWizard = false;
    main().Form_Activate();
    main().MonthView1_DateClick(QDate(2026, 6, 10));
    auto* page = open<frmWiz3>(WizardPageId::Calendar);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    MonthView* term1 = page->mvWiz3Calendar(0);
    const QDate wednesday(2026, 6, 10);

    QTest::mouseClick(term1, Qt::LeftButton, {}, term1->dayRect(wednesday).center());
    QVERIFY(!term1->isDayBold(wednesday));
    QCOMPARE(m_state->intHolidayCount, 15);
    QCOMPARE(m_state->dateHoliday[14], wednesday);
    QCOMPARE(page->lblWiz3NumberOfSchoolDays(0)->text(), u"１学期の授業日数　70日"_s);
    QCOMPARE(page->lblWiz3NumberOfSchoolDays(3)->text(), u"年間の授業日数　194日"_s);
    QCOMPARE(m_state->intWorkDays1 + m_state->intWorkDays2 + m_state->intWorkDays3, m_state->intWorkDaysYear);
    // The main window's calendar and week follow at once.
    QVERIFY(!main().MonthView1()->isDayBold(wednesday));

    page->mvWiz3Calendar_DateClick(0, wednesday);
    QVERIFY(term1->isDayBold(wednesday));
    QCOMPARE(m_state->intHolidayCount, 14);
    QCOMPARE(page->lblWiz3NumberOfSchoolDays(0)->text(), u"１学期の授業日数　71日"_s);
    QVERIFY(main().MonthView1()->isDayBold(wednesday));

    // A national holiday and a day in the summer holiday stay as they are.
    page->mvWiz3Calendar_DateClick(0, QDate(2026, 4, 29));
    page->mvWiz3Calendar_DateClick(1, QDate(2026, 8, 5));
    QCOMPARE(m_state->intHolidayCount, 14);
    QCOMPARE(page->lblWiz3NumberOfSchoolDays(3)->text(), u"年間の授業日数　195日"_s);
    QVERIFY(m_prompts->shown.isEmpty());
}

void TestWizard::calendarRefusesARecordedDay()
{
    test::setUpClass2026(*m_state);
    const QDate held(2026, 6, 10);
    m_state->objDayHead->appendDay(makeRecordedDay(held, u"学国算社理　　　"_s, u"13333000"_s));
    auto* page = open<frmWiz3>(WizardPageId::Calendar);
    page->mvWiz3Calendar_DateClick(0, held);

    dlgResultSorry* sorry = page->resultSorry();
    QVERIFY(sorry->isVisible());
    QVERIFY(!sorry->isModal());
    QCOMPARE(sorry->windowTitle(), u"ごめんなさい"_s);
    QCOMPARE(sorry->lblResultSorry()->text(),
             u"選んだ日は、実績が登録されています。休日にすることはできません。休日にするときは、"
             u"実績登録画面で実績取消しをして、もう一度この画面で休日に選んでください。"_s);
    QCOMPARE(m_state->intHolidayCount, 14);
    QVERIFY(page->mvWiz3Calendar(0)->isDayBold(held));
    sorry->OKButton()->click();
    QVERIFY(!sorry->isVisible());
}

void TestWizard::calendarRefusesAFullList()
{
    test::setUpClass2026(*m_state);
    m_state->intHolidayCount = AppState::MaxHolidayCount;
    for (int i = 14; i < AppState::MaxHolidayCount; ++i) {
        m_state->dateHoliday[static_cast<std::size_t>(i)] = QDate(2026, 8, 1);
        m_state->intHolidayDay[static_cast<std::size_t>(i)] =
            static_cast<qint16>(QDate(2026, 8, 1).dayOfYear());
    }
    auto* page = open<frmWiz3>(WizardPageId::Calendar);
    page->mvWiz3Calendar_DateClick(0, QDate(2026, 6, 10));
    QCOMPARE(m_prompts->messages().size(), 1);
    QVERIFY(m_prompts->messages().first().contains(u"これ以上"_s));
    QCOMPARE(m_state->intHolidayCount, AppState::MaxHolidayCount);
    QVERIFY(page->mvWiz3Calendar(0)->isDayBold(QDate(2026, 6, 10)));
    QVERIFY(!m_state->dateHoliday[AppState::MaxHolidayCount].isValid());
}

void TestWizard::walkThroughTheChain()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(wizard().page(WizardPageId::Start));
    qobject_cast<frmWiz0*>(wizard().page(WizardPageId::Start))->cmdWiz0Next()->click();

    auto* classPage = qobject_cast<frmWiz2*>(wizard().page(WizardPageId::Class));
    QVERIFY(classPage);
    chooseYear(*classPage, 2026);
    classPage->cboWiz1Class(0)->setCurrentIndex(2);
    classPage->cboWiz1Class(1)->setEditText(u"2"_s);
    classPage->txtWiz1Teacher()->setText(u"山田花子"_s);
    QCOMPARE(classPage->cboWiz2Holiday(7)->currentText(), u"21"_s); // 21 March 2027
    classPage->cmdWiz2Next()->click();
    flushDeletions();
    QVERIFY(!wizard().page(WizardPageId::Class));

    auto* calendarPage = qobject_cast<frmWiz3*>(wizard().page(WizardPageId::Calendar));
    QVERIFY(calendarPage);
    QCOMPARE(calendarPage->lblWiz3NumberOfSchoolDays(3)->text(), u"年間の授業日数　195日"_s);
    calendarPage->mvWiz3Calendar_DateClick(2, QDate(2027, 2, 10));
    QCOMPARE(calendarPage->lblWiz3NumberOfSchoolDays(2)->text(), u"３学期の授業日数　46日"_s);
    m_state->boolEditWeekA = false;
    calendarPage->cmdWiz3Next()->click();
    QVERIFY(m_state->boolEditWeekA);

    QCOMPARE(main().statusPanel()->text(), u"2026年　3年2組　　担任：山田花子"_s);
    QCOMPARE(main().MonthView1()->minDate(), QDate(2026, 4, 1));
    QVERIFY(!main().MonthView1()->isDayBold(QDate(2027, 2, 10)) ||
            main().MonthView1()->lastVisibleMonth() < QDate(2027, 2, 1));
    QVERIFY(!m_state->fncIsWorkDay(QDate(2027, 2, 10)));
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
