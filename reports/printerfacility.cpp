#include "reports/printerfacility.h"

namespace lunaplan {

PrintError::PrintError(const QString& description)
    : LunaError(Number, description)
{}

} // namespace lunaplan
