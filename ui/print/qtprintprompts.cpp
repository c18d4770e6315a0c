#include "ui/print/qtprintprompts.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// The window the dialog belongs to: the set parent, else the active window.
QWidget* dialogParent(QWidget* parent)
{
    return parent ? parent : QApplication::activeWindow();
}

// The page picture of Qt's printing dialogs draws its sample text in the
// application's font scaled by its point size, which the application's font,
// set in pixels, does not have (a warning, and text spilling out of the
// picture). While a dialog is open the application has the same font in points.
class FontInPoints {
public:
    FontInPoints()
        : m_font(QApplication::font())
    {
        if (m_font.pointSizeF() > 0 || m_font.pixelSize() <= 0)
            return;
        QFont points = m_font;
        points.setPointSizeF(m_font.pixelSize() * 72.0 /
                             QGuiApplication::primaryScreen()->logicalDotsPerInchY());
        QApplication::setFont(points);
        m_changed = true;
    }
    ~FontInPoints()
    {
        if (m_changed)
            QApplication::setFont(m_font);
    }
    FontInPoints(const FontInPoints&) = delete;
    FontInPoints& operator=(const FontInPoints&) = delete;

private:
    const QFont m_font;
    bool m_changed = false;
};

} // namespace

QtPrintPrompts::QtPrintPrompts(QWidget* parent)
    : m_parent(parent)
{}

bool QtPrintPrompts::choosePrinter(QPrinter& printer)
{
    const FontInPoints font;
    QPrintDialog dialog(&printer, dialogParent(m_parent));
    dialog.setWindowTitle(u"印刷"_s);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintPrompts::preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    const FontInPoints font;
    QPrintPreviewDialog dialog(&printer, dialogParent(m_parent));
    dialog.setWindowTitle(u"印刷プレビュー"_s);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

void QtPrintPrompts::pageSetup(QPrinter& printer, const QString& title)
{
    const FontInPoints font;
    QPageSetupDialog dialog(&printer, dialogParent(m_parent));
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // On a CUPS printer Qt's dialog leaves the paper as it was (the printer
    // refuses the page layout it hands over, in millimetres); the paper chosen
    // in its list is set as the printer dialog sets one. Without that list,
    // which Qt names so, the dialog's own result stands.
    if (const auto* sizes = dialog.findChild<QComboBox*>(u"pageSizeCombo"_s)) {
        const QPageSize chosen = sizes->currentData().value<QPageSize>();
        if (chosen.isValid() && !chosen.isEquivalentTo(printer.pageLayout().pageSize()))
            printer.setPageSize(chosen);
    }
}

} // namespace lunaplan
