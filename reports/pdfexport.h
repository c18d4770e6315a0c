#pragma once

#include <QByteArray>
#include <QDate>
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

// The weekly plan from the week of `from`, `weeks` pages, as an A4 PDF, and
// written as writeReportPdf writes.
QByteArray weeklyPlanPdf(const AppState& state, QDate from, int weeks);
void writeWeeklyPlanPdf(const AppState& state, QDate from, int weeks, const QString& fileName);

} // namespace lunaplan
