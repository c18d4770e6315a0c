#pragma once

#include "core/totalsrecord.h"
#include "reports/printerfacility.h"

#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

namespace lunaplan {

class AppState;

// ---- Text functions -------------------------------------------------------

// The number in decimal, padded on the left with spaces to width characters;
// a longer text is returned as it is. fncItoS(5, 2) is " 5".
QString fncItoS(qint16 number, qint16 width);
// The lessons.remainder text of a unit count, padded the same way:
// fncCtoS(10, 4) is " 3.1".
QString fncCtoS(qint16 units, qint16 width);
// The subject name the weekly plan prints for a code; empty for codes it does
// not name (児, 行, 切, 予, the empty-slot mark).
QString fncCodeToSubject(const QString& code);

// ---- Titles ---------------------------------------------------------------

// The grade as a full-width digit ("３"); the plain number outside 1 … 6.
QString gradeText(int grade);
// The class number 1 … 9 when the class reads as one (rounded), else nothing.
std::optional<int> classNumber(const QString& strClass);
// The class as titles print it: a full-width digit for 1 … 9, else as typed.
QString classText(const QString& strClass);

QString yearTitle(const AppState& state);
QString seasonChartTitle(const AppState& state, int season);
QString seasonTotalTitle(const AppState& state, int season);
// "担任　 " and the teacher.
QString teacherLine(const AppState& state);

// Texts end this far before the line that closes their cell: less, and a
// condensed figure's last digit runs into the line on paper.
inline constexpr int CellMargin = 20;
// The room a text at x has in a cell that ends at right.
constexpr int roomBefore(int x, int right)
{
    return right - CellMargin - x;
}

// A title at (x, y) at points in the report's face, and the school year
// ("令和8年度") beside it after a full-width space at the same size; both end
// before right, condensed alike where they would reach further.
void printTitle(PrinterFacility& printer, const AppState& state, const QString& fontName, int points,
                QPoint at, const QString& title, int right);
// The weekly plan's title and teacher line (hiragana for grades 1 and 2).
QString weekPlanTitle(const AppState& state, int intWeekPlan);
QString weekPlanTeacherLine(const AppState& state);
// "授業日数　 72日".
QString schoolDaysText(int count);
// 一, 二, 三.
QString termKanji(int season);

// ---- Terms and week rows --------------------------------------------------

// The days a term's rows cover: from the day after one holiday period to the
// day before the next. Not valid when the calendar is not set.
struct TermBounds {
    QDate first;
    QDate last;
    bool isValid() const { return first.isValid() && last.isValid() && first <= last; }
    bool contains(QDate date) const { return date >= first && date <= last; }
};
TermBounds termBounds(const AppState& state, int season);
// 4, 8 and 1: the month a term begins in.
int firstMonthOfTerm(int season);

// The Mondays of the term's week rows, first to last.
QList<QDate> weekRowMondays(const TermBounds& term);

// ---- Month column ---------------------------------------------------------

// Where a report puts the month column.
struct MonthColumnGeometry {
    int textX = 0;
    int textInset = 0; // below the row top, in a month's second row
    int separatorLeft = 0;
    int separatorRight = 0;
    int fontSize = 0;
};

// The month column of one term, row by row: each month's number once (in
// its second row; August in its first) and a separator above every month
// but the term's first that has a second row.
class MonthColumn {
public:
    explicit MonthColumn(int season)
        : m_firstMonth(firstMonthOfTerm(season))
    {}

