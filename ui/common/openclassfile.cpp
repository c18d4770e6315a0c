#include "ui/common/openclassfile.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "storage/classfile.h"
#include "ui/common/errormessage.h"

#include <QFileInfo>

namespace lunaplan {

QString classFileFilter()
{
    return QStringLiteral("「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2");
}

bool openClassFile(AppState& state, Prompts& prompts, const QString& fileName)
{
    const QString previous = state.strFileName;
    state.strFileName = fileName;
    try {
        subLoadFile(state, prompts);
    } catch (const LunaError& error) {
        showError(prompts, QStringLiteral("「%1」を開けませんでした。").arg(QFileInfo(fileName).fileName()),
                  error);
    }
    if (!state.strFileName.isEmpty())
        return true;
    // Nothing was read: the class in memory still belongs to its own file.
    state.strFileName = previous;
    return false;
}

} // namespace lunaplan
