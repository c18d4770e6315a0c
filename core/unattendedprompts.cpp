#include "core/unattendedprompts.h"

#include <QTextStream>

namespace lunaplan {

UnattendedPrompts::UnattendedPrompts(QTextStream* messages)
    : m_messages(messages)
{}

void UnattendedPrompts::message(const QString& text, const QString&, Icon)
{
    if (m_messages)
        *m_messages << text << '\n';
}

Prompts::Answer UnattendedPrompts::askYesNo(const QString&, const QString&)
{
    return Answer::No;
}

Prompts::Answer UnattendedPrompts::askYesNoCancel(const QString&, const QString&)
{
    return Answer::Cancel;
}

bool UnattendedPrompts::askChoice(const QString&, const QString&, const QString&, const QString&)
{
    return false;
}

QString UnattendedPrompts::openFileName(const QString&, const QString&)
{
    return {};
}

QString UnattendedPrompts::saveFileName(const QString&, const QString&, const QString&)
{
    return {};
}

} // namespace lunaplan
