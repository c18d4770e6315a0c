// The outlook window: the core's figures in the grid, the choices of term,
// reference date and timetable, following the class, forgotten days shown in
// the main window, and the CSV.
#include "core/appstate.h"
#include "core/csvtable.h"
#include "core/outlook.h"
#include "core/units.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/classwatch.h"
#include "ui/common/windowlist.h"
#include "ui/main/frmmain.h"
#include "ui/main/recordingframe.h"
#include "ui/outlook/frmoutlook.h"

#include <QAction>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// Grid rows below the two heading rows, and the columns of a stretch.
constexpr int Kokugo = 2;
constexpr int Rika = 5;
constexpr int Taiiku = 10;
constexpr int Rate = 3;
constexpr int Expected = 4;
constexpr int Difference = 6;
constexpr int Year = 6; // added to a term column gives the year's

QString cellText(const frmOutlook& window, int row, int column)
{
    return window.gridOutlook()->item(row, column)->text();
}

QColor cellColour(const frmOutlook& window, int row, int column)
{
    return window.gridOutlook()->item(row, column)->foreground().color();
}

QList<QDate> listedDates(const frmOutlook& window)
{
    QList<QDate> dates;
    for (int row = 0; row < window.lstUnregistered()->count(); ++row)
        dates << window.shownOutlook().unregisteredDays.value(row);
    return dates;
}

QStringList listedTexts(const frmOutlook& window)
{
    QStringList texts;
    for (int row = 0; row < window.lstUnregistered()->count(); ++row)
        texts << window.lstUnregistered()->item(row)->text();
    return texts;
}

} // namespace

class TestOutlookWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void gridShowsTheCoresFigures_data();
    void gridShowsTheCoresFigures();
    void referenceDateOfToday_data();
    void referenceDateOfToday();
    void followsTheClassWhileOpen();
    void overflowGivesAMessageAndKeepsTheOutlook();
    void fitsASmallScreen();
    void forgottenDayShownAndRegisteredInTheMainWindow();
    void csvSave_data();
    void csvSave();

private:
    frmOutlook& window();

    std::unique_ptr<AppState> m_state;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    std::unique_ptr<frmOutlook> m_window;
    QTemporaryDir m_dir;
};

void TestOutlookWindow::init()
{
    m_state = std::make_unique<AppState>();
    test::setUpClass2026(*m_state);
    m_state->setToday(QDate(2026, 11, 16));
    m_prompts = std::make_unique<test::ScriptedPrompts>();
}

void TestOutlookWindow::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    m_state.reset();
}

frmOutlook& TestOutlookWindow::window()
{
    if (!m_window) {
        m_window = std::make_unique<frmOutlook>(*m_state, *m_prompts);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qFatal("outlook not shown");
        m_window->Form_Activate();
    }
    return *m_window;
}

// The test class's last school days are Monday 15 to Thursday 18 March 2027.
// From Friday 12 March timetable A brings 国 12 and 体 6 units, B 体 60 and
// no 国; the plan of term 3 holds 6 units of 国.
void TestOutlookWindow::gridShowsTheCoresFigures_data()
{
    QTest::addColumn<int>("timetable");
    QTest::addColumn<QStringList>("kokugo"); // 見込み, 見込み合計, 見込み差
    QTest::addColumn<QColor>("kokugoColour");
    QTest::addColumn<QColor>("rikaColour");
    QTest::newRow("A") << 0 << QStringList{u"4.0"_s, u"4.0"_s, u"2.0"_s} << QColor(0, 0, 255)
                       << QColor(0, 0, 255);
    QTest::newRow("B") << 1 << QStringList{u"0.0"_s, u"0.0"_s, u"-2.0"_s} << QColor(255, 0, 0)
                       << QColor(0, 0, 0);
}

