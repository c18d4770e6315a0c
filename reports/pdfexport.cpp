#include "reports/pdfexport.h"

#include "core/errors.h"
#include "reports/painterprinter.h"
#include "reports/reportprocedures.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

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
    const QByteArray bytes = reportPdf(state, index);
    QSaveFile file(fileName);
    const auto fail = [&](const QString& what) {
        throw FileError(FileError::PathAccess,
                        u"ファイル「%1」を%2: %3"_s.arg(fileName, what, file.errorString()));
    };
    // Unbuffered, so that a failed write is seen here and not lost in commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(u"開けませんでした"_s);
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            fail(u"書き込めませんでした"_s);
        done += static_cast<qsizetype>(written);
    }
    if (!file.commit())
        fail(u"保存できませんでした"_s);
}

} // namespace lunaplan
