#include "reports/recordingprinter.h"

#include <algorithm>

namespace lunaplan {

void RecordingPrinter::newPage()
{
    m_donePages.append(m_page);
    m_page.items.clear();
}

void RecordingPrinter::printText(int x, int y, const QString& text)
{
    m_page.items.append({PrintItem::Kind::Text, QPoint(x, y), QPoint(x, y), text, m_settings});
}

void RecordingPrinter::printTextWithin(int x, int y, const QString& text, int width)
{
    // A cell with no room left still limits its text: it is drawn one twip wide.
    m_page.items.append(
        {PrintItem::Kind::Text, QPoint(x, y), QPoint(x, y), text, m_settings, std::max(width, 1)});
}

void RecordingPrinter::drawLine(int x1, int y1, int x2, int y2)
{
    m_page.items.append({PrintItem::Kind::Line, QPoint(x1, y1), QPoint(x2, y2), QString(), m_settings});
}

QList<PrintItem> RecordingPrinter::texts() const
{
    QList<PrintItem> result;
    for (const PrintItem& item : m_page.items) {
        if (item.kind == PrintItem::Kind::Text)
            result.append(item);
    }
    return result;
}

const PrintItem* RecordingPrinter::findText(const QString& text) const
{
    for (const PrintItem& item : m_page.items) {
        if (item.kind == PrintItem::Kind::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

QList<PrintItem> RecordingPrinter::lines() const
{
    QList<PrintItem> result;
    for (const PrintItem& item : m_page.items) {
        if (item.kind == PrintItem::Kind::Line)
            result.append(item);
    }
    return result;
}

} // namespace lunaplan
