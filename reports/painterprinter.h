#pragma once

#include "reports/printerfacility.h"
#include "reports/recordingprinter.h"

#include <QRectF>
#include <QSizeF>

class QPaintDevice;

namespace lunaplan {

// The printer facility on a QPainter device: a QPrinter (paper or preview), a
// QPdfWriter or a QImage. The page is kept until endDoc and then painted in
// one pass, twips mapped to the device and scaled down uniformly when it is
// larger than the printable area, so nothing is ever cut off.
class PainterPrinter final : public PrinterFacility {
public:
    // The device must outlive the printer facility.
    explicit PainterPrinter(QPaintDevice& device);

    void setOrientation(Orientation orientation) override { m_recording.setOrientation(orientation); }
    void setFontName(const QString& name) override { m_recording.setFontName(name); }
    void setFontSize(int points) override { m_recording.setFontSize(points); }
    void setForeColor(QColor color) override { m_recording.setForeColor(color); }
    void setDrawWidth(int pixels) override { m_recording.setDrawWidth(pixels); }
    void printText(int x, int y, const QString& text) override { m_recording.printText(x, y, text); }
    void printTextWithin(int x, int y, const QString& text, int width) override
    {
        m_recording.printTextWithin(x, y, text, width);
    }
    void drawLine(int x1, int y1, int x2, int y2) override { m_recording.drawLine(x1, y1, x2, y2); }
    void newPage() override { m_recording.newPage(); }
    void endDoc() override;

private:
    QPaintDevice& m_device;
    RecordingPrinter m_recording;
};

// Where a text is painted, in twips: its first character cell's corner, the
// text's advance (condensed to its width when it has one) and the font's height.
QRectF textRect(const PrintItem& item);

// How far a page reaches to the right and down, in twips, texts included.
QSizeF pageExtent(const RecordedPage& page);

// The factor (at most 1) by which a page of the given extent must shrink to
// fit the available size, both in twips.
double fitScale(QSizeF extent, QSizeF available);

// Paints a page on a device (setting a paged device's orientation first).
// Throws PrintError when the device cannot be opened or reports an error.
void renderPage(const RecordedPage& page, QPaintDevice& device);
// Paints pages one after the other on a paged device (a QPrinter or QPdfWriter);
// each page is fitted to the paper on its own.
void renderPages(const QList<RecordedPage>& pages, QPaintDevice& device);

// Line widths are pixels of a 600 dpi printer, so paper and PDF look alike.
inline constexpr double TwipsPerPrinterPixel = 1440.0 / 600.0;

} // namespace lunaplan
