#include "reports/reportprocedures.h"

#include "core/appstate.h"
#include "core/schoolcalendar.h"
#include "reports/printerfacility.h"
#include "reports/reportrules.h"

#include <QPoint>

#include <array>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

using Orientation = PrinterFacility::Orientation;

const QString& mincho()
{
    static const QString name = u"ＭＳ 明朝"_s;
    return name;
}

constexpr std::array<QStringView, 5> WeekdayNames{u"月", u"火", u"水", u"木", u"金"};
constexpr std::array<QStringView, 8> PeriodLabels{u"０", u"Ⅰ", u"Ⅱ", u"Ⅲ", u"Ⅳ", u"Ⅴ", u"Ⅵ", u"Ⅶ"};

void text(PrinterFacility& printer, int x, int y, QStringView value)
{
    printer.printText(x, y, value.toString());
}

// The frame of a landscape report (its left and right edges and its top
// line) and where the title and the teacher line stand, both ending before
// textRight.
struct FramedPage {
    int left = 0;
    int right = 0;
    int top = 0;
    int titlePoints = 0;
    QPoint titleAt;
    int teacherPoints = 0;
    QPoint teacherAt;
    int textRight = 0;
};

// The start of the landscape reports: the actual terms prepared, the printer
// set up, the frame's top line, the title and the teacher line.
void beginFramedReport(AppState& state, PrinterFacility& printer, const FramedPage& page,
                       const QString& title)
{
    prepareActualTerms(state);
    beginReport(printer, Orientation::Landscape, mincho());
    printer.setDrawWidth(4);
    printer.drawLine(page.left, page.top, page.right, page.top);
    printTitle(printer, state, mincho(), page.titlePoints, page.titleAt, title, page.textRight);
    printer.setFontSize(page.teacherPoints);
    const int teacherX = page.teacherAt.x();
    printer.printTextWithin(teacherX, page.teacherAt.y(), teacherLine(state),
                            roomBefore(teacherX, page.textRight));
}

// The frame's bottom line at bottom and its sides.
void closeFrame(PrinterFacility& printer, const FramedPage& page, int bottom)
{
    printer.setDrawWidth(4);
    printer.drawLine(page.left, bottom, page.right, bottom);
    printer.drawLine(page.left, page.top, page.left, bottom);
    printer.drawLine(page.right, page.top, page.right, bottom);
}

// The heading row of the day blocks: 日 and the eight period labels of each
// weekday, with the sub-column lines between them.
void printPeriodHeadings(PrinterFacility& printer, int blocksLeft, int blockWidth, int top, int bottom,
                         int textY)
{
    const int subColumn = blockWidth / 9;
    for (int weekday = 0; weekday < 5; ++weekday) {
        const int left = blocksLeft + blockWidth * weekday;
        text(printer, left, textY, u"日");
        for (int j = 1; j <= 8; ++j) {
            printer.drawLine(left + subColumn * j, top, left + subColumn * j, bottom);
            text(printer, left + subColumn * j, textY, PeriodLabels[static_cast<std::size_t>(j - 1)]);
        }
    }
}

// The sub-column lines of the day blocks over a term's rows; each block's
// right edge is drawn 2 pixels wide.
void printDayGrid(PrinterFacility& printer, int blocksLeft, int blockWidth, int top, int bottom)
{
    const int subColumn = blockWidth / 9;
    for (int weekday = 0; weekday < 5; ++weekday) {
        const int left = blocksLeft + blockWidth * weekday;
        for (int j = 1; j <= 9; ++j) {
            printer.setDrawWidth(j == 9 ? 2 : 1);
            printer.drawLine(left + subColumn * j, top, left + subColumn * j, bottom);
        }
    }
}

// ---- Annual report --------------------------------------------------------

constexpr int YearRight = 16415;
constexpr FramedPage YearPage{200, YearRight, 350, 14, {500, 520}, 10, {6500, 910}, 9040};
constexpr int YearRow = 170;
constexpr TotalsGeometry YearTotals{9040, 295, 20, YearRow, 50, 5};
constexpr int YearBlocksLeft = 940;
constexpr int YearBlockWidth = 1620;