void TestOutlookWindow::gridShowsTheCoresFigures()
{
    QFETCH(int, timetable);
    QFETCH(QStringList, kokugo);
    QFETCH(QColor, kokugoColour);
    QFETCH(QColor, rikaColour);
    test::setTermPlan(*m_state, 3, TotalField::kokugo, 6);
    frmOutlook& w = window();
    w.dtpReference()->setDate(QDate(2027, 3, 12));
    QTest::mouseClick(w.optTimetable(timetable), Qt::LeftButton);

    // The reference date chose its term.
    QVERIFY(w.optSeason(2)->isChecked());
    QCOMPARE(cellText(w, 0, 1), u"三学期"_s);
    QCOMPARE(cellText(w, 0, 1 + Year), u"年間"_s);
    QCOMPARE(cellText(w, 1, 1), u"計画"_s);
    QCOMPARE(cellText(w, 1, 6 + Year), u"見込み差"_s);
    QCOMPARE(cellText(w, Kokugo, 0), u"国語"_s);
    QCOMPARE(cellText(w, 24, 0), u"総時数"_s);
    for (const int offset : {0, Year}) {
        QCOMPARE(cellText(w, Kokugo, 1 + offset), u"2.0"_s);
        QCOMPARE(cellText(w, Kokugo, Rate + offset), u"0.0%"_s);
        QCOMPARE(cellText(w, Rika, Rate + offset), u"—"_s); // nothing planned
        QCOMPARE((QStringList{cellText(w, Kokugo, Expected + offset), cellText(w, Kokugo, 5 + offset),
                              cellText(w, Kokugo, Difference + offset)}),
                 kokugo);
        QCOMPARE(cellColour(w, Kokugo, Difference + offset), kokugoColour);
        QCOMPARE(cellColour(w, Rika, Difference + offset), rikaColour);
        QCOMPARE(cellColour(w, Kokugo, Expected + offset), QColor(0, 0, 0));
    }
    QCOMPARE(cellText(w, Taiiku, Expected), timetable == 0 ? u"2.0"_s : u"20.0"_s);

    // Every cell is the core's figure for these choices.
    const Outlook outlook = fncOutlook(*m_state, QDate(2027, 3, 12), timetable == 0);
    for (int row = 0; row < 23; ++row) {
        for (const int stretch : {2, Outlook::YearStretch}) {
            const OutlookFigures& f = outlook.stretches.at(std::size_t(stretch)).rows.at(std::size_t(row));
            const int first = stretch == 2 ? 1 : 1 + Year;
            const QStringList expected{fncCreditToStr(f.plan),
                                       fncCreditToStr(f.held),
                                       implementationRateText(f.plan, f.held),
                                       fncCreditToStr(f.expected),
                                       fncCreditToStr(f.expectedTotal),
                                       fncCreditToStr(f.expectedDifference)};
            for (int i = 0; i < 6; ++i)
                QCOMPARE(cellText(w, 2 + row, first + i), expected.at(i));
        }
    }
    QCOMPARE(w.lblRemaining()->text(), u"残り授業日数（基準日の翌日から）　三学期 4日　年間 4日"_s);
    QCOMPARE(listedDates(w), outlook.unregisteredDays);
    QVERIFY(w.lblNote()->text().contains(foreignLanguageNote(3)));

    // Another term changes the term's columns only.
    const QString yearKokugo = cellText(w, Kokugo, Expected + Year);
    QTest::mouseClick(w.optSeason(0), Qt::LeftButton);
    QCOMPARE(cellText(w, 0, 1), u"一学期"_s);
    QCOMPARE(cellText(w, Kokugo, 1), u"0.0"_s);
    QCOMPARE(cellText(w, Kokugo, Expected), u"0.0"_s);
    QCOMPARE(cellText(w, Kokugo, Expected + Year), yearKokugo);
    QCOMPARE(w.lblRemaining()->text(), u"残り授業日数（基準日の翌日から）　一学期 0日　年間 4日"_s);
}

void TestOutlookWindow::referenceDateOfToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("reference");
    QTest::addColumn<int>("season");
    QTest::newRow("inside the year") << QDate(2026, 11, 16) << QDate(2026, 11, 16) << 1;
    QTest::newRow("before it") << QDate(2026, 3, 10) << QDate(2026, 4, 1) << 0;
    QTest::newRow("after it") << QDate(2027, 5, 20) << QDate(2027, 3, 31) << 2;
}

void TestOutlookWindow::referenceDateOfToday()
{
    QFETCH(QDate, today);
    QFETCH(QDate, reference);
    QFETCH(int, season);
    m_state->setToday(today);
    frmOutlook& w = window();
    QCOMPARE(w.dtpReference()->date(), reference);
    QCOMPARE(w.shownOutlook().referenceDate, reference);
    QCOMPARE(w.selectedSeason(), season);
    QCOMPARE(w.dtpReference()->minimumDate(), QDate(2026, 4, 1));
    QCOMPARE(w.dtpReference()->maximumDate(), QDate(2027, 3, 31));
    QVERIFY(w.dtpReference()->text().contains(u"%1日("_s.arg(reference.day())));
}

