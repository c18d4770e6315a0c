// The printed reports drawn on the recording back end: their text rules,
// titles, week rows, month column, day cells, totals and frames; and each
// report of the sample year rendered to a one-page PDF.
#include "core/appstate.h"
#include "core/subjects.h"
#include "core/veladaytime.h"
#include "core/velayeartotal.h"
#include "reports/painterprinter.h"
#include "reports/pdfexport.h"
#include "reports/recordingprinter.h"
#include "reports/reportfonts.h"
#include "reports/reportprocedures.h"
#include "reports/reportrules.h"
#include "reports/weeklyplanreport.h"
#include "storage/classfile.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"

#include <QImage>
#include <QLine>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

using Report = std::function<void(AppState&, PrinterFacility&)>;

RecordingPrinter record(AppState& state, const Report& report)
{
    RecordingPrinter printer;
    report(state, printer);
    return printer;
}

void setDate(AppState& state, QDate AppState::*date, QDate value)
{
    for (const AppState::CalendarField& field : AppState::calendarFields()) {
        if (field.date == date)
            state.setCalendarDate(field, value);
    }
}

void addRecord(AppState& state, QDate date, const QString& subjects, const QString& credits)
{
    state.objDayHead->appendDay(makeRecordedDay(date, subjects, credits));
}

// Texts drawn at x, in drawing order.
QStringList textsAt(const RecordingPrinter& printer, int x)
{
    QStringList result;
    for (const PrintItem& item : printer.texts()) {
        if (item.from.x() == x)
            result.append(item.text);
    }
    return result;
}

const PrintItem* textAt(const RecordingPrinter& printer, int x, int y)
{
    for (const PrintItem& item : printer.page().items) {
        if (item.kind == PrintItem::Kind::Text && item.from == QPoint(x, y))
            return &item;
    }
    return nullptr;
}

bool hasLine(const RecordingPrinter& printer, QPoint from, QPoint to, int width)
{
    for (const PrintItem& item : printer.lines()) {
        if (item.from == from && item.to == to && item.settings.drawWidth == width)
            return true;
    }
    return false;
}

// The last line drawn: every report ends with its frame.
int lastHorizontalFrameY(const RecordingPrinter& printer)
{
    int y = -1;
    for (const PrintItem& item : printer.lines()) {
        if (item.settings.drawWidth == 4 && item.from.y() == item.to.y())
            y = item.from.y();
    }
    return y;
}

// The right end of the cell a text stands in, less the half of its line: the
// first vertical line right of the text's point that crosses its middle, or
// the page's rightmost line for a text above or below the table.
double cellRight(const RecordingPrinter& printer, const QRectF& rect)
{
    std::optional<double> nearest;
    double rightmost = 0;
    for (const PrintItem& line : printer.lines()) {
        if (line.from.x() != line.to.x())
            continue;
        const double x = line.from.x() - line.settings.drawWidth * TwipsPerPrinterPixel / 2;
        rightmost = std::max(rightmost, x);
        const auto [top, bottom] = std::minmax({line.from.y(), line.to.y()});
        const double middle = rect.center().y();
        if (line.from.x() > rect.left() && top <= middle && middle <= bottom && (!nearest || x < *nearest))
            nearest = x;
    }
    return nearest.value_or(rightmost);
}

// Loads the sample class year.
void loadSample(AppState& state)
{
    test::ScriptedPrompts prompts;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    subLoadFile(state, prompts);
}

QString withoutSpaces(QString text)
{
    text.remove(u' ');
    text.remove(u'\u3000');
    text.remove(u'\n');
    return text;
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textFunctions_data();
    void textFunctions();
    void codeToSubject();
    void titles_data();
    void titles();
    void weekRows_data();
    void weekRows();
    void annualReportOfFortyRows();
    void termChartFrameCellsAndMonths();
    void augustNumberInItsFirstRow();
    void termHoursReportFrameAndTotals();
    void totalsHeadings_data();
    void totalsHeadings();
    void differenceColours();
    void weekPlanCells();
    void weekendRecordsOnScreenAndPaper();
    void weeklyPlanOfARealWeek();
    void weeklyPlanPdfOnePagePerWeek();
    void dispatchByOptionIndex();
    void largePageIsScaledToFit();
    void textsStayInTheirCells_data();
    void textsStayInTheirCells();
    void condensedTextEndsWithinItsWidth();
    void sampleYearReportsAsPdf_data();
    void sampleYearReportsAsPdf();
};

void TestReports::textFunctions_data()
{
    QTest::addColumn<bool>("credit");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("itos pads") << false << 5 << 2 << u" 5"_s;
    QTest::newRow("itos fits") << false << 12 << 2 << u"12"_s;
    QTest::newRow("itos longer") << false << 123 << 2 << u"123"_s;
    QTest::newRow("itos negative") << false << -3 << 2 << u"-3"_s;
    QTest::newRow("ctos 32.1") << true << 97 << 4 << u"32.1"_s;
    QTest::newRow("ctos pads") << true << 10 << 4 << u" 3.1"_s;
    QTest::newRow("ctos zero") << true << 0 << 5 << u"  0.0"_s;
    QTest::newRow("ctos negative") << true << -4 << 5 << u" -1.1"_s;
    QTest::newRow("ctos longer") << true << 300 << 4 << u"100.0"_s;
}

void TestReports::textFunctions()
{
    QFETCH(bool, credit);
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QString, expected);
    const auto v = static_cast<qint16>(value);
    const auto w = static_cast<qint16>(width);
    QCOMPARE(credit ? fncCtoS(v, w) : fncItoS(v, w), expected);
}

