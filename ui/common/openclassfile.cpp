#include "ui/common/openclassfile.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "storage/classfile.h"
#include "ui/common/errormessage.h"

#include <QFileInfo>

namespace lunaplan {

bool openClassFile(AppState& state, Prompts& prompts, const QString& fileName)
{
    state.strFileName = fileName;
    try {
        subLoadFile(state, prompts);
    } catch (const LunaError& error) {
        showError(prompts, QStringLiteral("「%1」を開けませんでした。").arg(QFileInfo(fileName).fileName()),
                  error);
    }
    return !state.strFileName.isEmpty();
}

} // namespace lunaplan
