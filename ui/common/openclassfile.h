#pragma once

#include <QString>

namespace lunaplan {

class AppState;
class Prompts;

// Opens a class file as every window opens one: names it in the state and
// reads it; a file that cannot be read is reported (the state keeps its
// class, and no file name). True when the class of the file is now the state's.
bool openClassFile(AppState& state, Prompts& prompts, const QString& fileName);

} // namespace lunaplan