void TestReports::codeToSubject()
{
    QCOMPARE(fncCodeToSubject(u"国"_s), u"国語"_s);
    QCOMPARE(fncCodeToSubject(u"ク"_s), u"ｸﾗﾌﾞ"_s);
    QCOMPARE(fncCodeToSubject(u"生"_s), u"生活"_s);
    for (const QString& code : {u"児"_s, u"行"_s, u"切"_s, u"予"_s, u"　"_s, QString(), u"国語"_s})
        QCOMPARE(fncCodeToSubject(code), QString());
}

void TestReports::titles_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("strClass");
    QTest::addColumn<QString>("chartTitle");
    QTest::addColumn<QString>("planTitleA");
    QTest::addColumn<QString>("planTeacher");
    QTest::newRow("class number") << 3 << u"2"_s << u"1 学 期　　時 間 割 表   ３年２組"_s
                                  << u"３年２組   時 間 割 A"_s << u"担任　　先生"_s;
    QTest::newRow("class 12") << 5 << u"12"_s << u"1 学 期　　時 間 割 表   ５年12組"_s
                              << u"５年12組   時 間 割 A"_s << u"担任　　先生"_s;
    QTest::newRow("class rounded") << 6 << u" 2.6"_s << u"1 学 期　　時 間 割 表   ６年３組"_s
                                   << u"６年３組   時 間 割 A"_s << u"担任　　先生"_s;
    QTest::newRow("class name") << 4 << u"さくら"_s << u"1 学 期　　時 間 割 表   ４年さくら組"_s
                                << u"４年さくら組   時 間 割 A"_s << u"担任　　先生"_s;
    QTest::newRow("grade 2 number") << 2 << u"1"_s << u"1 学 期　　時 間 割 表   ２年１組"_s
                                    << u"２ねん１くみ   じかんわり A"_s << u"せんせい　　先生"_s;
    QTest::newRow("grade 1 name") << 1 << u"ひまわり"_s << u"1 学 期　　時 間 割 表   １年ひまわり組"_s
                                  << u"１年ひまわり組   じかんわり A"_s << u"せんせい　　先生"_s;
}

void TestReports::titles()
{
    QFETCH(int, grade);
    QFETCH(QString, strClass);
    AppState state;
    state.intGrade = static_cast<qint16>(grade);
    state.strClass = strClass;
    state.strTeacher = u"先生"_s;
    QTEST(seasonChartTitle(state, 1), "chartTitle");
    QTEST(weekPlanTitle(state, 0), "planTitleA");
    QTEST(weekPlanTeacherLine(state), "planTeacher");
    QCOMPARE(weekPlanTitle(state, 1).back(), u'B');
    QCOMPARE(teacherLine(state), u"担任　 先生"_s);
    QVERIFY(yearTitle(state).startsWith(u"年 間 時 間 割　及び　時 間 集 計 表   "_s));
    QVERIFY(seasonTotalTitle(state, 2).startsWith(u"2 学 期　　時 間 集 計 表   "_s));
}

void TestReports::weekRows_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QDate>("firstMonday");
    QTest::addColumn<QDate>("lastMonday");
    // 2026-04-04 is a Saturday.
    QTest::newRow("starts on Saturday")
        << QDate(2026, 4, 4) << QDate(2026, 4, 22) << QDate(2026, 4, 6) << QDate(2026, 4, 20);
    QTest::newRow("starts on Sunday")
        << QDate(2026, 4, 5) << QDate(2026, 4, 22) << QDate(2026, 4, 6) << QDate(2026, 4, 20);
    QTest::newRow("starts on Wednesday")
        << QDate(2026, 4, 8) << QDate(2026, 4, 22) << QDate(2026, 4, 6) << QDate(2026, 4, 20);
    QTest::newRow("ends on Saturday")
        << QDate(2026, 4, 6) << QDate(2026, 4, 25) << QDate(2026, 4, 6) << QDate(2026, 4, 20);
    QTest::newRow("ends on Sunday") << QDate(2026, 4, 6) << QDate(2026, 4, 26) << QDate(2026, 4, 6)
                                    << QDate(2026, 4, 20);
    QTest::newRow("ends on Monday") << QDate(2026, 4, 6) << QDate(2026, 4, 27) << QDate(2026, 4, 6)
                                    << QDate(2026, 4, 27);
}

void TestReports::weekRows()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QDate, firstMonday);
    QFETCH(QDate, lastMonday);
    const QList<QDate> mondays = weekRowMondays({first, last});
    QVERIFY(!mondays.isEmpty());
    QCOMPARE(mondays.front(), firstMonday);
    QCOMPARE(mondays.back(), lastMonday);
    QCOMPARE(mondays.size(), firstMonday.daysTo(lastMonday) / 7 + 1);
    QVERIFY(weekRowMondays({last, first}).isEmpty());
}

void TestReports::annualReportOfFortyRows()
{
    // Terms of 15 (6 April – 13 July), 17 (31 August – 21 December) and 8
    // weeks (4 January – 22 February).
    AppState state;
    test::setUpClass2026(state);
    setDate(state, &AppState::dateSpring2Start, QDate(2027, 2, 27));
    const RecordingPrinter printer = record(state, subPrintYear);

    QCOMPARE(printer.page().orientation, PrinterFacility::Orientation::Landscape);
    QCOMPARE(printer.documentsEnded(), 1);
    QCOMPARE(printer.texts().front().settings.fontName, u"ＭＳ 明朝"_s);
    QCOMPARE(lastHorizontalFrameY(printer), 10440);
    QVERIFY(hasLine(printer, {200, 10440}, {16415, 10440}, 4));
    QVERIFY(hasLine(printer, {200, 350}, {200, 10440}, 4));
    QCOMPARE(printer.settings().drawWidth, 1);

    // The term column: kanji, 学, 期 at 340, 1020 and 1700 below each block's top.
    const int term2Top = 1540 + 15 * 170 + 530;
    QCOMPARE(textAt(printer, 270, term2Top + 340)->text, u"二"_s);
    QCOMPARE(textAt(printer, 270, term2Top + 1020)->text, u"学"_s);
    QCOMPARE(textAt(printer, 270, term2Top + 1700)->text, u"期"_s);

    // School days per term and for the year, the year being their sum.
    QList<int> counts;
    for (const QString& text : textsAt(printer, 520)) {
        if (text.startsWith(u"授業日数　 "_s))
            counts.append(text.mid(6, text.size() - 7).toInt());
    }
    QCOMPARE(counts.size(), 4);
    QVERIFY(counts[0] > 60);
    QCOMPARE(counts[3], counts[0] + counts[1] + counts[2]);
    QCOMPARE(textAt(printer, 7320, 10440 - 510 + 190)->text, u"年　間　実績"_s);
}