// The heading below the title: the totals' and then the day blocks'.
void printYearHeading(PrinterFacility& printer)
{
    printer.setFontSize(8);
    const int bottom = printTotalsHeading(printer, YearTotals, YearPage.top);

    printer.setDrawWidth(2);
    printer.drawLine(9040, 350, 9040, 1200);
    printer.drawLine(200, 1200, 9040, 1200);
    printer.setFontSize(8);
    text(printer, 270, 1220, u"学");
    text(printer, 270, 1390, u"期");
    printer.drawLine(500, 1200, 500, bottom);
    text(printer, 520, 1220, u"月");
    printer.drawLine(720, 1200, 720, bottom);
    text(printer, 740, 1220, u"日");
    text(printer, 740, 1390, u"数");
    printer.drawLine(940, 1200, 940, bottom);
    for (int weekday = 0; weekday < 5; ++weekday) {
        const int left = YearBlocksLeft + YearBlockWidth * weekday;
        text(printer, left + 840, 1210, WeekdayNames[static_cast<std::size_t>(weekday)]);
        printer.drawLine(left + YearBlockWidth, 1200, left + YearBlockWidth, bottom);
    }
    printer.drawLine(940, 1370, 9040, 1370);

    printer.setFontSize(7);
    printer.setDrawWidth(1);
    printPeriodHeadings(printer, YearBlocksLeft, YearBlockWidth, 1370, bottom, 1380);
    printer.drawLine(200, bottom, YearRight, bottom);
}

// The three summary rows of a term (season 1 … 3) or of the year (0) below
// y, with the column lines of the block from top down.
void printYearSummary(const AppState& state, PrinterFacility& printer, int season, int top, int y,
                      int schoolDays)
{
    printer.setDrawWidth(2);
    printer.drawLine(7120, y, 7120, y + 510);
    printer.drawLine(9040, top, 9040, y + 510);
    printTotalsSeparators(printer, YearTotals, top, y + 510);
    printer.setDrawWidth(2);
    printer.setFontSize(8);
    printer.drawLine(7120, y + 170, YearRight, y + 170);
    printer.drawLine(7120, y + 340, YearRight, y + 340);
    printer.printText(520, y + 190, schoolDaysText(schoolDays));
    const QString label = season == 0 ? u"年　間　"_s : termKanji(season) + u"学期　"_s;
    printer.printText(7320, y + 20, label + u"計画"_s);
    printer.printText(7320, y + 190, label + u"実績"_s);
    printer.printText(7320, y + 360, label + u"増減"_s);
    printSummaryFigures(printer, YearTotals, planTotals(state, season), actualTotals(state, season), y);
}

} // namespace

void subPrintYear(AppState& state, PrinterFacility& printer)
{
    beginFramedReport(state, printer, YearPage, yearTitle(state));
    printYearHeading(printer);

    const WeekRowGeometry rows{.row = YearRow,
                               .month = {520, 20, 500, 720, 8},
                               .cells = DayCellGeometry{YearBlocksLeft, YearBlockWidth, YearRow, 20, 7},
                               .days = {740, 20, 7},
                               .totals = &YearTotals,
                               .lineLeft = 720,
                               .lineRight = YearRight};
    SchoolDayCounter counter;
    int y = 1540;
    for (int season = 1; season <= 3; ++season) {
        const int top = y;
        counter.term = 0;
        printer.setDrawWidth(1);
        printer.setFontSize(8);
        printer.printText(270, top + 340, termKanji(season));
        text(printer, 270, top + 1020, u"学");
        text(printer, 270, top + 1700, u"期");

        y = printWeekRows(printer, state, season, rows, y, counter);

        printer.setDrawWidth(2);
        printer.drawLine(500, y, YearRight, y);
        printer.drawLine(500, top, 500, y + 510);
        printer.drawLine(720, top, 720, y);
        printer.drawLine(940, top, 940, y);
        printDayGrid(printer, YearBlocksLeft, YearBlockWidth, top, y);
        printYearSummary(state, printer, season, top, y, counter.term);

        printer.setDrawWidth(1);
        y += 510;
        printer.drawLine(200, y, YearRight, y);
        y += 20;
        printer.drawLine(200, y, YearRight, y);
    }

    printYearSummary(state, printer, 0, y, y, counter.year);

    closeFrame(printer, YearPage, y + 510);
    finishReport(printer);
}

// ---- Term timetable chart -------------------------------------------------

