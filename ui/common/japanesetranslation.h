#pragma once

class QCoreApplication;

namespace lunaplan {

// Loads Qt's own Japanese translation (qtbase_ja.qm from Qt's translations
// folder) into the application, whatever the desktop's language, so that the
// standard buttons and file dialogs read as the rest of the interface does.
// The translator belongs to the application object; a second call adds
// nothing. False when the
// translation is not installed (the standard texts then stay English).
bool installQtJapaneseTranslation(QCoreApplication& application);

} // namespace lunaplan