void TestReports::termChartFrameCellsAndMonths()
{
    AppState state;
    test::setUpClass2026(state);
    addRecord(state, QDate(2026, 9, 2), u"学国算社理　　総"_s, u"13333003"_s);
    addRecord(state, QDate(2026, 9, 3), u"体体体体体　　　"_s, u"03333300"_s);
    state.objDayHead->objNextDay()->objNextDay()->setBoolNowPlanning(true); // 3 September withdrawn

    // Term 1 runs 6 April – 13 July: 15 rows.
    const RecordingPrinter term1 =
        record(state, [](AppState& s, PrinterFacility& p) { subPrintSeasonTimeChart(s, p, 1); });
    QCOMPARE(lastHorizontalFrameY(term1), 7362);
    QCOMPARE(term1.findText(seasonChartTitle(state, 1))->settings.fontSize, 16);
    // Month numbers in each month's second row (row top + 36); separators at
    // the top of a month's first row, 100 higher when the second row's
    // Tuesday is after the 10th; none above April.
    QCOMPARE(textsAt(term1, 396), (QStringList{u"月"_s, u" 4"_s, u" 5"_s, u" 6"_s, u" 7"_s}));
    QCOMPARE(textAt(term1, 396, 2772 + 306 + 36)->text, u" 4"_s);
    QCOMPARE(textAt(term1, 396, 2772 + 5 * 306 + 36)->text, u" 5"_s);
    QVERIFY(hasLine(term1, {360, 2772 + 4 * 306 - 100}, {756, 2772 + 4 * 306 - 100}, 1));   // May, 12 May
    QVERIFY(hasLine(term1, {360, 2772 + 8 * 306}, {756, 2772 + 8 * 306}, 1));               // June, 9 June
    QVERIFY(hasLine(term1, {360, 2772 + 13 * 306 - 100}, {756, 2772 + 13 * 306 - 100}, 1)); // July
    int separators = 0;
    for (const PrintItem& line : term1.lines())
        separators += line.from.x() == 360 && line.to.x() == 756 ? 1 : 0;
    QCOMPARE(separators, 3);

    // Term 2 starts on Tuesday 1 September: Monday 31 August is struck through.
    const RecordingPrinter term2 =
        record(state, [](AppState& s, PrinterFacility& p) { subPrintSeasonTimeChart(s, p, 2); });
    const int row0 = 2772;
    QVERIFY(hasLine(term2, {1152, row0}, {1152 + 2916, row0 + 306}, 1));
    QVERIFY(!textAt(term2, 1152 + 36, row0 + 36));
    QCOMPARE(textAt(term2, 1152 + 2916 + 36, row0 + 36)->text, u" 1"_s);
    QCOMPARE(textAt(term2, 792, row0 + 36)->text, u" 4"_s); // four school days
    // The held record of 2 September: slot 1 in the ０ column, the empty slot blank.
    const int wednesday = 1152 + 2 * 2916;
    QCOMPARE(textAt(term2, wednesday + 324 + 36, row0 + 36)->text, u"学"_s);
    QCOMPARE(textAt(term2, wednesday + 5 * 324 + 36, row0 + 36)->text, u"理"_s);
    QVERIFY(!textAt(term2, wednesday + 6 * 324 + 36, row0 + 36));
    QCOMPARE(textAt(term2, wednesday + 8 * 324 + 36, row0 + 36)->text, u"総"_s);
    // The withdrawn record of 3 September shows its date only.
    QVERIFY(!textAt(term2, 1152 + 3 * 2916 + 324 + 36, row0 + 36));
    // Monday 21 September (敬老の日) and Wednesday 23 September are holidays:
    // ☆ in all eight periods, the date still shown, not counted.
    const int row3 = row0 + 3 * 306;
    for (int period = 1; period <= 8; ++period)
        QCOMPARE(textAt(term2, 1152 + period * 324 + 36, row3 + 36)->text, u"☆"_s);
    QCOMPARE(textAt(term2, 1152 + 36, row3 + 36)->text, u"21"_s);
    QVERIFY(textAt(term2, 792, row3 + 36)->text.toInt() <= 3);
}

void TestReports::augustNumberInItsFirstRow()
{
    AppState state;
    test::setUpClass2026(state);
    setDate(state, &AppState::dateSummerEnd, QDate(2026, 8, 24)); // term 2 from Tuesday 25 August
    const RecordingPrinter printer =
        record(state, [](AppState& s, PrinterFacility& p) { subPrintSeasonTotal(s, p, 2); });
    // August has one row, numbered at its top; September's separator above
    // its first row (8 September is not after the 10th).
    QCOMPARE(textAt(printer, 608, 3306)->text, u" 8"_s);
    QCOMPARE(textAt(printer, 608, 3306 + 2 * 323)->text, u" 9"_s);
    QVERIFY(hasLine(printer, {570, 3306 + 323}, {988, 3306 + 323}, 1));
}

