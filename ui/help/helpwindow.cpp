#include "ui/help/helpwindow.h"

#include "core/prompts.h"
#include "ui/common/screenplacement.h"
#include "ui/common/twips.h"
#include "ui/common/windowlist.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// A size that shows a page of the document and its pictures without scrolling sideways.
constexpr int WindowWidth = 14400;  // twips
constexpr int WindowHeight = 10500; // twips

QPushButton* addButton(QHBoxLayout* row, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

QUrl helpContentsUrl()
{
    return QUrl(u"qrc:/help/index.html"_s);
}

bool helpDocumentExists(const QUrl& page)
{
    QString path;
    if (page.scheme() == u"qrc"_s)
        path = u':' + page.path();
    else if (page.isLocalFile())
        path = page.toLocalFile();
    else
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

HelpWindow::HelpWindow(const QUrl& contents, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_contents(contents)
{
    setObjectName(u"frmHelp"_s);
    setWindowTitle(u"Lunaplan ﾍﾙﾌﾟ"_s);

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    m_back = addButton(buttons, u"cmdHelpBack"_s, u"戻る"_s);
    m_forward = addButton(buttons, u"cmdHelpForward"_s, u"進む"_s);
    m_home = addButton(buttons, u"cmdHelpContents"_s, u"目次"_s);
    buttons->addStretch();

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"txtHelp"_s);
    // Every link of the document leads to one of its own pages.
    m_browser->setOpenExternalLinks(false);
    layout->addWidget(m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QPushButton::clicked, this, &HelpWindow::showContents);

    resize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));
    m_browser->setSource(m_contents);
}

void HelpWindow::showContents()
{
    // Already there: a second entry in the history would only make 戻る stutter.
    if (m_browser->source() != m_contents)
        m_browser->setSource(m_contents);
    m_browser->verticalScrollBar()->setValue(0);
}

HelpWindow* mnuHelpContents_Click(const QWidget& mainWindow, Prompts& prompts, WindowList& windows,
                                  const QUrl& contents)
{
    if (!helpDocumentExists(contents)) {
        prompts.message(u"ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"_s,
                        mainWindow.windowTitle(), Prompts::Icon::Information);
        return nullptr;
    }
    const bool isNew = windows.find<HelpWindow>() == nullptr;
    HelpWindow* window = windows.show<HelpWindow>(contents);
    if (isNew)
        placeOnScreen(*window, mainWindow.frameGeometry().topLeft() + QPoint(60, 60), &mainWindow);
    window->showContents();
    return window;
}

} // namespace lunaplan
