#include "reports/pdfexport.h"

#include "core/appstate.h"
#include "reports/painterprinter.h"
#include "reports/reportprocedures.h"
#include "reports/weeklyplanreport.h"
#include "storage/atomicfile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

template <typename Draw> QByteArray pdfOf(const QString& title, const Draw& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(u"Lunaplan"_s);
        writer.setTitle(title);
        // About the margins a printer cannot print on, so the PDF looks like the paper.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        PainterPrinter printer(writer);
        draw(printer);
    }
    return buffer.data();
}

} // namespace

QByteArray reportPdf(AppState& state, int index)
{
    return pdfOf(reportCaption(index), [&](PrinterFacility& printer) { printReport(state, printer, index); });
}

QByteArray weeklyPlanPdf(const AppState& state, QDate from, int weeks)
{
    return pdfOf(u"週案"_s,
                 [&](PrinterFacility& printer) { subPrintWeeklyPlan(state, printer, from, weeks); });
}

void writeWeeklyPlanPdf(const AppState& state, QDate from, int weeks, const QString& fileName)
{
    writeFileAtomically(fileName, weeklyPlanPdf(state, from, weeks), {state.strFileName});
}

void writeReportPdf(AppState& state, int index, const QString& fileName)
{
    writeFileAtomically(fileName, reportPdf(state, index), {state.strFileName});
}

} // namespace lunaplan
