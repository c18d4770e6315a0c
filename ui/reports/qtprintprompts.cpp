#include "ui/reports/qtprintprompts.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// The window the dialog belongs to: the set parent, else the active window.
QWidget* dialogParent(QWidget* parent)
{
    return parent ? parent : QApplication::activeWindow();
}

} // namespace

QtPrintPrompts::QtPrintPrompts(QWidget* parent)
    : m_parent(parent)
{}

bool QtPrintPrompts::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, dialogParent(m_parent));
    dialog.setWindowTitle(u"印刷"_s);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintPrompts::preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&printer, dialogParent(m_parent));
    dialog.setWindowTitle(u"印刷プレビュー"_s);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

void QtPrintPrompts::pageSetup(QPrinter& printer, const QString& title)
{
    QPageSetupDialog dialog(&printer, dialogParent(m_parent));
    dialog.setWindowTitle(title);
    dialog.exec();
}

} // namespace lunaplan
