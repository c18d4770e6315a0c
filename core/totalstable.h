#pragma once

#include "core/totalsrecord.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>

namespace lunaplan {

class AppState;

// How a figure of the totals table is coloured: black, red for a negative
// difference, blue for a positive one.
enum class FigureTone { Plain, Negative, Positive };

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
    };

    // The headings, every figure cell empty.
    TotalsTable();

    const Cell& cell(int row, int column) const { return m_cells.at(index(row)).at(index(column)); }
    Cell& cell(int row, int column) { return m_cells.at(index(row)).at(index(column)); }

private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i); }

    std::array<std::array<Cell, ColumnCount>, RowCount> m_cells;
};

// Recomputes the actual hours from the held recorded days (assignResultTerms)
// and builds the table for term season (0 to 2). A plan without terms counts
// as zeros. Throws OverflowError when a difference does not fit 16 bits and
// std::out_of_range for a season outside 0 to 2.
TotalsTable fncTotalsTable(AppState& state, int season);

// The table as CSV, headings included: UTF-8 with a byte-order mark, CR LF
// after every row, a field quoted only when it holds a comma, a quote or a
// line break (a quote inside doubled).
QByteArray fncTotalsTableCsv(const TotalsTable& table);

} // namespace lunaplan
