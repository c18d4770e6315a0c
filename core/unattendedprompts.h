#pragma once

#include "core/prompts.h"

class QTextStream;

namespace lunaplan {

// The prompts of a run without a window (the command line, the sample
// writer, the benchmarks): messages go to a text stream when one is given,
// questions are answered いいえ (キャンセル where there is one, the second
// button of a choice), and file
// dialogs choose nothing.
class UnattendedPrompts final : public Prompts {
public:
    explicit UnattendedPrompts(QTextStream* messages = nullptr);

    void message(const QString& text, const QString& title, Icon icon) override;
    Answer askYesNo(const QString& text, const QString& title) override;
    Answer askYesNoCancel(const QString& text, const QString& title) override;
    bool askChoice(const QString& text, const QString& title, const QString& first,
                   const QString& second) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& proposed) override;

private:
    QTextStream* m_messages;
};

} // namespace lunaplan
