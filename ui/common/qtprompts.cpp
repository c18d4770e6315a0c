#include "ui/common/qtprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Prompts::Answer ask(QWidget* parent, const QString& text, const QString& title,
                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Prompts::Answer::Yes;
    case QMessageBox::No:
        return Prompts::Answer::No;
    default:
        // Closing the box counts as Cancel where there is one; a Yes/No box
        // closes only through No (Qt makes No its escape button).
        return buttons.testFlag(QMessageBox::Cancel) ? Prompts::Answer::Cancel : Prompts::Answer::No;
    }
}

QStringList patternsOf(const QString& pattern)
{
    QStringList patterns;
    for (const QString& part : pattern.split(u';'))
        if (!part.trimmed().isEmpty())
            patterns.append(part.trimmed());
    return patterns;
}

QString runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                      const QString& filter, const QString& proposed = {})
{
    QFileDialog dialog(parent, title);
    // Qt's own dialog, so it reads Japanese with Qt's translation on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(qtFileFilter(filter));
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(defaultSuffix(filter));
        if (!proposed.isEmpty())
            dialog.selectFile(proposed);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtPrompts::QtPrompts(QWidget* parent)
    : m_parent(parent)
{}

QWidget* QtPrompts::dialogParent() const
{
    // Over the window the teacher is working in, so the focus goes back there
    // when the box closes.
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parent;
}

void QtPrompts::message(const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, dialogParent());
    box.exec();
}

Prompts::Answer QtPrompts::askYesNo(const QString& text, const QString& title)
{
    return ask(dialogParent(), text, title, QMessageBox::Yes | QMessageBox::No);
}

Prompts::Answer QtPrompts::askYesNoCancel(const QString& text, const QString& title)
{
    return ask(dialogParent(), text, title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

bool QtPrompts::askChoice(const QString& text, const QString& title, const QString& first,
                          const QString& second)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, dialogParent());
    QPushButton* firstButton = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton* secondButton = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(firstButton);
    box.setEscapeButton(secondButton);
    box.exec();
    return box.clickedButton() == firstButton;
}

QString QtPrompts::openFileName(const QString& title, const QString& filter)
{
    return runFileDialog(dialogParent(), QFileDialog::AcceptOpen, title, filter);
}

QString QtPrompts::saveFileName(const QString& title, const QString& filter, const QString& proposed)
{
    return runFileDialog(dialogParent(), QFileDialog::AcceptSave, title, filter, proposed);
}

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        QStringList patterns = i + 1 < parts.size() ? patternsOf(parts.at(i + 1)) : QStringList();
        if (patterns.isEmpty())
            patterns.append(u"*"_s);
        if (description.isEmpty() && i + 1 >= parts.size())
            continue; // nothing after the last "|"
        const QString wanted = u"("_s + patterns.join(u' ') + u")"_s;
        if (description.endsWith(wanted))
            entries.append(description);
        else if (description.isEmpty())
            entries.append(wanted);
        else
            entries.append(description + u' ' + wanted);
    }
    return entries.join(u";;"_s);
}

QString defaultSuffix(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2)
        return {};
    const QStringList patterns = patternsOf(parts.at(1));
    if (patterns.isEmpty())
        return {};
    static const QRegularExpression plain(u"^\\*\\.([^*?.\\[\\]]+)$"_s);
    const QRegularExpressionMatch match = plain.match(patterns.constFirst());
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace lunaplan
