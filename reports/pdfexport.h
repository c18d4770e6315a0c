#pragma once

#include <QByteArray>
#include <QString>

namespace lunaplan {

class AppState;

// Report index (0 … 8, the print dialog's options) as a one-page A4 PDF.
// Throws what the report throws.
QByteArray reportPdf(AppState& state, int index);

// Writes the report to a PDF file, replacing it only when the whole file was
// written. Throws FileError naming the file when it cannot be written.
void writeReportPdf(AppState& state, int index, const QString& fileName);

} // namespace lunaplan
