#include "core/units.h"

#include "core/errors.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace lunaplan {

using namespace Qt::StringLiterals;

qint16 checkedUnits(qint64 units)
{
    if (units < std::numeric_limits<qint16>::min() || units > std::numeric_limits<qint16>::max())
        throw OverflowError();
    return static_cast<qint16>(units);
}

QString fncCreditToStr(int units)
{
    const qint64 magnitude = std::abs(qint64{units}); // the smallest int has no int magnitude
    const QString text = QString::number(magnitude / 3) + u'.' + QString::number(magnitude % 3);
    return units < 0 ? u'-' + text : text;
}

std::optional<int> parseInteger(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    qsizetype pos = 0;
    if (pos < trimmed.size() && (trimmed[pos] == u'+' || trimmed[pos] == u'-'))
        ++pos;
    if (pos == trimmed.size())
        return std::nullopt;
    for (qsizetype i = pos; i < trimmed.size(); ++i) {
        if (trimmed[i] < u'0' || trimmed[i] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

namespace {

qint16 unitsOrConversionError(qint64 units)
{
    if (units < std::numeric_limits<qint16>::min() || units > std::numeric_limits<qint16>::max())
        throw ConversionError(u"時数が大きすぎます。"_s);
    return static_cast<qint16>(units);
}

} // namespace

qint16 fncStrToCredit(const QString& text)
{
    const qsizetype dot = text.indexOf(u'.');
    if (dot < 0) {
        const std::optional<int> lessons = parseInteger(text);
        if (!lessons)
            throw ConversionError();
        return unitsOrConversionError(qint64{*lessons} * 3);
    }
    if (dot != text.size() - 2)
        return 0;
    const QStringView before = QStringView(text).left(dot);
    const std::optional<int> lessons = parseInteger(before);
    const QChar remainder = text.back();
    if (!lessons || remainder < u'0' || remainder > u'9')
        throw ConversionError();
    // "-1.1" means minus (one lesson and one unit), as fncCreditToStr writes it.
    const qint64 magnitude = std::abs(qint64{*lessons}) * 3 + (remainder.unicode() - u'0');
    const bool negative = before.trimmed().startsWith(u'-');
    return unitsOrConversionError(negative ? -magnitude : magnitude);
}

QString fncBtoS(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

bool fncStoB(QStringView text)
{
    return text == u"True";
}

QDate fncMakeDate(QStringView yearText, QStringView monthText, QStringView dayText)
{
    const std::optional<int> year = parseInteger(yearText);
    const std::optional<int> month = parseInteger(monthText);
    const std::optional<int> day = parseInteger(dayText);
    if (!year || !month || !day)
        throw ConversionError();
    return fncMakeDate(*year, *month, *day);
}

QDate fncMakeDate(int year, int month, int day)
{
    // The largest year has no following calendar year to put January to March in.
    if (month <= 3 && year == std::numeric_limits<int>::max())
        throw ConversionError(u"日付ではありません。"_s);
    const QDate date(month <= 3 ? year + 1 : year, month, day);
    if (!date.isValid())
        throw ConversionError(u"日付ではありません。"_s);
    return date;
}

int lengthCodeAt(QStringView credits, qsizetype slot)
{
    if (slot < 0 || slot >= credits.size())
        return 0;
    const QChar c = credits[slot];
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

int schoolYearOf(QDate date)
{
    return date.month() >= 4 ? date.year() : date.year() - 1;
}

} // namespace lunaplan
