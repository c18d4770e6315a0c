// The totals table: plan against the registered hours of a term and of the
// year, as figures and as CSV, and its window.
#include "core/appstate.h"
#include "core/errors.h"
#include "core/totalstable.h"
#include "core/units.h"
#include "storage/classfile.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/classwatch.h"
#include "ui/common/twips.h"
#include "ui/common/windowlist.h"
#include "ui/totals/frmdisptimetable.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::FigureTone)

namespace {

constexpr int Kokugo = 1; // row of 国語
constexpr int SouJisuu = 23;

void loadSample(AppState& state)
{
    test::ScriptedPrompts prompts;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    subLoadFile(state, prompts);
    if (state.intYear != 2026)
        qFatal("sample year not loaded");
}

QStringList rowTexts(const TotalsTable& table, int row)
{
    QStringList texts;
    for (int column = 0; column < TotalsTable::ColumnCount; ++column)
        texts.append(table.cell(row, column).text);
    return texts;
}

QStringList columnTexts(const TotalsTable& table, int column)
{
    QStringList texts;
    for (int row = 0; row < TotalsTable::RowCount; ++row)
        texts.append(table.cell(row, column).text);
    return texts;
}

QStringList gridRowTexts(const QTableWidget& grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid.columnCount(); ++column)
        texts.append(grid.item(row, column)->text());
    return texts;
}

// Prompts whose file dialog is a real window that takes the focus for a moment,
// as a file dialog does.
class FocusTakingPrompts final : public Prompts {
public:
    void message(const QString&, const QString&, Icon) override {}
    Answer askYesNo(const QString&, const QString&) override { return Answer::No; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
    bool askChoice(const QString&, const QString&, const QString&, const QString&) override { return false; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override
    {
        // Modal, as the file dialogs are.
        QWidget dialog;
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        dialog.activateWindow();
        dialogWasActive = QTest::qWaitForWindowActive(&dialog);
        return {};
    }

    bool dialogWasActive = false;
};

} // namespace

class TestTotalsTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    // The table as computed.
    void rowsShowTheirFields();
    void noRegisteredDay();
    void differenceColours_data();
    void differenceColours();
    void daysCountInTheTermOfTheirMonth_data();
    void daysCountInTheTermOfTheirMonth();
    void cancelledRegistrationNoLongerCounts();
    void switchingTermsKeepsTheYear();
    void planWithoutTerms();
    void differenceOutsideTheRange();
    void seasonForDate_data();
    void seasonForDate();
    void csvQuotesOnlyWhereNeeded();
    void csvMinutesAddUpWhereTextsDoNot();
    void noteForGrades3And4_data();
    void noteForGrades3And4();

    // The window.
    void arrangement();
    void activationChoosesTheTermOfTheSelectedDate_data();
    void activationChoosesTheTermOfTheSelectedDate();
    void activationShowsNewRegistrations();
    void choosingATermByHand();
    void overflowGivesAMessageAndKeepsTheTable();
    void closeHidesAndShowingAgainKeepsTheWindow();
    void csvOfTheSampleYear();
    void csvSaveCancelledOrFailing();
    void returnFromOwnDialogKeepsTheChosenTerm();

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<test::ScriptedPrompts> m_prompts;
    std::unique_ptr<frmDispTimeTable> m_window;
    QTemporaryDir m_dir;

    frmDispTimeTable& window();
};

void TestTotalsTable::init()
{
    m_state = std::make_unique<AppState>();
    test::setUpClass2026(*m_state);
    m_prompts = std::make_unique<test::ScriptedPrompts>();
}

void TestTotalsTable::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    m_state.reset();
}

frmDispTimeTable& TestTotalsTable::window()
{
    if (!m_window) {
        m_window = std::make_unique<frmDispTimeTable>(*m_state, *m_prompts);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qFatal("totals table not shown");
    }
    return *m_window;
}

