#pragma once

#include "core/prompts.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace lunaplan {

// The prompts as Qt message boxes and file dialogs, modal to the window the
// teacher works in (or the parent window when none of the program is active).
class QtPrompts final : public Prompts {
public:
    // parent may be null (then the prompts stand on their own) and may go away
    // before the prompts object does.
    explicit QtPrompts(QWidget* parent = nullptr);

    // The window the dialogs stand over, for prompts made before it existed.
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    void message(const QString& text, const QString& title, Icon icon = Icon::None) override;
    Answer askYesNo(const QString& text, const QString& title) override;
    Answer askYesNoCancel(const QString& text, const QString& title) override;
    bool askChoice(const QString& text, const QString& title, const QString& first,
                   const QString& second) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& proposed) override;

private:
    QWidget* dialogParent() const;

    QPointer<QWidget> m_parent;
};

// A filter of "description|pattern" pairs joined by "|" (patterns inside a
// pair separated by ";") in Qt's form: "description (pattern pattern)" entries
// joined by ";;". A description that already ends in its patterns in
// parentheses is kept as it is; a description without a pattern gets "*".
QString qtFileFilter(const QString& filter);

// The extension of the filter's first pattern when it is a plain "*.ext"
// (without the dot), else empty: what a typed file name without an extension receives.
QString defaultSuffix(const QString& filter);

} // namespace lunaplan
