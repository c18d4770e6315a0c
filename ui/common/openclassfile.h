#pragma once

#include <QString>

namespace lunaplan {

class AppState;
class Prompts;

// The filter of the class-file dialogs.
QString classFileFilter();

// Opens a class file as every window opens one: names it in the state and
// reads it. A file that cannot be read is reported, and the state keeps its
// class and the file it belongs to. True when the class of the file is now
// the state's.
bool openClassFile(AppState& state, Prompts& prompts, const QString& fileName);

} // namespace lunaplan