void TestReports::termHoursReportFrameAndTotals()
{
    AppState state;
    test::setUpClass2026(state);
    addRecord(state, QDate(2026, 4, 7), u"国算体　　　　　"_s, u"23400000"_s);
    // A Saturday counts in its week.
    addRecord(state, QDate(2026, 4, 11), u"国　　　　　　　"_s, u"10000000"_s);
    // A record of the year before on the same day of the year belongs to no week of this year.
    addRecord(state, QDate(2025, 4, 7), u"国国国国国国国国"_s, u"44444444"_s);
    const RecordingPrinter printer =
        record(state, [](AppState& s, PrinterFacility& p) { subPrintSeasonTotal(s, p, 1); });
    QCOMPARE(lastHorizontalFrameY(printer), 9158);
    QCOMPARE(textAt(printer, 608, 9519)->text.left(5), u"授業日数　"_s);
    QCOMPARE(textAt(printer, 608, 9519)->settings.fontSize, 12);

    // Week of 6 April: 国 3 units, 算 3, 体 4; the subtotals follow.
    const int y = 3306 + 95;
    QCOMPARE(textAt(printer, 1406 + 38, y)->text, u" 1.0"_s);
    QCOMPARE(textAt(printer, 1406 + 2 * 560 + 38, y)->text, u" 1.0"_s);
    QCOMPARE(textAt(printer, 1406 + 8 * 560 + 38, y)->text, u" 1.1"_s);
    QCOMPARE(textAt(printer, 1406 + 11 * 560 + 38, y)->text, u"  3.1"_s);   // 教科小計, width 5
    QCOMPARE(textAt(printer, 1406 + 19 * 560 + 138, y)->text, u"   3.1"_s); // 総授業時数, width 6
    QCOMPARE(textAt(printer, 1406 + 38, y)->settings.fontSize, 9);
    // The next week has no records: zeros, and its school days still counted.
    QCOMPARE(textAt(printer, 1406 + 38, y + 323)->text, u" 0.0"_s);
    QCOMPARE(textAt(printer, 1026, 3306 + 323 + 38)->text, u" 5"_s);
}

void TestReports::totalsHeadings_data()
{
    // Both reports lay the headings out from one column table: the annual
    // report's totals start at 9040 (295 a column, inset 20, rows of 170), the
    // term hours report's at 1406 (560, 38, 323). Each row gives an item's
    // place in both; a text stands at the line's first end, an empty text is
    // the line itself.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLine>("year");
    QTest::addColumn<QLine>("term");
    QTest::addColumn<int>("width");
    const auto text = [](const char* name, const QString& value, QPoint year, QPoint term) {
        QTest::newRow(name) << value << QLine(year, year) << QLine(term, term) << 0;
    };
    text("caption", u"集　　　　　　計　　　　　　表"_s, {10515, 360}, {4206, 1064});
    text("subjects", u"教　　　　科"_s, {9925, 530}, {3086, 1387});
    text("activities", u"特 別 活 動"_s, {13270, 530}, {9346, 1387});
    text("国語 first", u"国"_s, {9080, 710}, {1482, 1729});
    text("国語 second", u"語"_s, {9080, 980}, {1482, 2152});
    text("言語読解", u"読"_s, {11735, 1030}, {6522, 2337});
    text("教科小計 first", u"教"_s, {12325, 700}, {7642, 1710});
    text("教科小計 last", u"Ａ"_s, {12325, 1370}, {7642, 2983});
    text("総合 first", u"総"_s, {12620, 640}, {8202, 1506});
    text("総合 second", u"合"_s, {12620, 910}, {8202, 1929});
    text("総授業時数", u"数"_s, {14685, 1220}, {12122, 2698});
    text("ＡＢＣＤ計", u"計"_s, {14960, 1220}, {12644, 2698});
    text("総時数", u"時"_s, {15965, 880}, {14462, 2052});
    text("学校行事", u"事"_s, {14095, 1220}, {11002, 2698});
    text("特活小計", u"特"_s, {14390, 700}, {11562, 1710});
    text("予備時数", u"予"_s, {15570, 540}, {13802, 1406});
    const auto line = [](const char* name, QLine year, QLine term, int width) {
        QTest::newRow(name) << QString() << year << term << width;
    };
    line("top line", {9040, 520, 16415, 520}, {1406, 1368, 15406, 1368}, 2);
    line("subjects rule", {9040, 690, 12580, 690}, {1406, 1691, 8126, 1691}, 2);
    line("activities rule", {13170, 690, 14645, 690}, {9246, 1691, 12046, 1691}, 2);
    line("after 1", {9335, 690, 9335, 1540}, {1966, 1691, 1966, 3306}, 2);
    line("after 12", {12580, 520, 12580, 1540}, {8126, 1368, 8126, 3306}, 2);
    line("after 16", {13760, 690, 13760, 1540}, {10366, 1691, 10366, 3306}, 1);
    line("after 22", {15825, 520, 15825, 1540}, {14286, 1368, 14286, 3306}, 2);
}

void TestReports::totalsHeadings()
{
    QFETCH(QString, text);
    QFETCH(QLine, year);
    QFETCH(QLine, term);
    QFETCH(int, width);
    AppState state;
    test::setUpClass2026(state);
    for (const auto& [report, place, points] : {std::tuple{0, year, 8}, std::tuple{2, term, 12}}) {
        RecordingPrinter printer;
        QVERIFY(printReport(state, printer, report));
        if (text.isEmpty()) {
            QVERIFY2(hasLine(printer, place.p1(), place.p2(), width), report == 0 ? "year" : "term");
            continue;
        }
        const PrintItem* item = textAt(printer, place.x1(), place.y1());
        QVERIFY2(item, report == 0 ? "year" : "term");
        QCOMPARE(item->text, text);
        QCOMPARE(item->settings.fontSize, points);
    }
}

