#include "reports/pdfexport.h"

#include "core/appstate.h"
#include "reports/painterprinter.h"
#include "reports/reportprocedures.h"
#include "storage/atomicfile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace lunaplan {

QByteArray reportPdf(AppState& state, int index)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(u"Lunaplan"_s);
        writer.setTitle(reportCaption(index));
        // About the margins a printer cannot print on, so the PDF looks like the paper.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        PainterPrinter printer(writer);
        printReport(state, printer, index);
    }
    return buffer.data();
}

void writeReportPdf(AppState& state, int index, const QString& fileName)
{
    writeFileAtomically(fileName, reportPdf(state, index), {state.strFileName});
}

} // namespace lunaplan
