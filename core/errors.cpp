#include "core/errors.h"

namespace lunaplan {

LunaError::LunaError(int number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{}

ConversionError::ConversionError(const QString& description)
    : LunaError(Number, description)
{}

OverflowError::OverflowError(const QString& description)
    : LunaError(Number, description)
{}

FileError::FileError(int number, const QString& description)
    : LunaError(number, description)
{}

FormatError::FormatError(int line, const QString& reason)
    : LunaError(Number, QStringLiteral("%1行目: %2").arg(line).arg(reason))
    , m_line(line)
{}

} // namespace lunaplan
