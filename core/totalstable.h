#pragma once

#include "core/totalsrecord.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>

namespace lunaplan {

class AppState;

// How a figure of the totals table is coloured: black, red for a negative
// difference, blue for a positive one.
enum class FigureTone { Plain, Negative, Positive };

// The tone of a difference from the plan.
FigureTone differenceTone(int difference);

// A row of the totals table below its heading row: the row heading and the
// totals field it shows.
struct TotalsTableRow {
    QStringView label;
    TotalField field;
};

// The 23 rows in the order the table shows them.
const std::array<TotalsTableRow, 23>& totalsTableRows();

// The texts of the heading row, columns 0 to 6.
const std::array<QStringView, 7>& totalsTableHeadings();

// The term shown for a date, as the index of its option (0 to 2): April to
// July 0, August to December 1, January to March 2 (an empty date too). These
// are the months that assign recorded days to terms.
int seasonForDate(QDate date);

// Plan, actual and difference per subject for one term and for the year: 24
// rows by 7 columns, row 0 and column 0 the headings. Columns 1 to 3 belong to
// the chosen term (plan, actual, actual minus plan), columns 4 to 6 to the year.
// Every figure is a unit count in the lessons.remainder text.
class TotalsTable {
public:
    static constexpr int RowCount = 24;
    static constexpr int ColumnCount = 7;

    struct Cell {
        QString text;
        FigureTone tone = FigureTone::Plain;
        int units = 0; // the figure of a cell below the headings, as counted
    };

    // The headings, every figure cell empty.
    TotalsTable();

    const Cell& cell(int row, int column) const { return m_cells.at(index(row)).at(index(column)); }
    Cell& cell(int row, int column) { return m_cells.at(index(row)).at(index(column)); }

    // What a reader of the figures must know about them (foreignLanguageNote);
    // empty when nothing.
    const QString& note() const { return m_note; }
    void setNote(const QString& note) { m_note = note; }

private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i); }

    std::array<std::array<Cell, ColumnCount>, RowCount> m_cells;
    QString m_note;
};

// Recomputes the actual hours from the held recorded days (assignResultTerms)
// and builds the table for term season (0 to 2), with the note of the class's
// grade (foreignLanguageNote). A plan without terms counts as zeros. Throws
// OverflowError when a difference does not fit 16 bits and std::out_of_range
// for a season outside 0 to 2.
TotalsTable fncTotalsTable(AppState& state, int season);

// The rows of the table's CSV: the heading row, then one row per subject.
// Every figure column is followed by the same figure in minutes (csvMinutes),
// headed by its heading and "(分)", so that a spreadsheet adds the figures
// exactly. A note follows as a last row "注", note.
QList<QStringList> totalsTableCsvRows(const TotalsTable& table);

// The table as CSV (CsvTable): the rows above.
QByteArray fncTotalsTableCsv(const TotalsTable& table);

// The heading of the minutes column beside a figure column.
QString minutesHeading(QStringView heading);

// What the school office must know about the 教科小計 of grades 3 and 4: the
// standard hours put 外国語活動, which is no subject (教科), in the 英語 row,
// which is counted in 教科小計. Empty for the other grades.
QString foreignLanguageNote(int grade);

} // namespace lunaplan
