#include "reports/painterprinter.h"

#include "reports/reportfonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <algorithm>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr double TwipsPerInch = 1440.0;

// The horizontal scale a text is painted at: 1, or less for a text condensed to its width.
double condensing(const PrintItem& item)
{
    if (item.width <= 0)
        return 1.0;
    const double advance = textAdvance(item.settings.fontName, item.settings.fontSize, item.text);
    return advance > item.width ? item.width / advance : 1.0;
}

QPageLayout::Orientation pageOrientation(PrinterFacility::Orientation orientation)
{
    return orientation == PrinterFacility::Orientation::Landscape ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait;
}

void paintItems(const RecordedPage& page, QPainter& painter)
{
    for (const PrintItem& item : page.items) {
        if (item.kind == PrintItem::Kind::Line) {
            QPen pen(Qt::black, item.settings.drawWidth * TwipsPerPrinterPixel);
            pen.setCapStyle(Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(item.from), QPointF(item.to));
        } else {
            const QFont font = reportFont(item.settings.fontName, item.settings.fontSize);
            painter.setFont(font);
            painter.setPen(item.settings.color);
            // The point is the top-left corner of the first character cell.
            const QFontMetricsF metrics(font);
            painter.save();
            painter.translate(item.from.x(), item.from.y() + metrics.ascent());
            painter.scale(condensing(item), 1.0);
            painter.drawText(QPointF(0, 0), item.text);
            painter.restore();
        }
    }
}

} // namespace

PainterPrinter::PainterPrinter(QPaintDevice& device)
    : m_device(device)
{}

void PainterPrinter::endDoc()
{
    m_recording.endDoc();
    renderPages(m_recording.pages(), m_device);
}

QRectF textRect(const PrintItem& item)
{
    const QFontMetricsF metrics(reportFont(item.settings.fontName, item.settings.fontSize));
    return {QPointF(item.from),
            QSizeF(metrics.horizontalAdvance(item.text) * condensing(item), metrics.height())};
}

QSizeF pageExtent(const RecordedPage& page)
{
    double right = 0;
    double bottom = 0;
    for (const PrintItem& item : page.items) {
        if (item.kind == PrintItem::Kind::Line) {
            const double halfPen = item.settings.drawWidth * TwipsPerPrinterPixel / 2;
            right = std::max({right, item.from.x() + halfPen, item.to.x() + halfPen});
            bottom = std::max({bottom, item.from.y() + halfPen, item.to.y() + halfPen});
        } else {
            const QRectF rect = textRect(item);
            right = std::max(right, rect.right());
            bottom = std::max(bottom, rect.bottom());
        }
    }
    return {right, bottom};
}

double fitScale(QSizeF extent, QSizeF available)
{
    double scale = 1.0;
    if (extent.width() > available.width() && extent.width() > 0)
        scale = std::min(scale, available.width() / extent.width());
    if (extent.height() > available.height() && extent.height() > 0)
        scale = std::min(scale, available.height() / extent.height());
    return std::max(scale, 0.0);
}

void renderPage(const RecordedPage& page, QPaintDevice& device)
{
    renderPages({page}, device);
}

void renderPages(const QList<RecordedPage>& pages, QPaintDevice& device)
{
    auto* paged = dynamic_cast<QPagedPaintDevice*>(&device);
    if (paged && !pages.isEmpty())
        paged->setPageOrientation(pageOrientation(pages.first().orientation));

    QPainter painter;
    if (!painter.begin(&device))
        throw PrintError(u"印刷を始められませんでした。プリンターの接続と設定を確かめてください。"_s);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const double dotsPerTwipX = device.logicalDpiX() / TwipsPerInch;
    const double dotsPerTwipY = device.logicalDpiY() / TwipsPerInch;
    const QSizeF available(device.width() / dotsPerTwipX, device.height() / dotsPerTwipY);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        // An image has one page: later pages are not painted over the first.
        if (i > 0 && (!paged || !paged->newPage()))
            break;
        const double scale = fitScale(pageExtent(pages[i]), available);
        painter.save();
        painter.scale(dotsPerTwipX * scale, dotsPerTwipY * scale);
        paintItems(pages[i], painter);
        painter.restore();
    }

    const bool ended = painter.end();
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    if (!ended || (printer && printer->printerState() == QPrinter::Error))
        throw PrintError(u"印刷中にエラーが発生しました。"_s);
}

} // namespace lunaplan
