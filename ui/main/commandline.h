#pragma once

#include "core/classcsv.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QTextStream;

namespace lunaplan {

// What the program was asked to do on its command line:
//     lunaplan [FILE.vl2]                        the window, with that class open
//     lunaplan --pdf OUT.pdf --report N FILE.vl2 report N (0 … 8) of the file as a PDF
//     lunaplan --pdf OUT.pdf --week YYYY-MM-DD [--weeks N] FILE.vl2
//                                                the weekly plan of N weeks (default 1) from that week
//     lunaplan --csv OUT.csv [--table totals|outlook] [--term N] [--date YYYY-MM-DD] FILE.vl2 …
//                                                the totals or the outlook of the classes as one CSV
//     lunaplan --help                            the options
struct CommandLine {
    enum class Mode { Window, Pdf, Csv, Help, Invalid };
    Mode mode = Mode::Window;
    QString classFile;      // the window's and the PDF's
    QStringList classFiles; // the CSV's, in the order given
    QString pdfFile;
    int report = -1; // -1 with a week: the weekly plan
    QDate week;      // the weekly plan's first week
    int weeks = 1;
    QString csvFile;
    CsvKind table = CsvKind::Totals;
    int term = 0;  // 1 to 3; 0 = the term of each class's reference date
    QDate date;    // the reference date asked for; null = today
    QString error; // why the line is Invalid
};

// The arguments after the program's name, all checked before any window or
// platform is set up: an option neither the program's nor one of Qt's
// (-platform, -style …, for the window only) makes the line Invalid.
CommandLine parseCommandLine(const QStringList& arguments);
// The arguments of main() after the program's name, decoded.
QStringList commandLineArguments(int argc, char* argv[]);
QString commandLineHelp();

// The --pdf command: reads the class file and writes the report; a file that
// cannot be read or a PDF that cannot be written is reported on err, with status 1 and no PDF. Status 0 when
// the PDF is written. Needs the application object of Qt Gui (fonts).
int runPdfExport(const CommandLine& command, QTextStream& err);

// The --csv command: one CSV (ClassesCsv) of every class file that could be
// read, written atomically. A file that cannot be read, or whose figures do
// not fit 16 bits, is named on err and left out; status 1 then, and when no
// class is left (no CSV is written) or the CSV cannot be written. Status 0
// when every class is in the CSV. Needs no application object.
int runCsvExport(const CommandLine& command, QTextStream& err);

// Everything but the window: help on stdout (status 0), a wrong command line
// on stderr with the help (status 2), the PDF on the offscreen platform,
// which needs no display, or the CSV.
int runWithoutWindow(const CommandLine& command, int& argc, char* argv[]);

} // namespace lunaplan
