#pragma once

#include "core/csvtable.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

namespace lunaplan {

class AppState;

// Which table a CSV of several classes holds.
enum class CsvKind { Totals, Outlook };

// The figures of several classes in one CSV for the school office: one
// heading row, then a block of rows per class, every row led by the class's
// 年度, 学年, 組, 担任 and the term (学期, 1 to 3) its 学期･ columns show, so
// a spreadsheet can filter and add by class.
class ClassesCsv {
public:
    // term 1 to 3, or 0 for the term of each class's reference date;
    // date: the reference date asked for (outlookReferenceDate).
    ClassesCsv(CsvKind kind, int term, QDate date);

    // Appends the class's block. Throws OverflowError when a figure leaves
    // 16 bits; nothing is appended then.
    void addClass(AppState& state);

    int classCount() const { return m_classes; }
    QByteArray toBytes() const { return m_csv.toBytes(); }

private:
    CsvKind m_kind;
    int m_term;
    QDate m_date;
    int m_classes = 0;
    CsvTable m_csv;
};

} // namespace lunaplan
