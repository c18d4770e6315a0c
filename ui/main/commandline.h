#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace lunaplan {

// What the program was asked to do on its command line:
//     lunaplan [FILE.vl2]                        the window, with that class open
//     lunaplan --pdf OUT.pdf --report N FILE.vl2 report N (0 … 8) of the file as a PDF
//     lunaplan --help                            the options
struct CommandLine {
    enum class Mode { Window, Pdf, Help, Invalid };
    Mode mode = Mode::Window;
    QString classFile;
    QString pdfFile;
    int report = -1;
    QString error; // why the line is Invalid
};

// The arguments after the program's name. A line without --pdf, --report or
// --help is the window's (classFile is then its first argument).
CommandLine parseCommandLine(const QStringList& arguments);
// The arguments of main() after the program's name, decoded.
QStringList commandLineArguments(int argc, char* argv[]);
QString commandLineHelp();

// The --pdf command: reads the class file and writes the report; a file that
// cannot be read or a PDF that cannot be written is reported on err, with status 1 and no PDF. Status 0 when
// the PDF is written. Needs the application object of Qt Gui (fonts).
int runPdfExport(const CommandLine& command, QTextStream& err);

// Everything but the window: help on stdout (status 0), a wrong command line
// on stderr (status 2), or the PDF on the offscreen platform, which needs no
// display. Builds its own application object.
int runWithoutWindow(const CommandLine& command, int& argc, char* argv[]);

} // namespace lunaplan
