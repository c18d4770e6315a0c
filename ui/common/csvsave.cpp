#include "ui/common/csvsave.h"

#include "core/appstate.h"
#include "core/prompts.h"
#include "core/schoolcalendar.h"
#include "storage/atomicfile.h"

#include <QWidget>

namespace lunaplan {

using namespace Qt::StringLiterals;

void saveFiguresCsv(const QWidget& window, const AppState& state, Prompts& prompts,
                    const std::function<QByteArray()>& bytes)
{
    const QString fileName = prompts.saveFileName(
        u"CSV保存"_s, u"CSVファイル (*.csv)|*.csv"_s,
        proposedFileName(window.windowTitle(), state.intYear, state.intGrade, state.strClass, u"csv"));
    if (fileName.isEmpty())
        return;
    writeFileAtomically(fileName, bytes(), {state.strFileName});
}

} // namespace lunaplan
