#pragma once

#include "core/errors.h"

#include <QColor>
#include <QString>

namespace lunaplan {

// What a report may ask of a printer, in the report's own units: positions in
// twips (1/1440 inch) from the top-left corner of the printable area, font
// sizes in points, line widths in device pixels. Reports draw only through
// this, so a test can record a page and a back end can put it on paper, in a
// PDF or in an image.
class PrinterFacility {
public:
    enum class Orientation { Portrait, Landscape };

    virtual ~PrinterFacility() = default;

    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(int points) = 0;
    // Colour of the texts that follow; lines are always black.
    virtual void setForeColor(QColor color) = 0;
    // Width of the lines that follow, in pixels of the printer (1, 2, 4, 5 or 8).
    virtual void setDrawWidth(int pixels) = 0;
    // A text whose first character cell has its top-left corner at (x, y).
    virtual void printText(int x, int y, const QString& text) = 0;
    // The same, for a text that must end within width twips of x (the room
    // its cell leaves): one that would reach further is drawn condensed
    // horizontally, in the same face and height, so that it ends there.
    virtual void printTextWithin(int x, int y, const QString& text, int width) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // Ends the page and starts the next one of the same document, in the same
    // orientation and settings (a report of several pages).
    virtual void newPage() = 0;
    // Ends the page and sends it on; throws PrintError when the device fails.
    virtual void endDoc() = 0;

protected:
    PrinterFacility() = default;
    PrinterFacility(const PrinterFacility&) = default;
    PrinterFacility& operator=(const PrinterFacility&) = default;
};

// The printer (or the PDF file) could not take the page.
class PrintError : public LunaError {
public:
    explicit PrintError(const QString& description);
    static constexpr int Number = 482;
};

} // namespace lunaplan
