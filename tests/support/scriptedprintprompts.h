#pragma once

#include "ui/print/printprompts.h"

#include <QQueue>
#include <QStringList>

namespace lunaplan::test {

// The printing dialogs for tests: the printer dialog answers from a queue
// (an unexpected one fails loudly); the preview draws once on the printer it
// was given, as the preview dialog would.
class ScriptedPrintPrompts final : public PrintPrompts {
public:
    bool choosePrinter(QPrinter& printer) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    void pageSetup(QPrinter& printer, const QString& title) override;

    QQueue<bool> printerAnswers; // true: the user pressed 印刷
    int printerDialogs = 0;
    int previews = 0;
    QStringList pageSetups; // the titles of the page-setup dialogs shown
};

} // namespace lunaplan::test
