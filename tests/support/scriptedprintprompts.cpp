#include "tests/support/scriptedprintprompts.h"

#include <stdexcept>

namespace lunaplan::test {

bool ScriptedPrintPrompts::choosePrinter(QPrinter&)
{
    ++printerDialogs;
    if (printerAnswers.isEmpty())
        throw std::logic_error("unexpected printer dialog");
    return printerAnswers.dequeue();
}

void ScriptedPrintPrompts::preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    ++previews;
    paint(printer);
}

void ScriptedPrintPrompts::pageSetup(QPrinter&, const QString& title)
{
    pageSetups.append(title);
}

} // namespace lunaplan::test
