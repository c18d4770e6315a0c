#include "ui/common/openclassfile.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "storage/classfile.h"
#include "ui/common/errormessage.h"

#include <QFileInfo>

namespace lunaplan {

using namespace Qt::StringLiterals;

QString classFileFilter()
{
    return u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2"_s;
}

bool openClassFile(AppState& state, Prompts& prompts, const QString& fileName)
{
    const QString previous = state.strFileName;
    state.strFileName = fileName;
    try {
        subLoadFile(state, prompts);
    } catch (const LunaError& error) {
        showError(prompts, u"「%1」を開けませんでした。"_s.arg(QFileInfo(fileName).fileName()), error);
    }
    if (!state.strFileName.isEmpty())
        return true;
    // Nothing was read: the class in memory still belongs to its own file.
    state.strFileName = previous;
    return false;
}

} // namespace lunaplan
