#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

namespace lunaplan {

// Menu items carry the names of the menu controls as object names, so a
// command can be found by name like a control.

// An item with its caption (and shortcut), inserted before `before`, or at
// the end when that is null.
inline QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                            QAction* before = nullptr, const QKeySequence& shortcut = {})
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    menu->insertAction(before, action);
    return action;
}

// A separator line, inserted before `before`, or at the end when that is null.
inline QAction* addMenuBar(QMenu* menu, const QString& name, QAction* before = nullptr)
{
    QAction* bar = menu->insertSeparator(before);
    bar->setObjectName(name);
    return bar;
}

} // namespace lunaplan
