#include "core/csvtable.h"

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

void CsvTable::addRow(const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            m_text += u',';
        m_text += csvField(fields[i]);
    }
    m_text += u"\r\n"_s;
}

QByteArray CsvTable::toBytes() const
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + m_text.toUtf8();
}

QString csvMinutes(int units)
{
    return QString::number(qint64{units} * 15);
}

} // namespace lunaplan