void TestReports::differenceColours()
{
    AppState state;
    test::setUpClass2026(state);
    VelaSeasonTotal& plan = *state.objYearPlan->season(1);
    plan.setKokugo(3);
    plan.setSyakai(2);
    plan.computeSubtotals();
    state.objYearPlan->calculate();
    addRecord(state, QDate(2026, 4, 7), u"国社算　　　　　"_s, u"22200000"_s); // 国 2, 社 2, 算 2
    const RecordingPrinter printer =
        record(state, [](AppState& s, PrinterFacility& p) { subPrintSeasonTotal(s, p, 1); });
    const int block = 3306 + 15 * 323;
    const auto figure = [&](int column, int offset) {
        return textAt(printer, 1406 + 560 * column + 10, block + offset);
    };
    // Plan and actual in black; differences red below, blue above, black at zero.
    QCOMPARE(figure(0, 95)->text, u"  1.0"_s);
    QCOMPARE(figure(0, 95)->settings.color, QColor(Qt::black));
    QCOMPARE(figure(0, 418)->settings.color, QColor(Qt::black));
    QCOMPARE(figure(0, 741)->text, u" -0.1"_s);
    QCOMPARE(figure(0, 741)->settings.color, QColor(255, 0, 0));
    QCOMPARE(figure(1, 741)->settings.color, QColor(Qt::black));
    QCOMPARE(figure(2, 741)->text, u"  0.2"_s);
    QCOMPARE(figure(2, 741)->settings.color, QColor(0, 0, 255));
    QCOMPARE(figure(11, 741)->settings.color, QColor(0, 0, 255)); // 教科小計 5 − 6 … +1
    QCOMPARE(printer.settings().color, QColor(Qt::black));

    // The year rows of the annual report compare the whole year.
    const RecordingPrinter year = record(state, subPrintYear);
    int reds = 0;
    for (const PrintItem& item : year.texts())
        reds += item.settings.color == QColor(255, 0, 0) ? 1 : 0;
    QCOMPARE(reds, 2); // 国 in term 1 and in the year
}

void TestReports::weekendRecordsOnScreenAndPaper()
{
    AppState state;
    test::setUpClass2026(state);
    // A Saturday school day and a Sunday open day in term 1, nothing else.
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 6, 13), u"算算国　　　　　"_s, u"33300000"_s));
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 6, 14), u"行行　　　　　　"_s, u"33000000"_s));
    prepareActualTerms(state);
    const VelaSeasonTotal* actual = state.objYearResult->season(1);
    QCOMPARE(actual->value(TotalField::sannsuu), 6);
    QCOMPARE(actual->value(TotalField::gakkougyouji), 6);
    // The week rows of the term add up to the term's actual hours, the weekend included.
    qint16 rows[3] = {};
    for (const QDate& monday : weekRowMondays(termBounds(state, 1))) {
        const TotalsRecord week = weekTotals(state, monday);
        rows[0] = static_cast<qint16>(rows[0] + week.value(TotalField::sannsuu));
        rows[1] = static_cast<qint16>(rows[1] + week.value(TotalField::gakkougyouji));
        rows[2] = static_cast<qint16>(rows[2] + week.value(TotalField::SouJisuu));
    }
    QCOMPARE(rows[0], actual->value(TotalField::sannsuu));
    QCOMPARE(rows[1], actual->value(TotalField::gakkougyouji));
    QCOMPARE(rows[2], actual->value(TotalField::SouJisuu));
    QCOMPARE(weekTotals(state, QDate(2026, 6, 8)).value(TotalField::SouJisuu), 15);
}

void TestReports::weekPlanCells()
{
    AppState state;
    test::setUpClass2026(state);
    auto monday = state.objWeekA->objFirstDay();
    monday->setStrSubject(u"算児国ク　　体"_s); // shorter than eight slots
    monday->setStrCredit(u"33040000"_s);
    auto tuesday = monday->objNextDay();
    tuesday->setStrSubject(u"英"_s);
    tuesday->setStrCredit(u"x"_s);
    const RecordingPrinter printer =
        record(state, [](AppState& s, PrinterFacility& p) { subPrintWeekPlan(s, p, 0); });
    QCOMPARE(printer.page().orientation, PrinterFacility::Orientation::Portrait);
    QCOMPARE(printer.texts().front().settings.fontName, u"ＭＳ ゴシック"_s);
    QCOMPARE(printer.texts().front().text, u"３年２組   時 間 割 A"_s);
    // 算 with length 3: name in large type, ４５分 below.
    QCOMPARE(textAt(printer, 2120, 2800)->text, u"算数"_s);
    QCOMPARE(textAt(printer, 2120, 2800)->settings.fontSize, 32);
    QCOMPARE(textAt(printer, 2500, 3900)->text, u"４５分"_s);
    QCOMPARE(textAt(printer, 2500, 3900)->settings.fontSize, 10);
    // 児: no name, its length all the same.
    QVERIFY(!textAt(printer, 2120, 2800 + 1650));
    QCOMPARE(textAt(printer, 2500, 3900 + 1650)->text, u"４５分"_s);
    // 国 with length 0: nothing at all.
    QVERIFY(!textAt(printer, 2120, 2800 + 2 * 1650));
    QVERIFY(!textAt(printer, 2500, 3900 + 2 * 1650));
    QCOMPARE(textAt(printer, 2120, 2800 + 3 * 1650)->text, u"ｸﾗﾌﾞ"_s);
    QCOMPARE(textAt(printer, 2500, 3900 + 3 * 1650)->text, u"６０分"_s);
    // A length that is not a digit prints as it is, without a name.
    QVERIFY(!textAt(printer, 2120 + 1450, 2800));
    QCOMPARE(textAt(printer, 2500 + 1450, 3900)->text, u"x"_s);
    // Nothing right of the grid; the frame drawn last, 8 pixels wide.
    for (const PrintItem& item : printer.texts())
        QVERIFY(item.from.x() < 9250);
    QVERIFY(hasLine(printer, {1300, 1800}, {1300, 15700}, 8));
    QVERIFY(hasLine(printer, {2000, 1800}, {2000, 15700}, 5));
    QCOMPARE(printer.documentsEnded(), 1);

    const RecordingPrinter planB =
        record(state, [](AppState& s, PrinterFacility& p) { subPrintWeekPlan(s, p, 1); });
    QCOMPARE(planB.texts().front().text, u"３年２組   時 間 割 B"_s);
    QCOMPARE(textAt(planB, 2120, 2800 + 1650)->text, u"体育"_s);
}

