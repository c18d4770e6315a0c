// Lunaplan: lesson planning and recording for the class teacher of one class.
#include "core/appstate.h"
#include "core/errors.h"
#include "storage/classfile.h"
#include "ui/common/errormessage.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/qtprompts.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QSettings>
#include <QStringList>

using namespace lunaplan;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lunaplan"));
    QApplication::setApplicationName(QStringLiteral("Lunaplan"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    installJapaneseFontSubstitutions();
    QApplication::setFont(interfaceFont());

    AppState state;
    QSettings settings;
    QtPrompts prompts;
    frmMain window(state, prompts, settings);
    prompts.setParentWindow(&window);

    // A class file named on the command line (as a file manager passes it) is
    // opened as the open command opens it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        state.strFileName = arguments.at(1);
        try {
            subLoadFile(state, prompts);
        } catch (const LunaError& error) {
            showError(prompts, QStringLiteral("ファイルを開けませんでした。"), error);
        }
    }

    window.show();
    return QApplication::exec();
}
