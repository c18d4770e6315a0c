#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lunaplan {

// Rows of text fields as a spreadsheet reads them: UTF-8 with a byte-order
// mark (without it Excel takes the bytes for the system's code page), CR LF
// after every row, a field quoted only when it holds a comma, a quote or a
// line break (a quote inside doubled).
class CsvTable {
public:
    void addRow(const QStringList& fields);
    QByteArray toBytes() const;

private:
    QString m_text;
};

// The unit count of a figure as the whole minutes a spreadsheet can add
// (a unit is 15 minutes; a lesson hour of 45 minutes is 3 units). The
// lessons.remainder text is no decimal: 94.2 and 0.1 make 95.0, not 94.3.
QString csvMinutes(int units);

} // namespace lunaplan
