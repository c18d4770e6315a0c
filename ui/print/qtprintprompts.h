#pragma once

#include "ui/print/printprompts.h"

#include <QPointer>

class QWidget;

namespace lunaplan {

// The printing dialogs of Qt, modal to a parent window that may be set later.
class QtPrintPrompts final : public PrintPrompts {
public:
    explicit QtPrintPrompts(QWidget* parent = nullptr);

    void setParentWindow(QWidget* parent) { m_parent = parent; }

    bool choosePrinter(QPrinter& printer) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    void pageSetup(QPrinter& printer, const QString& title) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace lunaplan