void TestOutlookWindow::followsTheClassWhileOpen()
{
    WindowList windows;
    ClassWatch watch(*m_state);
    QWidget main;
    main.show();
    QPointer<frmOutlook> shown = showOutlook(windows, *m_state, *m_prompts, watch, main);
    QVERIFY(QTest::qWaitForWindowExposed(shown.data()));
    QCOMPARE(showOutlook(windows, *m_state, *m_prompts, watch, main), shown.data()); // one window
    QCOMPARE(windows.windows().size(), 1);
    shown->Form_Activate();

    // The teacher's choices stay while the class changes under the window.
    shown->dtpReference()->setDate(QDate(2026, 4, 10));
    QTest::mouseClick(shown->optTimetable(1), Qt::LeftButton);
    QCOMPARE(listedDates(*shown), (QList<QDate>{QDate(2026, 4, 6), QDate(2026, 4, 7), QDate(2026, 4, 8),
                                                QDate(2026, 4, 9), QDate(2026, 4, 10)}));
    QCOMPARE(listedTexts(*shown).first(), u"4／6(月)"_s);

    test::registerDay(*m_state, QDate(2026, 4, 7));
    m_state->intGrade = 5;
    watch.notifyChanged();
    QCOMPARE(listedDates(*shown),
             (QList<QDate>{QDate(2026, 4, 6), QDate(2026, 4, 8), QDate(2026, 4, 9), QDate(2026, 4, 10)}));
    QCOMPARE(cellText(*shown, Kokugo, 2), u"8.0"_s);
    QCOMPARE(shown->dtpReference()->date(), QDate(2026, 4, 10));
    QVERIFY(shown->optTimetable(1)->isChecked());
    QVERIFY(shown->lblNote()->text().isEmpty()); // no note for grade 5
    QVERIFY(m_prompts->messages().isEmpty());

    // Hidden by 閉じる, it is shown again with its choices.
    QTest::mouseClick(shown->cmdClose(), Qt::LeftButton);
    QVERIFY(shown->isHidden());
    QCOMPARE(showOutlook(windows, *m_state, *m_prompts, watch, main), shown.data());
    QCOMPARE(shown->dtpReference()->date(), QDate(2026, 4, 10));

    // A class of another school year takes the reference date of today in it.
    m_state->intYear = 2027;
    m_state->setToday(QDate(2027, 6, 1));
    watch.notifyChanged();
    QCOMPARE(shown->dtpReference()->date(), QDate(2027, 6, 1));
    QCOMPARE(shown->dtpReference()->maximumDate(), QDate(2028, 3, 31));

    // Escape closes it like 閉じる.
    QTest::keyClick(shown->cmdClose(), Qt::Key_Escape);
    QVERIFY(shown->isHidden());
}

void TestOutlookWindow::overflowGivesAMessageAndKeepsTheOutlook()
{
    frmOutlook& w = window();
    w.dtpReference()->setDate(QDate(2026, 11, 16));
    const QString before = cellText(w, Kokugo, Difference);
    QVERIFY(m_prompts->messages().isEmpty());

    // Term 3's plan leaves no room for its 見込み差.
    test::setTermPlan(*m_state, 3, TotalField::kokugo, -32768);
    QTest::mouseClick(w.optSeason(2), Qt::LeftButton);
    QCOMPARE(m_prompts->messages(), QStringList{u"見通しを作れませんでした。\nオーバーフローしました。"_s});
    QVERIFY(w.optSeason(1)->isChecked()); // the option of the term still shown
    QCOMPARE(cellText(w, 0, 1), u"二学期"_s);
    QCOMPARE(cellText(w, Kokugo, Difference), before);
    QVERIFY(w.isVisible());
}

void TestOutlookWindow::fitsASmallScreen()
{
    frmOutlook& w = window();
    // A 1024 × 768 screen less a title bar, a frame and a panel.
    QVERIFY2(w.width() <= 1024 - 10 && w.height() <= 768 - 80,
             qPrintable(u"%1×%2"_s.arg(w.width()).arg(w.height())));
    const QTableWidget& grid = *w.gridOutlook();
    const int right = grid.columnViewportPosition(12) + grid.columnWidth(12);
    const int bottom = grid.rowViewportPosition(24) + grid.rowHeight(24);
    QVERIFY(right <= grid.viewport()->width());
    QVERIFY(bottom <= grid.viewport()->height());
    for (int column = 0; column < grid.columnCount(); ++column) {
        const QString text = grid.item(1, column)->text();
        QVERIFY2(grid.fontMetrics().horizontalAdvance(text) < grid.columnWidth(column), qPrintable(text));
    }
    for (const QAbstractButton* button : w.findChildren<QAbstractButton*>())
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width(),
                 qPrintable(button->objectName()));
    const auto* dateText = w.dtpReference()->findChild<QLineEdit*>();
    QVERIFY2(dateText->fontMetrics().horizontalAdvance(dateText->text()) < dateText->width(),
             qPrintable(dateText->text()));
    const QLabel& note = *w.lblNote();
    const QRect needed = note.fontMetrics().boundingRect(note.contentsRect(), Qt::TextWordWrap, note.text());
    QVERIFY(needed.height() <= note.contentsRect().height());
}