void TestTotalsTable::rowsShowTheirFields()
{
    // Each field of the plan gets its own value, so a row showing another
    // field's figure is caught.
    VelaSeasonTotal& term = *m_state->objYearPlan->season(2);
    for (int i = 0; i < 23; ++i)
        term.setValue(static_cast<TotalField>(i), static_cast<qint16>(3 * (i + 1)));
    const TotalsTable table = fncTotalsTable(*m_state, 1);

    const QStringList headings{u"教科"_s,      u"学期･計画"_s, u"学期･実績"_s, u"学期･増減"_s,
                               u"年間･計画"_s, u"年間･実績"_s, u"年間･増減"_s};
    QCOMPARE(rowTexts(table, 0), headings);
    // Row heading and the field's declaration position (value / 3 - 1).
    const QList<std::pair<QString, int>> rows{
        {u"国語"_s, 0},      {u"社会"_s, 1},      {u"算数"_s, 2},      {u"理科"_s, 3},
        {u"生活"_s, 4},      {u"音楽"_s, 5},      {u"図工"_s, 6},      {u"家庭"_s, 7},
        {u"体育"_s, 8},      {u"読解"_s, 10},     {u"英語"_s, 9},      {u"教科小計"_s, 11},
        {u"総合"_s, 12},     {u"道徳"_s, 13},     {u"学活"_s, 14},     {u"ｸﾗﾌﾞ"_s, 15},
        {u"児童会"_s, 16},   {u"学校行事"_s, 17}, {u"特活小計"_s, 18}, {u"総授業時数"_s, 19},
        {u"打切時数"_s, 20}, {u"予備時数"_s, 22}, {u"総時数"_s, 21}};
    for (int row = 1; row <= 23; ++row) {
        const auto& [label, position] = rows[row - 1];
        QCOMPARE(table.cell(row, 0).text, label);
        QCOMPARE(table.cell(row, 1).text, QString::number(position + 1) + u".0");
    }
}

void TestTotalsTable::noRegisteredDay()
{
    // The plan of the year stands in column 4 as it is stored.
    test::setTermPlan(*m_state, 1, TotalField::kokugo, 97);
    const TotalsTable table = fncTotalsTable(*m_state, 0);

    QCOMPARE(rowTexts(table, Kokugo),
             (QStringList{u"国語"_s, u"32.1"_s, u"0.0"_s, u"-32.1"_s, u"32.1"_s, u"0.0"_s, u"-32.1"_s}));
    QCOMPARE(table.cell(Kokugo, 3).tone, FigureTone::Negative);
    QCOMPARE(table.cell(Kokugo, 6).tone, FigureTone::Negative);
    // Nothing planned, nothing held: black zeros.
    QCOMPARE(rowTexts(table, 2),
             (QStringList{u"社会"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s}));
    QCOMPARE(table.cell(2, 3).tone, FigureTone::Plain);
    QCOMPARE(table.cell(2, 6).tone, FigureTone::Plain);
}

void TestTotalsTable::differenceColours_data()
{
    QTest::addColumn<int>("planned");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("text");
    QTest::addColumn<FigureTone>("tone");
    // Each day holds 8 lessons (24 units) of 国語.
    QTest::newRow("less than planned") << 25 << 1 << u"-0.1"_s << FigureTone::Negative;
    QTest::newRow("as planned") << 48 << 2 << u"0.0"_s << FigureTone::Plain;
    QTest::newRow("more than planned") << 20 << 1 << u"1.1"_s << FigureTone::Positive;
    QTest::newRow("nothing planned") << 0 << 1 << u"8.0"_s << FigureTone::Positive;
}

void TestTotalsTable::differenceColours()
{
    QFETCH(int, planned);
    QFETCH(int, days);
    QFETCH(QString, text);
    QFETCH(FigureTone, tone);
    test::setTermPlan(*m_state, 1, TotalField::kokugo, static_cast<qint16>(planned));
    for (int d = 0; d < days; ++d)
        test::registerDay(*m_state, QDate(2026, 4, 13 + d));

    const TotalsTable table = fncTotalsTable(*m_state, 0);
    for (const int column : {3, 6}) {
        QCOMPARE(table.cell(Kokugo, column).text, text);
        QCOMPARE(table.cell(Kokugo, column).tone, tone);
    }
    // Plan and actual columns are never coloured.
    QCOMPARE(table.cell(Kokugo, 1).tone, FigureTone::Plain);
    QCOMPARE(table.cell(Kokugo, 2).tone, FigureTone::Plain);
}

void TestTotalsTable::daysCountInTheTermOfTheirMonth_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("season");
    QTest::newRow("April") << QDate(2026, 4, 6) << 0;
    QTest::newRow("31 July") << QDate(2026, 7, 31) << 0;
    QTest::newRow("summer holiday in August") << QDate(2026, 8, 20) << 1;
    QTest::newRow("December") << QDate(2026, 12, 24) << 1;
    QTest::newRow("January") << QDate(2027, 1, 8) << 2;
    QTest::newRow("March") << QDate(2027, 3, 31) << 2;
}