void subPrintSeasonTimeChart(AppState& state, PrinterFacility& printer, int intSeason)
{
    constexpr int Left = 360;
    constexpr int Right = 15732;
    constexpr int BlocksLeft = 1152;
    constexpr int BlockWidth = 2916;
    constexpr int Row = 306;

    constexpr FramedPage page{Left, Right, 630, 16, {900, 936}, 14, {11700, 1638}, Right};
    beginFramedReport(state, printer, page, seasonChartTitle(state, intSeason));

    printer.setFontSize(12);
    printer.setDrawWidth(2);
    printer.drawLine(Left, 2160, Right, 2160);
    text(printer, 396, 2196, u"月");
    printer.drawLine(756, 2160, 756, 2772);
    text(printer, 792, 2196, u"日");
    text(printer, 792, 2502, u"数");
    printer.drawLine(BlocksLeft, 2160, BlocksLeft, 2772);
    for (int weekday = 0; weekday < 5; ++weekday) {
        const int left = BlocksLeft + BlockWidth * weekday;
        text(printer, left + 1432, 2178, WeekdayNames[static_cast<std::size_t>(weekday)]);
        printer.drawLine(left + BlockWidth, 2160, left + BlockWidth, 2772);
    }
    printer.drawLine(BlocksLeft, 2466, Right, 2466);
    printer.setDrawWidth(1);
    printPeriodHeadings(printer, BlocksLeft, BlockWidth, 2466, 2772, 2484);
    printer.drawLine(Left, 2772, Right, 2772);

    const WeekRowGeometry rows{.row = Row,
                               .month = {396, 36, Left, 756, 12},
                               .cells = DayCellGeometry{BlocksLeft, BlockWidth, Row, 36, 10},
                               .days = {792, 36, 10},
                               .lineLeft = 756,
                               .lineRight = Right};
    SchoolDayCounter counter;
    const int top = 2772;
    printer.setDrawWidth(1);
    printer.setFontSize(12);
    const int y = printWeekRows(printer, state, intSeason, rows, top, counter);

    printer.setDrawWidth(2);
    printer.drawLine(Left, y, Right, y);
    printer.drawLine(756, top, 756, y);
    printer.drawLine(BlocksLeft, top, BlocksLeft, y);
    printDayGrid(printer, BlocksLeft, BlockWidth, top, y);
    closeFrame(printer, page, y);
    finishReport(printer);
}

// ---- Term hours report ----------------------------------------------------

void subPrintSeasonTotal(AppState& state, PrinterFacility& printer, int intSeason)
{
    constexpr int Left = 570;
    constexpr int Right = 15406;
    constexpr int Row = 323;
    constexpr TotalsGeometry Totals{1406, 560, 38, Row, 95, 9};

    constexpr FramedPage page{Left, Right, 1045, 16, {1140, 380}, 12, {10830, 703}, Right};
    beginFramedReport(state, printer, page, seasonTotalTitle(state, intSeason));
    const int bottom = printTotalsHeading(printer, Totals, page.top);

    printer.setDrawWidth(2);
    printer.drawLine(1406, 1045, 1406, bottom);
    printer.drawLine(Left, 2660, 1406, 2660);
    text(printer, 608, 2698, u"月");
    printer.drawLine(988, 2660, 988, bottom);
    text(printer, 1026, 2698, u"日");
    text(printer, 1026, 3021, u"数");
    printer.drawLine(1406, 2660, 1406, bottom);
    printer.drawLine(Left, bottom, Right, bottom);

    const WeekRowGeometry rows{.row = Row,
                               .month = {608, 0, Left, 988, 12},
                               .days = {1026, 38, 10},
                               .totals = &Totals,
                               .lineLeft = 988,
                               .lineRight = Right};
    SchoolDayCounter counter;
    const int top = bottom;
    printer.setDrawWidth(1);
    printer.setFontSize(12);
    int y = printWeekRows(printer, state, intSeason, rows, top, counter);

    printer.setDrawWidth(2);
    printer.drawLine(Left, y, Right, y);
    printer.drawLine(988, top, 988, y);
    printer.drawLine(1406, top, 1406, y);
    printer.drawLine(1406, top, 1406, y + 969);
    printTotalsSeparators(printer, Totals, top, y + 969);

    printer.setDrawWidth(2);
    printer.setFontSize(12);
    printer.drawLine(Left, y + 323, Right, y + 323);
    printer.drawLine(Left, y + 646, Right, y + 646);
    text(printer, 608, y + 38, u"計画");
    text(printer, 608, y + 361, u"実績");
    text(printer, 608, y + 684, u"増減");
    printSummaryFigures(printer, Totals, planTotals(state, intSeason), actualTotals(state, intSeason), y);

    printer.setDrawWidth(1);
    y += 969;
    printer.drawLine(Left, y, Right, y);
    y += 38;
    printer.drawLine(Left, y, Right, y);
    closeFrame(printer, page, y);
    printer.setFontSize(12);
    printer.printText(608, y + 361, schoolDaysText(counter.term));
    finishReport(printer);
}

// ---- Weekly plan ----------------------------------------------------------

