#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace lunaplan {

class FileCommands;
class MenuCommands;

// The main window's menu bar, built in one place from the window's commands:
// ﾌｧｲﾙ, 設定, 表示 and ﾍﾙﾌﾟ. Items carry the names of the menu controls as
// object names, so a command can be found by name like a control.
class MainMenus final : public QObject {
    Q_OBJECT

public:
    MainMenus(QMainWindow& window, FileCommands& file, MenuCommands& commands);

    // Offers 上書き保存 while the class has a file and 開く while it has none.
    // Ctrl+S saves either way (名前を付けて保存 without a file) and Ctrl+O opens.
    void showOpenOrSave(bool hasFile);

    QMenu* mnuFile() const { return m_mnuFile; }
    QAction* mnuFileOpen() const { return m_open; }
    QAction* mnuFileSave() const { return m_save; }
    QAction* mnuFileSaveAs() const { return m_saveAs; }

private:
    QMenu* m_mnuFile = nullptr;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    // Ctrl+O while 開く is not on the menu.
    QAction* m_openKey = nullptr;
};

} // namespace lunaplan