void TestTotalsTable::daysCountInTheTermOfTheirMonth()
{
    QFETCH(QDate, date);
    QFETCH(int, season);
    test::registerDay(*m_state, date);
    for (int shown = 0; shown < 3; ++shown) {
        const TotalsTable table = fncTotalsTable(*m_state, shown);
        const QString held = shown == season ? u"8.0"_s : u"0.0"_s;
        QCOMPARE(table.cell(Kokugo, 2).text, held);
        QCOMPARE(table.cell(SouJisuu, 2).text, held);
        QCOMPARE(table.cell(Kokugo, 5).text, u"8.0"_s);
    }
}

void TestTotalsTable::cancelledRegistrationNoLongerCounts()
{
    test::registerDay(*m_state, QDate(2026, 9, 1));
    test::registerDay(*m_state, QDate(2026, 9, 2), u'算');
    QCOMPARE(fncTotalsTable(*m_state, 1).cell(Kokugo, 2).text, u"8.0"_s);

    heldRecordFor(*m_state->objDayHead, QDate(2026, 9, 1))->setBoolNowPlanning(true);
    const TotalsTable table = fncTotalsTable(*m_state, 1);
    QCOMPARE(table.cell(Kokugo, 2).text, u"0.0"_s);
    QCOMPARE(table.cell(Kokugo, 5).text, u"0.0"_s);
    QCOMPARE(table.cell(3, 2).text, u"8.0"_s); // 算数 still counts
}

void TestTotalsTable::switchingTermsKeepsTheYear()
{
    loadSample(*m_state);
    const std::array<TotalsTable, 3> tables{fncTotalsTable(*m_state, 0), fncTotalsTable(*m_state, 1),
                                            fncTotalsTable(*m_state, 2)};
    for (int column = 4; column <= 6; ++column) {
        QCOMPARE(columnTexts(tables[1], column), columnTexts(tables[0], column));
        QCOMPARE(columnTexts(tables[2], column), columnTexts(tables[0], column));
    }
    for (int column = 1; column <= 3; ++column) {
        QVERIFY(columnTexts(tables[1], column) != columnTexts(tables[0], column));
        QVERIFY(columnTexts(tables[2], column) != columnTexts(tables[1], column));
    }
    // The sample's days end in December: nothing held in term 3 yet.
    QCOMPARE(tables[2].cell(SouJisuu, 2).text, u"0.0"_s);
    QCOMPARE(tables[0].cell(Kokugo, 4).text, u"245.0"_s);
    QCOMPARE(tables[0].cell(SouJisuu, 4).text, u"980.0"_s);
}

void TestTotalsTable::planWithoutTerms()
{
    m_state->objYearPlan->setObjFirstSeason(nullptr);
    test::registerDay(*m_state, QDate(2027, 1, 12));
    const TotalsTable table = fncTotalsTable(*m_state, 2);
    QCOMPARE(rowTexts(table, Kokugo),
             (QStringList{u"国語"_s, u"0.0"_s, u"8.0"_s, u"8.0"_s, u"0.0"_s, u"8.0"_s, u"8.0"_s}));

    // A chain cut after its first term: the missing terms count as zeros too.
    m_state->subInitYearPlan();
    m_state->objYearPlan->season(1)->setObjNextSeason(nullptr);
    QCOMPARE(fncTotalsTable(*m_state, 2).cell(Kokugo, 1).text, u"0.0"_s);
}

void TestTotalsTable::differenceOutsideTheRange()
{
    // A plan of -32768 units leaves no room for any difference above it.
    test::setTermPlan(*m_state, 2, TotalField::yobi, -32768);
    QVERIFY_THROWS_EXCEPTION(OverflowError, fncTotalsTable(*m_state, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, fncTotalsTable(*m_state, 3));
}

void TestTotalsTable::seasonForDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("season");
    QTest::newRow("1 April") << QDate(2026, 4, 1) << 0;
    QTest::newRow("31 July") << QDate(2026, 7, 31) << 0;
    QTest::newRow("1 August") << QDate(2026, 8, 1) << 1;
    QTest::newRow("31 December") << QDate(2026, 12, 31) << 1;
    QTest::newRow("1 January") << QDate(2027, 1, 1) << 2;
    QTest::newRow("31 March") << QDate(2027, 3, 31) << 2;
    QTest::newRow("no date") << QDate() << 2;
}

