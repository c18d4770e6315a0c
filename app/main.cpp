// Lunaplan: lesson planning and recording for the class teacher of one class.
// "lunaplan FILE.vl2" opens that class year at start, as a file manager expects.
#include "ui/main/frmmain.h"
#include "ui/main/session.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lunaplan::prepareApplication();
    const QStringList arguments = QApplication::arguments();
    lunaplan::Session session(arguments.value(1));
    session.window().show();
    return QApplication::exec();
}
