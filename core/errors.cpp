#include "core/errors.h"

namespace lunaplan {

using namespace Qt::StringLiterals;

LunaError::LunaError(int number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{}

ConversionError::ConversionError()
    : ConversionError(u"型が一致しません。"_s)
{}

ConversionError::ConversionError(const QString& description)
    : LunaError(Number, description)
{}

OverflowError::OverflowError()
    : OverflowError(u"オーバーフローしました。"_s)
{}

OverflowError::OverflowError(const QString& description)
    : LunaError(Number, description)
{}

FileError::FileError(int number, const QString& description)
    : LunaError(number, description)
{}

FormatError::FormatError(int line, const QString& reason)
    : LunaError(Number, u"%1行目: %2"_s.arg(line).arg(reason))
    , m_line(line)
{}

} // namespace lunaplan