void TestTotalsTable::seasonForDate()
{
    QFETCH(QDate, date);
    QFETCH(int, season);
    QCOMPARE(lunaplan::seasonForDate(date), season);
}

void TestTotalsTable::csvQuotesOnlyWhereNeeded()
{
    TotalsTable table;
    table.cell(1, 1).text = u"a,b"_s;
    table.cell(1, 2).text = u"say \"hi\""_s;
    table.cell(1, 3).text = u"two\r\nlines"_s;
    table.cell(1, 4).text = u"-1.2"_s;
    const QByteArray csv = fncTotalsTableCsv(table);

    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(csv.mid(3));
    QVERIFY(text.endsWith(u"\r\n"_s));
    QCOMPARE(text.section(u"\r\n"_s, 0, 0),
             u"教科,学期･計画,学期･計画(分),学期･実績,学期･実績(分),学期･増減,学期･増減(分),"
             u"年間･計画,年間･計画(分),年間･実績,年間･実績(分),年間･増減,年間･増減(分)"_s);
    QVERIFY(
        text.contains(u"\r\n国語,\"a,b\",0,\"say \"\"hi\"\"\",0,\"two\r\nlines\",0,-1.2,0,,0,,0\r\n社会,"_s));
    QCOMPARE(text.count(u"\r\n"_s), TotalsTable::RowCount + 1); // the quoted line break as well
    QVERIFY(!QString(text).remove(u"\r\n"_s).contains(u'\n'));
}

// The issue a spreadsheet has with the q.r texts: 94.2 + 95.1 + 55.0 is
// 244.3 as decimals, but the hours are 245.0. The minutes add up.
void TestTotalsTable::csvMinutesAddUpWhereTextsDoNot()
{
    test::setTermPlan(*m_state, 1, TotalField::kokugo, 284);
    test::setTermPlan(*m_state, 2, TotalField::kokugo, 286);
    test::setTermPlan(*m_state, 3, TotalField::kokugo, 165);
    int minutes = 0;
    QStringList texts;
    QStringList year;
    for (int season = 0; season < 3; ++season) {
        const QStringList row = totalsTableCsvRows(fncTotalsTable(*m_state, season)).at(Kokugo);
        texts << row.at(1);
        minutes += row.at(2).toInt();
        year = row.mid(7, 2);
    }
    QCOMPARE(texts, (QStringList{u"94.2"_s, u"95.1"_s, u"55.0"_s}));
    QCOMPARE(year, (QStringList{u"245.0"_s, u"11025"_s}));
    QCOMPARE(minutes, 11025);
    QCOMPARE(minutes, 245 * 45);
}

void TestTotalsTable::noteForGrades3And4_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("figures");
    QTest::newRow("grade 2") << 2 << QString();
    QTest::newRow("grade 3") << 3 << u"教科小計840＝各教科805＋外国語活動35"_s;
    QTest::newRow("grade 4") << 4 << u"教科小計875＝各教科840＋外国語活動35"_s;
    QTest::newRow("grade 5") << 5 << QString();
}

void TestTotalsTable::noteForGrades3And4()
{
    QFETCH(int, grade);
    QFETCH(QString, figures);
    m_state->intGrade = static_cast<qint16>(grade);
    const QList<QStringList> rows = totalsTableCsvRows(fncTotalsTable(*m_state, 0));
    QCOMPARE(foreignLanguageNote(grade).isEmpty(), figures.isEmpty());
    QVERIFY(foreignLanguageNote(grade).contains(figures));
    if (figures.isEmpty()) {
        QCOMPARE(rows.size(), TotalsTable::RowCount);
        return;
    }
    QCOMPARE(rows.size(), TotalsTable::RowCount + 1);
    QCOMPARE(rows.constLast(), (QStringList{u"注"_s, foreignLanguageNote(grade)}));
    QVERIFY(rows.constLast().at(1).contains(u"外国語活動を「英語」の行"_s));
}

