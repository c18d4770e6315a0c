#pragma once

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>

namespace lunaplan {

// Escape anywhere in the window presses its 閉じる button, as in a dialog box.
inline void pressOnEscape(QWidget* window, QAbstractButton* closeButton)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(shortcut, &QShortcut::activated, closeButton, &QAbstractButton::click);
}

} // namespace lunaplan
