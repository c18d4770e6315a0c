#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace lunaplan {

// A count of 15-minute units as a qint16; throws OverflowError when it does not fit.
qint16 checkedUnits(qint64 units);

// Unit count to the lessons.remainder notation: 97 gives "32.1", -4 gives "-1.1".
// Takes an int so that a difference of two counts (plan and actual), which
// may leave 16 bits, is written as it is rather than wrapped around.
QString fncCreditToStr(int units);

// Lessons.remainder text (or a plain number of lessons) to a unit count:
// "32.1" gives 97, "32" gives 96, "1.5" gives 8, "32." and "3.25" give 0.
// Throws ConversionError on text that is not a number or whose count does not
// fit a signed 16-bit integer.
qint16 fncStrToCredit(const QString& text);

QString fncBtoS(bool value);
bool fncStoB(QStringView text);

// The date month/day inside the school year that starts in April of the year
// text: months 1 to 3 (and a month text that is not a number) belong to the
// following calendar year. Throws ConversionError when the texts make no date.
QDate fncMakeDate(QStringView yearText, QStringView monthText, QStringView dayText);
// The same for numbers already read: month/day in the school year of `year`.
QDate fncMakeDate(int year, int month, int day);

// A whole decimal number with optional surrounding spaces and sign; nothing
// when the text is anything else or does not fit 32 bits.
std::optional<int> parseInteger(QStringView text);

// The lesson-length code of a slot in a length string: its digit, 0 for a
// missing or non-digit character.
int lengthCodeAt(QStringView credits, qsizetype slot);

// The school year (年度) a date belongs to: April to December of Y and
// January to March of Y + 1 belong to Y.
int schoolYearOf(QDate date);

} // namespace lunaplan