void TestReports::dispatchByOptionIndex()
{
    AppState state;
    test::setUpClass2026(state);
    const QStringList firstTexts{
        yearTitle(state),           seasonChartTitle(state, 1), seasonTotalTitle(state, 1),
        seasonChartTitle(state, 2), seasonTotalTitle(state, 2), seasonChartTitle(state, 3),
        seasonTotalTitle(state, 3), weekPlanTitle(state, 0),    weekPlanTitle(state, 1)};
    for (int index = 0; index < ReportCount; ++index) {
        RecordingPrinter printer;
        QVERIFY(printReport(state, printer, index));
        const PrintItem* title = printer.findText(firstTexts[index]);
        QVERIFY(title);
        QCOMPARE(printer.documentsEnded(), 1);
        // The school year beside the title in its face and size; under it on
        // the weekly plan, whose large title leaves no room.
        const PrintItem* year = printer.findText(u"令和8年度"_s);
        QVERIFY(year);
        QCOMPARE(year->settings.fontName, title->settings.fontName);
        if (index < 7) {
            QCOMPARE(year->from.y(), title->from.y());
            QCOMPARE(year->settings.fontSize, title->settings.fontSize);
            QVERIFY(year->from.x() >= textRect(*title).right());
        } else {
            QCOMPARE(year->from, QPoint(1300, 1400));
        }
    }
    RecordingPrinter none;
    QVERIFY(!printReport(state, none, ReportCount));
    QVERIFY(!printReport(state, none, -1));
    QVERIFY(none.page().items.isEmpty());
    QCOMPARE(reportCaption(1), u"1学期の時間割表"_s);
    QCOMPARE(reportCaption(4), u"２学期の時間集計表"_s);
    QCOMPARE(reportCaption(8), u"週間時間割計画表B"_s);

    // A class year whose calendar was never set prints its frames without rows.
    AppState bare;
    bare.intYear = 2026;
    for (int index = 0; index < ReportCount; ++index) {
        RecordingPrinter printer;
        QVERIFY(printReport(bare, printer, index));
        QCOMPARE(printer.documentsEnded(), 1);
    }

    // A plan without terms prints zeros.
    state.objYearPlan->setObjFirstSeason(nullptr);
    RecordingPrinter zeroPlan;
    QVERIFY(printReport(state, zeroPlan, 2));
    const int block = 3306 + 15 * 323;
    QCOMPARE(textAt(zeroPlan, 1406 + 10, block + 95)->text, u"  0.0"_s);
}

