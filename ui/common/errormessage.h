#pragma once

#include <QString>

namespace lunaplan {

class LunaError;
class Prompts;

// Shows a fault passed on by a procedure: what could not be done, then the
// fault's own description, under the application's title.
void showError(Prompts& prompts, const QString& action, const LunaError& error);

} // namespace lunaplan
