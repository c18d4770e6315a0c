#include "tests/support/scriptedprompts.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace lunaplan::test {

namespace {

template <typename T> T take(QQueue<T>& queue, const QString& what)
{
    if (queue.isEmpty())
        throw std::logic_error("unexpected prompt: " + what.toStdString());
    return queue.dequeue();
}

} // namespace

void ScriptedPrompts::message(const QString& text, const QString& title, Icon icon)
{
    shown.append({u"message"_s, text, title, icon});
}

Prompts::Answer ScriptedPrompts::askYesNo(const QString& text, const QString& title)
{
    shown.append({u"yesno"_s, text, title, Icon::None});
    return take(answers, text);
}

Prompts::Answer ScriptedPrompts::askYesNoCancel(const QString& text, const QString& title)
{
    shown.append({u"yesnocancel"_s, text, title, Icon::None});
    return take(answers, text);
}

bool ScriptedPrompts::askChoice(const QString& text, const QString& title, const QString& first,
                                const QString& second)
{
    shown.append({u"choice"_s, text, title, Icon::None});
    lastChoices = {first, second};
    return take(answers, text) == Answer::Yes;
}

QString ScriptedPrompts::openFileName(const QString& title, const QString& filter)
{
    shown.append({u"open"_s, title, QString(), Icon::None});
    lastFilter = filter;
    return take(fileNames, title);
}

QString ScriptedPrompts::saveFileName(const QString& title, const QString& filter, const QString& proposed)
{
    shown.append({u"save"_s, title, QString(), Icon::None});
    lastFilter = filter;
    lastProposed = proposed;
    return take(fileNames, title);
}

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const Shown& s : shown) {
        if (s.kind == u"message"_s)
            texts.append(s.text);
    }
    return texts;
}

} // namespace lunaplan::test
