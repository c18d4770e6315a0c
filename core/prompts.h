#pragma once

#include <QString>

namespace lunaplan {

// What the program asks of the user: message boxes and file dialogs. Windows
// and procedures talk to this interface; the application passes the Qt one,
// tests a scripted one.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Critical };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompts() = default;

    // A message with an OK button.
    virtual void message(const QString& text, const QString& title, Icon icon = Icon::None) = 0;
    // A question with Yes and No (no icon); Yes or No.
    virtual Answer askYesNo(const QString& text, const QString& title) = 0;
    // A question with Yes, No and Cancel (no icon).
    virtual Answer askYesNoCancel(const QString& text, const QString& title) = 0;
    // A question with two buttons of the given texts (no icon). True when
    // the first was chosen; closing the box chooses the second.
    virtual bool askChoice(const QString& text, const QString& title, const QString& first,
                           const QString& second) = 0;
    // File dialogs. The filter is "description|pattern" pairs joined by "|";
    // the result is the chosen path, or empty when the user cancelled. The
    // save dialog proposes `proposed` (a name, or a path whose folder it opens in).
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& proposed = {}) = 0;

protected:
    Prompts() = default;
    Prompts(const Prompts&) = default;
    Prompts& operator=(const Prompts&) = default;
};

// The title of the program's message boxes.
inline QString applicationTitle()
{
    using namespace Qt::StringLiterals;
    return u"Lunaplan"_s;
}

} // namespace lunaplan
