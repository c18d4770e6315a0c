#include "tests/support/recordingnavigator.h"

#include <stdexcept>

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

bool RecordingNavigator::openClassFile()
{
    ++opened;
    if (openAnswers.isEmpty())
        throw std::logic_error("unexpected openClassFile");
    return openAnswers.takeFirst();
}

bool RecordingNavigator::startFromPreviousYear()
{
    throw std::logic_error("unexpected startFromPreviousYear");
}

} // namespace lunaplan::test