void TestTotalsTable::arrangement()
{
    frmDispTimeTable& w = window();
    QCOMPARE(w.windowTitle(), u"時数集計表"_s);
    QCOMPARE(w.size(), twipsSize(7740, 7650));
    const QStringList captions{u"一学期"_s, u"二学期"_s, u"三学期"_s};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.optSeason(i)->text(), captions[i]);
    QCOMPARE(w.optSeason(1)->geometry(), twipsRect(3240, 480, 1095, 375));
    QCOMPARE(w.cmdCloseTimeTable()->text(), u"閉じる"_s);
    QCOMPARE(w.cmdCloseTimeTable()->geometry(), twipsRect(3240, 7080, 975, 375));
    QCOMPARE(w.cmdSaveCsv()->text(), u"CSV保存"_s);

    const QTableWidget& grid = *w.gridTimeTable();
    QCOMPARE(grid.geometry(), twipsRect(120, 1680, 7365, 5055));
    QCOMPARE(grid.rowCount(), 24);
    QCOMPARE(grid.columnCount(), 7);
    QCOMPARE(grid.item(0, 2)->text(), u"学期･実績"_s);
    QCOMPARE(grid.item(16, 0)->text(), u"ｸﾗﾌﾞ"_s);
    QCOMPARE(grid.columnWidth(3), twipsToPixels(1030));
    QCOMPARE(grid.item(0, 4)->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(grid.item(5, 0)->textAlignment(), int(Qt::AlignCenter));
    for (int column = 1; column <= 6; ++column) {
        const QColor background = column <= 3 ? QColor(230, 255, 255) : QColor(205, 255, 255);
        QCOMPARE(grid.item(1, column)->background().color(), background);
        QCOMPARE(grid.item(23, column)->background().color(), background);
    }
    // The whole table fits without scrolling.
    const int lastRowBottom = grid.rowViewportPosition(23) + grid.rowHeight(23);
    QVERIFY2(lastRowBottom <= grid.viewport()->height(), qPrintable(QString::number(lastRowBottom)));
}

void TestTotalsTable::activationChoosesTheTermOfTheSelectedDate_data()
{
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<int>("season");
    QTest::newRow("April") << QDate(2026, 4, 20) << 0;
    QTest::newRow("August") << QDate(2026, 8, 3) << 1;
    QTest::newRow("March") << QDate(2027, 3, 1) << 2;
}

void TestTotalsTable::activationChoosesTheTermOfTheSelectedDate()
{
    QFETCH(QDate, selected);
    QFETCH(int, season);
    test::registerDay(*m_state, selected);
    m_state->dateSelected = selected;
    frmDispTimeTable& w = window();
    w.Form_Activate();
    QVERIFY(w.optSeason(season)->isChecked());
    QCOMPARE(w.selectedSeason(), season);
    QCOMPARE(w.gridTimeTable()->item(Kokugo, 2)->text(), u"8.0"_s);
    QVERIFY(w.cmdCloseTimeTable()->hasFocus());
}

void TestTotalsTable::activationShowsNewRegistrations()
{
    m_state->dateSelected = QDate(2026, 10, 5);
    frmDispTimeTable& w = window();
    w.Form_Activate();
    const QTableWidget& grid = *w.gridTimeTable();
    QCOMPARE(grid.item(Kokugo, 2)->text(), u"0.0"_s);

    test::registerDay(*m_state, QDate(2026, 10, 5));
    w.Form_Activate();
    QCOMPARE(grid.item(Kokugo, 2)->text(), u"8.0"_s);
    QCOMPARE(grid.item(Kokugo, 3)->foreground().color(), QColor(0, 0, 255));

    heldRecordFor(*m_state->objDayHead, QDate(2026, 10, 5))->setBoolNowPlanning(true);
    w.Form_Activate();
    QCOMPARE(grid.item(Kokugo, 2)->text(), u"0.0"_s);
    QCOMPARE(grid.item(Kokugo, 3)->foreground().color(), QColor(0, 0, 0));
}

