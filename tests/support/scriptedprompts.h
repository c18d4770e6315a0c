#pragma once

#include "core/prompts.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace lunaplan::test {

// Prompts for tests: records every message and question, and answers from
// queues filled in advance. An unexpected question or dialog fails loudly.
class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        QString kind; // "message", "yesno", "yesnocancel", "choice", "open", "save"
        QString text; // message text, or the dialog title
        QString title;
        Icon icon = Icon::None;
    };

    void message(const QString& text, const QString& title, Icon icon) override;
    Answer askYesNo(const QString& text, const QString& title) override;
    Answer askYesNoCancel(const QString& text, const QString& title) override;
    // Answered from `answers`: Yes chooses the first button, anything else the second.
    bool askChoice(const QString& text, const QString& title, const QString& first,
                   const QString& second) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& proposed) override;

    QQueue<Answer> answers;
    QQueue<QString> fileNames;
    QList<Shown> shown;
    QString lastFilter;
    QString lastProposed;    // the name the last save dialog proposed
    QStringList lastChoices; // the button texts of the last choice

    // The texts of the messages shown so far.
    QStringList messages() const;
};

} // namespace lunaplan::test