// Through the program's menu: a forgotten day chosen in the outlook is shown
// in the main window, and registering it there updates the outlook at once.
void TestOutlookWindow::forgottenDayShownAndRegisteredInTheMainWindow()
{
    test::ProgramWindow program(m_dir.filePath(u"settings.ini"_s));
    test::setUpClass2026(program.state);
    program.state.setToday(QDate(2026, 4, 10));
    program.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
    program.window->Form_Activate();
    program.window->MonthView1_DateClick(QDate(2026, 6, 1));

    program.window->findChild<QAction*>(u"mnuViewShowOutlook"_s)->trigger();
    auto* outlook = program.window->windowList().find<frmOutlook>();
    QVERIFY(outlook && outlook->isVisible());
    QVERIFY(!outlook->isModal());
    QCOMPARE(outlook->dtpReference()->date(), QDate(2026, 4, 10));
    // Filled on its first showing.
    QTRY_COMPARE(outlook->lstUnregistered()->count(), 5);

    const QDate wednesday(2026, 4, 8);
    QListWidgetItem* item = outlook->lstUnregistered()->item(2);
    QCOMPARE(item->text(), u"4／8(水)"_s);
    const QRect place = outlook->lstUnregistered()->visualItemRect(item);
    QTest::mouseClick(outlook->lstUnregistered()->viewport(), Qt::LeftButton, {}, place.center());
    QCOMPARE(program.state.dateSelected, wednesday);
    QCOMPARE(program.state.dateWeekFirst, QDate(2026, 4, 6));
    QCOMPARE(program.state.dateWeekLast, QDate(2026, 4, 10));

    const QString heldBefore = cellText(*outlook, Kokugo, 2);
    program.window->fraSubject()->cmdReg_Click(wednesday.dayOfWeek() - 1);
    QVERIFY(heldRecordFor(*program.state.objDayHead, wednesday));
    QCOMPARE(outlook->lstUnregistered()->count(), 4);
    QVERIFY(!listedDates(*outlook).contains(wednesday));
    QVERIFY(cellText(*outlook, Kokugo, 2) != heldBefore);
    QVERIFY(program.prompts.shown.isEmpty());

    // Shown again from the menu, it is the same window.
    program.window->findChild<QAction*>(u"mnuViewShowOutlook"_s)->trigger();
    QCOMPARE(program.window->windowList().find<frmOutlook>(), outlook);
}

void TestOutlookWindow::csvSave_data()
{
    QTest::addColumn<QString>("target"); // "new", "class file", "cancel"
    QTest::addColumn<QString>("message");
    QTest::newRow("new file") << u"new"_s << QString();
    QTest::newRow("the class file itself") << u"class file"_s << u"CSVファイルを保存できませんでした。"_s;
    QTest::newRow("cancelled") << u"cancel"_s << QString();
}

void TestOutlookWindow::csvSave()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    const QString classFile = m_dir.filePath(u"class.vl2"_s);
    {
        QFile file(classFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("class");
    }
    m_state->strFileName = classFile;
    test::setTermPlan(*m_state, 2, TotalField::kokugo, 90);
    test::registerDay(*m_state, QDate(2026, 11, 2));
    frmOutlook& w = window();
    const QString csv = target == u"class file"_s ? classFile : m_dir.filePath(target + u".csv"_s);
    m_prompts->fileNames.enqueue(target == u"cancel"_s ? QString() : csv);
    QTest::mouseClick(w.cmdSaveCsv(), Qt::LeftButton);

    QCOMPARE(m_prompts->lastProposed, u"見通し_令和8年度_3年2組.csv"_s);
    QCOMPARE(m_prompts->shown.first().kind, u"save"_s);
    QFile classData(classFile);
    QVERIFY(classData.open(QIODevice::ReadOnly));
    QCOMPARE(classData.readAll(), QByteArray("class"));
    if (!message.isEmpty()) {
        QCOMPARE(m_prompts->messages().size(), 1);
        QVERIFY(m_prompts->messages().first().startsWith(message));
        return;
    }
    QVERIFY(m_prompts->messages().isEmpty());
    if (target == u"cancel"_s) {
        QVERIFY(!QFile::exists(csv));
        return;
    }
    // The outlook as shown: term 2 of today, 16 November.
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    CsvTable expected;
    for (const QStringList& row : outlookCsvRows(w.shownOutlook(), 1))
        expected.addRow(row);
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, expected.toBytes());
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s);
    QVERIFY(lines.at(1).startsWith(u"国語,30.0,1350,8.0,360,26.7%,"_s));
    QVERIFY(lines.contains(u"基準日,2026-11-16"_s));
}

QTEST_MAIN(TestOutlookWindow)
#include "tst_outlookwindow.moc"
