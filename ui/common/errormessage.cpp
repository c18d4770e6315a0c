#include "ui/common/errormessage.h"

#include "core/errors.h"
#include "core/prompts.h"

namespace lunaplan {

void showError(Prompts& prompts, const QString& action, const LunaError& error)
{
    prompts.message(action + u'\n' + error.description(), applicationTitle(), Prompts::Icon::Critical);
}

} // namespace lunaplan