    struct Step {
        std::optional<int> separatorY;
        std::optional<int> numberY;
        int month = 0;
    };
    // The row of the week starting monday at rowTop.
    Step next(QDate monday, int rowTop, int textInset);
    // Draws a row's step.
    static void print(PrinterFacility& printer, const MonthColumnGeometry& geometry, const Step& step);

private:
    int m_firstMonth;
    int m_month = 0;
    int m_rowsOfMonth = 0;
    int m_firstRowTop = 0;
};

// ---- Day cells and school days --------------------------------------------

// School days counted for the week, the term and the year.
struct SchoolDayCounter {
    int week = 0;
    int term = 0;
    int year = 0;
    void countDay()
    {
        ++week;
        ++term;
        ++year;
    }
};

struct DayCellGeometry {
    int blocksLeft = 0;
    int blockWidth = 0; // nine sub-columns of equal width
    int rowHeight = 0;
    int inset = 0;
    int fontSize = 0;
};

// The five day cells of a row: struck through outside the term, else the date
// and, on a school day, the held lessons of the date, or ☆ in every period
// on a day without school. Counts the school days (counter.week starts at 0).
void printDayCells(PrinterFacility& printer, const AppState& state, const TermBounds& term, QDate monday,
                   int rowTop, const DayCellGeometry& geometry, SchoolDayCounter& counter);
// Counts the school days of a row as printDayCells does, without printing.
void countSchoolDays(const AppState& state, const TermBounds& term, QDate monday, SchoolDayCounter& counter);

// ---- Totals columns -------------------------------------------------------

inline constexpr int TotalsColumnCount = 23;

// Where a report puts the 23 totals columns; their order, widths, separators
// and headings are the same in every report. Columns count from 1; 20 and 23
// are two narrow columns wide. A column's figures stand inset into it (the
// wide ones 100 twips further) and figureDrop below their row's top, at
// figurePoints; its heading stands twice the inset into it, in lines one row
// apart.
struct TotalsGeometry {
    int left = 0; // of column 1
    int unit = 0; // the width of a narrow column
    int inset = 0;
    int row = 0;
    int figureDrop = 0;
    int figurePoints = 0;
    int columnLeft(int column) const;
    int columnRight(int column) const;
    int right() const { return columnRight(TotalsColumnCount); }
};

// The heading of the totals below frameTop: "集…表", the line one row down
// that closes it, the group headings 教科 and 特別活動 with their rules, and
// every column's heading with the separator on its right. In the report's
// current font size; returns the heading's bottom, seven rows below frameTop.
int printTotalsHeading(PrinterFacility& printer, const TotalsGeometry& geometry, int frameTop);

// Separators at the right edges of columns 1 … 22 from top to bottom; the
// width is left at the last separator's.
void printTotalsSeparators(PrinterFacility& printer, const TotalsGeometry& geometry, int top, int bottom);

// ---- Week totals and summary rows -----------------------------------------

// The held lessons of the week from monday to its Sunday, totalled.
TotalsRecord weekTotals(const AppState& state, QDate monday);

// The week's 23 figures in the row at rowTop.
void printWeekTotals(PrinterFacility& printer, const TotalsGeometry& geometry, const TotalsRecord& totals,
                     int rowTop);

// Plan and actual of a term (1 … 3), or of the year (0); zeros for a term
// the plan does not have.
TotalsRecord planTotals(const AppState& state, int season);
TotalsRecord actualTotals(const AppState& state, int season);

// Plan, actual and difference rows from blockTop down, at the left edges plus
// 10 twips (the wide columns plus 100); differences in red when negative,
// blue when positive. Throws OverflowError when a difference leaves the unit
// range.
void printSummaryFigures(PrinterFacility& printer, const TotalsGeometry& geometry, const TotalsRecord& plan,
                         const TotalsRecord& actual, int blockTop);

// ---- Week rows ------------------------------------------------------------

// Where the week's school days stand in the days column: at x, inset below
// the row's top.
struct DaysColumnGeometry {
    int x = 0;
    int inset = 0;
    int fontSize = 0;
};

// Where a report puts the rows of a term's weeks: the height of a row, the
// month column, the day cells (without them the school days are only
// counted), the days column, the week totals if any, and the line that closes
// each row, from lineLeft to lineRight.
struct WeekRowGeometry {
    int row = 0;
    MonthColumnGeometry month{};
    std::optional<DayCellGeometry> cells{};
    DaysColumnGeometry days{};
    const TotalsGeometry* totals = nullptr;
    int lineLeft = 0;
    int lineRight = 0;
};

// The week rows of a term (1 … 3) from top down, each with its month column,
// day cells, school days and totals; returns the bottom of the last row.
int printWeekRows(PrinterFacility& printer, const AppState& state, int season,
                  const WeekRowGeometry& geometry, int top, SchoolDayCounter& counter);

// ---- Start and end of every report ----------------------------------------

// Points the actual terms at the held days of their months and recomputes
// the actual year (the totals table does the same).
void prepareActualTerms(AppState& state);
void beginReport(PrinterFacility& printer, PrinterFacility::Orientation orientation, const QString& fontName);
void finishReport(PrinterFacility& printer);

} // namespace lunaplan