void TestTotalsTable::choosingATermByHand()
{
    loadSample(*m_state);
    m_state->dateSelected = QDate(2026, 11, 2);
    frmDispTimeTable& w = window();
    w.Form_Activate();
    const QTableWidget& grid = *w.gridTimeTable();
    QStringList before[24];
    for (int row = 0; row < 24; ++row)
        before[row] = gridRowTexts(grid, row);

    QTest::mouseClick(w.optSeason(0), Qt::LeftButton);
    QVERIFY(w.optSeason(0)->isChecked());
    for (int row = 0; row < 24; ++row) {
        const QStringList now = gridRowTexts(grid, row);
        QCOMPARE(now.mid(4), before[row].mid(4));
        QCOMPARE(now, rowTexts(fncTotalsTable(*m_state, 0), row));
    }
    QCOMPARE(rowTexts(w.shownTable(), Kokugo), gridRowTexts(grid, Kokugo));
    // Differences carry their colours into the grid.
    for (int row = 1; row < 24; ++row) {
        const TotalsTable::Cell& cell = w.shownTable().cell(row, 3);
        const QColor expected = cell.text.startsWith(u'-') ? QColor(255, 0, 0)
                                : cell.text == u"0.0"_s    ? QColor(0, 0, 0)
                                                           : QColor(0, 0, 255);
        QCOMPARE(grid.item(row, 3)->foreground().color(), expected);
    }

    // The next activation goes back to the term of the selected date.
    w.Form_Activate();
    QVERIFY(w.optSeason(1)->isChecked());
    QCOMPARE(gridRowTexts(grid, Kokugo), before[Kokugo]);
}

void TestTotalsTable::overflowGivesAMessageAndKeepsTheTable()
{
    test::registerDay(*m_state, QDate(2026, 9, 3));
    m_state->dateSelected = QDate(2026, 9, 3);
    frmDispTimeTable& w = window();
    w.Form_Activate();
    const TotalsTable shown = w.shownTable();
    QVERIFY(m_prompts->messages().isEmpty());

    // Term 1's plan leaves no room for its difference.
    test::setTermPlan(*m_state, 1, TotalField::kokugo, -32768);
    QTest::mouseClick(w.optSeason(0), Qt::LeftButton);
    QCOMPARE(m_prompts->messages(), QStringList{u"集計表を作れませんでした。\nオーバーフローしました。"_s});
    QVERIFY(w.optSeason(1)->isChecked()); // the option of the term still shown
    for (int row = 0; row < 24; ++row) {
        QCOMPARE(gridRowTexts(*w.gridTimeTable(), row), rowTexts(shown, row));
        QCOMPARE(rowTexts(w.shownTable(), row), rowTexts(shown, row));
    }

    // The year's difference overflows for every term: activation says so and keeps the table.
    m_state->dateSelected = QDate(2026, 5, 1);
    w.Form_Activate();
    QCOMPARE(m_prompts->messages().size(), 2);
    QVERIFY(w.optSeason(1)->isChecked());
    QCOMPARE(gridRowTexts(*w.gridTimeTable(), Kokugo), rowTexts(shown, Kokugo));
    QVERIFY(w.isVisible());
}

void TestTotalsTable::closeHidesAndShowingAgainKeepsTheWindow()
{
    WindowList windows;
    ClassWatch watch(*m_state);
    QPointer<frmDispTimeTable> shown = showTotalsTable(windows, *m_state, *m_prompts, watch);
    QVERIFY(QTest::qWaitForWindowExposed(shown.data()));
    QTest::mouseClick(shown->cmdCloseTimeTable(), Qt::LeftButton);
    QVERIFY(shown->isHidden());
    QCoreApplication::processEvents();
    QVERIFY(shown);

    test::registerDay(*m_state, QDate(2026, 6, 1));
    m_state->dateSelected = QDate(2026, 6, 1);
    QCOMPARE(showTotalsTable(windows, *m_state, *m_prompts, watch), shown.data());
    QVERIFY(shown->isVisible());
    // Shown again, it recomputes (on its activation, or at once where nothing activates it).
    QTRY_COMPARE(shown->gridTimeTable()->item(Kokugo, 2)->text(), u"8.0"_s);
    QVERIFY(shown->optSeason(0)->isChecked());

    // Left open beside the main window, it follows a registration at once,
    // on the term the teacher chose.
    QTest::mouseClick(shown->optSeason(1), Qt::LeftButton);
    test::registerDay(*m_state, QDate(2026, 9, 1));
    watch.notifyChanged();
    QCOMPARE(shown->gridTimeTable()->item(Kokugo, 2)->text(), u"8.0"_s);
    QVERIFY(shown->optSeason(1)->isChecked());

    // Escape closes it like 閉じる.
    QTest::keyClick(shown->cmdCloseTimeTable(), Qt::Key_Escape);
    QVERIFY(shown->isHidden());
}

