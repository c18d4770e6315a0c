// Lunaplan: lesson planning and recording for the class teacher of one class.
// "lunaplan FILE.vl2" opens that class year at start, as a file manager expects;
// "lunaplan --help" lists the other options (reports as PDF, figures as CSV,
// without a window).
#include "ui/main/commandline.h"
#include "ui/main/frmmain.h"
#include "ui/main/session.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    const lunaplan::CommandLine command =
        lunaplan::parseCommandLine(lunaplan::commandLineArguments(argc, argv));
    if (command.mode != lunaplan::CommandLine::Mode::Window)
        return lunaplan::runWithoutWindow(command, argc, argv);

    QApplication app(argc, argv);
    lunaplan::prepareApplication();
    lunaplan::Session session(command.classFile);
    session.window().show();
    return QApplication::exec();
}
