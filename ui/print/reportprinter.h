#pragma once

#include <memory>

class QPrinter;

namespace lunaplan {

// The printer the reports print on: one for the whole run, so that a paper
// chosen in page setup or the printer dialog holds for every report. It is
// made when first needed, as a printer loads the system's printing support,
// which the program's start should not wait for.
class ReportPrinter {
public:
    ReportPrinter();
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    QPrinter& get();

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace lunaplan