void TestTotalsTable::csvOfTheSampleYear()
{
    loadSample(*m_state);
    m_state->dateSelected = QDate(2026, 12, 9);
    frmDispTimeTable& w = window();
    w.Form_Activate();
    const QString fileName = m_dir.filePath(u"集計.csv"_s);
    m_prompts->fileNames.enqueue(fileName);
    QTest::mouseClick(w.cmdSaveCsv(), Qt::LeftButton);
    QVERIFY2(m_prompts->messages().isEmpty(), qPrintable(m_prompts->messages().join(u'/')));
    QCOMPARE(m_prompts->shown.constLast().text, u"CSV保存"_s);
    QVERIFY(m_prompts->lastFilter.endsWith(u"|*.csv"_s));

    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s);
    QCOMPARE(lines.size(), 26);
    QVERIFY(lines.takeLast().isEmpty());
    QVERIFY(lines.takeLast().startsWith(u"注,3年の標準時数は"_s)); // grade 3
    // The texts as shown, each followed by its minutes; the subjects' minutes
    // add up to 教科小計 in every column.
    QList<int> subjects(TotalsTable::ColumnCount * 2 - 1);
    for (int row = 0; row < 24; ++row) {
        const QStringList fields = lines[row].split(u',');
        QCOMPARE(fields.size(), 13);
        QStringList shown{fields[0]};
        for (int column = 1; column < 13; column += 2) {
            shown << fields[column];
            if (row == 0) {
                QCOMPARE(fields[column + 1], fields[column] + u"(分)"_s);
                continue;
            }
            QCOMPARE(fields[column + 1].toInt(), fncStrToCredit(fields[column]) * 15);
            if (row <= 11)
                subjects[column + 1] += fields[column + 1].toInt();
            else if (row == 12)
                QCOMPARE(fields[column + 1].toInt(), subjects[column + 1]);
        }
        QCOMPARE(shown, gridRowTexts(*w.gridTimeTable(), row));
    }
    QVERIFY(lines[Kokugo].startsWith(u"国語,98.0,4410,"_s)); // term 2's plan: 40 per cent of 245
    QVERIFY(lines[SouJisuu].startsWith(u"総時数,"_s));
    QVERIFY(lines[SouJisuu].contains(u",980.0,44100,"_s));
}

void TestTotalsTable::csvSaveCancelledOrFailing()
{
    frmDispTimeTable& w = window();
    w.Form_Activate();
    m_prompts->fileNames.enqueue(QString()); // cancelled
    w.cmdSaveCsv_Click();
    QVERIFY(m_prompts->messages().isEmpty());
    QCOMPARE(m_prompts->lastProposed, u"時数集計表_令和8年度_3年2組.csv"_s);

    const QString fileName = m_dir.filePath(u"no such folder/table.csv"_s);
    m_prompts->fileNames.enqueue(fileName);
    w.cmdSaveCsv_Click();
    QCOMPARE(m_prompts->messages().size(), 1);
    QVERIFY(
        m_prompts->messages().constFirst().startsWith(u"CSVファイルを保存できませんでした。\nファイル「"_s));
    QVERIFY(!QFile::exists(fileName));
    QVERIFY(w.isVisible());

    // Nor does a CSV replace the class's own file.
    m_state->strFileName = m_dir.filePath(u"class.vl2"_s);
    QFile classFile(m_state->strFileName);
    QVERIFY(classFile.open(QIODevice::WriteOnly));
    classFile.write("Soraplan\r\n");
    classFile.close();
    m_prompts->fileNames.enqueue(m_state->strFileName);
    w.cmdSaveCsv_Click();
    QCOMPARE(m_prompts->messages().size(), 2);
    QVERIFY(m_prompts->messages().constLast().endsWith(u"読み込み元のファイルと同じです"_s));
    QVERIFY(classFile.open(QIODevice::ReadOnly));
    QCOMPARE(classFile.readAll(), QByteArray("Soraplan\r\n"));
}

void TestTotalsTable::returnFromOwnDialogKeepsTheChosenTerm()
{
    FocusTakingPrompts prompts;
    m_state->dateSelected = QDate(2026, 10, 1);
    frmDispTimeTable w(*m_state, prompts);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(w.optSeason(1)->isChecked());

    // A term chosen by hand survives the CSV file dialog.
    QTest::mouseClick(w.optSeason(2), Qt::LeftButton);
    w.cmdSaveCsv_Click();
    QVERIFY(prompts.dialogWasActive);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(w.optSeason(2)->isChecked());

    // Coming back from another window is an activation: the term follows the date again.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(w.optSeason(1)->isChecked());
}

QTEST_MAIN(TestTotalsTable)
#include "tst_totalstable.moc"
