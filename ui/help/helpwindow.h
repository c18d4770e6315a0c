#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace lunaplan {

class Prompts;
class WindowList;

// The first page of the help document, its table of contents, in the
// program's resources.
QUrl helpContentsUrl();

// Whether a help page can be read: a resource (qrc:) or a local file.
bool helpDocumentExists(const QUrl& page);

// The help document in a window of its own that does not block the main
// window: the pages with their links, and buttons to go back, forward and to
// the table of contents.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QUrl& contents = helpContentsUrl(), QWidget* parent = nullptr);

    // Shows the table of contents (a step in the history like any link).
    void showContents();

    QTextBrowser* txtHelp() const { return m_browser; }
    QUrl contents() const { return m_contents; }

private:
    QUrl m_contents;
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_home = nullptr;
};

// The ﾍﾙﾌﾟ command of the main window: shows the help window at its table of
// contents (one window, kept in the window list). When the document cannot be
// found it says so with the information icon under the main window's caption
// and opens nothing. Returns the help window, or null when there is none.
HelpWindow* mnuHelpContents_Click(const QWidget& mainWindow, Prompts& prompts, WindowList& windows,
                                  const QUrl& contents = helpContentsUrl());

} // namespace lunaplan