void subPrintWeekPlan(const AppState& state, PrinterFacility& printer, int intWeekPlan)
{
    constexpr int Left = 1300;
    constexpr int Right = 9250;
    constexpr int Top = 1800;
    constexpr int Bottom = 15700;
    constexpr int Column = 1450;
    constexpr int Row = 1650;
    static constexpr std::array<QStringView, 8> Periods{u"０", u"１", u"２", u"３",
                                                        u"４", u"５", u"６", u"７"};
    static constexpr std::array<QStringView, 4> Lengths{u"１５分", u"３０分", u"４５分", u"６０分"};

    beginReport(printer, Orientation::Portrait, u"ＭＳ ゴシック"_s);
    printer.setFontSize(32);
    printer.printTextWithin(1300, 500, weekPlanTitle(state, intWeekPlan), roomBefore(1300, Right));
    printer.setFontSize(18);
    // The large title leaves no room beside it: the school year stands on
    // the teacher's line, under the title's start.
    if (state.intYear > 0)
        printer.printTextWithin(1300, 1400, eraSchoolYearText(state.intYear), roomBefore(1300, 6000));
    printer.printTextWithin(6000, 1400, weekPlanTeacherLine(state), roomBefore(6000, Right));
    for (int w = 0; w < 5; ++w)
        text(printer, 2550 + Column * w, 2020, WeekdayNames[static_cast<std::size_t>(w)]);
    for (int p = 0; p < 8; ++p)
        text(printer, 1470, 3100 + Row * p, Periods[static_cast<std::size_t>(p)]);

    const auto& week = intWeekPlan == 1 ? state.objWeekB : state.objWeekA;
    const VelaDayTime* last = week ? week->objLastDay().get() : nullptr;
    for (const VelaDayTime* day = week ? week->objFirstDay().get() : nullptr; day;
         day = day == last ? nullptr : day->objNextDay().get()) {
        // Only Monday to Friday have a column; a Saturday with lessons (only
        // from a file made elsewhere) would land outside the frame.
        const int w = day->intWeekName() - 1;
        if (w < 0 || w > 4)
            continue;
        const QString& subjects = day->strSubject();
        const QString& credits = day->strCredit();
        for (int p = 0; p < 8 && p < subjects.size(); ++p) {
            const QChar code = subjects.at(p);
            if (code == u'\u3000')
                continue;
            const QChar length = p < credits.size() ? credits.at(p) : QChar();
            const int units = length.isDigit() ? length.digitValue() : 0;
            const QString name = fncCodeToSubject(QString(code));
            if (units != 0 && !name.isEmpty()) {
                printer.setFontSize(32);
                printer.printText(2120 + Column * w, 2800 + Row * p, name);
            }
            if (!length.isNull() && length != u'0') {
                printer.setFontSize(10);
                const QString lengthText = units >= 1 && units <= 4
                                               ? Lengths[static_cast<std::size_t>(units - 1)].toString()
                                               : QString(length);
                printer.printText(2500 + Column * w, 3900 + Row * p, lengthText);
            }
        }
    }

    printer.setDrawWidth(8);
    printer.drawLine(Left, Top, Left, Bottom);
    printer.drawLine(Right, Top, Right, Bottom);
    printer.drawLine(Left, Top, Right, Top);
    printer.drawLine(Left, Bottom, Right, Bottom);
    printer.setDrawWidth(5);
    printer.drawLine(2000, Top, 2000, Bottom);
    printer.drawLine(Left, 2500, Right, 2500);
    printer.setDrawWidth(2);
    for (int i = 1; i <= 5; ++i)
        printer.drawLine(2000 + Column * i, Top, 2000 + Column * i, Bottom);
    for (int i = 1; i <= 8; ++i)
        printer.drawLine(Left, 2500 + Row * i, Right, 2500 + Row * i);
    finishReport(printer);
}

// ---- Dispatch -------------------------------------------------------------

QString reportCaption(int index)
{
    static constexpr std::array<QStringView, ReportCount> captions{
        u"年間の時数集計表",   u"1学期の時間割表",    u"1学期の時間集計表",
        u"２学期の時間割表",   u"２学期の時間集計表", u"３学期の時間割表",
        u"３学期の時間集計表", u"週間時間割計画表A",  u"週間時間割計画表B"};
    return index >= 0 && index < ReportCount ? captions[static_cast<std::size_t>(index)].toString()
                                             : QString();
}

bool printReport(AppState& state, PrinterFacility& printer, int index)
{
    if (index == 0)
        subPrintYear(state, printer);
    else if (index >= 1 && index <= 6 && index % 2 == 1)
        subPrintSeasonTimeChart(state, printer, (index + 1) / 2);
    else if (index >= 1 && index <= 6)
        subPrintSeasonTotal(state, printer, index / 2);
    else if (index == 7 || index == 8)
        subPrintWeekPlan(state, printer, index - 7);
    else
        return false;
    return true;
}

} // namespace lunaplan
