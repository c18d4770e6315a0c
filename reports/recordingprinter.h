#pragma once

#include "reports/printerfacility.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>

namespace lunaplan {

// The printer settings in force when an item was drawn.
struct PrintSettings {
    QString fontName;
    int fontSize = 10;
    QColor color = Qt::black;
    int drawWidth = 1;
};

// One text or line of a page, with the settings it was drawn in.
struct PrintItem {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    QPoint from; // the text's point, or the line's first end
    QPoint to;   // the line's second end
    QString text;
    PrintSettings settings;
    int width = 0; // the room a text must end within; 0 when it has no limit
};

// A page as a report drew it: the orientation and the items in drawing order.
struct RecordedPage {
    PrinterFacility::Orientation orientation = PrinterFacility::Orientation::Portrait;
    QList<PrintItem> items;
};

// Keeps what a report draws instead of printing it: the back end of the tests
// and the first half of the painting back end, which needs the whole page
// before it can scale it to the paper.
class RecordingPrinter final : public PrinterFacility {
public:
    void setOrientation(Orientation orientation) override { m_page.orientation = orientation; }
    void setFontName(const QString& name) override { m_settings.fontName = name; }
    void setFontSize(int points) override { m_settings.fontSize = points; }
    void setForeColor(QColor color) override { m_settings.color = color; }
    void setDrawWidth(int pixels) override { m_settings.drawWidth = pixels; }
    void printText(int x, int y, const QString& text) override;
    void printTextWithin(int x, int y, const QString& text, int width) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void newPage() override;
    void endDoc() override { ++m_documentsEnded; }

    // The page being drawn (the last one), and every page in order.
    const RecordedPage& page() const { return m_page; }
    QList<RecordedPage> pages() const { return m_donePages + QList<RecordedPage>{m_page}; }
    const PrintSettings& settings() const { return m_settings; }
    int documentsEnded() const { return m_documentsEnded; }

    // The texts drawn, and the first text equal to text (nullptr if none).
    QList<PrintItem> texts() const;
    const PrintItem* findText(const QString& text) const;
    QList<PrintItem> lines() const;

private:
    RecordedPage m_page;
    QList<RecordedPage> m_donePages;
    PrintSettings m_settings;
    int m_documentsEnded = 0;
};

} // namespace lunaplan