void TestReports::largePageIsScaledToFit()
{
    QCOMPARE(fitScale({1000, 1000}, {2000, 2000}), 1.0);
    QCOMPARE(fitScale({4000, 1000}, {2000, 2000}), 0.5);
    QCOMPARE(fitScale({1000, 8000}, {2000, 2000}), 0.25);

    // A square reaching 2 inches right and down on an image of 1 × 1 inch at
    // 96 dpi: shrunk to the image, its far sides on the last pixels.
    RecordedPage page;
    PrintSettings settings;
    settings.drawWidth = 8;
    for (const auto& [from, to] :
         {std::pair{QPoint(100, 100), QPoint(2780, 100)}, std::pair{QPoint(2780, 100), QPoint(2780, 2780)},
          std::pair{QPoint(2780, 2780), QPoint(100, 2780)}, std::pair{QPoint(100, 2780), QPoint(100, 100)}})
        page.items.append({PrintItem::Kind::Line, from, to, QString(), settings});
    QImage image(96, 96, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    renderPage(page, image);
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    QVERIFY(dark(48, 3));
    QVERIFY(dark(48, 95));
    QVERIFY(dark(3, 48));
    QVERIFY(dark(95, 48));
    QVERIFY(!dark(48, 48));
}

void TestReports::textsStayInTheirCells_data()
{
    QTest::addColumn<int>("added");  // units added to every subject of every plan term
    QTest::addColumn<int>("kokugo"); // else a plan of 国語 alone, this many units a term
    QTest::addColumn<QString>("strClass");
    QTest::addColumn<QString>("teacher");
    QTest::newRow("plan 66.2 above in every subject") << 200 << 0 << QString() << QString();
    QTest::newRow("国語 near the end of the unit range, long names")
        << 0 << 10000 << u"ひまわりひまわり"_s << u"山田山田山田山田山田花子"_s;
}

void TestReports::textsStayInTheirCells()
{
    QFETCH(int, added);
    QFETCH(int, kokugo);
    QFETCH(QString, strClass);
    QFETCH(QString, teacher);
    AppState state;
    loadSample(state);
    QCOMPARE(state.intYear, 2026);
    if (!strClass.isEmpty())
        state.strClass = strClass;
    if (!teacher.isEmpty())
        state.strTeacher = teacher;
    for (int season = 1; season <= 3; ++season) {
        VelaSeasonTotal& plan = *state.objYearPlan->season(season);
        if (kokugo > 0) {
            plan.clearTotals();
            plan.setKokugo(static_cast<qint16>(kokugo));
        }
        for (const TotalField field : PerCodeFields)
            plan.setValue(field, static_cast<qint16>(plan.value(field) + added));
        plan.computeSubtotals();
    }
    state.objYearPlan->calculate();

    for (int index = 0; index < ReportCount; ++index) {
        RecordingPrinter printer;
        QVERIFY(printReport(state, printer, index));
        int condensed = 0;
        for (const PrintItem& item : printer.texts()) {
            const QRectF rect = textRect(item);
            const double right = cellRight(printer, rect);
            QVERIFY2(rect.right() <= right, qPrintable(u"%1: 「%2」 at (%3, %4) ends at %5, its cell at %6"_s
                                                           .arg(reportCaption(index), item.text)
                                                           .arg(item.from.x())
                                                           .arg(item.from.y())
                                                           .arg(rect.right())
                                                           .arg(right)));
            if (item.width > 0 &&
                textAdvance(item.settings.fontName, item.settings.fontSize, item.text) > item.width)
                ++condensed;
        }
        // The annual report's six-character differences do not fit at their size.
        if (index == 0)
            QVERIFY(condensed > 0);
    }
}

void TestReports::condensedTextEndsWithinItsWidth()
{
    // 10 twips to the pixel; a text of 1600 twips at its size given 800.
    QImage image(400, 100, QImage::Format_RGB32);
    image.setDotsPerMeterX(5669);
    image.setDotsPerMeterY(5669);
    image.fill(Qt::white);
    RecordedPage page;
    PrintSettings settings;
    settings.fontName = u"ＭＳ 明朝"_s;
    settings.fontSize = 20;
    const PrintItem item{PrintItem::Kind::Text, {100, 200}, {100, 200}, u"-10000.0"_s, settings, 800};
    page.items.append(item);
    QCOMPARE(textAdvance(settings.fontName, settings.fontSize, item.text), 1600.0);
    QCOMPARE(textRect(item).right(), 900.0);
    renderPage(page, image);
    int inkRight = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128)
                inkRight = x;
        }
    }
    // Drawn narrower, not shrunk (the page is not scaled) and not cut: its
    // last figure ends just before 900 twips.
    QVERIFY2(inkRight > 80 && inkRight <= 90, qPrintable(QString::number(inkRight)));
}

void TestReports::sampleYearReportsAsPdf_data()
{
    QTest::addColumn<int>("index");
    for (int index = 0; index < ReportCount; ++index)
        QTest::newRow(qPrintable(reportCaption(index))) << index;
}

void TestReports::sampleYearReportsAsPdf()
{
    QFETCH(int, index);
    const QString pdfinfo = QStandardPaths::findExecutable(u"pdfinfo"_s);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdfinfo.isEmpty() || pdftotext.isEmpty())
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the PDF back");

    AppState state;
    loadSample(state);
    QCOMPARE(state.intYear, 2026);

    QTemporaryDir dir;
    const QString file = dir.filePath(u"report.pdf"_s);
    {
        QPdfWriter writer(file);
        PainterPrinter printer(writer);
        QVERIFY(printReport(state, printer, index));
    }
    QProcess info;
    info.start(pdfinfo, {file});
    QVERIFY(info.waitForFinished());
    QVERIFY(
        QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));

    QProcess text;
    text.start(pdftotext, {u"-enc"_s, u"UTF-8"_s, file, u"-"_s});
    QVERIFY(text.waitForFinished());
    RecordingPrinter recorded;
    printReport(state, recorded, index);
    const QString title = recorded.texts().front().text;
    const QString printed = withoutSpaces(QString::fromUtf8(text.readAllStandardOutput()));
    QVERIFY2(printed.contains(withoutSpaces(title)), qPrintable(title));
    QVERIFY(printed.contains(u"令和8年度"_s));
}

namespace {

// The box a text covers in the gothic face of the report: full-width
// characters are a square of the font size, the others half as wide.
QRect textBox(const PrintItem& item)
{
    double width = 0;
    for (const QChar c : item.text)
        width += c.unicode() < 0x2000 || (c.unicode() >= 0xff61 && c.unicode() <= 0xff9f) ? 0.5 : 1.0;
    const int size = item.settings.fontSize * 20;
    return {item.from, QSize(static_cast<int>(width * size), size)};
}

// Texts that overlap each other or are crossed by a line, and fonts below 7 points.
QStringList readabilityFaults(const RecordedPage& page)
{
    QStringList faults;
    QList<PrintItem> texts;
    QList<PrintItem> lines;
    for (const PrintItem& item : page.items)
        (item.kind == PrintItem::Kind::Text ? texts : lines).append(item);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (texts[i].settings.fontSize < 7)
            faults << u"small: "_s + texts[i].text;
        const QRect box = textBox(texts[i]);
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            if (box.intersects(textBox(texts[j])))
                faults << texts[i].text + u" over "_s + texts[j].text;
        }
        for (const PrintItem& l : lines) {
            if (QRect(l.from, l.to).normalized().adjusted(-5, -5, 5, 5).intersects(box))
                faults << u"line through "_s + texts[i].text;
        }
    }
    return faults;
}

} // namespace

