#pragma once

#include <functional>

class QPrinter;
class QString;

namespace lunaplan {

// The printing dialogs: the printer dialog, the print preview and page setup. Kept apart
// from Prompts so that the layers below need no printing support; the program
// passes the Qt one, tests a scripted one.
class PrintPrompts {
public:
    virtual ~PrintPrompts() = default;

    // The printer dialog for the printer (its choices are kept in it); false
    // when the user cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // A print preview of what paint draws on the printer, from which the user
    // may also print.
    virtual void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
    // The platform's page-setup dialog for the printer, under the title; what
    // the user chose stays in the printer, a cancel changes nothing.
    virtual void pageSetup(QPrinter& printer, const QString& title) = 0;

protected:
    PrintPrompts() = default;
    PrintPrompts(const PrintPrompts&) = default;
    PrintPrompts& operator=(const PrintPrompts&) = default;
};

} // namespace lunaplan
