#include "tests/support/recordingnavigator.h"

namespace lunaplan::test {

void RecordingNavigator::goTo(QWidget* from, WizardPageId to)
{
    if (onMove)
        onMove();
    moves.append({from, false, to});
}

void RecordingNavigator::close(QWidget* page)
{
    if (onMove)
        onMove();
    moves.append({page, true, {}});
}

} // namespace lunaplan::test