void TestReports::weeklyPlanOfARealWeek()
{
    AppState state;
    test::setUpClass2026(state);
    state.objYearPlan->setValue(TotalField::sannsuu, 525); // 175 lessons
    // Monday 12 October is sports day. Earlier in the year one 算数; Tuesday
    // registered; Saturday 17 October a school Saturday with a record.
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 10, 6), u"算　　　　　　　"_s, u"30000000"_s));
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 10, 13), u"算算国　　　　　"_s, u"33300000"_s));
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 10, 17), u"体体体　　　　　"_s, u"33300000"_s));
    // A record after the week is not counted in this week's figures.
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 10, 19), u"算　　　　　　　"_s, u"30000000"_s));

    const QList<WeeklyPlanPage> pages = weeklyPlanPages(state, QDate(2026, 10, 14), 1);
    QCOMPARE(pages.size(), 1);
    const WeeklyPlanPage& page = pages[0];
    QCOMPARE(page.days.size(), 6);
    QCOMPARE(page.days.last().date, QDate(2026, 10, 17));
    QCOMPARE(page.dayKinds,
             (QStringList{u"祝日"_s, u"登録済"_s, u"予定"_s, u"予定"_s, u"予定"_s, u"登録済"_s}));
    QCOMPARE(page.registeredSoFar.value(TotalField::sannsuu), 9);
    QCOMPARE(page.registeredSoFar.value(TotalField::taiiku), 9);
    QCOMPARE(page.yearPlan.value(TotalField::sannsuu), 525);
    // The week: Tuesday's and Saturday's records and what timetable A proposes for Wednesday to Friday.
    TotalsRecord proposed;
    for (int d = 2; d < 5; ++d)
        for (const PeriodCell& cell : page.days[d].periods)
            if (const auto field = totalFieldForCode(cell.subjectCode); field && cell.lengthCode > 0)
                proposed.addUnits(*field, cell.lengthCode);
    QCOMPARE(page.weekUnits.value(TotalField::sannsuu), 6 + proposed.value(TotalField::sannsuu));
    QCOMPARE(page.weekUnits.value(TotalField::taiiku), 9 + proposed.value(TotalField::taiiku));

    RecordingPrinter printer;
    subPrintWeeklyPlan(state, printer, QDate(2026, 10, 14), 1);
    QCOMPARE(printer.pages().size(), 1);
    QCOMPARE(printer.page().orientation, PrinterFacility::Orientation::Landscape);
    QCOMPARE(printer.documentsEnded(), 1);
    QVERIFY(printer.findText(u"10／12(月)"_s));
    QVERIFY(printer.findText(u"祝日"_s));
    QVERIFY(printer.findText(u"10／17(土)"_s));
    QVERIFY(printer.findText(u"10月12日(月)～10月17日(土)"_s));
    QVERIFY(printer.findText(u"週　案　　３年２組　　令和8年度"_s));
    // 算数: the year's plan 175.0, registered 3.0, difference -172.0 in red.
    const PrintItem* difference = printer.findText(fncCtoS(-516, 6));
    QVERIFY(difference);
    QCOMPARE(difference->settings.color, QColor(255, 0, 0));
    const QStringList faults = readabilityFaults(printer.page());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    const QSizeF extent = pageExtent(printer.page());
    QVERIFY(extent.width() <= 16270 && extent.height() <= 11340); // A4 landscape, 5 mm margins

    // A week with seven columns (a Sunday with a record) stays readable as well.
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 10, 18), u"行行総総　　　　"_s, u"33330000"_s));
    RecordingPrinter seven;
    subPrintWeeklyPlan(state, seven, QDate(2026, 10, 14), 1);
    QVERIFY(seven.findText(u"10／18(日)"_s));
    const QStringList sevenFaults = readabilityFaults(seven.page());
    QVERIFY2(sevenFaults.isEmpty(), qPrintable(sevenFaults.join(u"; ")));
}

void TestReports::weeklyPlanPdfOnePagePerWeek()
{
    const QString pdfinfo = QStandardPaths::findExecutable(u"pdfinfo"_s);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdfinfo.isEmpty() || pdftotext.isEmpty())
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the PDF back");
    AppState state;
    test::ScriptedPrompts prompts;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    subLoadFile(state, prompts);
    // To the end of the year at most: 3 weeks asked from the last but one gives 2.
    QCOMPARE(weeksToYearEnd(state, QDate(2027, 3, 24)), 2);
    QCOMPARE(weeklyPlanPages(state, QDate(2027, 3, 24), 3).size(), 2);

    QTemporaryDir dir;
    const QString file = dir.filePath(u"weeks.pdf"_s);
    writeWeeklyPlanPdf(state, QDate(2026, 12, 2), 3, file);
    QProcess info;
    info.start(pdfinfo, {file});
    QVERIFY(info.waitForFinished());
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(infoText.contains(QRegularExpression(u"Pages:\\s+3\\n"_s)), qPrintable(infoText));
    QVERIFY2(infoText.contains(u"842 x 595"_s) || infoText.contains(u"841.89 x 595.276"_s),
             qPrintable(infoText));
    const QStringList weeks{u"11月30日(月)～12月4日(金)"_s, u"12月7日(月)～12月11日(金)"_s,
                            u"12月14日(月)～12月18日(金)"_s};
    for (int p = 1; p <= 3; ++p) {
        QProcess text;
        text.start(pdftotext, {u"-enc"_s, u"UTF-8"_s, u"-f"_s, QString::number(p), u"-l"_s,
                               QString::number(p), file, u"-"_s});
        QVERIFY(text.waitForFinished());
        // poppler reads the wave dash back as U+301C.
        const QString page =
            withoutSpaces(QString::fromUtf8(text.readAllStandardOutput())).replace(u'\u301C', u'～');
        QVERIFY2(page.contains(weeks[p - 1]), qPrintable(page));
        QVERIFY(page.contains(u"週案"_s));
    }
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
