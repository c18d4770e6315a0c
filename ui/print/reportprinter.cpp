#include "ui/print/reportprinter.h"

#include <QPrinter>

namespace lunaplan {

ReportPrinter::ReportPrinter() = default;
ReportPrinter::~ReportPrinter() = default;

QPrinter& ReportPrinter::get()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

} // namespace lunaplan
