#pragma once

#include <QByteArray>
#include <QString>

namespace lunaplan {

class AppState;

// Report index (0 … 8, the print dialog's options) as a one-page A4 PDF.
// Throws what the report throws.
QByteArray reportPdf(AppState& state, int index);

// Writes the report to a PDF file through the atomic writer: the class file of
// the state (strFileName) and anything that is not a regular file are never
// replaced, and a failed write leaves the previous file whole. Throws FileError
// naming the file and the reason in Japanese.
void writeReportPdf(AppState& state, int index, const QString& fileName);

} // namespace lunaplan
